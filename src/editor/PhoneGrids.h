// The grids that list the phone book row by row: what a row's number cell shows, and what a double
// click on the input CLIP grid does.
#pragma once

#include "core/PhoneBook.h"
#include "core/PrjTypes.h"
#include "i18n/LanguageTexts.h"

#include <string>

namespace korvisel {

// The entry's number, or "Pnone k - Not Present" for an entry without one.
std::string PhoneGridNumberText(const TProjectInfo& project, int k, const TLanguageTexts& texts);

// The CLIP grid's columns, numbered as the grid counts them; 0 is outside every column.
namespace ClipColumn {
constexpr int None = 0;
constexpr int Number = 1;
constexpr int Event = 2;
constexpr int Restore = 3;
} // namespace ClipColumn

enum class TClipGridAction {
    Done,               // the grid only needs repainting
    EditPhoneBookEntry, // the phone book's Edit command is to run on the row's entry
};

// A double click on row `row` (entry 1..9) of input `input`'s CLIP grid. In the event or restore
// column the row becomes that role's phone; an entry without a number is asked for first, and
// when the other role held the row, the two phones swap instead of becoming equal.
TClipGridAction ClipGridDoubleClick(TProjectInfo& project, IPhoneDialog& dialog, int input, int row,
                                    int column);

} // namespace korvisel
