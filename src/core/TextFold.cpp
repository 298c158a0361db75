// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TextFold.h"

namespace korvisel {

char32_t FoldedCharacter(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0x410 && c <= 0x42F))
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

std::u32string FoldedText(std::string_view text) {
    std::u32string folded;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        char32_t c = b;
        std::size_t length = 1;
        if (b >= 0xC0 && b < 0xE0 && i + 1 < text.size()) {
            c = ((b & 0x1Fu) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3Fu);
            length = 2;
        } else if (b >= 0xE0 && b < 0xF0 && i + 2 < text.size()) {
            c = ((b & 0x0Fu) << 12) | ((static_cast<unsigned char>(text[i + 1]) & 0x3Fu) << 6) |
                (static_cast<unsigned char>(text[i + 2]) & 0x3Fu);
            length = 3;
        }
        folded += FoldedCharacter(c);
        i += length;
    }
    return folded;
}

bool ContainsFolded(std::string_view text, std::string_view query) {
    return FoldedText(text).find(FoldedText(query)) != std::u32string::npos;
}

} // namespace korvisel
