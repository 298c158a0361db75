// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/NodeKinds.h"

#include "core/PrjTypes.h"

#include <algorithm>
#include <iterator>

namespace korvisel {
namespace {

constexpr TNodeKindEntry Kinds[] = {
    {nkInfo, std::nullopt, "TREEINFO", TCaptionRule::Text, "PR_INF", nullptr, TIconRule::Fixed, std::nullopt,
     10, nullptr},
    {nkPrintInfo, std::nullopt, "TREEPRNTINFO", TCaptionRule::Text, "PRINT_I", nullptr, TIconRule::Fixed,
     std::nullopt, 20, nullptr},
    {nkPrintSerial, nkPrintInfo, "TREEPRNTSNUM", TCaptionRule::Text, "SER_N", nullptr, TIconRule::Fixed,
     std::nullopt, 30, "LIST_DESCR_PRN_SER_N"},
    {nkPrintRegNumber, nkPrintInfo, "TREEPRNTRNUM", TCaptionRule::Text, "REG_N", nullptr, TIconRule::Fixed,
     std::nullopt, 40, "LIST_DESCR_PRN_REG_N"},
    {nkPrintSimPhone, nkPrintInfo, "TREEPRNSIMPH", TCaptionRule::Text, "PHONE", nullptr, TIconRule::Fixed,
     std::nullopt, 50, "LIST_DESCR_PRN_SIM_P"},
    {nkPrintPower, nkPrintInfo, "TREEPRNPOWSUP", TCaptionRule::Text, "ACCUM", nullptr, TIconRule::Fixed,
     std::nullopt, 60, "LIST_DESCR_PRN_P_SUP"},
    {nkPrintFirmware, nkPrintInfo, "TREEFWAREVERS", TCaptionRule::Text, "FWVER", nullptr, TIconRule::Fixed,
     std::nullopt, 70, "LIST_DESCR_PRN_FW_V"},
    {nkPrintComment, nkPrintInfo, "TREEPRNCOMMEN", TCaptionRule::Text, "COMME", nullptr, TIconRule::Fixed,
     std::nullopt, 80, "LIST_DESCR_PRN_COME"},
    {nkInput, std::nullopt, "TREEINPUT", TCaptionRule::WithInput, "INPUT", "DINP", TIconRule::InputEnabled,
     std::nullopt, 100, nullptr, nullptr, TNodeCopies::PerInput},
    {nkInputSignal, nkInput, "TREESIGNAL", TCaptionRule::WithInput, "SIGNAL", nullptr, TIconRule::Fixed,
     std::nullopt, 110, "LIST_DESCR_SIGNAL"},
    {nkInputTime, nkInput, "TREETIME", TCaptionRule::AtInput, "TIME", nullptr, TIconRule::Fixed, std::nullopt,
     120, "LIST_DESCR_TIME"},
    {nkInputReport, nkInput, "TREEREPORT", TCaptionRule::AtInput, "REPORT", nullptr, TIconRule::Fixed,
     std::nullopt, 130, nullptr},
    {nkInputSms, nkInputReport, "TREESMSTEXT", TCaptionRule::OfInput, "SMS", "SMS_D", TIconRule::InputReport,
     TReportKind::Sms, 220, "LIST_DESCR_SMS_TEXT"},
    {nkInputAlarm, nkInputReport, "TREEALARMTEXT", TCaptionRule::OfInput, "ALARM", "ALARM_D",
     TIconRule::InputReport, TReportKind::Alarm, 0, nullptr},
    {nkInputClip, nkInputReport, "TREECLIPTEXT", TCaptionRule::OfInput, "CLIP", "CLIP_D",
     TIconRule::InputReport, TReportKind::Clip, 0, nullptr},
    {nkInputData, nkInputReport, "TREEDATATEXT", TCaptionRule::OfInput, "DATA", "DATA_D",
     TIconRule::InputReport, TReportKind::Data, 0, nullptr},
    {nkOutput, std::nullopt, "TREEOUTPUT", TCaptionRule::WithOutput, "OUTPUT", nullptr, TIconRule::Fixed,
     std::nullopt, 0, nullptr, nullptr, TNodeCopies::PerOutput},
    {nkOutputStart, nkOutput, "TREEOUTSMODE", TCaptionRule::WithOutput, "IN_OUT_ON", "IN_OUT_OFF",
     TIconRule::OutputStartsEnabled, std::nullopt, 0, nullptr},
    {nkOutputType, nkOutput, "TREEOUTTYPE", TCaptionRule::WithOutput, "OUTTYPE", nullptr, TIconRule::Fixed,
     std::nullopt, 0, nullptr},
    {nkOutputTime, nkOutput, "TREEOUTTIME", TCaptionRule::WithOutput, "OUTTIME", "OUTTIME_D",
     TIconRule::OutputNotBistable, std::nullopt, 0, nullptr},
    {nkOutputControlSms, nkOutput, "TREECONTRSMS", TCaptionRule::WithOutput, "SMS", nullptr, TIconRule::Fixed,
     std::nullopt, 0, nullptr},
    {nkOutputAnswerSms, nkOutput, "TREEANSWSMS", TCaptionRule::WithOutput, "SMS", nullptr, TIconRule::Fixed,
     std::nullopt, 0, nullptr},
    {nkTestBlock, std::nullopt, "TREETEST", TCaptionRule::Text, "INPUT", nullptr, TIconRule::Fixed,
     std::nullopt, 0, nullptr},
    {nkGsmTest, nkTestBlock, nullptr, TCaptionRule::Fixed, "INPUT", "DINP", TIconRule::GsmEnabled,
     std::nullopt, 0, nullptr, "GSM", TNodeCopies::One, 1},
    {nkGsmLevel, nkGsmTest, "TREEGSMLEVEL", TCaptionRule::Text, "GSM", nullptr, TIconRule::Fixed,
     std::nullopt, 0, nullptr},
    {nkGsmSms, nkGsmTest, "TREEGSM_SMS", TCaptionRule::Text, "SMS", nullptr, TIconRule::Fixed, std::nullopt,
     0, nullptr},
    {nkGsmTime, nkGsmTest, "TREEGSMTIME", TCaptionRule::Text, "OUTTIME", nullptr, TIconRule::Fixed,
     std::nullopt, 0, nullptr},
    {nkPeriodicTest, nkTestBlock, "TREEPERTEST", TCaptionRule::Text, "INPUT", "DINP", TIconRule::TestEnabled,
     std::nullopt, 0, nullptr, nullptr, TNodeCopies::One, 2},
    {nkTestTime, nkPeriodicTest, "TREETIME", TCaptionRule::OfTestCycle, "TIME", nullptr, TIconRule::Fixed,
     std::nullopt, 0, "LIST_DESCR_TEST_TIME"},
    {nkTestReport, nkPeriodicTest, "TREEREPPERTST", TCaptionRule::Text, "REPORT", nullptr, TIconRule::Fixed,
     std::nullopt, 0, nullptr},
    {nkTestSms, nkTestReport, "TREESMSTEXT", TCaptionRule::OfTestCycle, "SMS", "SMS_D", TIconRule::TestReport,
     TReportKind::Sms, 0, nullptr},
    {nkTestClip, nkTestReport, "TREECLIPTEXT", TCaptionRule::OfTestCycle, "CLIP", "CLIP_D",
     TIconRule::TestReport, TReportKind::Clip, 0, nullptr},
    {nkTestData, nkTestReport, "TREEDATATEXT", TCaptionRule::OfTestCycle, "DATA", "DATA_D",
     TIconRule::TestReport, TReportKind::Data, 0, nullptr},
    {nkCrow, std::nullopt, nullptr, TCaptionRule::Fixed, "CROW", nullptr, TIconRule::Fixed, std::nullopt, 0,
     nullptr, "CROW"},
    {nkPhones, std::nullopt, "TREEPHONE", TCaptionRule::Text, "PHONE", nullptr, TIconRule::Fixed,
     std::nullopt, 180, "LIST_DESCR_PHONE"},
    {nkSmsCentre, std::nullopt, "TREESMSCENTRE", TCaptionRule::Text, "PHONE", nullptr, TIconRule::Fixed,
     std::nullopt, 210, "LIST_DESCR_SMS_CENTR"},
    {nkPin, std::nullopt, "TREEPIN", TCaptionRule::Text, "PIN", nullptr, TIconRule::Fixed, std::nullopt, 90,
     "LIST_DESCR_PIN"},
};

} // namespace

std::span<const TNodeKindEntry> NodeKinds() {
    return Kinds;
}

const TNodeKindEntry* NodeKindEntry(TNodeKind kind) {
    const auto found = std::find_if(std::begin(Kinds), std::end(Kinds),
                                    [kind](const TNodeKindEntry& k) { return k.Kind == kind; });
    return found == std::end(Kinds) ? nullptr : found;
}

} // namespace korvisel
