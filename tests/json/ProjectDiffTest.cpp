// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/ProjectDiff.h"

#include "SampleProject.h"

#include <gtest/gtest.h>

#include <functional>

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

} // namespace
} // namespace korvisel
