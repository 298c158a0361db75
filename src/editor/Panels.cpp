// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/Panels.h"

#include "editor/DeviceEdits.h"
#include "i18n/CodeLanguage.h"
#include "i18n/CodePage.h"

#include <functional>

namespace korvisel {
namespace {

// Frequent rows and row pieces of the tables.
constexpr char TableTop[] = "/d9/i4/n1/p0/ic/i0/n2/p0/ie/pb";
constexpr char TableBottom[] = "/d9/i4/n1/p0/ic/i0/n2/p0/ie/pt";
constexpr char ReportRowStart[] = "/i1/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/ae";
constexpr char ReportRowMiddle[] = "/i4/n1/p0/ix/pa";
constexpr char ReportRowEnd[] = " /pa/i4/n1/p0/ix/pa/ae /ix/i-/pa";
constexpr char InputClipStart[] = "/i1/n4/p0/ic/i0/n2/p0/ie/pk/pk/i+/pk";
constexpr char DimmedClipStart[] = "/cd/i1/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa";
constexpr char SummaryClipStart[] = "/i1/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pk";
constexpr char TestSmsSpacer[] = "/i4/n1/p0/ic/i0/n2/p0/ie/pa/i+/pa/al   /ix/i-/pa";

// A value the user typed goes into a row as text: its slashes must not start codes.
std::string Literal(const std::string& text) {
    std::string out;
    for (char c : text)
        (c == '/' ? out += "//" : out += c);
    return out;
}

// Texts the device keeps are its own bytes; rows are UTF-8.
std::string DeviceText(const std::string& bytes) {
    return Literal(Latin1ToUtf8(bytes));
}

std::string Format(const std::string& templateText, const std::string& value) {
    std::string out = templateText;
    const std::size_t at = out.find("%s");
    if (at != std::string::npos)
        out.replace(at, 2, value);
    return out;
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
            rows.push_back("/sb  " + T("REP_SIGNAL") + " /sn" + T(keys[in.Signal]));
        else
            rows.push_back("  " + T("REP_SIGNAL") + T("REP_SIGNAL1"));
    }

    void TimeRows(TRows& rows, const TInputInfo& in) const {
        rows.push_back("/sb  " + T("REP_TIME"));
        for (const auto& [key, value] : {std::pair{TTextKey("REP_TRESPONCE"), in.ReactionTime},
                                         std::pair{TTextKey("REP_TRESTORE"), in.RestoreTime},
                                         std::pair{TTextKey("REP_TLOCKOUT"), in.LockoutTime}})
            rows.push_back("  " + Format("/sb  " + T(key) + "/sn", "/sn" + HalfSecondsText(value)));
    }

    std::string ReportRow(const char* kind, int phone) const {
        return ReportRowStart + std::string(kind) + ReportRowMiddle + Phone(phone) + ReportRowEnd;
    }
    std::string ClipEventRow(const char* start, int phone) const {
        return start + std::string("/aeCLIP/i4/n1/p0/ix/pa    EVENT = ") + Phone(phone) + ReportRowEnd;
    }
    std::string ReportHeaderRow() const {
        return "/i1/n4/p0/ic/i0/n2/p0/ie/pd/pa/i+/pa/ae" + T("REP_REPTAB2") + "/i4/n1/p0/ix/pd" +
               T("REP_REPTAB3") + "/pa/i4/n1/p0/ix/pa/ae /ix/i-/pa";
    }

