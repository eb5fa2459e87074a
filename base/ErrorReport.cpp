#include "base/ErrorReport.h"

#include "base/AppInfo.h"
#include "base/UiText.h"

namespace trumbel {

std::string ErrorTitle(ErrorCategory category) {
    return BoxTitle(category == ErrorCategory::SkinRuntime ? UiTr("Errors", "Skin実行時エラー")
                                                           : UiTr("Errors", "情報更新時エラー"));
}

std::string ErrorReportText(const RuntimeError& error, std::string_view routine,
                            std::string_view extra) {
    std::string text = UiTr("Errors", "エラー発生");
    text += kCrLf;
    text += UiFormat(UiTr("Errors", "エラー名 : %1 (%2)"),
                     {std::to_string(error.Number()), error.Description()});
    text += kCrLf;
    text += UiFormat(UiTr("Errors", "エラー発生個所 : %1プロシージャ"), {routine});
    if (!extra.empty()) {
        text += kCrLf;
        text += extra;
    }
    return text;
}

void ReportRuntimeError(Ui& ui, ErrorCategory category, const RuntimeError& error,
                        std::string_view routine, std::string_view extra, MsgIcon icon) {
    ui.MessageBox(
        {ErrorTitle(category), ErrorReportText(error, routine, extra), icon, MsgButtons::Ok});
}

} // namespace trumbel
