// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PhoneSelectorRules.h"

namespace korvisel {

TPhoneSelector FillPhoneSelector(const TProjectInfo& project, std::uint8_t reference,
                                 const std::string& notPresentText) {
    TPhoneSelector selector;
    for (std::size_t k = 1; k <= PhoneCount; ++k) {
        if (project.Phones[k].Empty)
            continue;
        selector.Items.push_back(project.Phones[k].Number);
        selector.Map[static_cast<std::size_t>(selector.Count++)] = static_cast<std::uint8_t>(k);
    }
    if (selector.Count == 0) {
        selector.Items.push_back(notPresentText);
        selector.Selected = 0;
        return selector;
    }
    for (int item = 0; item < selector.Count; ++item)
        if (reference != 0 && selector.Map[static_cast<std::size_t>(item)] == reference)
            selector.Selected = item;
    return selector;
}

void SelectPhoneItem(const TPhoneSelector& selector, int item, std::uint8_t& reference) {
    if (item >= 0 && item < selector.Count)
        reference = selector.Map[static_cast<std::size_t>(item)];
}

} // namespace korvisel
