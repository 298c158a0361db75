// SPDX-License-Identifier: GPL-3.0-or-later
// What File > Save as Template offers (the site fields of the project, under the tree's pages) and
// how File > New from Template takes each site's value: the keys its page lets through, and why a
// value cannot stand, in the user's language.
#pragma once

#include "editor/FilteredEditRules.h"
#include "fields/NavigationTree.h"
#include "fields/SiteTemplate.h"
#include "i18n/KeyedText.h"
#include "i18n/LanguageTexts.h"

#include <string>
#include <vector>

namespace korvisel {

struct TTemplateChoice {
    std::string Field;
    std::vector<int> Path; // the tree's nodes from the top down to the field's page
    std::string Caption;   // the field on its page: "Event Message", "Phone Number 1", "Zone"
    std::string Label;     // offered as what the installer is asked: its page and the field
};

// Every site field the project's report kinds use, in the tree's order.
std::vector<TTemplateChoice> TemplateChoices(const TProjectInfo& project, const TNavigationTree& tree,
                                             const TLanguageTexts& texts);

// The keys the field's page lets through and how many: the phone number's digits and +, the SMS
// table's characters, the Contact ID symbols (typed in capitals), the PIN's digits.
struct TSiteFieldKeys {
    TCharEditProps Props;
    bool UpperCase = false;
    // An SMS text keeps the case it is typed in, which the filtered edits' rule does not.
    bool SmsText = false;
};
TSiteFieldKeys SiteFieldKeys(const std::string& field);

// Whether an SMS text's edit takes `text` (UTF-8): characters of the SMS table, as many as it holds.
bool SmsTextAccepted(std::string_view text);

// Why the value cannot stand for the template's field, worded for the form; empty when it can.
TKeyedText SiteValueRefusal(const TSiteTemplate& siteTemplate, const TTemplateField& field,
                            const std::string& value);

// Why the template cannot be kept as the user made it, worded for the window and naming the setting
// as `choices` label it: a label too long, a default its page would refuse; empty when it can.
TKeyedText TemplateRefusal(const TSiteTemplate& made, const std::vector<TTemplateChoice>& choices);

} // namespace korvisel
