// SPDX-License-Identifier: GPL-3.0-or-later
// Projects another program wrote. One has three problems: input 3 reports by ALARM to an empty
// entry, input 1 reacts after no time at all, and the periodic test comes every 40 days. The other
// holds every value and text the editor's controls cannot set, in a file saved as such a program
// would save it.
#pragma once

#include "core/PrjTypes.h"
#include "fields/DeviceImage.h"
#include "files/ProjectFile.h"

#include <string>

namespace korvisel::test {

inline TProjectInfo ForeignProjectWithThreeProblems() {
    TProjectInfo p;
    p.Phones[1] = {"+79001234567", "Office", false};
    p.Inputs[3].Enabled = true;
    p.Inputs[3].ReportType = TReportKind::Alarm;
    p.Inputs[3].AlarmPhone = 4;
    p.Inputs[1].ReactionTime = 0;
    p.TestDays = 40;
    return p;
}

// Texts the SMS memos refuse, times of 0, phones past the book, a period of 200 days and 99 hours,
// a PIN of "+-00", an inner "+", audio parameters of 15: each page shows what it cannot set.
inline TProjectInfo ProjectWithEveryOddValue() {
    TProjectInfo p;
    p.Phones[1] = {"+79001234567", "", false};
    p.Phones[2] = {"55+5", "", false};
    p.Inputs[1].Enabled = true;
    p.Inputs[1].SmsPhone = 1;
    p.Inputs[1].SmsEventText = "DOOR_OPEN";
    p.Inputs[1].SmsRestoreText = "door~shut";
    p.Inputs[1].ReactionTime = 0;
    p.Inputs[2].Enabled = true;
    p.Inputs[2].ReportType = TReportKind::Alarm;
    p.Inputs[2].AlarmPhone = 12;
    p.Inputs[2].LockoutTime = 0;
    p.Inputs[3].Enabled = true;
    p.Inputs[3].ReportType = TReportKind::Clip;
    p.Inputs[3].ClipEventPhone = 1;
    p.Inputs[3].ClipRestorePhone = 15;
    p.Inputs[4].Enabled = true;
    p.Inputs[4].ReportType = TReportKind::Data;
    p.Inputs[4].DataPhone = 11;
    p.Outputs[1].ControlText = "\xC4\xC5\xC6";
    p.Outputs[2].QueryText = "\x01Q";
    p.Outputs[3].AnswerPhone = 10;
    p.Outputs[3].Time = 0;
    p.TestDays = 200;
    p.TestHours = 99;
    p.TestMinutes = 7;
    p.TestSmsText = "T_1";
    p.GsmEventText = "\x7f";
    p.GsmRestoreText = "r\xE9";
    p.SmsCentre = "1+";
    p.Pin = {'+', '-', '0', '0'};
    p.CrowPhone = 200;
    for (std::size_t n = 1; n <= 4; ++n)
        p.AudioParams[n] = 15;
    return p;
}

// The odd project as its file holds it, written to `file`; what a window opening it holds.
inline TProjectInfo WriteOddProject(const std::string& file) {
    TDeviceImage image{};
    PackImage(ProjectWithEveryOddValue(), image);
    TProjectInfo held;
    UnpackImage(image, held);
    WriteProjectFile(file, held, image);
    return held;
}

} // namespace korvisel::test