    void ContactIdTable(TRows& rows, const TContactId& cid) const {
        const auto symbols = [](const auto& field) {
            return Literal(std::string(field.begin(), field.end()));
        };
        rows.push_back("/sb " + T("REP_CAPOFCIDTAB"));
        rows.push_back("/d9/i3/n5/p9/ic/i0/n2/p0/ie/pb");
        rows.push_back("/i1/n5/p0/ic/i0/n2/p0/ie/pr/i+/pr/ae" + T("REP_CIDTAB1") + "/i3/n6/p0/ix/i-/pr" +
                       T("REP_CIDTAB2") + "/ix/i-/pr");
        rows.push_back("/i1/n5/p0/ic/i0/n2/p0/ie/pr/i+/pr/al  " + T("REP_CIDVAL1") + "/i3/n6/p0/ix/pr/sb  " +
                       symbols(cid.Object) + "/ix/i-/pr");
        const std::pair<TTextKey, std::string> values[] = {{TTextKey("REP_CIDVAL2"), symbols(cid.Code)},
                                                           {TTextKey("REP_CIDVAL3"), symbols(cid.Zone)},
                                                           {TTextKey("REP_CIDVAL4"), symbols(cid.Partition)}};
        for (const auto& [key, value] : values)
            rows.push_back("/i1/n5/p0/ic/i0/n2/p0/ie/pa/i+/pk/al  " + T(key) + "/i3/n6/p0/ix/pa/sb  " +
                           value + "/ix/i-/pa");
        rows.push_back("/d9/i3/n6/p0/ic/i0/n1/p9/ie/pt");
        // What the code means, under the table: the cells are too narrow for the longer meanings.
        const std::string code = ContactIdCodeOf(cid);
        if (const std::string_view meaning = ContactIdCodeMeaning(code, CodeLanguageFor(texts_));
            !meaning.empty())
            rows.push_back("  " + T("REP_CIDVAL2") + " " + Literal(code) + ": " +
                           Literal(std::string(meaning)));
    }

    // Returns whether the report was SMS (the last case, which any unknown type falls into).
    bool ReportTable(TRows& rows, const TInputInfo& in) const {
        rows.push_back("/d8");
        rows.push_back("/sb  " + T("REP_CAPOFREPTAB"));
        rows.push_back(TableTop);
        rows.push_back(ReportHeaderRow());
        switch (in.ReportType) {
        case Report::Alarm:
            rows.push_back(ReportRow(" ALARM ", in.AlarmPhone));
            rows.push_back(TableBottom);
            return false;
        case Report::Clip:
            rows.push_back(ClipEventRow(InputClipStart, in.ClipEventPhone));
            rows.push_back("/i1/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/ae /i4/n1/p0/ix/paRESTORE = " +
                           Phone(in.ClipRestorePhone) + ReportRowEnd);
            rows.push_back(TableBottom);
            return false;
        case Report::Data:
            rows.push_back(ReportRow(" DATA ", in.DataPhone));
            rows.push_back(TableBottom);
            ContactIdTable(rows, in.Cid);
            return false;
        default:
            rows.push_back(ReportRow(" SMS ", in.SmsPhone));
            rows.push_back(TableBottom);
            rows.push_back("/sb  " + T("REP_CAPINSMSTEXT"));
            rows.push_back(TableTop);
            rows.push_back("/i2/n0/p5/ic/i0/n2/p0/ie/pr/i+/pr/ae" + T("SMS_REP_EVEN") + "/i4/n1/p0/ix/i-/pr" +
                           T("SMS_REP_REST") + "/ix/i-/pr");
            rows.push_back("/i2/n0/p5/ic/i0/n2/p0/ie/pd/i+/pd/al " + DeviceText(in.SmsEventText) +
                           "/i4/n1/p0/ix/pd " + DeviceText(in.SmsRestoreText) + "/ix/i-/pd");
            rows.push_back("/i2/n0/p5/ic/i0/n2/p0/ie/pa/i+/pa/al  /i4/n1/p0/ix/pa /ix/i-/pa");
            rows.push_back("/d9/i4/n1/p0/ic/i0/n1/p9/ie/pt");
            return true;
        }
    }

    std::string PhoneIndex(int index) const {
        return index == 0 ? T("PRINF_Z_PHONENUM") : std::to_string(index);
    }

