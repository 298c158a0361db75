// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/SmsText.h"

#include <algorithm>

namespace korvisel {

const char SmsCharTable[129] = "@{${{{{{{{{{{{{{{{{{{{{{{{{{{{{{ !\"#{%&'()*+,-./0123456789:;<=>"
                               "?{ABCDEFGHIJKLMNOPQRSTUVWXYZ{{{{{{abcdefghijklmnopqrstuvwxyz{{{{{";

bool IsSmsCharacter(char c) {
    return c != '\0' && std::string_view(SmsCharTable, 128).find(c) != std::string_view::npos;
}

bool IsSmsText(std::string_view text) {
    return std::all_of(text.begin(), text.end(), IsSmsCharacter);
}

} // namespace korvisel
