// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ContactIdDigits.h"

#include "core/AsciiText.h"

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

} // namespace korvisel
