// SPDX-License-Identifier: GPL-3.0-or-later
// The one-character edits of a Contact ID field: object 4, code 3, zone 3, partition 2.
#pragma once

#include "core/PrjTypes.h"

#include <string_view>

namespace korvisel {

// What an edit showing `text` stores: its first character in upper case; "0" for an empty edit or
// for anything that is no Contact ID symbol, so every position always holds one.
char ContactIdSymbolOf(std::string_view text);

// Position 0..11 of the field, in device order, takes what its edit shows.
void SetContactIdPosition(TContactId& field, int position, std::string_view text);

// Where the focus goes after a key typed into edit `position` (0..11): a symbol the edit takes
// moves on to the next edit, backspace back to the one before; anything else stays. The result is
// a position within the field.
int ContactIdPositionAfterKey(int position, char key);

} // namespace korvisel
