// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/DeviceEdits.h"

#include "core/TestPeriod.h"
#include "editor/ContactIdDigits.h"
#include "editor/ReportPhones.h"

#include <algorithm>
#include <cctype>

namespace korvisel {

std::array<char, 4> PinFromText(std::string_view text) {
    std::array<char, 4> pin{'0', '0', '0', '0'};
    std::copy_n(text.begin(), std::min(text.size(), pin.size()), pin.begin());
    return pin;
}

void ChangePin(TProjectInfo& project, std::string_view text) {
    project.Pin = PinFromText(text);
}

std::string SmsCentreFromText(std::string_view text) {
    if (text.size() < 2)
        return std::string(text);
    std::string number(1, text[0]);
    for (char c : text.substr(1))
        if (std::isdigit(static_cast<unsigned char>(c)))
            number += c;
    return number;
}

void ChangeSmsCentre(TProjectInfo& project, std::string_view text) {
    project.SmsCentre = SmsCentreFromText(text);
}

void ClickTestCheck(TProjectInfo& project, int group, bool checked) {
    if (group == 1)
        project.GsmEnabled = checked;
    else if (group == 2)
        project.TestEnabled = checked;
}

void SelectTestPeriod(TProjectInfo& project, TPeriodPart part, int index) {
    constexpr std::array<int, 3> Last = {30, 23, 5};
    const auto at = static_cast<std::size_t>(part);
    if (index < 0 || index > Last[at])
        return;
    (part == TPeriodPart::Days    ? project.TestDays
     : part == TPeriodPart::Hours ? project.TestHours
                                  : project.TestMinutes) = static_cast<std::uint8_t>(index);
    CorrectTestPeriod(project);
}

void ClickTestReportType(TProjectInfo& project, IPhoneDialog& dialog, TReportKind kind) {
    if (kind < TReportKind::Sms || kind > TReportKind::Data)
        return;
    if (kind == TReportKind::Sms)
        EnsureReportPhone(project, dialog, project.TestSmsPhone);
    else if (kind == TReportKind::Data)
        EnsureReportPhone(project, dialog, project.TestDataPhone);
    else if (project.TestClipPhone1 == 0) {
        const int present = PresentPhoneCount(project);
        if (present == 0) {
            EditPhoneEntry(project, dialog, 1, true);
            project.TestClipPhone1 = 1;
        } else {
            project.TestClipPhone1 = static_cast<std::uint8_t>(LowestPresentPhone(project));
            if (present == 1)
                project.TestClipPhone2 = project.TestClipPhone1;
        }
    } else if (project.TestClipPhone1 == project.TestClipPhone2) {
        // One phone for both calls: a second number is asked for.
        const bool firstEmpty = !IsPhonePresent(project, 1);
        EditPhoneEntry(project, dialog, firstEmpty ? 1 : 2, true);
        project.TestClipPhone1 = 1;
        project.TestClipPhone2 = static_cast<std::uint8_t>(firstEmpty ? LowestPresentPhone(project, 1) : 2);
    }
    project.TestReportType = kind;
}

void ClickGsmLevel(TProjectInfo& project, int level) {
    if (level >= 1 && level <= 4)
        project.GsmLevel = static_cast<std::uint16_t>(level);
}

std::vector<std::string> GsmTimeItems(int steps, const std::string& unit) {
    std::vector<std::string> items;
    for (int m = 1; m <= steps; ++m)
        items.push_back(std::to_string(10 * m) + " " + unit);
    return items;
}

void SelectGsmTime(TProjectInfo& project, TGsmTime time, int index) {
    const int steps = time == TGsmTime::Reaction ? GsmReactionSteps : GsmLockoutSteps;
    const auto value = static_cast<std::uint8_t>(std::clamp(index + 1, 1, steps));
    (time == TGsmTime::Reaction ? project.GsmReactionTime : project.GsmLockoutTime) = value;
}

void ChangeCrowObject(TProjectInfo& project, int position, std::string_view text) {
    if (position < 0 || position >= static_cast<int>(project.CrowObject.size()))
        return;
    project.CrowObject[static_cast<std::size_t>(position)] = ContactIdSymbolOf(text);
}

} // namespace korvisel
