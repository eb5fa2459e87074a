#include "resources/qt/ProgramLook.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace trumbel {

namespace {

const QString kLanguage = QStringLiteral("ja");
const QString kDialogFamily = QStringLiteral("ＭＳ Ｐゴシック");
constexpr int kDialogPointSize = 9;

} // namespace

void InstallProgramLanguage(QCoreApplication& app) {
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QStringLiteral("qtbase_") + kLanguage,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    } else {
        delete qtTexts;
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
