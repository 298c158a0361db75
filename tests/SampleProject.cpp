// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleProject.h"

namespace korvisel::test {

TProjectInfo BusyProject() {
    TProjectInfo p;
    p.Phones[1] = {"+79001234567", "Owner", false};
    p.Phones[9] = {std::string(32, '5'), "NAME9", false};
    p.Inputs[1] = {1, true, TReportKind::Sms, 3, 1, 255, 15, 1, "DOOR OPEN", "DOOR SHUT", 1, 1, 1, 1, {}};
    p.Inputs[2] = {2, false, TReportKind::Clip, 0, 11, 13, 15, 9, "A", "", 9, 1, 9, 9, {}};
    p.Inputs[3].ReportType = TReportKind::Data;
    p.Inputs[3].Cid.SetSymbols({'1', '2', '0', '5', '6', '0', '2', '0', '0', '3', '#', '*'});
    p.Inputs[4].ReportType = TReportKind::Alarm;
    p.ArmConfirmInput = 4;
    p.Outputs[2] = {2, TStartState::Enabled, TWorkType::Flash, 200, 1, "ON", "STATE?", 9, "IS ON", "IS OFF"};
    p.TestEnabled = true;
    p.TestReportType = TReportKind::Data;
    p.TestDays = 30;
    p.TestHours = 23;
    p.TestMinutes = 0;
    p.TestSmsPhone = p.TestClipPhone1 = p.TestClipPhone2 = p.TestDataPhone = 1;
    p.GsmEnabled = true;
    p.GsmLevel = 4;
    p.GsmReactionTime = 6;
    p.GsmLockoutTime = 12;
    p.GsmSmsPhone = 1;
    p.GsmEventText = "@$!\"#%&'()";
    p.SmsCentre = "+" + std::string(31, '7');
    p.CrowPhone = 9;
    p.CrowObject = {'A', 'D', '*', '#'};
    p.Pin = {'0', '0', '0', '0'};
    p.AudioParams[4] = 9;
    return p;
}

} // namespace korvisel::test
