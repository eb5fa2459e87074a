#pragma once

#include <string>
#include <string_view>

namespace trumbel {

bool IsValidUtf8(std::string_view bytes);

// Settings, skin and option files made on Windows are Shift_JIS (code page 932). The text is
// taken as UTF-8 when it is valid UTF-8 (a leading byte-order mark is dropped), otherwise it is
// converted from CP932; bytes that CP932 cannot map become U+FFFD instead of ending the text.
std::string DecodeFileText(std::string_view bytes);

// CP932 <-> UTF-8 through iconv. Unconvertible input becomes U+FFFD (decoding) or "?" (encoding).
std::string Cp932ToUtf8(std::string_view bytes);
std::string Utf8ToCp932(std::string_view text);

} // namespace trumbel
