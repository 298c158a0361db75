// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/DeviceEdits.h"

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

void ChangePin(TDocument& document, std::string_view text) {
    document.Project.Pin = PinFromText(text);
    document.MarkModified();
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

void ChangeSmsCentre(TDocument& document, std::string_view text) {
    document.Project.SmsCentre = SmsCentreFromText(text);
    document.MarkModified();
}

void ClickTestCheck(TDocument& document, int group, bool checked) {
    document.Change([&](TProjectInfo& project) {
        if (group == 1)
            project.GsmEnabled = checked;
        else if (group == 2)
            project.TestEnabled = checked;
    });
}

bool CorrectTestPeriod(TProjectInfo& project) {
    if (project.TestDays != 0 || project.TestHours != 0 || project.TestMinutes != 0)
        return false;
    project.TestMinutes = 1;
    return true;
}

void SelectTestPeriod(TDocument& document, TPeriodPart part, int index) {
    constexpr std::array<int, 3> Last = {30, 23, 5};
    const auto at = static_cast<std::size_t>(part);
    if (index < 0 || index > Last[at])
        return;
    TProjectInfo& project = document.Project;
    (part == TPeriodPart::Days    ? project.TestDays
     : part == TPeriodPart::Hours ? project.TestHours
                                  : project.TestMinutes) = static_cast<std::uint8_t>(index);
    CorrectTestPeriod(project);
    document.MarkModified();
}

void CorrectTestReportType(TProjectInfo& project) {
    if (project.TestReportType != TReportKind::Clip && project.TestReportType != TReportKind::Data)
        project.TestReportType = TReportKind::Sms;
}

void ClickTestReportType(TDocument& document, IPhoneDialog& dialog, TReportKind kind) {
    if (kind < TReportKind::Sms || kind > TReportKind::Data)
        return;
    document.Change([&](TProjectInfo& project) {
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
            project.TestClipPhone2 =
                static_cast<std::uint8_t>(firstEmpty ? LowestPresentPhone(project, 1) : 2);
        }
        project.TestReportType = kind;
    });
}

void CorrectGsmLevel(TProjectInfo& project) {
    if (project.GsmLevel < 1 || project.GsmLevel > 4)
        project.GsmLevel = 1;
}

void CorrectGsmTimes(TProjectInfo& project) {
    project.GsmReactionTime =
        static_cast<std::uint8_t>(std::clamp<int>(project.GsmReactionTime, 1, GsmReactionSteps));
    project.GsmLockoutTime =
        static_cast<std::uint8_t>(std::clamp<int>(project.GsmLockoutTime, 1, GsmLockoutSteps));
}

void ClickGsmLevel(TDocument& document, int level) {
    if (level < 1 || level > 4)
        return;
    document.Change([&](TProjectInfo& project) { project.GsmLevel = static_cast<std::uint16_t>(level); });
}

std::vector<std::string> GsmTimeItems(int steps, const std::string& unit) {
    std::vector<std::string> items;
    for (int m = 1; m <= steps; ++m)
        items.push_back(std::to_string(10 * m) + " " + unit);
    return items;
}

void SelectGsmTime(TDocument& document, TGsmTime time, int index) {
    const int steps = time == TGsmTime::Reaction ? GsmReactionSteps : GsmLockoutSteps;
    const auto value = static_cast<std::uint8_t>(std::clamp(index + 1, 1, steps));
    document.Change([&](TProjectInfo& project) {
        (time == TGsmTime::Reaction ? project.GsmReactionTime : project.GsmLockoutTime) = value;
    });
}

void ChangeCrowObject(TDocument& document, int position, std::string_view text) {
    if (position < 0 || position >= static_cast<int>(document.Project.CrowObject.size()))
        return;
    document.Change([&](TProjectInfo& project) {
        project.CrowObject[static_cast<std::size_t>(position)] = ContactIdSymbolOf(text);
    });
}

} // namespace korvisel
