#include "resources/qt/ProgramLook.h"

#include "base/UiText.h"

#include <QCoreApplication>
#include <QDir>
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
        // One file per part of the program (translations/<part>_en.ts), so parts are
        // translated without touching each other's files.
        const QDir embedded(QStringLiteral(":/translations"));
        for (const QString& file : embedded.entryList({QStringLiteral("*_en.qm")}, QDir::Files)) {
            Install(app, file, embedded.path());
        }
        SetUiTranslator([](const char* context, const char* text) {
            return QCoreApplication::translate(context, text).toStdString();
        });
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