    void OutputRows(TRows& rows, const TOutputInfo& out, bool inProjectSummary) const {
        static constexpr TTextKey types[] = {"REP_OUTTYPEVAL1", "REP_OUTTYPEVAL2", "REP_OUTTYPEVAL3"};
        rows.push_back("/d5");
        rows.push_back("/sb  " + T("REP_CAPOUTENPAGE") + ":/sn " +
                       (out.StartState == 0   ? T("REP_OUTENVAL1")
                        : out.StartState == 1 ? T("REP_OUTENVAL2")
                                              : std::string{}));
        rows.push_back("/d7");
        rows.push_back("/sb  " + T("REP_CAPOUTTYPE") + ":/sn " +
                       (out.WorkType <= 2 ? T(types[out.WorkType]) : ""));
        rows.push_back("/d7");
        rows.push_back("/sb  " + T("REP_CAPOUTTIME") + "/sn: " + HalfSecondsText(out.Time) + " " +
                       T("LIST_TIME_VAL4"));
        rows.push_back("/d8");
        rows.push_back("/sb  " + T("REP_CAPOUTCPHON"));
        rows.push_back(TableTop);
        rows.push_back("/i2/n4/p0/ic/i0/n2/p0/ie/pr/ix/i-/ix/i+/pr/ae" + T("REP_BASET_PHON1") +
                       " /pr/i4/n1/p0/ix/i+/pr" + T("REP_BASET_PHON3") + "/ix/i-/pr");
        rows.push_back("/i2/n4/p0/ic/i0/n2/p0/ie/pk/pr/i+/pr/ae" + PhoneIndex(out.ControlPhone) +
                       "/pr/i4/n1/p0/ix/pr/ae" + T("REP_BASET_PHON3_V1") + "/ix/i-/pr");
        rows.push_back("/i2/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/ae" + PhoneIndex(out.AnswerPhone) +
                       "/pa/i4/n1/p0/ix/pa/ae" + T("REP_BASET_PHON3_V2") + "/ix/i-/pa");
        rows.push_back(TableBottom);
        rows.push_back("/sb  " + T("REP_CAPOUTSMSCN"));
        rows.push_back("/d9/i4/n0/p9/ic/i0/n2/p0/ie/pb");
        rows.push_back("/i2/n1/p0/ic/i0/n2/p0/ie/pr/i+/pr/ae" + T("REP_OUTSMSCNVAL1") + "/i4/n1/p0/ix/i-/pr" +
                       T("REP_OUTSMSCNVAL2") + "/ix/i-/pr");
        rows.push_back("/i2/n1/p0/ic/i0/n2/p0/ie/pd/i+/pd/al " + DeviceText(out.ControlText) +
                       "/i4/n1/p0/ix/pd " + DeviceText(out.QueryText) + "/ix/i-/pd");
        rows.push_back("/i2/n1/p0/ic/i0/n2/p0/ie/pa/i+/pk/al  /i4/n1/p0/ix/pa/sb /ix/i-/pa");
        rows.push_back("/d9/i4/n0/p9/ic/i0/n1/p9/ie/pt");
        rows.push_back("/sb  " + T("REP_CAPOUTSMSAN") + (inProjectSummary ? "/cn/ct" : ""));
        rows.push_back("/d9/i4/n0/p9/ic/i0/n2/p0/ie/pb");
        rows.push_back("/i2/n1/p5/ic/i0/n2/p0/ie/pr/i+/pr/ae" + T("REP_OUTSMSANVAL1") + "/i4/n1/p0/ix/pr" +
                       T("REP_OUTSMSANVAL2") + "/ix/i-/pr");
        rows.push_back("/i2/n1/p5/ic/i0/n2/p0/ie/pd/i+/pd/al " + DeviceText(out.OnAnswerText) +
                       "/i4/n1/p0/ix/pd " + DeviceText(out.OffAnswerText) + "/ix/i-/pd");
        rows.push_back("/i2/n1/p5/ic/i0/n2/p0/ie/pa/i+/pk/al  /i4/n1/p0/ix/pa  /ix/i-/pa");
        rows.push_back(std::string("/d9/i4/n1/p0/ic/i0/n1/p9/ie/pt") + (inProjectSummary ? "/cn/ct" : ""));
    }

