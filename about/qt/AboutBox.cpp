#include "about/qt/AboutBox.h"

#include "base/AppInfo.h"
#include "base/WebAddresses.h"
#include "resources/qt/ProgramIcons.h"
#include "resources/qt/ProgramLook.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

namespace trumbel {

namespace {

Q_LOGGING_CATEGORY(lcAbout, "trumbel.about", QtWarningMsg)

QString Text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A text of ours, written as a literal (so it ends in a null), in the program's language.
QString Translated(std::string_view text) {
    return QCoreApplication::translate("AboutBox", text.data());
}

// A label that acts as a link: the hand cursor over it, `clicked` on a left click.
class LinkLabel final : public QLabel {
public:
    LinkLabel(const QString& text, std::function<void()> clicked, QWidget* parent)
        : QLabel(text, parent), clicked_(std::move(clicked)) {
        setCursor(Qt::PointingHandCursor);
        setAccessibleName(text);
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, QColor(0, 0, 255));
        setPalette(colours);
        QFont underlined = font();
        underlined.setUnderline(true);
        setFont(underlined);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
            clicked_();
        }
    }

private:
    std::function<void()> clicked_;
};

} // namespace

AboutBox::AboutBox(Ui& ui, AboutDesktop desktop, QWidget* parent)
    : QDialog(parent), ui_(ui), desktop_(std::move(desktop)) {
    setFont(DialogFont());
    setModal(true);
    setWindowTitle(Translated(kAboutCaptionForm).arg(Text(kProductName)));

    ImageSymbol = new QLabel(this);
    ImageSymbol->setPixmap(ProgramPixmap("symbol", 32));
    ImageSymbol->setFixedSize(32, 32);
    ImageSymbol->setAccessibleName(QStringLiteral("symbol"));
    LabelName = new QLabel(Text(kProductName), this);
    QFont bold = LabelName->font();
    bold.setBold(true);
    bold.setPointSize(12);
    LabelName->setFont(bold);
    LabelVersion =
        new QLabel(Translated(kAboutVersionForm)
                       .arg(Text(VersionNumberText(kVersionMajor, kVersionMinor, kRevision))),
                   this);
    TextDescription = new QPlainTextEdit(this);
    TextDescription->setReadOnly(true);
    TextDescription->setPlainText(Translated(kAboutDescription[0]) + QLatin1Char('\n') +
                                  Translated(kAboutDescription[1]));
    TextDescription->setAccessibleName(QCoreApplication::translate("AboutBox", "説明"));
    TextDescription->setFixedSize(380, 96);
    const std::string home(kWebAddresses.homePage);
    const std::string mail(kWebAddresses.mail);
    LabelHomePage = new LinkLabel(
        Text(home), [this, home] { desktop_.open(home); }, this);
    LabelMail = new LinkLabel(
        Text(mail), [this, mail] { desktop_.open(MailLink(mail)); }, this);
    CmdOk = new QPushButton(QStringLiteral("OK"), this);
    CmdOk->setDefault(true);
    CmdSysInfo =
        new QPushButton(QCoreApplication::translate("AboutBox", "システム情報(&S)..."), this);
    QObject::connect(CmdOk, &QPushButton::clicked, this, &QDialog::accept);
    QObject::connect(CmdSysInfo, &QPushButton::clicked, this, [this] { StartSysInfo(); });

    auto* heading = new QVBoxLayout;
    heading->addWidget(LabelName);
    heading->addWidget(LabelVersion);
    auto* top = new QHBoxLayout;
    top->addWidget(ImageSymbol, 0, Qt::AlignTop);
    top->addSpacing(8);
    top->addLayout(heading, 1);
    auto* links = new QVBoxLayout;
    links->addWidget(LabelHomePage);
    links->addWidget(LabelMail);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(CmdOk);
    buttons->addWidget(CmdSysInfo);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(links, 1);
    bottom->addLayout(buttons);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addWidget(TextDescription);
    outer->addLayout(bottom);
    // A fixed dialog: a title and a close button, no resizing.
    outer->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint);
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    CmdOk->setFocus(Qt::OtherFocusReason);
    // Where the links lie in the box, for whoever drives it from outside (the end-to-end tests).
    for (const QLabel* link : {LabelHomePage, LabelMail}) {
        const QRect r = link->geometry();
        qCInfo(lcAbout, "link %s at %d,%d size %dx%d", qUtf8Printable(link->text()), r.x(), r.y(),
               r.width(), r.height());
    }
}

void AboutBox::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // Some window managers offer to minimise any window, whatever its hints say; a minimised
    // modal box would leave the program waiting on a window nobody sees.
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        QTimer::singleShot(0, this, [this] { showNormal(); });
    }
}

void AboutBox::StartSysInfo() {
    const std::optional<SystemInfoTool> tool =
        desktop_.findProgram ? FindSystemInfoTool(desktop_.findProgram) : std::nullopt;
    if (tool && desktop_.start && desktop_.start(*tool)) {
        qCInfo(lcAbout, "system information: %s", tool->program.c_str());
        return;
    }
    ui_.MessageBox({std::string(kProductName), Translated(kNoSystemInfo).toStdString(),
                    MsgIcon::None, MsgButtons::Ok});
}

void QtAboutDialog::ShowModal() {
    AboutBox box(ui_, desktop_, owner_ ? owner_() : nullptr);
    if (onShown) {
        QTimer::singleShot(0, &box, [this, &box] { onShown(box); });
    }
    qCInfo(lcAbout, "about box opened");
    box.exec();
    qCInfo(lcAbout, "about box closed");
}

AboutDesktop LiveAboutDesktop(std::function<void(const std::string&)> open) {
    AboutDesktop desktop;
    desktop.open = std::move(open);
    desktop.findProgram = [](const std::string& name) -> std::optional<std::string> {
        const QString path = QStandardPaths::findExecutable(QString::fromStdString(name));
        return path.isEmpty() ? std::nullopt : std::optional(path.toStdString());
    };
    desktop.start = [](const SystemInfoTool& tool) {
        QStringList arguments;
        for (const std::string& a : tool.arguments) {
            arguments << QString::fromStdString(a);
        }
        return QProcess::startDetached(QString::fromStdString(tool.program), arguments);
    };
    return desktop;
}

} // namespace trumbel
