// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportValues.h"

#include "core/AsciiText.h"
#include "core/PhoneUsers.h"
#include "i18n/CodeLanguage.h"
#include "i18n/CodePage.h"

#include <algorithm>
#include <functional>
#include <map>

namespace korvisel {
namespace {

const std::string Underscores54(54, '_');

bool IsBlank(const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::string OrLine(const std::string& text) {
    return IsBlank(text) ? Underscores54 : text;
}

std::string PowerSupplyText(const TReportContext& c) {
    const TPowerSupplyInfo& supply = c.Print.PowerSupply;
    switch (supply.Kind) {
    case PowerKind::PowerUnit:
        return c.Texts.Text("REP_BASE_PWSUPPLY1");
    case PowerKind::Accumulator:
        return c.Texts.Text("REP_BASE_PWSUPPLY2");
    case PowerKind::Other:
        return supply.OtherText.empty() ? c.Texts.Text("REP_BASE_PWSUPPLY3") : supply.OtherText;
    default:
        return {};
    }
}

using TVariable = std::function<std::string(const TReportContext&)>;

const std::map<std::string, TVariable>& Variables() {
    static const std::map<std::string, TVariable> variables = {
        {"BCAPTION",
         [](const TReportContext& c) {
             return c.Texts.Text("REP_BASE_CAPTION") + (c.DeviceType.empty() ? "KORvisel 690" : c.DeviceType);
         }},
        {"SERIAL",
         [](const TReportContext& c) { return c.Texts.Text("REP_SERIAL_CONST") + c.Print.SerialNumber; }},
        {"FVERSION",
         [](const TReportContext& c) {
             return c.Texts.Text("REP_BASE_FVERSION") +
                    (c.Print.FirmwareVersion.empty() ? std::string(11, '_') : c.Print.FirmwareVersion);
         }},
        {"PSUPPLY",
         [](const TReportContext& c) { return c.Texts.Text("REP_BASE_PWSUPPLY") + PowerSupplyText(c); }},
        {"COMMENT", [](const TReportContext& c) { return c.Texts.Text("REP_COMMENT_CONST"); }},
        {"BASECOM",
         [](const TReportContext& c) {
             return IsBlank(c.Print.Comment)
                        ? Underscores54 + '\r' + Underscores54 + '\r' + Underscores54 + '\r' + Underscores54
                        : c.Print.Comment;
         }},
        {"DSP_VAR", [](const TReportContext& c) { return c.Texts.Text("REP_BASE_DSP_VAR"); }},
        {"KRVMODEL", [](const TReportContext& c) { return c.Texts.Text("REP_BASE_CAPTION2") + "693"; }},
        {"LISTNUM",
         [](const TReportContext& c) {
             const auto enabled = std::count_if(c.Project.Inputs.begin(), c.Project.Inputs.end(),
                                                [](const TInputInfo& in) { return in.Enabled; });
             return "2/" + std::to_string(enabled + 2);
         }},
        {"SIMPHONECAP", [](const TReportContext& c) { return c.Texts.Text("REP_BASE_SIMPHCAP"); }},
        {"SIMPHONEVAR", [](const TReportContext& c) { return OrLine(c.Print.SimPhone); }},
        {"SIMREGNCAP", [](const TReportContext& c) { return c.Texts.Text("REP_BASE_REGNCAP"); }},
        {"SIMREGNVAL", [](const TReportContext& c) { return OrLine(c.Print.RegNumber); }},
        {"BASECAPPIN", [](const TReportContext& c) { return c.Texts.Text("REP_BASE_PIN_CAP"); }},
        {"PINCODE",
         [](const TReportContext& c) {
             return Latin1ToUtf8(std::string(c.Project.Pin.begin(), c.Project.Pin.end()));
         }},
        {"SMSCENCAPPH", [](const TReportContext& c) { return c.Texts.Text("TREESMSCENTRE"); }},
        {"SMSCENTPH",
         [](const TReportContext& c) {
             return c.Project.SmsCentre.empty() ? c.Texts.Text("PRINF_Z_PHONENUM")
                                                : Latin1ToUtf8(c.Project.SmsCentre);
         }},
        {"BASECAPINP", [](const TReportContext& c) { return c.Texts.Text("REP_BASE_INP_CAP"); }},
        {"BASEINTAB1", [](const TReportContext& c) { return c.Texts.Text("REP_BASET_INP"); }},
        {"BASEINTAB2", [](const TReportContext& c) { return c.Texts.Text("REP_BASET_INP2"); }},
        {"INNUMBER",
         [](const TReportContext& c) { return c.Texts.Text("TREEINPUT") + std::to_string(c.InputRow + 1); }},
        {"INCON",
         [](const TReportContext& c) {
             const auto n = static_cast<std::size_t>(c.InputRow + 1);
             const bool on = c.Project.Inputs.Contains(n) && c.Project.Inputs[n].Enabled;
             std::string state = c.Texts.Text(on ? TTextKey("REP_BASEIN_VAL1") : TTextKey("REP_BASEIN_VAL2"));
             if (on && c.Project.Inputs[n].ReportType == TReportKind::Data)
                 state +=
                     ", DATA " + ContactIdCodeWithMeaning(c.Project.Inputs[n].Cid, CodeLanguageFor(c.Texts));
             return state;
         }},
        {"BASECAPPHON", [](const TReportContext& c) { return c.Texts.Text("TREEPHONE"); }},
        {"BASEPHONTAB1", [](const TReportContext& c) { return c.Texts.Text("REP_BASET_PHON1"); }},
        {"BASEPHONTAB2", [](const TReportContext& c) { return c.Texts.Text("REP_BASET_PHON2"); }},
        {"PHLINE", [](const TReportContext& c) { return std::to_string(c.PhoneRow + 1); }},
        {"PHONE",
         [](const TReportContext& c) {
             const auto n = static_cast<std::size_t>(c.PhoneRow + 1);
             if (!c.Project.Phones.Contains(n) || c.Project.Phones[n].Empty)
                 return c.Texts.Text("PRINF_Z_PHONENUM");
             return Latin1ToUtf8(c.Project.Phones[n].Number);
         }},
        {"PHSTATUS",
         [](const TReportContext& c) { return PhoneStatusText(c.Project, c.PhoneRow + 1, c.Texts); }},
    };
    return variables;
}

} // namespace

std::string ReportVariable(const TReportContext& context, std::string_view name) {
    const auto found = Variables().find(AsciiUpper(name));
    return found == Variables().end() ? std::string{} : found->second(context);
}

std::string PhoneStatusText(const TProjectInfo& project, int n, const TLanguageTexts& texts) {
    const std::vector<TPhoneUser> users = PhoneUsers(project, n);
    const auto usedBy = [&users](std::initializer_list<TPhoneReference> references) {
        return std::any_of(users.begin(), users.end(), [references](const TPhoneUser& user) {
            return std::find(references.begin(), references.end(), user.Reference) != references.end();
        });
    };
    using R = TPhoneReference;
    // An installer reuses a number printed as free: every other use of the phone is named too.
    std::string text;
    for (const auto& [used, name] :
         {std::pair<bool, std::string>{usedBy({R::InputClipEvent, R::InputClipRestore}), "CLIP"},
          {usedBy({R::InputSms}), "SMS"},
          {usedBy({R::InputAlarm}), "ALARM"},
          {usedBy({R::InputData}), "DATA"},
          {usedBy({R::TestSms, R::TestClip1, R::TestClip2, R::TestData}), texts.Text("PRG_PHONE_USE_TEST")},
          {usedBy({R::Gsm}), texts.Text("PRG_PHONE_USE_GSM")},
          {usedBy({R::OutputControl, R::OutputAnswer}), texts.Text("PRG_PHONE_USE_OUTPUTS")},
          {usedBy({R::Crow}), texts.Text("PRG_PHONE_USE_CROW")}})
        if (used)
            text += (text.empty() ? "" : " & ") + name;
    return text.empty() ? texts.Text("REP_BASE_ZSTAT_P") : text;
}

std::vector<TReportPage> ConfigurationReportPages(const TProjectInfo& project, const TDopPrintInfo& print,
                                                  const TLanguageTexts& texts,
                                                  const std::string& deviceType) {
    return LayoutReport(ConfigurationReport(), [&](std::string_view name, int inputRow, int phoneRow) {
        return ReportVariable({project, print, texts, deviceType, inputRow, phoneRow}, name);
    });
}

} // namespace korvisel
