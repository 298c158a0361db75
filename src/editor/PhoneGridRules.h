// SPDX-License-Identifier: GPL-3.0-or-later
// The grids that list the phone book row by row: what a row's number cell shows, which reports use
// an entry, and what a double click on the CLIP grids does.
#pragma once

#include "core/PhoneBook.h"
#include "core/PrjTypes.h"
#include "i18n/LanguageTexts.h"

#include <string>
#include <vector>

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
TClipGridAction ClipGridDoubleClick(TProjectInfo& project, IPhoneDialog& dialog, TInputNumber input, int row,
                                    int column);

// A double click on row `row` of the test report's CLIP grid, whose second column is the event: the
// row becomes the first CLIP phone, unless it is the second one.
TClipGridAction TestClipGridDoubleClick(TProjectInfo& project, IPhoneDialog& dialog, int row, int column);

// Which report kinds use entry k, as the phone book's "Use" column shows them, in its order. Inputs
// and the test report count whether enabled or not, and only with the report kind they have chosen.
struct TPhoneUse {
    bool Sms = false;
    bool Alarm = false;
    bool Clip = false;
    bool Data = false;
    bool operator==(const TPhoneUse&) const = default;
};
TPhoneUse PhoneUse(const TProjectInfo& project, int k);
// The "Use" column in words, for a screen reader: the kinds in its order ("SMS, CLIP"), or that
// no report uses the entry.
std::string PhoneUseText(const TPhoneUse& use, const TLanguageTexts& texts);

// The "Use" strip: one 16-pixel picture per kind in use, 21 pixels apart, centred in the cell. The
// left edges of the pictures, from the left of the cell.
std::vector<int> UseStripPositions(int pictures, int cellWidth);

} // namespace korvisel
