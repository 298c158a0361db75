// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/FieldNodes.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(FieldNodes, AFieldGoesToThePageThatEditsIt) {
    const struct {
        const char* field;
        TTreeNodeData node;
    } cases[] = {
        {"Inputs[2].ReactionTime", {nkInputTime, 2, 0}},
        {"Inputs[4].Cid.Zone", {nkInputData, 4, 0}},
        {"Inputs[1].ArmConfirm", {nkInput, 1, 0}},
        {"Inputs[3].ClipRestorePhone", {nkInputClip, 3, 0}},
        {"Outputs[3].OffAnswerText", {nkOutputAnswerSms, 0, 3}},
        {"Outputs[1].WorkType", {nkOutputType, 0, 1}},
        {"TestCid.Code", {nkTestData, 0, 0}},
        {"TestMinutes", {nkTestTime, 0, 0}},
        {"GsmLockoutTime", {nkGsmTime, 0, 0}},
        {"Phones[7].Number", {nkPhones, 0, 0}},
        {"CrowObject", {nkCrow, 0, 0}},
        {"Pin", {nkPin, 0, 0}},
        // What no page edits, or no name of the format, stays with the summary.
        {"AudioParams[2]", {nkInfo, 0, 0}},
        {"Inputs[5].Signal", {nkInfo, 0, 0}},
        {"Inputs[0].Signal", {nkInfo, 0, 0}},
        {"Outputs[x].Time", {nkInfo, 0, 0}},
        {"Inputs[2", {nkInfo, 0, 0}},
        {"Inputs[2].Unknown", {nkInfo, 0, 0}},
        {"", {nkInfo, 0, 0}},
        {"[]..", {nkInfo, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FieldNode(c.field), c.node) << c.field;
}

} // namespace
} // namespace korvisel