    void TestTable(TRows& rows) const {
        rows.push_back(TableTop);
        rows.push_back("/i2/n4/p0/ic/i0/n2/p0/ie/pr/i+/ix/ix/pr/ae" + T("REP_TESTTABVAL1") + "/i4/n1/p0/pr" +
                       T("REP_TESTTABVAL2") + "/i-/pr");
        rows.push_back("/i2/n4/p0/ic/i0/n2/p0/ie/pk/pr/i+/pr/al     " + T("REP_TESTTABVAL3") +
                       "/pr/i4/n1/p0/ix/pr/ae" + "/sn" + OnOff(p_.GsmEnabled) + "/ix/i-/pr");
        rows.push_back("/i2/n4/p0/ic/i0/n2/p0/ie/pk/pa/i+/pa/al     " + T("TREEPERTEST") +
                       "/pa/i4/n1/p0/ix/pa/ae" + "/sn" + OnOff(p_.TestEnabled) + "/ix/i-/pa");
        rows.push_back(TableBottom);
    }

    // The five rows of the supervision's SMS texts.
    void GsmSmsRows(TRows& rows, const std::string& prefix) const {
        rows.push_back(prefix + TableTop);
        rows.push_back(prefix + "/i2/n1/p5/ic/i0/n2/p0/ie/pr/i+/pr/ae" + T("SMS_REP_EVEN") +
                       "/i4/n1/p0/ix/i-/pr" + T("SMS_REP_REST") + "/ix/i-/pr");
        rows.push_back(prefix + "/i2/n1/p5/ic/i0/n2/p0/ie/pd/i+/pd/al " + DeviceText(p_.GsmEventText) +
                       "/i4/n1/p0/ix/pd " + DeviceText(p_.GsmRestoreText) + "/ix/i-/pd");
        rows.push_back(prefix + "/i2/n1/p5/ic/i0/n2/p0/ie/pa/i+/pa/al  /i4/n1/p0/ix/pa /ix/i-/pa");
        rows.push_back(prefix + "/d9/i4/n1/p0/ic/i0/n1/p9/ie/pt");
    }

    // A disabled supervision is shown in gray.
    void GsmSection(TRows& rows, const std::string& heading) const {
        const bool on = p_.GsmEnabled;
        const std::string key = on ? "/sb/cn  " : "/sb/cd  ";
        const std::string value = on ? "/cn  " : "/cd  ";
        rows.push_back(heading + T("REP_TESTTABVAL3"));
        rows.push_back("/d5");
        rows.push_back(key + T("REP_CAPTGSMMEN") + " : " + "/sn" + OnOff(on));
        rows.push_back("/d5");
        rows.push_back(key + T("REP_CAPTGSMSIGN") + ": /sn" + Level(p_.GsmLevel));
        rows.push_back("/d9");
        rows.push_back(key + T("REP_TIME"));
        rows.push_back(value +
                       Format("/sb  " + T("REP_TRESPONCE") + "/sn", "/sn" + Tens(p_.GsmReactionTime)));
        rows.push_back(value +
                       Format("/sb  " + T("REP_TLOCKOUT") + " /sn", "/sn " + Tens(p_.GsmLockoutTime)));
        rows.push_back("/d9");
        rows.push_back(key + T("REP_CAPTSMSPHON") + " /sn" + Phone(p_.GsmSmsPhone));
        rows.push_back("/d9");
        rows.push_back(on ? "/sb/cn  " + T("REP_CAPINSMSTEXT")
                          : "/sb/cd  " + T("REP_CAPINSMSTEXT") + "/ck/ct/");
        GsmSmsRows(rows, on ? "" : "/cd");
        rows.push_back(key + T("REP_CAPRESSMSUSE") + " /sn" +
                       (p_.GsmRestoreSms ? T("REP_RESSMSUSE_V1") : T("REP_RESSMSUSE_V2")));
    }

