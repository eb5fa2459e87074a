#pragma once

#include <string>
#include <string_view>

#include "base/RuntimeError.h"
#include "base/Ui.h"

namespace trumbel {

inline constexpr std::string_view kCrLf = "\r\n";

enum class ErrorCategory { SkinRuntime, InfoUpdate };

// "Skin実行時エラー - Velquor" or "情報更新時エラー - Velquor".
std::string ErrorTitle(ErrorCategory category);

// "エラー発生" CR LF "エラー名 : 9 (…)" CR LF "エラー発生個所 : <routine>プロシージャ" [CR LF extra]
std::string ErrorReportText(const RuntimeError& error, std::string_view routine,
                            std::string_view extra = {});

// Shows one error report box; the routine that caught the error goes on afterwards.
void ReportRuntimeError(Ui& ui, ErrorCategory category, const RuntimeError& error,
                        std::string_view routine, std::string_view extra = {},
                        MsgIcon icon = MsgIcon::Exclamation);

} // namespace trumbel
