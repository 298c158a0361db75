// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/NavigationTree.h"

#include <algorithm>

namespace korvisel {
namespace {

std::string FormatWith(std::string templateText, const char* placeholder, const std::string& value) {
    const std::size_t at = templateText.find(placeholder);
    if (at != std::string::npos)
        templateText.replace(at, 2, value);
    return templateText;
}

struct KindInfo {
    std::uint8_t Kind;
    const char* Page;
    int Help; // 0: the help index
};

constexpr KindInfo Kinds[] = {
    {nkInfo, "Info", 10},
    {nkInput, "Input", 100},
    {nkOutput, "Output", 0},
    {nkTestBlock, "TestBlockInfo", 0},
    {nkInputTime, "Time", 120},
    {nkInputReport, "InReport", 130},
    {nkPin, "Pin", 90},
    {nkPhones, "Phone", 180},
    {nkInputSms, "SMS_Text", 220},
    {nkInputAlarm, "ALARM_Set", 0},
    {nkInputClip, "CLIP_Set", 0},
    {nkInputData, "DATA_Set", 0},
    {nkInputSignal, "Signal", 110},
    {nkGsmTest, "TestInformation", 0},
    {nkPeriodicTest, "TestInformation", 0},
    {nkTestTime, "TestTime", 0},
    {nkTestSms, "PerSMSText", 0},
    {nkTestClip, "PerCLIPSet", 0},
    {nkTestData, "PerDATASet", 0},
    {nkGsmLevel, "GSMSignal", 0},
    {nkGsmSms, "GSMSMS_Text", 0},
    {nkGsmTime, "GSMNet_Time", 0},
    {nkSmsCentre, "SMSCentre", 210},
    {nkPrintInfo, "PrintInfo_Rep", 20},
    {nkPrintSerial, "PrintInfoSNum", 30},
    {nkPrintPower, "PrintInfoPwSuppl", 60},
    {nkPrintComment, "PrintInfoComment", 80},
    {nkPrintSimPhone, "PrintInfoSIMPh", 50},
    {nkPrintRegNumber, "PrintInfoRegNum", 40},
    {nkPrintFirmware, "PrintFWareVersion", 70},
    {nkOutputType, "OutputType", 0},
    {nkOutputControlSms, "OutSMSControl", 0},
    {nkOutputAnswerSms, "OutSMSAnswer", 0},
    {nkOutputStart, "OutStart", 0},
    {nkOutputTime, "OUT_TIME", 0},
    {nkTestReport, "PerReports", 0},
    {nkCrow, "CROW Adapter", 0},
};

const KindInfo* InfoOf(std::uint8_t kind) {
    const auto found = std::find_if(std::begin(Kinds), std::end(Kinds),
                                    [kind](const KindInfo& k) { return k.Kind == kind; });
    return found == std::end(Kinds) ? nullptr : found;
}

// The report kind each child of an input's report node stands for.
constexpr std::pair<std::uint8_t, int> InputReportChildren[] = {{nkInputSms, Report::Sms},
                                                                {nkInputAlarm, Report::Alarm},
                                                                {nkInputClip, Report::Clip},
                                                                {nkInputData, Report::Data}};

} // namespace

int TNavigationTree::Add(int parent, TTreeNodeData data) {
    const int index = static_cast<int>(nodes_.size());
    nodes_.push_back({data, parent, {}, false});
    if (parent >= 0)
        nodes_[static_cast<std::size_t>(parent)].Children.push_back(index);
    return index;
}

void TNavigationTree::BuildNodeTree() {
    nodes_.clear();
    Add(-1, {nkInfo, 0, 0});
    const int print = Add(-1, {nkPrintInfo, 0, 0});
    for (std::uint8_t kind :
         {nkPrintSerial, nkPrintRegNumber, nkPrintSimPhone, nkPrintPower, nkPrintFirmware, nkPrintComment})
        Add(print, {kind, 0, 0});
    for (int i = 1; i <= static_cast<int>(InputCount); ++i) {
        const int input = Add(-1, {nkInput, i, 0});
        Add(input, {nkInputSignal, i, 0});
        Add(input, {nkInputTime, i, 0});
        const int report = Add(input, {nkInputReport, i, 0});
        for (std::uint8_t kind : {nkInputSms, nkInputAlarm, nkInputClip, nkInputData})
            Add(report, {kind, i, 0});
    }
    for (int o = 1; o <= static_cast<int>(OutputCount); ++o) {
        const int output = Add(-1, {nkOutput, 0, o});
        for (std::uint8_t kind :
             {nkOutputStart, nkOutputType, nkOutputTime, nkOutputControlSms, nkOutputAnswerSms})
            Add(output, {kind, o, o});
    }
    const int test = Add(-1, {nkTestBlock, 0, 0});
    const int gsm = Add(test, {nkGsmTest, 1, 1});
    for (std::uint8_t kind : {nkGsmLevel, nkGsmSms, nkGsmTime})
        Add(gsm, {kind, 1, 1});
    const int periodic = Add(test, {nkPeriodicTest, 2, 2});
    Add(periodic, {nkTestTime, 2, 2});
    const int report = Add(periodic, {nkTestReport, 2, 2});
    for (std::uint8_t kind : {nkTestSms, nkTestClip, nkTestData})
        Add(report, {kind, 2, 2});
    for (std::uint8_t kind : {nkCrow, nkPhones, nkSmsCentre, nkPin})
        Add(-1, {kind, 0, 0});
}

std::vector<int> TNavigationTree::TopLevel() const {
    std::vector<int> top;
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].Parent < 0)
            top.push_back(static_cast<int>(i));
    return top;
}

