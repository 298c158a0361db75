// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/ProjectDiff.h"

#include "editor/FieldNodes.h"

#include "SampleProject.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

namespace korvisel {
namespace {

TEST(ProjectDiff, NamesEveryFieldADeviceHoldsDifferently) {
    const TProjectInfo base = test::BusyProject();
    struct Case {
        const char* what;
        std::function<void(TProjectInfo&)> change;
        std::vector<std::string> lines;
    } cases[] = {
        {"nothing", [](TProjectInfo&) {}, {}},
        {"a phone's name, which no device keeps", [](TProjectInfo& p) { p.Phones[1].Name = "SOMEONE"; }, {}},
        {"a time",
         [](TProjectInfo& p) { p.Inputs[2].ReactionTime = 13; },
         {"Inputs[2].ReactionTime: device 11, file 13"}},
        {"a text and a number",
         [](TProjectInfo& p) {
             p.Inputs[1].SmsEventText = "DOOR AJAR";
             p.Phones[1].Number = "+7911";
         },
         {"Phones[1].Number: device \"+79001234567\", file \"+7911\"",
          "Inputs[1].SmsEventText: device \"DOOR OPEN\", file \"DOOR AJAR\""}},
        {"a Contact ID digit",
         [](TProjectInfo& p) {
             p.TestCid.SetSymbols({'0', '0', '0', '0', '6', '0', '3', '0', '0', '0', '0', '1'});
         },
         {"TestCid.Code: device \"602\", file \"603\""}},
        {"the audio and the PIN",
         [](TProjectInfo& p) {
             p.AudioParams[1] = 7;
             p.Pin = {'1', '2', '3', '4'};
         },
         {"AudioParams[1]: device 1, file 7", "Pin: device \"0000\", file \"1234\""}},
    };
    for (const Case& c : cases) {
        TProjectInfo file = base;
        c.change(file);
        EXPECT_EQ(ProjectDifferences(base, file, "device", "file"), c.lines) << c.what;
    }
}

TEST(ProjectDiff, AReportTypeChangeShowsTheFieldsEachSideUses) {
    TProjectInfo device = test::BusyProject();
    TProjectInfo file = device;
    file.Inputs[1].ReportType = TReportKind::Clip;
    const std::vector<std::string> lines = ProjectDifferences(device, file, "device", "file");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "Inputs[1].ReportType: device 2, file 3");
    const auto mentions = [&](const std::string& text) {
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& l) { return l.starts_with(text); });
    };
    EXPECT_TRUE(mentions("Inputs[1].SmsPhone: device 1, file (not used)"));
    EXPECT_TRUE(mentions("Inputs[1].ClipEventPhone: device (not used), file "));
}

// Every field a comparison can name goes to the page that edits it; only the audio parameters,
// which their dialog edits, stay with the project summary.
TEST(ProjectDiff, EveryFieldThatDiffersHasItsPage) {
    const TProjectInfo base = test::BusyProject();
    std::vector<TProjectInfo> others;
    for (int kind = 1; kind <= 4; ++kind) {
        TProjectInfo other = base;
        for (std::size_t i = 1; i <= InputCount; ++i) {
            TInputInfo& in = other.Inputs[i];
            in.Enabled = !in.Enabled;
            in.ReportType = static_cast<TReportKind>(kind);
            in.Signal = static_cast<std::uint8_t>((in.Signal + 1) % 4);
            in.ReactionTime = in.RestoreTime = in.LockoutTime = 99;
            in.SmsPhone = in.AlarmPhone = in.ClipEventPhone = in.ClipRestorePhone = in.DataPhone = 7;
            in.SmsEventText = in.SmsRestoreText = "OTHER";
            in.Cid.SetSymbols({'1', '2', '3', '4', '1', '3', '0', '0', '0', '9', '0', '2'});
        }
        for (std::size_t o = 1; o <= OutputCount; ++o) {
            TOutputInfo& out = other.Outputs[o];
            out.StartState = TStartState::Disabled;
            out.WorkType = TWorkType::Flash;
            out.Time = 77;
            out.ControlPhone = out.AnswerPhone = 6;
            out.ControlText = out.QueryText = out.OnAnswerText = out.OffAnswerText = "X";
        }
        other.TestEnabled = !other.TestEnabled;
        other.TestReportType = static_cast<TReportKind>(kind == 1 ? 2 : kind);
        other.TestDays = 9;
        other.TestHours = 9;
        other.TestMinutes = 3;
        other.TestSmsPhone = other.TestClipPhone1 = other.TestClipPhone2 = other.TestDataPhone = 5;
        other.TestSmsText = "T";
        other.GsmEnabled = !other.GsmEnabled;
        other.GsmLevel = 4;
        other.GsmReactionTime = 5;
        other.GsmLockoutTime = 11;
        other.GsmRestoreSms = !other.GsmRestoreSms;
        other.GsmSmsPhone = 8;
        other.GsmEventText = other.GsmRestoreText = "G";
        other.Phones[9] = {"+7000", "", false};
        other.AudioParams[2] = 3;
        other.Pin = {'5', '5', '5', '5'};
        other.SmsCentre = "+7999";
        other.CrowPhone = 4;
        other.ArmConfirmInput = 4;
        others.push_back(other);
    }
    std::set<std::string> named;
    for (const TProjectInfo& other : others)
        for (const TFieldDifference& d : FieldDifferences(base, other)) {
            const std::string field = d.Field.substr(0, d.Field.find_first_of("[."));
            named.insert(field);
            if (field != "AudioParams") {
                EXPECT_NE(FieldNode(d.Field).Kind, nkInfo) << d.Field;
            }
        }
    EXPECT_GE(named.size(), 20u) << "the projects differ in most of the project's fields";
}

} // namespace
} // namespace korvisel
