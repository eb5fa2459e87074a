#include "base/TextEncoding.h"

#include <cerrno>
#include <cstddef>
#include <iconv.h>

namespace trumbel {

bool IsValidUtf8(std::string_view bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const unsigned char c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t len = 0;
        unsigned int cp = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1Fu;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0Fu;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07u;
        } else {
            return false;
        }
        if (i + len > n) {
            return false;
        }
        for (std::size_t k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0u) != 0x80u) {
                return false;
            }
            cp = (cp << 6) | (p[i + k] & 0x3Fu);
        }
        // Overlong forms, surrogates and values beyond U+10FFFF are not UTF-8.
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
            (cp >= 0xD800 && cp <= 0xDFFF)) {
            return false;
        }
        i += len;
    }
    return true;
}

namespace {

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(::iconv_open(to, from)) {}
    ~Iconv() {
        if (Ok()) {
            ::iconv_close(cd_);
        }
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool Ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::string Convert(std::string_view in, std::string_view replacement) {
        std::string out;
        out.reserve(in.size() * 3 / 2 + 16);
        char* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        char buffer[4096];
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t r = ::iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (r != static_cast<std::size_t>(-1)) {
                continue;
            }
            if (errno == E2BIG) {
                continue;
            }
            // EILSEQ or EINVAL (a truncated sequence at the end): replace one byte, go on.
            out.append(replacement);
            ++src;
            --srcLeft;
            ::iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        }
        return out;
    }

private:
    iconv_t cd_;
};

std::string ConvertOrKeep(const char* to, const char* from, std::string_view in,
                          std::string_view replacement) {
    Iconv conv(to, from);
    if (!conv.Ok()) {
        return std::string(in);
    }
    return conv.Convert(in, replacement);
}

} // namespace

std::string Cp932ToUtf8(std::string_view bytes) {
    return ConvertOrKeep("UTF-8", "CP932", bytes, "\xEF\xBF\xBD");
}

std::string Utf8ToCp932(std::string_view text) {
    return ConvertOrKeep("CP932", "UTF-8", text, "?");
}

std::string DecodeFileText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        bytes.remove_prefix(3);
    }
    if (IsValidUtf8(bytes)) {
        return std::string(bytes);
    }
    return Cp932ToUtf8(bytes);
}

} // namespace trumbel