int TNavigationTree::DepthOf(int index) const {
    int depth = 1;
    for (int p = Node(index).Parent; p >= 0; p = Node(p).Parent)
        ++depth;
    return depth;
}

std::vector<int> TNavigationTree::SyncInputReportNodes(int input, int reportType) {
    const auto report = std::find_if(nodes_.begin(), nodes_.end(), [input](const TTreeNode& n) {
        return n.Data.Kind == nkInputReport && n.Data.Input == input;
    });
    if (report == nodes_.end())
        return {};
    for (int child : report->Children) {
        TTreeNode& node = nodes_[static_cast<std::size_t>(child)];
        const auto match = std::find_if(std::begin(InputReportChildren), std::end(InputReportChildren),
                                        [&](const auto& pair) { return pair.first == node.Data.Kind; });
        node.Disabled = match == std::end(InputReportChildren) || match->second != reportType;
    }
    return report->Children;
}

std::vector<int> TNavigationTree::SyncTestReportNodes(const TProjectInfo& project) {
    static constexpr std::pair<std::uint8_t, int> children[] = {
        {nkTestSms, Report::Sms}, {nkTestClip, Report::Clip}, {nkTestData, Report::Data}};
    const int type = project.TestReportType;
    if (type < Report::Sms || type > Report::Data)
        return {};
    const auto report = std::find_if(nodes_.begin(), nodes_.end(),
                                     [](const TTreeNode& n) { return n.Data.Kind == nkTestReport; });
    if (report == nodes_.end())
        return {};
    for (int child : report->Children) {
        TTreeNode& node = nodes_[static_cast<std::size_t>(child)];
        const auto match = std::find_if(std::begin(children), std::end(children),
                                        [&](const auto& pair) { return pair.first == node.Data.Kind; });
        node.Disabled = match == std::end(children) || match->second != type;
    }
    return report->Children;
}

std::optional<int> TNavigationTree::SyncOutputTimeNode(int output, int workType) {
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].Data.Kind == nkOutputTime && nodes_[i].Data.Output == output) {
            nodes_[i].Disabled = workType == WorkType::Bistable;
            return static_cast<int>(i);
        }
    return std::nullopt;
}

