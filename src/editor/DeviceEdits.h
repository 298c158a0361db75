// SPDX-License-Identifier: GPL-3.0-or-later
// What the user's actions on the device-wide pages do to the project: the PIN, the SMS centre, the
// supervision and test switches, the test period and report kind, the GSM settings and the CROW
// object. Each runs inside one edit of the document.
#pragma once

#include "core/PhoneBook.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

// A shorter PIN is padded with "0" at the end; only the first four characters count.
std::array<char, 4> PinFromText(std::string_view text);
void ChangePin(TProjectInfo& project, std::string_view text);

// Past its first character the SMS centre keeps digits only; a text under two characters is kept
// as it stands.
std::string SmsCentreFromText(std::string_view text);
void ChangeSmsCentre(TProjectInfo& project, std::string_view text);

// "Test Enable" on the GSM supervision page (group 1) or the periodic test page (group 2).
void ClickTestCheck(TProjectInfo& project, int group, bool checked);

enum class TPeriodPart { Days, Hours, Minutes };
// A list's item became the part's value; the zero rule applies at once.
void SelectTestPeriod(TProjectInfo& project, TPeriodPart part, int index);

// A test report kind chosen (SMS, CLIP or DATA): its phones first, asked for when the book
// cannot give them, then the kind.
void ClickTestReportType(TProjectInfo& project, IPhoneDialog& dialog, TReportKind kind);

void ClickGsmLevel(TProjectInfo& project, int level);

constexpr int GsmReactionSteps = 6; // 10 .. 60 s
constexpr int GsmLockoutSteps = 12; // 10 .. 120 s
// "10 second", "20 second", ...: the items of a GSM time list.
std::vector<std::string> GsmTimeItems(int steps, const std::string& unit);
enum class TGsmTime { Reaction, Lockout };
// List item `index` chosen (-1 for none): the time in tens of seconds, 1 at least.
void SelectGsmTime(TProjectInfo& project, TGsmTime time, int index);

// Position 0..3 of the CROW object number takes what its edit shows.
void ChangeCrowObject(TProjectInfo& project, int position, std::string_view text);

} // namespace korvisel
