// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/CodePage.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace korvisel {

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        std::size_t extra;
        std::uint32_t cp;
        if (b < 0x80) {
            ++i;
            continue;
        } else if ((b & 0xE0) == 0xC0) {
            extra = 1;
            cp = b & 0x1F;
        } else if ((b & 0xF0) == 0xE0) {
            extra = 2;
            cp = b & 0x0F;
        } else if ((b & 0xF8) == 0xF0) {
            extra = 3;
            cp = b & 0x07;
        } else {
            return false;
        }
        if (bytes.size() - i <= extra)
            return false;
        for (std::size_t k = 1; k <= extra; ++k) {
            const auto c = static_cast<unsigned char>(bytes[i + k]);
            if ((c & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (c & 0x3F);
        }
        // Overlong forms, surrogates and values beyond Unicode are not UTF-8.
        static constexpr std::uint32_t minimum[] = {0, 0x80, 0x800, 0x10000};
        if (cp < minimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += extra + 1;
    }
    return true;
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string out;
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

std::optional<std::string> Utf8ToLatin1(std::string_view text) {
    if (!IsValidUtf8(text))
        return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            out += text[i];
        } else if ((b == 0xC2 || b == 0xC3) && i + 1 < text.size()) {
            out += static_cast<char>(((b & 0x03) << 6) | (static_cast<unsigned char>(text[++i]) & 0x3F));
        } else {
            return std::nullopt;
        }
    }
    return out;
}

std::optional<std::string> ConvertToUtf8(std::string_view bytes, std::string_view codePage) {
    std::string name(codePage);
    if (!name.empty() && std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
        name = "CP" + name;
    iconv_t cd = ::iconv_open("UTF-8", name.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;

    std::string out;
    std::string buffer(bytes.size() * 4 + 16, '\0');
    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* dst = buffer.data();
        std::size_t dstLeft = buffer.size();
        const std::size_t done = ::iconv(cd, &in, &inLeft, &dst, &dstLeft);
        out.append(buffer.data(), buffer.size() - dstLeft);
        if (done == static_cast<std::size_t>(-1)) {
            if (errno == E2BIG)
                continue;
            // An undefined or cut-off byte: mark it and go on.
            out += '?';
            ++in;
            --inLeft;
        }
    }
    ::iconv_close(cd);
    return out;
}

} // namespace korvisel
