// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/Panels.h"

#include "core/TestPeriod.h"
#include "markup/MarkupRow.h"
#include "markup/SummaryTables.h"
#include "i18n/CodeLanguage.h"
#include "i18n/CodePage.h"

#include <functional>

namespace korvisel {
using namespace summary;

namespace {

// Texts the device keeps are its own bytes; rows are UTF-8.
std::string DeviceText(const std::string& bytes) {
    return MarkupLiteral(Latin1ToUtf8(bytes));
}

std::string Format(const std::string& templateText, const std::string& value) {
    std::string out = templateText;
    const std::size_t at = out.find("%s");
    if (at != std::string::npos)
        out.replace(at, 2, value);
    return out;
}

// "Caption : value" in a time template: the caption bold, the value plain.
std::string TimeRow(const std::string& templateText, const TMarkupRow& value) {
    return Format(Caption(templateText).PlainStyle(), Row().PlainStyle().Append(value));
}

class RowBuilder {
public:
    RowBuilder(const TProjectInfo& project, const TLanguageTexts& texts) : p_(project), texts_(texts) {}

    const std::string& T(TTextKey key) const { return texts_.Text(key); }
    std::string Phone(int index) const {
        const bool present = index >= 1 && index <= static_cast<int>(PhoneCount) &&
                             !p_.Phones[static_cast<std::size_t>(index)].Empty;
        return present ? DeviceText(p_.Phones[static_cast<std::size_t>(index)].Number)
                       : T("PRINF_Z_PHONENUM");
    }
    std::string OnOff(bool on) const { return on ? T("REP_BASEIN_VAL1") : T("REP_BASEIN_VAL2"); }
    std::string Level(int g) const {
        static constexpr TTextKey keys[] = {"REP_GSMSIGNVAL1", "REP_GSMSIGNVAL2", "REP_GSMSIGNVAL3",
                                            "REP_GSMSIGNVAL4"};
        return T(g >= 1 && g <= 4 ? keys[g - 1] : keys[0]);
    }
    static std::string Tens(int v) { return std::to_string(v * 10); }

    void SignalRow(TRows& rows, const TInputInfo& in) const {
        static constexpr TTextKey keys[] = {"REP_SIGNAL1", "REP_SIGNAL2", "REP_SIGNAL3", "REP_SIGNAL4"};
        if (in.Signal <= 3)
            rows.push_back(Caption(T("REP_SIGNAL")).Text(" ").PlainStyle().Text(T(keys[in.Signal])));
        else
            rows.push_back("  " + T("REP_SIGNAL") + T("REP_SIGNAL1"));
    }

    void TimeRows(TRows& rows, const TInputInfo& in) const {
        rows.push_back(Caption(T("REP_TIME")));
        for (const auto& [key, value] : {std::pair{TTextKey("REP_TRESPONCE"), in.ReactionTime},
                                         std::pair{TTextKey("REP_TRESTORE"), in.RestoreTime},
                                         std::pair{TTextKey("REP_TLOCKOUT"), in.LockoutTime}})
            rows.push_back("  " + TimeRow(T(key), Row().Text(HalfSecondsText(value))));
    }

    // A report table's row: the kind centred in the first cell, the label and phone in the second.
    std::string ReportRow(TMarkupRow row, std::string_view kind, std::string_view label, int phone) const {
        row.AlignCentre().Text(kind).Column(TableRight).SwapEdges().Frame(TFrame::SidesAndBottom);
        row.Text(label).Text(Phone(phone)).Text(" ");
        return EndReportRow(row);
    }
    std::string ReportHeaderRow(TMarkupRow row = Row()) const {
        row = KindCell(TFrame::SidesAndTop, TFrame::SidesAndBottom, TFrame::SidesAndBottom, row);
        row.AlignCentre().Text(T("REP_REPTAB2"));
        row.Column(TableRight).SwapEdges().Frame(TFrame::SidesAndTop).Text(T("REP_REPTAB3"));
        return EndReportRow(row);
    }

