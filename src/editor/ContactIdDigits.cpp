// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ContactIdDigits.h"

#include "core/AsciiText.h"

#include <algorithm>
#include <string>

namespace korvisel {

char ContactIdSymbolOf(std::string_view text) {
    if (text.empty())
        return '0';
    const char symbol = AsciiUpper(text[0]);
    return symbol != '\0' && std::string_view(ContactIdSymbols).find(symbol) != std::string_view::npos
               ? symbol
               : '0';
}

void SetContactIdPosition(TContactId& field, int position, std::string_view text) {
    if (position < 0 || position >= static_cast<int>(TContactId::Length))
        return;
    auto symbols = field.Symbols();
    symbols[static_cast<std::size_t>(position)] = ContactIdSymbolOf(text);
    field.SetSymbols(symbols);
}

int ContactIdPositionAfterKey(int position, char key) {
    const int last = static_cast<int>(TContactId::Length) - 1;
    int next = position;
    if (key == '\b')
        next = position - 1;
    else if (ContactIdSymbolOf(std::string_view(&key, 1)) != '0' || key == '0')
        next = position + 1;
    return std::clamp(next, 0, last);
}

} // namespace korvisel
