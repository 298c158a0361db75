// SPDX-License-Identifier: GPL-3.0-or-later
// What the Problems panel lists: the consistency check's findings in the check's order, then the
// values the project holds outside what the pages let a user set (a file another program wrote).
// Each says where it is fixed: a node and a control of the node's page.
#pragma once

#include "core/CheckProject.h"
#include "core/PrjTypes.h"
#include "fields/NavigationTree.h"
#include "i18n/KeyedText.h"

#include <cstdint>
#include <string>
#include <vector>

namespace korvisel {

enum class TProblemKind : std::uint8_t {
    CheckError,     // a check finding that is counted as an error
    CheckWarning,   // ... as a warning
    CheckNote,      // a finding the check reports without counting it
    OutOfRange,     // `Value` is outside `Low` .. `High`
    ZeroTestPeriod, // 0 days, 0 hours and 0 minutes
    SmsCharacters,  // an SMS text with characters the pages do not let one have
    InnerPlus,      // a phone number with a + after its first character
    PinCharacters,  // a PIN holding + or -
};

// Where a problem is fixed. The audio parameters have no node: their dialog fixes them.
struct TProblemPlace {
    TTreeNodeData Node;
    const char* Control = ""; // the object name of the control on the node's page (or the dialog)
    TTextKey Field = nullptr; // the control's label, where the page has more than one setting
    std::uint8_t Entry = 0;   // the phone-book entry or the audio parameter, where that is the setting
    bool AudioDialog = false;
    bool operator==(const TProblemPlace&) const = default;
};

struct TProblem {
    TProblemKind Kind = TProblemKind::CheckError;
    TKeyedText Finding; // a check finding's line, worded in the language it is shown in
    TProblemPlace Place;
    std::string Value, Low, High; // as the page shows them
    bool operator==(const TProblem&) const = default;
};

// Where each check finding is fixed.
TProblemPlace FindingPlace(const TCheckFinding& finding);
// The check's findings, then the values outside the editor's ranges.
std::vector<TProblem> ProjectProblems(const TProjectInfo& project);
// How many problems the findings and values add up to, for the status bar.
std::string ProblemCountText(std::size_t count, const TLanguageTexts& texts);
// A check finding's line for any language; its built-in English is the check report's line.
TKeyedText FindingText(const TCheckFinding& finding, const TProjectInfo& project);
// A problem's row in the current language.
std::string ProblemText(const TProblem& problem, const TLanguageTexts& texts);

} // namespace korvisel