    void ContactIdTable(TRows& rows, const TContactId& cid) const {
        const auto symbols = [](const auto& field) {
            return MarkupLiteral(std::string_view(field.data(), field.size()));
        };
        // The first cell ends at 150, the second at 360; `frame` closes the row or lets it run on.
        const auto field = [&](TFrame frame, TFrame inner, std::string_view caption,
                               const std::string& value) {
            TMarkupRow row = Row().Cell(150, TableLeft).Frame(frame).Nudge(+1).Frame(inner).AlignLeft();
            row.Text("  ").Text(caption).Column(360).SwapEdges().Frame(frame).Bold().Text("  ").Text(value);
            return std::string(CloseRow(row, frame));
        };
        rows.push_back(Row().Bold().Text(" ").Text(T("REP_CAPOFCIDTAB")));
        rows.push_back(TableTop(359));
        TMarkupRow title = Row().Cell(150, TableLeft).Frame(TFrame::Box).Nudge(+1).Frame(TFrame::Box);
        title.AlignCentre().Text(T("REP_CIDTAB1")).Column(360).SwapEdges().Nudge(-1).Frame(TFrame::Box);
        rows.push_back(CloseRow(title.Text(T("REP_CIDTAB2")), TFrame::Box));
        rows.push_back(field(TFrame::Box, TFrame::Box, T("REP_CIDVAL1"), symbols(cid.Object)));
        const std::pair<TTextKey, std::string> values[] = {{TTextKey("REP_CIDVAL2"), symbols(cid.Code)},
                                                           {TTextKey("REP_CIDVAL3"), symbols(cid.Zone)},
                                                           {TTextKey("REP_CIDVAL4"), symbols(cid.Partition)}};
        for (const auto& [key, value] : values)
            rows.push_back(field(TFrame::SidesAndBottom, TFrame::Sides, T(key), value));
        rows.push_back(NarrowTableBottom(360));
        // What the code means, under the table: the cells are too narrow for the longer meanings.
        const std::string code = ContactIdCodeOf(cid);
        if (const std::string_view meaning = ContactIdCodeMeaning(code, CodeLanguageFor(texts_));
            !meaning.empty())
            rows.push_back("  " + T("REP_CIDVAL2") + " " + MarkupLiteral(code) + ": " +
                           MarkupLiteral(meaning));
    }

    // Returns whether the report was SMS (the last case, which any unknown type falls into).
    bool ReportTable(TRows& rows, const TInputInfo& in) const {
        rows.push_back(Gap(8));
        rows.push_back(Caption(T("REP_CAPOFREPTAB")));
        rows.push_back(TableTop());
        rows.push_back(ReportHeaderRow());
        switch (in.ReportType) {
        case TReportKind::Alarm:
            rows.push_back(ReportRow(ReportRowStart(), " ALARM ", "", in.AlarmPhone));
            rows.push_back(TableBottom());
            return false;
        case TReportKind::Clip:
            rows.push_back(ReportRow(InputClipStart(), "CLIP", "    EVENT = ", in.ClipEventPhone));
            rows.push_back(ReportRow(ReportRowStart(), " ", "RESTORE = ", in.ClipRestorePhone));
            rows.push_back(TableBottom());
            return false;
        case TReportKind::Data:
            rows.push_back(ReportRow(ReportRowStart(), " DATA ", "", in.DataPhone));
            rows.push_back(TableBottom());
            ContactIdTable(rows, in.Cid);
            return false;
        default:
            rows.push_back(ReportRow(ReportRowStart(), " SMS ", "", in.SmsPhone));
            rows.push_back(TableBottom());
            rows.push_back(Caption(T("REP_CAPINSMSTEXT")));
            rows.push_back(TableTop());
            rows.push_back(TextPairTitle(205, T("SMS_REP_EVEN"), T("SMS_REP_REST")));
            rows.push_back(TextPairRow(205, DeviceText(in.SmsEventText), DeviceText(in.SmsRestoreText)));
            rows.push_back(TextPairEnd(205, TFrame::SidesAndBottom, Row().Text(" ")));
            rows.push_back(NarrowTableBottom());
            return true;
        }
    }

    std::string PhoneIndex(int index) const {
        return index == 0 ? T("PRINF_Z_PHONENUM") : std::to_string(index);
    }

