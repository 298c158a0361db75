// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SafeText.h"

#include <cstdint>

namespace korvisel {
namespace {

constexpr char Hex[] = "0123456789ABCDEF";

// The length of the well-formed UTF-8 sequence at `at` and its code point, or 0.
std::size_t Utf8Sequence(std::string_view s, std::size_t at, char32_t& code) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (at + length > s.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(at + i) & 0x3F);
    }
    const char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < shortest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

bool IsHiddenControl(char32_t code) {
    return code <= 0x9F || code == 0x061C || code == 0x200E || code == 0x200F ||
           (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

void AppendEscaped(std::string& text, unsigned char b) {
    text += "\\x";
    text += Hex[b >> 4];
    text += Hex[b & 0x0F];
}

} // namespace

std::string EscapedText(std::string_view bytes) {
    std::string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b == '\\') {
            text += "\\\\";
            ++i;
        } else if (b >= 0x20 && b < 0x7F) {
            text += bytes[i++];
        } else if (char32_t code = 0; b >= 0x80) {
            const std::size_t length = Utf8Sequence(bytes, i, code);
            if (length == 0 || IsHiddenControl(code)) {
                for (std::size_t n = 0; n < (length == 0 ? 1 : length); ++n)
                    AppendEscaped(text, static_cast<unsigned char>(bytes[i + n]));
                i += length == 0 ? 1 : length;
            } else {
                text.append(bytes.substr(i, length));
                i += length;
            }
        } else {
            AppendEscaped(text, b);
            ++i;
        }
    }
    return text;
}

std::string ShownBidiControls(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        char32_t code = 0;
        const std::size_t length =
            static_cast<unsigned char>(text[i]) >= 0x80 ? Utf8Sequence(text, i, code) : 0;
        if (length != 0 && code > 0x9F && IsHiddenControl(code)) {
            shown += "<U+";
            for (int shift = 12; shift >= 0; shift -= 4)
                shown += Hex[(code >> shift) & 0x0F];
            shown += '>';
            i += length;
        } else {
            shown += text[i++];
        }
    }
    return shown;
}

std::string EchoedValue(std::string_view value, std::size_t limit) {
    std::size_t end = 0;
    for (std::size_t characters = 0; end < value.size() && characters < limit; ++characters) {
        ++end;
        while (end < value.size() && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
            ++end;
    }
    if (end == value.size())
        return std::string(value);
    return std::string(value.substr(0, end)) + "... (" + std::to_string(value.size()) + " bytes)";
}

std::string QuotedValue(std::string_view value) {
    return "\"" + EchoedValue(value) + "\"";
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (const char c : text)
        n += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0u : 1u;
    return n;
}

} // namespace korvisel