std::optional<int> TNavigationTree::FirstTopLevelOfKind(std::uint8_t kind) const {
    for (int index : TopLevel())
        if (Node(index).Data.Kind == kind)
            return index;
    return std::nullopt;
}

std::string NodeCaption(const TTreeNodeData& node, const TLanguageTexts& texts) {
    const auto T = [&](const char* key) { return texts.Text(key); };
    const auto atInput = [&] {
        return FormatWith(T("CAPTIONPAGESMSTEXTEx1"), "%d", std::to_string(node.Input));
    };
    const auto ofInput = [&] {
        return FormatWith(T("CAPTIONPAGESMSTEXTEx4"), "%d", std::to_string(node.Input));
    };
    const auto cycle = [&] { return T("CAPTIONPAGESMSTEXTEx2"); };
    switch (node.Kind) {
    case nkInfo:
        return T("TREEINFO");
    case nkInput:
        return T("TREEINPUT") + std::to_string(node.Input);
    case nkOutput:
        return T("TREEOUTPUT") + std::to_string(node.Output);
    case nkTestBlock:
        return T("TREETEST");
    case nkInputTime:
        return FormatWith(T("TREETIME"), "%s", atInput());
    case nkInputReport:
        return FormatWith(T("TREEREPORT"), "%s", atInput());
    case nkPin:
        return T("TREEPIN");
    case nkPhones:
        return T("TREEPHONE");
    case nkInputSms:
        return FormatWith(T("TREESMSTEXT"), "%s", ofInput());
    case nkInputAlarm:
        return FormatWith(T("TREEALARMTEXT"), "%s", ofInput());
    case nkInputClip:
        return FormatWith(T("TREECLIPTEXT"), "%s", ofInput());
    case nkInputData:
        return FormatWith(T("TREEDATATEXT"), "%s", ofInput());
    case nkInputSignal:
        return T("TREESIGNAL") + std::to_string(node.Input);
    case nkGsmTest:
        return "GSM";
    case nkPeriodicTest:
        return T("TREEPERTEST");
    case nkTestTime:
        return FormatWith(T("TREETIME"), "%s", cycle());
    case nkTestSms:
        return FormatWith(T("TREESMSTEXT"), "%s", cycle());
    case nkTestClip:
        return FormatWith(T("TREECLIPTEXT"), "%s", cycle());
    case nkTestData:
        return FormatWith(T("TREEDATATEXT"), "%s", cycle());
    case nkGsmLevel:
        return T("TREEGSMLEVEL");
    case nkGsmSms:
        return T("TREEGSM_SMS");
    case nkGsmTime:
        return T("TREEGSMTIME");
    case nkSmsCentre:
        return T("TREESMSCENTRE");
    case nkPrintInfo:
        return T("TREEPRNTINFO");
    case nkPrintSerial:
        return T("TREEPRNTSNUM");
    case nkPrintPower:
        return T("TREEPRNPOWSUP");
    case nkPrintComment:
        return T("TREEPRNCOMMEN");
    case nkPrintSimPhone:
        return T("TREEPRNSIMPH");
    case nkPrintRegNumber:
        return T("TREEPRNTRNUM");
    case nkPrintFirmware:
        return T("TREEFWAREVERS");
    case nkOutputType:
        return T("TREEOUTTYPE") + std::to_string(node.Output);
    case nkOutputControlSms:
        return T("TREECONTRSMS") + std::to_string(node.Output);
    case nkOutputAnswerSms:
        return T("TREEANSWSMS") + std::to_string(node.Output);
    case nkOutputStart:
        return T("TREEOUTSMODE") + std::to_string(node.Output);
    case nkOutputTime:
        return T("TREEOUTTIME") + std::to_string(node.Output);
    case nkTestReport:
        return T("TREEREPPERTST");
    case nkCrow:
        return "CROW";
    default:
        return {};
    }
}

