#include "menus/qt/QtMenuPresenter.h"

#include "menus/qt/OwnMenuWidgets.h"
#include "resources/qt/ProgramIcons.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QLoggingCategory>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace trumbel {

namespace {

Q_LOGGING_CATEGORY(lcMenus, "trumbel.menus", QtWarningMsg)

constexpr const char* kNameProperty = "trumbelItem";
constexpr const char* kIndexProperty = "trumbelIndex";
constexpr const char* kPositionProperty = "ownPosition";
// The one window whose menus the presenter registers: the popup on show.
constexpr int kPopupWindow = 1;

// A name from outside may widen a menu by this many average characters at most.
constexpr int kPlainCaptionChars = 50;

QString Text(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A caption from outside as it reads: "&" marks no mnemonic and a tab or line break makes no
// column or line. A long one is shortened in the middle, where a file name's start and its
// extension stay readable, so one name cannot stretch the menu across the screen.
QString PlainCaption(const std::string& caption, const QFont& font) {
    QString text = Text(caption);
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control) {
            c = QLatin1Char(' ');
        }
    }
    const QFontMetrics metrics(font);
    text =
        metrics.elidedText(text, Qt::ElideMiddle, metrics.averageCharWidth() * kPlainCaptionChars);
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

// Our own texts are written in Japanese where the tree is built; the user reads them in the
// program's language. Names from outside stay as they read.
std::string Translated(const std::string& text) {
    return QCoreApplication::translate("Menu", text.c_str()).toStdString();
}

MenuItem InProgramLanguage(const MenuItem& model) {
    MenuItem shown = model;
    if (!model.form.empty()) {
        const QString argument =
            model.formArgumentContext.empty()
                ? Text(model.formArgument)
                : QCoreApplication::translate(model.formArgumentContext.c_str(),
                                              model.formArgument.c_str());
        shown.caption =
            QCoreApplication::translate("Menu", model.form.c_str()).arg(argument).toStdString();
    } else if (!model.plainText && !model.separator && !model.caption.empty()) {
        shown.caption = Translated(model.caption);
    }
    if (!model.band.empty()) {
        shown.band = Translated(model.band);
    }
    for (MenuItem& item : shown.items) {
        item = InProgramLanguage(item);
    }
    return shown;
}

QString CaptionOf(const MenuItem& item, const std::string& caption, const QFont& font) {
    return item.plainText ? PlainCaption(caption, font) : Text(caption);
}

void Tag(QAction& action, const MenuItem& item) {
    action.setProperty(kNameProperty, Text(item.name));
    action.setProperty(kIndexProperty, item.index);
}

QIcon IconOf(const OwnItemRecord& record) {
    return record.iconFile.empty() ? ProgramIcon(record.icon) : FileIconFor(record.iconFile).icon;
}

void ConfigureBands(OwnMenu& records, int window, const MenuItem& model, std::vector<int> path) {
    if (model.bandShown && records.Select(window, 0, path)) {
        records.SetBand(true, model.band, BandColours{}, TitleBandFont());
    }
    for (std::size_t i = 0; i < model.items.size(); ++i) {
        if (model.items[i].submenu) {
            std::vector<int> below = path;
            below.push_back(static_cast<int>(i));
            ConfigureBands(records, window, model.items[i], std::move(below));
        }
    }
}

void FillOwnMenu(OwnMenuWidget& menu, const MenuItem& model, OwnMenu& records, int window,
                 const std::vector<int>& path, OwnMenuStyle& style) {
    menu.setStyle(&style);
    menu.setTitle(Text(model.caption));
    const OwnSubmenu* sub = records.Submenu(window, 0, path);
    QActionGroup* radios = nullptr;
    for (std::size_t i = 0; sub && i < model.items.size() && i < sub->items.size(); ++i) {
        const MenuItem& item = model.items[i];
        const OwnItemRecord& record = sub->items[i];
        if (!item.visible || !record.valid) {
            continue;
        }
        const int position = static_cast<int>(i);
        if (record.IsSeparator()) {
            menu.addSeparator()->setProperty(kPositionProperty, position);
            continue;
        }
        QString text = CaptionOf(item, record.text.caption, menu.font());
        if (!record.text.shortcut.empty()) {
            text += QLatin1Char('\t') + Text(record.text.shortcut);
        }
        const QIcon icon = IconOf(record);
        if (item.submenu) {
            std::vector<int> below = path;
            below.push_back(position);
            auto* child = new OwnMenuWidget(records, window, 0, below, &menu);
            FillOwnMenu(*child, item, records, window, below, style);
            child->setTitle(text);
            child->setIcon(icon);
            child->setEnabled(item.enabled);
            menu.addMenu(child)->setProperty(kPositionProperty, position);
            continue;
        }
        QAction* action = menu.addAction(icon, text);
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked || item.radio);
        action->setChecked(item.checked);
        if (item.radio) {
            if (!radios) {
                radios = new QActionGroup(&menu);
            }
            radios->addAction(action);
        }
        action->setProperty(kPositionProperty, position);
        Tag(*action, item);
    }
}

} // namespace