    void OutputRows(TRows& rows, const TOutputInfo& out, bool inProjectSummary) const {
        const std::string state = out.StartState == TStartState::Enabled    ? T("REP_OUTENVAL1")
                                  : out.StartState == TStartState::Disabled ? T("REP_OUTENVAL2")
                                                                            : std::string{};
        const std::string workType = out.WorkType == TWorkType::Monostable ? T("REP_OUTTYPEVAL1")
                                     : out.WorkType == TWorkType::Bistable ? T("REP_OUTTYPEVAL2")
                                     : out.WorkType == TWorkType::Flash    ? T("REP_OUTTYPEVAL3")
                                                                           : std::string{};
        rows.push_back(Gap(5));
        rows.push_back(Caption(T("REP_CAPOUTENPAGE")).Text(":").PlainStyle().Text(" ").Text(state));
        rows.push_back(Gap(7));
        rows.push_back(Caption(T("REP_CAPOUTTYPE")).Text(":").PlainStyle().Text(" ").Text(workType));
        rows.push_back(Gap(7));
        rows.push_back(Caption(T("REP_CAPOUTTIME"))
                           .PlainStyle()
                           .Text(": ")
                           .Text(HalfSecondsText(out.Time))
                           .Text(" ")
                           .Text(T("LIST_TIME_VAL4")));
        rows.push_back(Gap(8));
        rows.push_back(Caption(T("REP_CAPOUTCPHON")));
        rows.push_back(TableTop());
        TMarkupRow title = Row().Cell(240, TableLeft).Frame(TFrame::Box).SwapEdges().Nudge(-1).SwapEdges();
        title.Nudge(+1)
            .Frame(TFrame::Box)
            .AlignCentre()
            .Text(T("REP_BASET_PHON1"))
            .Text(" ")
            .Frame(TFrame::Box);
        title.Column(TableRight).SwapEdges().Nudge(+1).Frame(TFrame::Box).Text(T("REP_BASET_PHON3"));
        rows.push_back(CloseRow(title, TFrame::Box));
        const auto phoneRow = [&](TFrame frame, int phone, TTextKey use) {
            TMarkupRow row = WideTableRowStart(frame);
            return std::string(
                EndWideTableRow(row.AlignCentre().Text(PhoneIndex(phone)), frame, Row().Text(T(use))));
        };
        rows.push_back(phoneRow(TFrame::Box, out.ControlPhone, "REP_BASET_PHON3_V1"));
        rows.push_back(phoneRow(TFrame::SidesAndBottom, out.AnswerPhone, "REP_BASET_PHON3_V2"));
        rows.push_back(TableBottom());
        rows.push_back(Caption(T("REP_CAPOUTSMSCN")));
        rows.push_back(TableTop(409));
        rows.push_back(TextPairTitle(210, T("REP_OUTSMSCNVAL1"), T("REP_OUTSMSCNVAL2")));
        rows.push_back(TextPairRow(210, DeviceText(out.ControlText), DeviceText(out.QueryText)));
        rows.push_back(TextPairEnd(210, TFrame::Sides, Row().Bold().Text(" ")));
        rows.push_back(NarrowTableBottom(409));
        // In the project summary the answers' table ends the outputs: what follows has its own colours.
        const auto endOfOutputs = [inProjectSummary](TMarkupRow row) {
            return inProjectSummary ? row.ListColor().FramesInTextColor() : row;
        };
        rows.push_back(endOfOutputs(Caption(T("REP_CAPOUTSMSAN"))));
        rows.push_back(TableTop(409));
        TMarkupRow answers = Row().Cell(215, TableLeft).Frame(TFrame::Box).Nudge(+1).Frame(TFrame::Box);
        answers.AlignCentre().Text(T("REP_OUTSMSANVAL1")).Column(TableRight).SwapEdges().Frame(TFrame::Box);
        rows.push_back(CloseRow(answers.Text(T("REP_OUTSMSANVAL2")), TFrame::Box));
        rows.push_back(TextPairRow(215, DeviceText(out.OnAnswerText), DeviceText(out.OffAnswerText)));
        rows.push_back(TextPairEnd(215, TFrame::Sides, Row().Text("  ")));
        rows.push_back(endOfOutputs(NarrowTableBottom()));
    }

    void TestTable(TRows& rows) const {
        rows.push_back(TableTop());
        TMarkupRow title = Row().Cell(240, TableLeft).Frame(TFrame::Box).Nudge(+1).Frame(TFrame::Box);
        title.AlignCentre().Text(T("REP_TESTTABVAL1")).Column(TableRight).Frame(TFrame::Box);
        rows.push_back(title.Text(T("REP_TESTTABVAL2")).Nudge(-1).Frame(TFrame::Box));
        const auto testRow = [&](TFrame frame, TTextKey caption, bool on) {
            TMarkupRow row = WideTableRowStart(frame);
            row.AlignLeft().Text("     ").Text(T(caption));
            return std::string(EndWideTableRow(row, frame, Row().PlainStyle().Text(OnOff(on))));
        };
        rows.push_back(testRow(TFrame::Box, "REP_TESTTABVAL3", p_.GsmEnabled));
        rows.push_back(testRow(TFrame::SidesAndBottom, "TREEPERTEST", p_.TestEnabled));
        rows.push_back(TableBottom());
    }

