// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PrjTypes.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

std::string Chars(const auto& array) {
    return std::string(array.begin(), array.end());
}

TEST(ResetProject, PutsEveryFieldBackToItsDefault) {
    TProjectInfo project;
    TDopPrintInfo print;
    std::string fileName = "/tmp/old.KV690";
    project.Inputs[2].Enabled = true;
    project.Inputs[2].Cid.Code = {'1', '3', '0'};
    project.Phones[9] = {"12345", "Boss", false};
    project.Outputs[3].Time = 200;
    project.AudioParams[3] = 9;
    project.TestCid.Code = {'1', '1', '1'};
    print.SerialNumber = "SN-1";
    print.PowerSupply = {PowerKind::Other, "Solar"};
    print.FirmwareVersion = "2.1";

    ResetProject(project, print, fileName);

    EXPECT_EQ(fileName, "Untitled");
    EXPECT_EQ(print, TDopPrintInfo{});
    EXPECT_EQ(print.PowerSupply.Kind, PowerKind::PowerUnit);
    EXPECT_EQ(Chars(project.Pin), "9481");
    EXPECT_EQ((std::array<int, 4>{project.AudioParams[1], project.AudioParams[2], project.AudioParams[3],
                                  project.AudioParams[4]}),
              (std::array<int, 4>{1, 1, 6, 2}));
    EXPECT_EQ(Chars(project.TestCid.Object), "0000");
    EXPECT_EQ(Chars(project.TestCid.Code), "602");
    EXPECT_EQ(Chars(project.TestCid.Zone), "000");
    EXPECT_EQ(Chars(project.TestCid.Partition), "01");
    EXPECT_EQ(project.TestMinutes, 1);
    for (std::size_t k = 1; k <= PhoneCount; ++k) {
        EXPECT_TRUE(project.Phones[k].Empty);
        EXPECT_EQ(project.Phones[k].Number, "");
        EXPECT_EQ(project.Phones[k].Name, "NAME" + std::to_string(k));
    }
    for (std::size_t i = 1; i <= InputCount; ++i) {
        const TInputInfo& in = project.Inputs[i];
        EXPECT_EQ(in.Number, static_cast<int>(i));
        EXPECT_FALSE(in.Enabled);
        EXPECT_EQ(in.ReportType, TReportKind::Sms);
        EXPECT_EQ(std::make_tuple(in.ReactionTime, in.RestoreTime, in.LockoutTime),
                  std::make_tuple(11, 13, 15));
        EXPECT_EQ(Chars(in.Cid.Symbols()), "000000000000");
    }
    for (std::size_t o = 1; o <= OutputCount; ++o) {
        EXPECT_EQ(project.Outputs[o].Number, static_cast<int>(o));
        EXPECT_EQ(project.Outputs[o].StartState, TStartState::Disabled);
        EXPECT_EQ(project.Outputs[o].Time, 10);
    }
}

TEST(ResetProject, NothingOfTheLastProjectReachesTheNewOne) {
    TProjectInfo project;
    EXPECT_FALSE(project.GsmEnabled);
    EXPECT_FALSE(project.GsmRestoreSms);
    project.GsmEnabled = true;
    project.GsmRestoreSms = true;
    project.GsmLevel = 4;
    project.GsmReactionTime = 5;
    project.GsmLockoutTime = 11;
    project.GsmSmsPhone = 3;
    project.GsmEventText = "LOST";
    TDopPrintInfo print;
    std::string fileName;

    ResetProject(project, print, fileName);

    EXPECT_EQ(project, TProjectInfo{}) << "GSM supervision switched on in one project is not in the next";
}

} // namespace
} // namespace korvisel