void RegisterOwnMenu(OwnMenu& records, int window, const MenuItem& model) {
    records.Register(window, std::span(&model, 1), OwnMenuStyle::kIconSize);
    records.SetStyle(window, 1);
    ConfigureBands(records, window, model, {});
}

std::unique_ptr<OwnMenuWidget> BuildOwnMenu(const MenuItem& model, OwnMenu& records, int window,
                                            OwnMenuStyle& style, QWidget* parent) {
    auto menu = std::make_unique<OwnMenuWidget>(records, window, 0, std::vector<int>{}, parent);
    FillOwnMenu(*menu, model, records, window, {}, style);
    return menu;
}

void FillMenu(QMenu& menu, const MenuItem& model) {
    menu.setTitle(Text(model.caption));
    QActionGroup* radios = nullptr;
    for (const MenuItem& item : model.items) {
        if (!item.visible) {
            continue;
        }
        if (item.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        if (item.submenu) {
            QMenu* sub = menu.addMenu(CaptionOf(item, item.caption, menu.font()));
            sub->setEnabled(item.enabled);
            FillMenu(*sub, item);
            continue;
        }
        QAction* action = menu.addAction(CaptionOf(item, item.caption, menu.font()));
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked || item.radio);
        action->setChecked(item.checked);
        if (item.radio) {
            if (!radios) {
                radios = new QActionGroup(&menu);
            }
            radios->addAction(action);
        }
        Tag(*action, item);
    }
}

std::optional<MenuCommand> CommandOf(const QAction* action) {
    if (!action) {
        return std::nullopt;
    }
    const QVariant name = action->property(kNameProperty);
    if (!name.isValid()) {
        return std::nullopt;
    }
    return MenuCommand{name.toString().toStdString(), action->property(kIndexProperty).toInt()};
}

QtMenuPresenter::QtMenuPresenter(std::function<QWidget*()> owner) : owner_(std::move(owner)) {}

QtMenuPresenter::~QtMenuPresenter() = default;

std::optional<MenuCommand> QtMenuPresenter::Show(const MenuItem& tree, IconMenus iconMenus) {
    const MenuItem model = InProgramLanguage(tree);
    QWidget* owner = owner_ ? owner_() : nullptr;
    // Owned here, not by the owner window: it goes with this call whatever the menu did.
    std::unique_ptr<QMenu> menu;
    if (iconMenus == IconMenus::On) {
        if (!style_) {
            style_ = std::make_unique<OwnMenuStyle>();
        }
        // The records live as long as the popup, as the lists they show do.
        records_.Init(EdgeSize{});
        RegisterOwnMenu(records_, kPopupWindow, model);
        menu = BuildOwnMenu(model, records_, kPopupWindow, *style_, owner);
    } else {
        menu = std::make_unique<QMenu>(owner);
        FillMenu(*menu, model);
    }
    if (onShown) {
        QPointer<QMenu> shown(menu.get());
        QTimer::singleShot(0, menu.get(), [this, shown] {
            if (shown) {
                onShown(*shown);
            }
        });
    }
    const QPoint at = QCursor::pos();
    // The menu runs its own event loop; the command runs after it has closed.
    qCInfo(lcMenus, "menu opened: %s", tree.caption.c_str());
    const QAction* chosen = menu->exec(at);
    std::optional<MenuCommand> command = CommandOf(chosen);
    menu.reset();
    records_.Terminate();
    if (command) {
        qCInfo(lcMenus, "menu closed: %s(%d)", command->name.c_str(), command->index);
    } else {
        qCInfo(lcMenus, "menu closed without a choice");
    }
    return command;
}

} // namespace trumbel
