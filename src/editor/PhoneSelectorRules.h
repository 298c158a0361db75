// SPDX-License-Identifier: GPL-3.0-or-later
// The one way a page picks a phone: a list of the phone book's numbers with the entry each stands
// for. Showing it never changes the reference: only the user's pick does.
#pragma once

#include "core/PrjTypes.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace korvisel {

struct TPhoneSelector {
    std::vector<std::string> Items;             // the texts shown, in order
    std::array<std::uint8_t, PhoneCount> Map{}; // the phone entry of each phone item
    int Count = 0;                              // how many items stand for a phone
    int Selected = -1;
};

// Lists every entry that holds a number. With none, the one item is `notPresentText`, selected;
// otherwise the reference's item is selected, or none when it names no listed entry (0, or an
// entry without a number), so that the page shows the gap the check reports.
TPhoneSelector FillPhoneSelector(const TProjectInfo& project, std::uint8_t reference,
                                 const std::string& notPresentText);

// The user picked item `item`: the reference takes its entry. Items that stand for no phone change
// nothing.
void SelectPhoneItem(const TPhoneSelector& selector, int item, std::uint8_t& reference);

// A selector without a phone sends the user to the phone book instead.
inline bool SelectorWantsPhoneBook(const TPhoneSelector& selector) {
    return selector.Count == 0;
}

} // namespace korvisel
