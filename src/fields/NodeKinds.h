// SPDX-License-Identifier: GPL-3.0-or-later
// Every kind of navigation tree node in one table: where it stands in the tree, how its caption and
// icon are made, the report kind it stands for, the page it shows, its help topic and its page's
// description text. The tree, the page dispatch and the pages read it, so a new kind is one entry
// here (and its page).
#pragma once

#include "core/PrjTypes.h"
#include "texts/TextKey.h"

#include <cstdint>
#include <optional>
#include <span>

namespace korvisel {

enum class TNodeKind : std::uint8_t {
    nkInfo = 0,
    nkInput = 1,
    nkOutput = 2,
    nkTestBlock = 3,
    nkInputTime = 4,
    nkInputReport = 6,
    nkPin = 7,
    nkPhones = 8,
    nkInputSms = 9,
    nkInputAlarm = 10,
    nkInputClip = 11,
    nkInputData = 12,
    nkInputSignal = 13,
    nkGsmTest = 14,
    nkPeriodicTest = 15,
    nkTestTime = 16,
    nkTestSms = 17,
    nkTestClip = 18,
    nkTestData = 19,
    nkGsmLevel = 20,
    nkGsmSms = 21,
    nkGsmTime = 23,
    nkSmsCentre = 35,
    nkPrintInfo = 36,
    nkPrintSerial = 37,
    nkPrintPower = 38,
    nkPrintComment = 39,
    nkPrintSimPhone = 40,
    nkPrintRegNumber = 41,
    nkPrintFirmware = 42,
    nkOutputType = 43,
    nkOutputControlSms = 44,
    nkOutputAnswerSms = 45,
    nkOutputStart = 46,
    nkOutputTime = 47,
    nkTestReport = 48,
    nkCrow = 49,
};
// The kinds keep their short names: a tree node is always of one of them.
using enum TNodeKind;

// How a kind's caption is made from its `Caption` text.
enum class TCaptionRule : std::uint8_t {
    Text,        // the text of the key
    Fixed,       // `FixedCaption`, the same in every language
    WithInput,   // the text followed by the input's number
    WithOutput,  // the text followed by the output's number
    AtInput,     // the text with "%s" replaced by "at input n"
    OfInput,     // the text with "%s" replaced by "of input n"
    OfTestCycle, // the text with "%s" replaced by the periodic test's words
};

// What a kind's icon follows: `Icon` while it holds, `IconOff` while it does not.
enum class TIconRule : std::uint8_t {
    Fixed,               // always `Icon`
    InputEnabled,        // the node's input is enabled
    InputReport,         // the node's input reports by the entry's `Report` kind
    TestReport,          // the periodic test reports by the entry's `Report` kind
    GsmEnabled,          // GSM supervision is on
    TestEnabled,         // the periodic test is on
    OutputStartsEnabled, // the node's output is on when the device starts
    OutputNotBistable,   // the node's output is not bistable (its time applies)
};

// How many nodes of a kind stand under each node of its parent kind.
enum class TNodeCopies : std::uint8_t {
    One,
    PerInput,  // one for each input, numbered by it; the nodes under it carry the input's number
    PerOutput, // one for each output; the nodes under it carry its number as input and output
};

struct TNodeKindEntry {
    TNodeKind Kind;
    std::optional<TNodeKind> Parent; // the kind it stands under in the tree; none for a top node
    TTextKey Caption;                // nullptr for TCaptionRule::Fixed
    TCaptionRule CaptionRule;
    const char* Icon;
    const char* IconOff; // nullptr for TIconRule::Fixed
    TIconRule IconRule;
    std::optional<TReportKind> Report; // the report kind a report child stands for (its icon and mark follow)
    int Help;                          // its help topic; 0 opens the help index
    TTextKey Description;              // the text of its page's description list; nullptr: none
    const char* FixedCaption = nullptr;
    TNodeCopies Copies = TNodeCopies::One;
    int Group = 0; // the test group (1 GSM, 2 periodic) that it and the nodes under it carry
};

// Every kind, in the order the tree shows them: the tree is built from this table.
std::span<const TNodeKindEntry> NodeKinds();
// The entry of a kind; nullptr for a number that is no kind.
const TNodeKindEntry* NodeKindEntry(TNodeKind kind);

} // namespace korvisel
