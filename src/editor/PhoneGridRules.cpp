// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PhoneGridRules.h"

namespace korvisel {

std::string PhoneGridNumberText(const TProjectInfo& project, int k, const TLanguageTexts& texts) {
    const TPhoneInfo& entry = project.Phones[static_cast<std::size_t>(k)];
    if (!entry.Empty && !entry.Number.empty())
        return entry.Number;
    return texts.Text("U3_PHONE") + std::to_string(k) + " - " + texts.Text("PRINF_Z_PHONENUM");
}

TClipGridAction ClipGridDoubleClick(TProjectInfo& project, IPhoneDialog& dialog, TInputNumber input, int row,
                                    int column) {
    if (!input.Valid() || !project.Phones.Contains(static_cast<std::size_t>(row)))
        return TClipGridAction::Done;
    if (column == ClipColumn::Number)
        return TClipGridAction::EditPhoneBookEntry;
    if (column != ClipColumn::Event && column != ClipColumn::Restore)
        return TClipGridAction::Done;
    if (!IsPhonePresent(project, row)) {
        EditPhoneEntry(project, dialog, row, false);
        if (!IsPhonePresent(project, row))
            return TClipGridAction::Done;
    }
    TInputInfo& in = project.Inputs[input.Index()];
    std::uint8_t& chosen = column == ClipColumn::Event ? in.ClipEventPhone : in.ClipRestorePhone;
    std::uint8_t& other = column == ClipColumn::Event ? in.ClipRestorePhone : in.ClipEventPhone;
    if (other == row)
        other = chosen;
    chosen = static_cast<std::uint8_t>(row);
    return TClipGridAction::Done;
}

TClipGridAction TestClipGridDoubleClick(TProjectInfo& project, IPhoneDialog& dialog, int row, int column) {
    if (!project.Phones.Contains(static_cast<std::size_t>(row)))
        return TClipGridAction::Done;
    if (column == ClipColumn::Number)
        return TClipGridAction::EditPhoneBookEntry;
    if (column != ClipColumn::Event)
        return TClipGridAction::Done;
    if (!IsPhonePresent(project, row)) {
        EditPhoneEntry(project, dialog, row, false);
        if (!IsPhonePresent(project, row))
            return TClipGridAction::Done;
    }
    if (project.TestClipPhone2 != row)
        project.TestClipPhone1 = static_cast<std::uint8_t>(row);
    return TClipGridAction::Done;
}

TPhoneUse PhoneUse(const TProjectInfo& project, int k) {
    TPhoneUse use;
    for (const TInputInfo& in : project.Inputs) {
        use.Sms = use.Sms || (in.ReportType == TReportKind::Sms && in.SmsPhone == k);
        use.Alarm = use.Alarm || (in.ReportType == TReportKind::Alarm && in.AlarmPhone == k);
        use.Clip = use.Clip || (in.ReportType == TReportKind::Clip &&
                                (in.ClipEventPhone == k || in.ClipRestorePhone == k));
        use.Data = use.Data || (in.ReportType == TReportKind::Data && in.DataPhone == k);
    }
    use.Sms = use.Sms || (project.TestReportType == TReportKind::Sms && project.TestSmsPhone == k);
    use.Clip = use.Clip || (project.TestReportType == TReportKind::Clip && project.TestClipPhone1 == k);
    use.Data = use.Data || (project.TestReportType == TReportKind::Data && project.TestDataPhone == k);
    return use;
}

std::vector<int> UseStripPositions(int pictures, int cellWidth) {
    constexpr int Picture = 16;
    constexpr int Step = 21;
    std::vector<int> positions;
    if (pictures <= 0)
        return positions;
    const int left = (cellWidth - (Step * pictures - (Step - Picture))) / 2;
    for (int n = 0; n < pictures; ++n)
        positions.push_back(left + n * Step);
    return positions;
}

std::string PhoneUseText(const TPhoneUse& use, const TLanguageTexts& texts) {
    std::string words;
    for (const auto& [used, kind] : {std::pair{use.Sms, "SMS"}, std::pair{use.Alarm, "ALARM"},
                                     std::pair{use.Clip, "CLIP"}, std::pair{use.Data, "DATA"}})
        if (used)
            words += (words.empty() ? "" : ", ") + std::string(kind);
    return words.empty() ? texts.Text("PRG_A11Y_NOT_USED") : words;
}

} // namespace korvisel