    // The report rows of the periodic test. Disabled, they are gray but for the table edges.
    void TestReportRows(TRows& rows, bool on, const char* clipStart) const {
        const auto dim = [on](std::string row) { return on || row.starts_with("/d9") ? row : "/cd" + row; };
        switch (p_.TestReportType) {
        case Report::Clip:
            rows.push_back(on ? ClipEventRow(clipStart, p_.TestClipPhone1)
                              : ClipEventRow(DimmedClipStart, p_.TestClipPhone1));
            rows.push_back(TableBottom);
            return;
        case Report::Data: {
            rows.push_back(dim(ReportRow(" DATA ", p_.TestDataPhone)));
            rows.push_back(TableBottom);
            TRows cid;
            ContactIdTable(cid, p_.TestCid);
            for (std::string& row : cid)
                rows.push_back(dim(std::move(row)));
            return;
        }
        default:
            rows.push_back(dim(ReportRow(" SMS ", p_.TestSmsPhone)));
            rows.push_back(TableBottom);
            rows.push_back((on ? "/sb  " : "/sb/cd  ") + T("REP_CAPINSMSTEXT"));
            rows.push_back(TableTop);
            rows.push_back(dim("/i4/n1/p0/ic/i0/n2/p0/ie/pr/i+/pr/ae" + T("SMS_REP_EVEN") + "/ix/i-/pr"));
            rows.push_back(
                dim("/i4/n1/p0/ic/i0/n2/p0/ie/pd/i+/pd/al " + DeviceText(p_.TestSmsText) + "/ix/i-/pd"));
            rows.push_back(TestSmsSpacer);
            rows.push_back("/d9/i4/n1/p0/ic/i0/n1/p9/ie/pt");
        }
    }

private:
    const TProjectInfo& p_;
    const TLanguageTexts& texts_;
};

// The project as the summaries show it: an unknown test report type as SMS, a test period of
// nothing as ten minutes. A summary shows the project and never writes it.
TProjectInfo AsShown(const TProjectInfo& project) {
    TProjectInfo shown = project;
    CorrectTestReportType(shown);
    CorrectTestPeriod(shown);
    return shown;
}

void PeriodicTestSection(TRows& rows, const TProjectInfo& project, const TLanguageTexts& texts,
                         const std::string& heading) {
    const std::string period = TestPeriodText(project, texts);
    const TProjectInfo shown = AsShown(project);
    const RowBuilder b(shown, texts);
    const bool on = shown.TestEnabled;
    const std::string key = on ? "/sb/cn  " : "/sb/cd  ";
    rows.push_back("/d5");
    rows.push_back(heading + b.T("TREEPERTEST"));
    rows.push_back("/d5");
    rows.push_back(key + b.T("REP_CAPPERTSTEN") + " : " + "/sn" + b.OnOff(on));
    rows.push_back("/d8");
    rows.push_back(key + Format(b.T("TREETIME"), b.T("CAPTIONPAGESMSTEXTEx2")) + ": /sn" + period +
                   (on ? "/cn/ct" : ""));
    rows.push_back("/d7");
    rows.push_back(on ? "/sb/cn  " + b.T("REP_CAPOFREPTAB")
                      : "/sb/cd  " + b.T("REP_CAPOFREPTAB") + "/ck/ct/");
    rows.push_back(TableTop);
    rows.push_back((on ? "/cn" : "/cd") + b.ReportHeaderRow());
    b.TestReportRows(rows, on, InputClipStart);
}

// The test block as the project summary and its own summary show it: the table of tests, then the
// GSM and periodic test sections under their headings.
void TestBlockRows(TRows& rows, const TProjectInfo& project, const TLanguageTexts& texts,
                   const std::string& heading, const std::string& sectionHeading) {
    {
        const RowBuilder b(project, texts);
        rows.push_back(heading + b.T("REP_CAPTTESTBLCK"));
        rows.push_back("/d5");
        rows.push_back("/sb/z2  " + b.T("REP_CAPTESTTAB"));
        b.TestTable(rows);
        rows.push_back("/d5");
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
    const std::string& day = texts.Text(Days[static_cast<std::size_t>(d >= 1 && d <= 30 ? d : 0)]);
    const std::string& hour = texts.Text(Hours[static_cast<std::size_t>(h <= 23 ? h : 0)]);
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
        rows.push_back("/nx/pm/ac/cb/z6/sb" + b.T("REP_ALL_CAP"));
        rows.push_back("/d3");
        rows.push_back("  /sb/z4 " + b.T("TREEPIN") + ": /cr" +
                       Literal(std::string(project.Pin.begin(), project.Pin.end())));
        rows.push_back("/d3");
        rows.push_back("/d9/i3/n6/p0/ic/i0/n1/p9/ie/pt");
        for (std::size_t n = 1; n <= InputCount; ++n) {
            const TInputInfo& in = project.Inputs[n];
            rows.push_back("/al/sb/z4/ch  " + b.T("TREEINPUT") + std::to_string(n));
            rows.push_back("/d5");
            rows.push_back("/sb  " + b.T("REP_BASET_INP2") + " : " + "/sn" +
                           (in.Enabled ? b.T("REP_BASEIN_VAL1") : b.T("REP_BASEIN_VAL2")));
            rows.push_back("/d5");
            b.SignalRow(rows, in);
            rows.push_back("/d9");
            b.TimeRows(rows, in);
            if (b.ReportTable(rows, in)) {
                rows.push_back("/sb  " + b.T("LIST_CAPT_ENPOSTAN") + " : /sn" +
                               (project.ArmConfirmInput == n ? b.T("REP_OUTENVAL1") : b.T("REP_OUTENVAL2")));
                rows.push_back(" ");
            }
        }
        rows.insert(rows.end(), {" ", "/d9/i3/n6/p0/ix/i0/n1/p9/ie/pb", " "});
        for (std::size_t n = 1; n <= OutputCount; ++n) {
            rows.push_back("/al/sb/z4/cm  " + b.T("TREEOUTPUT") + std::to_string(n));
            b.OutputRows(rows, project.Outputs[n], true);
        }
        rows.insert(rows.end(), {"/cn/ct ", "/d9/i3/n6/p0/ix/i0/n1/p9/ie/pb", "/cn/ct "});
    }
    TestBlockRows(rows, project, texts, "/al/sb/z3/cn/ct/ch  ", "/al/sb/z2/cq  ");
    return rows;
}

TRows InputSummaryRows(const TProjectInfo& project, int n, const TLanguageTexts& texts) {
    TRows rows;
    if (n < 1 || n > static_cast<int>(InputCount))
        return rows;
    const RowBuilder b(project, texts);
    const TInputInfo& in = project.Inputs[static_cast<std::size_t>(n)];
    rows.push_back("/ac/sb/z4/cn/ct" + b.T("TREEINPUT") + std::to_string(n));
    rows.push_back("/d5");
    b.SignalRow(rows, in);
    rows.push_back("/d9");
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
    rows.push_back("/ac/sb/z4/cn/ct  " + b.T("TREEOUTPUT") + std::to_string(n));
    b.OutputRows(rows, project.Outputs[static_cast<std::size_t>(n)], false);
    return rows;
}

TRows TestBlockSummaryRows(const TProjectInfo& project, const TLanguageTexts& texts) {
    TRows rows;
    TestBlockRows(rows, project, texts, "/ac/sb/z4/cn/ct  ", "/al/sb/z2/ch  ");
    return rows;
}

TRows GsmSupervisionRows(const TProjectInfo& project, const TLanguageTexts& texts) {
    const RowBuilder b(project, texts);
    TRows rows;
    rows.push_back("/ac/sb/z4/cn/ct  " + b.T("REP_TESTTABVAL3"));
    rows.push_back("/d5");
    rows.push_back("/sb  " + b.T("REP_CAPTGSMMEN") + " : " + "/sn" + b.OnOff(project.GsmEnabled));
    rows.push_back("/d5");
    rows.push_back("/sb  " + b.T("REP_CAPTGSMSIGN") + ": /sn" + b.Level(project.GsmLevel));
    rows.push_back("/d9");
    rows.push_back("/sb  " + b.T("REP_TIME"));
    rows.push_back("  " +
                   Format("/sb  " + b.T("REP_TRESPONCE") + "/sn", "/sn" + b.Tens(project.GsmReactionTime)));
    rows.push_back("  " +
                   Format("/sb  " + b.T("REP_TLOCKOUT") + " /sn", "/sn " + b.Tens(project.GsmLockoutTime)));
    rows.push_back("/d9");
    rows.push_back("/sb  " + b.T("REP_CAPTSMSPHON") + " /sn" + b.Phone(project.GsmSmsPhone));
    rows.push_back("/d9");
    rows.push_back("/sb  " + b.T("REP_CAPINSMSTEXT"));
    b.GsmSmsRows(rows, "");
    rows.push_back("/sb  " + b.T("REP_CAPRESSMSUSE") + " /sn" +
                   (project.GsmRestoreSms ? b.T("REP_RESSMSUSE_V1") : b.T("REP_RESSMSUSE_V2")));
    return rows;
}

TRows PeriodicTestRows(const TProjectInfo& project, const TLanguageTexts& texts) {
    const std::string period = TestPeriodText(project, texts);
    const TProjectInfo shown = AsShown(project);
    const RowBuilder b(shown, texts);
    TRows rows;
    rows.push_back("/ac/sb/z4  " + b.T("TREEPERTEST"));
    rows.push_back("/d5");
    rows.push_back("/sb  " + Format(b.T("TREETIME"), b.T("CAPTIONPAGESMSTEXTEx2")) + ": /sn" + period);
    rows.push_back("/d7");
    rows.push_back("/sb  " + b.T("REP_CAPOFREPTAB"));
    rows.push_back(TableTop);
    rows.push_back(b.ReportHeaderRow());
    b.TestReportRows(rows, true, SummaryClipStart);
    return rows;
}

TRows PrintInfoRows(const TDopPrintInfo& print, const TLanguageTexts& texts) {
    const auto T = [&](TTextKey key) { return texts.Text(key); };
    const auto orLine = [](const std::string& value, const std::string& blank) {
        return value.empty() ? blank : Literal(value);
    };
    const std::string longLine = "    _______________________________";
    TRows rows;
    rows.push_back("/nx/pm/ac/cb/z6/sb " + T("REP2_CAPTION"));
    rows.push_back("/d3");
    rows.push_back("/sb/z4 " + T("REP2_SER_NUM"));
    rows.push_back("/d3");
    rows.push_back(print.SerialNumber.empty() ? longLine : "    " + Literal(print.SerialNumber));
    rows.push_back("/d5");
    rows.push_back("/sb/z4 " + T("REP2_FWARE_VER"));
    rows.push_back("/d3");
    rows.push_back(print.FirmwareVersion.empty() ? "    _______________"
                                                 : "    " + Literal(print.FirmwareVersion));
    rows.push_back("/d5");
    rows.push_back("/sb/z4 " + T("REP2_POWER_SUP"));
    rows.push_back("/d3");
    switch (print.PowerSupply.Kind) {
    case PowerKind::PowerUnit:
        rows.push_back("    " + T("REP_BASE_PWSUPPLY1"));
        break;
    case PowerKind::Accumulator:
        rows.push_back("    " + T("REP_BASE_PWSUPPLY2"));
        break;
    case PowerKind::Other:
        rows.push_back("    " + orLine(print.PowerSupply.OtherText, T("REP_BASE_PWSUPPLY3")));
        break;
    default:
        break;
    }
    rows.push_back("/d5");
    rows.push_back("/sb/z4 " + T("REP2_SIM_PHONE"));
    rows.push_back("/d3");
    rows.push_back(orLine(print.SimPhone, longLine));
    rows.push_back("/d5");
    rows.push_back("/sb/z4 " + T("REP2_REG_NUM"));
    rows.push_back("/d3");
    rows.push_back(orLine(print.RegNumber, longLine));
    rows.push_back("/d5");
    rows.push_back("/sb/z4 " + T("REP2_COMMENT"));
    rows.push_back("/d3");
    for (std::size_t start = 0, cr; (cr = print.Comment.find('\r', start)) != std::string::npos;
         start = cr + 1)
        rows.push_back("    " + Literal(print.Comment.substr(start, cr - start)));
    rows.push_back("/d5");
    return rows;
}

std::vector<std::string> CommentLines(const std::string& comment) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t cr; (cr = comment.find('\r', start)) != std::string::npos; start = cr + 1)
        lines.push_back(comment.substr(start, cr - start));
    if (lines.empty() || start < comment.size())
        lines.push_back(comment.substr(start));
    return lines;
}

} // namespace korvisel
