#include "resources/qt/ProgramLook.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>

namespace trumbel {

namespace {

const QString kDialogFamily = QStringLiteral("ＭＳ Ｐゴシック");
constexpr int kDialogPointSize = 9;

void Install(QCoreApplication& app, const QString& file, const QString& folder) {
    auto* texts = new QTranslator(&app);
    if (texts->load(file, folder)) {
        QCoreApplication::installTranslator(texts);
    } else {
        delete texts;
    }
}

} // namespace

UiLanguage ProgramLanguage() {
    std::vector<std::string> desktop;
    for (const QString& language : QLocale::system().uiLanguages()) {
        desktop.push_back(language.toStdString());
    }
    return ChooseUiLanguage(desktop, std::getenv("TRUMBEL_LANG"));
}

void InstallProgramLanguage(QCoreApplication& app) {
    // Japanese is the source text of our own; Qt speaks English unless told otherwise.
    if (ProgramLanguage() == UiLanguage::Japanese) {
        Install(app, QStringLiteral("qtbase_ja"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    } else {
        Install(app, QStringLiteral("trumbel_en"), QStringLiteral(":/translations"));
    }
}

QFont DialogFont() {
    static const bool substituted = [] {
        QFont::insertSubstitutions(
            kDialogFamily, {QStringLiteral("VL PGothic"), QStringLiteral("Noto Sans CJK JP"),
                            QStringLiteral("IPAPGothic"), QStringLiteral("TakaoPGothic"),
                            QStringLiteral("Source Han Sans JP"), QStringLiteral("IPAexGothic"),
                            QStringLiteral("VL Gothic"), QStringLiteral("IPAGothic")});
        return true;
    }();
    (void)substituted;
    return QFont(kDialogFamily, kDialogPointSize);
}

} // namespace trumbel