std::string NodeIconName(const TTreeNodeData& node, const TProjectInfo& p) {
    const auto input = [&]() -> const TInputInfo* {
        return p.Inputs.Contains(static_cast<std::size_t>(node.Input))
                   ? &p.Inputs[static_cast<std::size_t>(node.Input)]
                   : nullptr;
    };
    const auto output = [&]() -> const TOutputInfo* {
        return p.Outputs.Contains(static_cast<std::size_t>(node.Output))
                   ? &p.Outputs[static_cast<std::size_t>(node.Output)]
                   : nullptr;
    };
    const auto active = [](bool on, const char* name) {
        return on ? std::string(name) : std::string(name) + "_D";
    };
    const int report = input() ? input()->ReportType : 0;
    switch (node.Kind) {
    case nkInfo:
        return "PR_INF";
    case nkInput:
        return input() && input()->Enabled ? "INPUT" : "DINP";
    case nkOutput:
        return "OUTPUT";
    case nkTestBlock:
        return "INPUT";
    case nkInputTime:
    case nkTestTime:
        return "TIME";
    case nkInputReport:
    case nkTestReport:
        return "REPORT";
    case nkPin:
        return "PIN";
    case nkPhones:
    case nkSmsCentre:
    case nkPrintSimPhone:
        return "PHONE";
    case nkInputSms:
        return active(report == Report::Sms, "SMS");
    case nkInputAlarm:
        return active(report == Report::Alarm, "ALARM");
    case nkInputClip:
        return active(report == Report::Clip, "CLIP");
    case nkInputData:
        return active(report == Report::Data, "DATA");
    case nkInputSignal:
        return "SIGNAL";
    case nkGsmTest:
        return p.GsmEnabled ? "INPUT" : "DINP";
    case nkPeriodicTest:
        return p.TestEnabled ? "INPUT" : "DINP";
    case nkTestSms:
        return active(p.TestReportType == Report::Sms, "SMS");
    case nkTestClip:
        return active(p.TestReportType == Report::Clip, "CLIP");
    case nkTestData:
        return active(p.TestReportType == Report::Data, "DATA");
    case nkGsmLevel:
        return "GSM";
    case nkGsmSms:
    case nkOutputControlSms:
    case nkOutputAnswerSms:
        return "SMS";
    case nkGsmTime:
        return "OUTTIME";
    case nkPrintInfo:
        return "PRINT_I";
    case nkPrintSerial:
        return "SER_N";
    case nkPrintPower:
        return "ACCUM";
    case nkPrintComment:
        return "COMME";
    case nkPrintRegNumber:
        return "REG_N";
    case nkPrintFirmware:
        return "FWVER";
    case nkOutputType:
        return "OUTTYPE";
    case nkOutputStart:
        return output() && output()->StartState == StartState::Enabled ? "IN_OUT_ON" : "IN_OUT_OFF";
    case nkOutputTime:
        return output() && output()->WorkType == WorkType::Bistable ? "OUTTIME_D" : "OUTTIME";
    case nkCrow:
        return "CROW";
    default:
        return {};
    }
}

const char* NodePageName(std::uint8_t kind) {
    const KindInfo* info = InfoOf(kind);
    return info ? info->Page : "Info";
}

std::optional<int> NodeHelpContext(std::uint8_t kind) {
    const KindInfo* info = InfoOf(kind);
    if (!info || info->Help == 0)
        return std::nullopt;
    return info->Help;
}

std::vector<std::string> AllPageNames() {
    std::vector<std::string> names;
    for (const KindInfo& k : Kinds)
        if (std::find(names.begin(), names.end(), k.Page) == names.end())
            names.push_back(k.Page);
    return names;
}

TNodeRowGeometry NodeRowGeometry(std::uint8_t kind, int depth, int captionWidth) {
    const int base = 19 * depth - (kind == nkInfo ? 16 : 0);
    return {base, base + 18, base + captionWidth + 22, base + 19, 2};
}

} // namespace korvisel