    // The five rows of the supervision's SMS texts, gray when it is disabled.
    void GsmSmsRows(TRows& rows, bool on) const {
        const auto start = [on] { return on ? Row() : Row().Color(TMarkupColor::Gray); };
        rows.push_back(TableTop(TableRight, start()));
        rows.push_back(TextPairTitle(215, T("SMS_REP_EVEN"), T("SMS_REP_REST"), start()));
        rows.push_back(TextPairRow(215, DeviceText(p_.GsmEventText), DeviceText(p_.GsmRestoreText), start()));
        rows.push_back(TextPairEnd(215, TFrame::SidesAndBottom, Row().Text(" "), start()));
        rows.push_back(NarrowTableBottom(TableRight, start()));
    }

    // A disabled supervision is shown in gray.
    void GsmSection(TRows& rows, const TMarkupRow& heading) const {
        const bool on = p_.GsmEnabled;
        const auto value = [on](const std::string& timeRow) {
            TMarkupRow row;
            return std::string(InColor(row, on).Text("  ").Text(timeRow));
        };
        rows.push_back(TMarkupRow(heading).Text(T("REP_TESTTABVAL3")));
        rows.push_back(Gap(5));
        rows.push_back(SectionCaption(on, T("REP_CAPTGSMMEN")).Text(" : ").PlainStyle().Text(OnOff(on)));
        rows.push_back(Gap(5));
        rows.push_back(
            SectionCaption(on, T("REP_CAPTGSMSIGN")).Text(": ").PlainStyle().Text(Level(p_.GsmLevel)));
        rows.push_back(Gap(9));
        rows.push_back(SectionCaption(on, T("REP_TIME")));
        rows.push_back(value(TimeRow(T("REP_TRESPONCE"), Row().Text(Tens(p_.GsmReactionTime)))));
        rows.push_back(
            value(TimeRow(T("REP_TLOCKOUT") + " ", Row().Text(" ").Text(Tens(p_.GsmLockoutTime)))));
        rows.push_back(Gap(9));
        rows.push_back(
            SectionCaption(on, T("REP_CAPTSMSPHON")).Text(" ").PlainStyle().Text(Phone(p_.GsmSmsPhone)));
        rows.push_back(Gap(9));
        rows.push_back(
            on ? SectionCaption(on, T("REP_CAPINSMSTEXT"))
               : SectionCaption(on, T("REP_CAPINSMSTEXT")).Color(TMarkupColor::Gray).FramesInTextColor());
        GsmSmsRows(rows, on);
        rows.push_back(SectionCaption(on, T("REP_CAPRESSMSUSE"))
                           .Text(" ")
                           .PlainStyle()
                           .Text(p_.GsmRestoreSms ? T("REP_RESSMSUSE_V1") : T("REP_RESSMSUSE_V2")));
    }

