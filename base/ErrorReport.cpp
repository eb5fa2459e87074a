#include "base/ErrorReport.h"

#include "base/AppInfo.h"

namespace trumbel {

std::string ErrorTitle(ErrorCategory category) {
    const char* prefix =
        category == ErrorCategory::SkinRuntime ? "Skin実行時エラー - " : "情報更新時エラー - ";
    return std::string(prefix) + std::string(kProductName);
}

std::string ErrorReportText(const RuntimeError& error, std::string_view routine,
                            std::string_view extra) {
    std::string text = "エラー発生";
    text += kCrLf;
    text += "エラー名 : " + std::to_string(error.Number()) + " (" + error.Description() + ")";
    text += kCrLf;
    text += "エラー発生個所 : ";
    text += routine;
    text += "プロシージャ";
    if (!extra.empty()) {
        text += kCrLf;
        text += extra;
    }
    return text;
}

void ReportRuntimeError(Ui& ui, ErrorCategory category, const RuntimeError& error,
                        std::string_view routine, std::string_view extra, MsgIcon icon) {
    ui.MessageBox({ErrorTitle(category), ErrorReportText(error, routine, extra), icon,
                   MsgButtons::Ok});
}

} // namespace trumbel