    // The report rows of the periodic test. Disabled, they are gray but for the table edges.
    void TestReportRows(TRows& rows, bool on, const TMarkupRow& clipStart) const {
        const std::string thin = Gap(9);
        const auto dim = [on, &thin](std::string row) {
            return on || row.starts_with(thin) ? row : std::string(Row().Color(TMarkupColor::Gray)) + row;
        };
        switch (p_.TestReportType) {
        case TReportKind::Clip:
            rows.push_back(
                ReportRow(on ? clipStart : DimmedClipStart(), "CLIP", "    EVENT = ", p_.TestClipPhone1));
            rows.push_back(TableBottom());
            return;
        case TReportKind::Data: {
            rows.push_back(dim(ReportRow(ReportRowStart(), " DATA ", "", p_.TestDataPhone)));
            rows.push_back(TableBottom());
            TRows cid;
            ContactIdTable(cid, p_.TestCid);
            for (std::string& row : cid)
                rows.push_back(dim(std::move(row)));
            return;
        }
        default: {
            rows.push_back(dim(ReportRow(ReportRowStart(), " SMS ", "", p_.TestSmsPhone)));
            rows.push_back(TableBottom());
            rows.push_back(
                on ? Caption(T("REP_CAPINSMSTEXT"))
                   : Row().Bold().Color(TMarkupColor::Gray).Text("  ").Text(T("REP_CAPINSMSTEXT")));
            rows.push_back(TableTop());
            TMarkupRow title =
                Row().Cell(TableRight, TableLeft).Frame(TFrame::Box).Nudge(+1).Frame(TFrame::Box);
            rows.push_back(dim(CloseRow(title.AlignCentre().Text(T("SMS_REP_EVEN")), TFrame::Box)));
            TMarkupRow text = Row().Cell(TableRight, TableLeft).Frame(TFrame::SidesAndTop).Nudge(+1);
            text.Frame(TFrame::SidesAndTop).AlignLeft().Text(" ").Text(DeviceText(p_.TestSmsText));
            rows.push_back(dim(CloseRow(text, TFrame::SidesAndTop)));
            rows.push_back(TestSmsSpacer());
            rows.push_back(NarrowTableBottom());
        }
        }
    }

private:
    const TProjectInfo& p_;
    const TLanguageTexts& texts_;
};

// An input's or output's title in the project summary.
TMarkupRow BlockTitle(TMarkupColor color, const std::string& text) {
    return Row().AlignLeft().Bold().Larger(4).Color(color).Text("  ").Text(text);
}

// The project as the summaries show it: an unknown test report type as SMS, a test period of
// nothing as ten minutes. A summary shows the project and never writes it.
TProjectInfo AsShown(const TProjectInfo& project) {
    TProjectInfo shown = project;
    CorrectTestReportType(shown);
    CorrectTestPeriod(shown);
    return shown;
}

void PeriodicTestSection(TRows& rows, const TProjectInfo& project, const TLanguageTexts& texts,
                         const TMarkupRow& heading) {
    const std::string period = TestPeriodText(project, texts);
    const TProjectInfo shown = AsShown(project);
    const RowBuilder b(shown, texts);
    const bool on = shown.TestEnabled;
    rows.push_back(Gap(5));
    rows.push_back(TMarkupRow(heading).Text(b.T("TREEPERTEST")));
    rows.push_back(Gap(5));
    rows.push_back(SectionCaption(on, b.T("REP_CAPPERTSTEN")).Text(" : ").PlainStyle().Text(b.OnOff(on)));
    rows.push_back(Gap(8));
    TMarkupRow periodRow = SectionCaption(on, Format(b.T("TREETIME"), b.T("CAPTIONPAGESMSTEXTEx2")));
    periodRow.Text(": ").PlainStyle().Text(period);
    rows.push_back(on ? periodRow.ListColor().FramesInTextColor() : periodRow);
    rows.push_back(Gap(7));
    rows.push_back(
        on ? SectionCaption(on, b.T("REP_CAPOFREPTAB"))
           : SectionCaption(on, b.T("REP_CAPOFREPTAB")).Color(TMarkupColor::Gray).FramesInTextColor());
    rows.push_back(TableTop());
    TMarkupRow header;
    rows.push_back(b.ReportHeaderRow(InColor(header, on)));
    b.TestReportRows(rows, on, InputClipStart());
}

// The test block as the project summary and its own summary show it: the table of tests, then the
// GSM and periodic test sections under their headings.
void TestBlockRows(TRows& rows, const TProjectInfo& project, const TLanguageTexts& texts,
                   const TMarkupRow& heading, const TMarkupRow& sectionHeading) {
    {
        const RowBuilder b(project, texts);
        rows.push_back(TMarkupRow(heading).Text(b.T("REP_CAPTTESTBLCK")));
        rows.push_back(Gap(5));
        rows.push_back(Row().Bold().Larger(2).Text("  ").Text(b.T("REP_CAPTESTTAB")));
        b.TestTable(rows);
        rows.push_back(Gap(5));
        b.GsmSection(rows, sectionHeading);
    }
    PeriodicTestSection(rows, project, texts, sectionHeading);
}

} // namespace

std::string HalfSecondsText(int halfSeconds) {
    return std::to_string(halfSeconds / 2) + "," + (halfSeconds % 2 ? "5" : "0");
}

std::string TestPeriodText(const TProjectInfo& project, const TLanguageTexts& texts) {
    const TProjectInfo shown = AsShown(project);
    const int d = shown.TestDays, h = shown.TestHours, m = shown.TestMinutes;
    static constexpr auto Days = TTextKey::Numbered("REP_PRTSDAY", std::make_index_sequence<31>{});
    static constexpr auto Hours = TTextKey::Numbered("REP_PRTSHOUR", std::make_index_sequence<24>{});
    // A value the lists cannot show (a file another program wrote) is shown as it is stored.
    const std::string day = d < static_cast<int>(Days.size())
                                ? texts.Text(Days[static_cast<std::size_t>(d)])
                                : WithArguments(texts.Text("PRG_PERIOD_DAYS"), {std::to_string(d)});
    const std::string hour = h < static_cast<int>(Hours.size())
                                 ? texts.Text(Hours[static_cast<std::size_t>(h)])
                                 : WithArguments(texts.Text("PRG_PERIOD_HOURS"), {std::to_string(h)});
    const std::string minutes = std::to_string(m) + "0 " + texts.Text("REP_PRTSMIN");
    if (d != 0) {
        if (h != 0)
            return day + " " + hour + " " + (m != 0 ? minutes : "");
        return day + (m != 0 ? " " + minutes : "");
    }
    if (h != 0)
        return hour + (m != 0 ? " " + minutes : "");
    return minutes;
}

TRows ProjectSummaryRows(const TProjectInfo& project, const TLanguageTexts& texts) {
    TRows rows;
    {
        const RowBuilder b(project, texts);
        rows.push_back(ReportTitle().Text(b.T("REP_ALL_CAP")));
        rows.push_back(Gap(3));
        rows.push_back(Row()
                           .Text("  ")
                           .Bold()
                           .Larger(4)
                           .Text(" ")
                           .Text(b.T("TREEPIN"))
                           .Text(": ")
                           .Color(TMarkupColor::Red)
                           .Value(std::string_view(project.Pin.data(), project.Pin.size())));
        rows.push_back(Gap(3));
        rows.push_back(NarrowTableBottom(360));
        for (std::size_t n = 1; n <= InputCount; ++n) {
            const TInputInfo& in = project.Inputs[n];
            rows.push_back(BlockTitle(TMarkupColor::Navy, b.T("TREEINPUT") + std::to_string(n)));
            rows.push_back(Gap(5));
            rows.push_back(Caption(b.T("REP_BASET_INP2"))
                               .Text(" : ")
                               .PlainStyle()
                               .Text(in.Enabled ? b.T("REP_BASEIN_VAL1") : b.T("REP_BASEIN_VAL2")));
            rows.push_back(Gap(5));
            b.SignalRow(rows, in);
            rows.push_back(Gap(9));
            b.TimeRows(rows, in);
            if (b.ReportTable(rows, in)) {
                rows.push_back(
                    Caption(b.T("LIST_CAPT_ENPOSTAN"))
                        .Text(" : ")
                        .PlainStyle()
                        .Text(project.ArmConfirmInput == n ? b.T("REP_OUTENVAL1") : b.T("REP_OUTENVAL2")));
                rows.push_back(" ");
            }
        }
        // A line across the page between the blocks, on a thin row between blank ones.
        const std::string divider =
            Row().Smaller(9).Column(360).SwapEdges().Column(19).Cell().Frame(TFrame::Bottom);
        rows.insert(rows.end(), {" ", divider, " "});
        for (std::size_t n = 1; n <= OutputCount; ++n) {
            rows.push_back(BlockTitle(TMarkupColor::Maroon, b.T("TREEOUTPUT") + std::to_string(n)));
            b.OutputRows(rows, project.Outputs[n], true);
        }
        const std::string blank = Row().ListColor().FramesInTextColor().Text(" ");
        rows.insert(rows.end(), {blank, divider, blank});
    }
    TestBlockRows(rows, project, texts,
                  Row()
                      .AlignLeft()
                      .Bold()
                      .Larger(3)
                      .ListColor()
                      .FramesInTextColor()
                      .Color(TMarkupColor::Navy)
                      .Text("  "),
                  Row().AlignLeft().Bold().Larger(2).Color(TMarkupColor::Teal).Text("  "));
    return rows;
}

TRows InputSummaryRows(const TProjectInfo& project, int n, const TLanguageTexts& texts) {
    TRows rows;
    if (n < 1 || n > static_cast<int>(InputCount))
        return rows;
    const RowBuilder b(project, texts);
    const TInputInfo& in = project.Inputs[static_cast<std::size_t>(n)];
    rows.push_back(PageTitle().Text(b.T("TREEINPUT") + std::to_string(n)));
    rows.push_back(Gap(5));
    b.SignalRow(rows, in);
    rows.push_back(Gap(9));
    b.TimeRows(rows, in);
    b.ReportTable(rows, in);
    return rows;
}

TInputChecks InputSummaryChecks(const TProjectInfo& project, int n) {
    TInputChecks checks;
    if (n < 1 || n > static_cast<int>(InputCount))
        return checks;
    checks.InputChecked = project.Inputs[static_cast<std::size_t>(n)].Enabled;
    // The fourth input cannot confirm arming.
    if (n == 4)
        return checks;
    checks.ArmEnabled = project.ArmConfirmInput == 0 || project.ArmConfirmInput == n;
    checks.ArmChecked = project.ArmConfirmInput == n;
    return checks;
}

TRows OutputSummaryRows(const TProjectInfo& project, int n, const TLanguageTexts& texts) {
    TRows rows;
    if (n < 1 || n > static_cast<int>(OutputCount))
        return rows;
    const RowBuilder b(project, texts);
    rows.push_back(PageTitle().Text("  ").Text(b.T("TREEOUTPUT") + std::to_string(n)));
    b.OutputRows(rows, project.Outputs[static_cast<std::size_t>(n)], false);
    return rows;
}

TRows TestBlockSummaryRows(const TProjectInfo& project, const TLanguageTexts& texts) {
    TRows rows;
    TestBlockRows(rows, project, texts, PageTitle().Text("  "),
                  Row().AlignLeft().Bold().Larger(2).Color(TMarkupColor::Navy).Text("  "));
    return rows;
}

TRows GsmSupervisionRows(const TProjectInfo& project, const TLanguageTexts& texts) {
    const RowBuilder b(project, texts);
    TRows rows;
    rows.push_back(PageTitle().Text("  ").Text(b.T("REP_TESTTABVAL3")));
    rows.push_back(Gap(5));
    rows.push_back(Caption(b.T("REP_CAPTGSMMEN")).Text(" : ").PlainStyle().Text(b.OnOff(project.GsmEnabled)));
    rows.push_back(Gap(5));
    rows.push_back(Caption(b.T("REP_CAPTGSMSIGN")).Text(": ").PlainStyle().Text(b.Level(project.GsmLevel)));
    rows.push_back(Gap(9));
    rows.push_back(Caption(b.T("REP_TIME")));
    rows.push_back("  " + TimeRow(b.T("REP_TRESPONCE"), Row().Text(b.Tens(project.GsmReactionTime))));
    rows.push_back("  " +
                   TimeRow(b.T("REP_TLOCKOUT") + " ", Row().Text(" ").Text(b.Tens(project.GsmLockoutTime))));
    rows.push_back(Gap(9));
    rows.push_back(Caption(b.T("REP_CAPTSMSPHON")).Text(" ").PlainStyle().Text(b.Phone(project.GsmSmsPhone)));
    rows.push_back(Gap(9));
    rows.push_back(Caption(b.T("REP_CAPINSMSTEXT")));
    b.GsmSmsRows(rows, true);
    rows.push_back(Caption(b.T("REP_CAPRESSMSUSE"))
                       .Text(" ")
                       .PlainStyle()
                       .Text(project.GsmRestoreSms ? b.T("REP_RESSMSUSE_V1") : b.T("REP_RESSMSUSE_V2")));
    return rows;
}

TRows PeriodicTestRows(const TProjectInfo& project, const TLanguageTexts& texts) {
    const std::string period = TestPeriodText(project, texts);
    const TProjectInfo shown = AsShown(project);
    const RowBuilder b(shown, texts);
    TRows rows;
    rows.push_back(Row().CentreRow().Bold().Larger(4).Text("  ").Text(b.T("TREEPERTEST")));
    rows.push_back(Gap(5));
    rows.push_back(
        Caption(Format(b.T("TREETIME"), b.T("CAPTIONPAGESMSTEXTEx2"))).Text(": ").PlainStyle().Text(period));
    rows.push_back(Gap(7));
    rows.push_back(Caption(b.T("REP_CAPOFREPTAB")));
    rows.push_back(TableTop());
    rows.push_back(b.ReportHeaderRow());
    b.TestReportRows(rows, true, SummaryClipStart());
    return rows;
}

} // namespace korvisel
