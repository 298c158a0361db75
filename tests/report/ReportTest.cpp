// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportLayout.h"
#include "report/ReportValues.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvisel {
namespace {

class ReportTest : public ::testing::Test {
protected:
    TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TProjectInfo project;
    TDopPrintInfo print;

    std::string Value(const char* name, int inputRow = 0, int phoneRow = 0, std::string deviceType = {}) {
        return ReportVariable({project, print, texts, std::move(deviceType), inputRow, phoneRow}, name);
    }
    std::vector<TReportPage> Pages() { return ConfigurationReportPages(project, print, texts); }
    static std::vector<std::string> Texts(const TReportPage& page) {
        std::vector<std::string> texts;
        for (const TReportRun& run : page.Runs)
            texts.push_back(run.Text);
        return texts;
    }
};

TEST_F(ReportTest, ANewProject) {
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(Value("INNUMBER", row), "Input " + std::to_string(row + 1));
        EXPECT_EQ(Value("INCON", row), "Turning off");
    }
    for (int row = 0; row < 9; ++row) {
        EXPECT_EQ(Value("PHLINE", 0, row), std::to_string(row + 1));
        EXPECT_EQ(Value("PHONE", 0, row), "Not Present");
        EXPECT_EQ(Value("PHSTATUS", 0, row), "Free");
    }
    EXPECT_EQ(Value("PINCODE"), "9481");
    EXPECT_EQ(Value("SMSCENTPH"), "Not Present");
    EXPECT_EQ(Value("LISTNUM"), "2/2");
    EXPECT_EQ(Value("BCAPTION"), "Device Profile of\rKORvisel 690");
    EXPECT_EQ(Value("BCAPTION", 0, 0, "KORvisel 500"), "Device Profile of\rKORvisel 500");
    EXPECT_EQ(Value("FVERSION"), "Firmware version : ___________");
    EXPECT_EQ(Value("PSUPPLY"), "Power supply : Power unit");
    EXPECT_EQ(Value("SIMPHONEVAR"), std::string(54, '_'));
    EXPECT_EQ(Value("KRVMODEL"), "The general adjustments of the device KORVISEL 693");
    EXPECT_EQ(Value("serial"), "Serial Number : ") << "names are compared without regard to case";
    EXPECT_EQ(Value("NOSUCHNAME"), "");
}

TEST_F(ReportTest, ValuesFollowTheProject) {
    project.Inputs[1].Enabled = true;
    project.Inputs[3].Enabled = true;
    EXPECT_EQ(Value("LISTNUM"), "2/4");
    EXPECT_EQ(Value("INCON", 2), "Turning on");
    // A DATA input names its event code and what it means; an unknown code stands alone.
    project.Inputs[3].ReportType = TReportKind::Data;
    project.Inputs[3].Cid.Code = {'1', '3', '0'};
    EXPECT_EQ(Value("INCON", 2), "Turning on, DATA 130 Burglary");
    project.Inputs[3].Cid.Code = {'9', '9', '9'};
    EXPECT_EQ(Value("INCON", 2), "Turning on, DATA 999");
    project.Inputs[3].Enabled = false;
    EXPECT_EQ(Value("INCON", 2), "Turning off");
    project.Inputs[3].Enabled = true;

    project.Phones[2] = {"+7900", "NAME2", false};
    project.Inputs[1].ReportType = TReportKind::Clip;
    project.Inputs[1].ClipEventPhone = 2;
    project.Inputs[1].ClipRestorePhone = 5;
    project.Inputs[2].ReportType = TReportKind::Sms;
    project.Inputs[2].SmsPhone = 2;
    project.Inputs[3].ReportType = TReportKind::Data;
    project.Inputs[3].DataPhone = 7;
    project.Inputs[4].ReportType = TReportKind::Alarm;
    project.Inputs[4].AlarmPhone = 5;
    EXPECT_EQ(Value("PHSTATUS", 0, 1), "CLIP & SMS");
    EXPECT_EQ(Value("PHSTATUS", 0, 4), "CLIP & ALARM");
    EXPECT_EQ(Value("PHSTATUS", 0, 6), "DATA");
    EXPECT_EQ(Value("PHONE", 0, 1), "+7900");

    print.PowerSupply = {PowerKind::Other, ""};
    EXPECT_EQ(Value("PSUPPLY"), "Power supply : " + std::string(13, '_'));
    print.PowerSupply.OtherText = "Solar panel";
    EXPECT_EQ(Value("PSUPPLY"), "Power supply : Solar panel");

    const std::string line(54, '_');
    print.Comment = "  \r ";
    EXPECT_EQ(Value("BASECOM"), line + "\r" + line + "\r" + line + "\r" + line) << "a blank comment";
    print.Comment = "Gate\rGarage\r";
    EXPECT_EQ(Value("BASECOM"), "Gate\rGarage\r");
}

// A phone printed "Free" is one an installer reuses: whatever else reports to it or listens to it is
// named; the periodic test and GSM supervision only while they are on.
TEST_F(ReportTest, APhoneThatAnythingUsesIsNeverFree) {
    const struct {
        const char* what;
        void (*set)(TProjectInfo&);
        int phone;
        const char* status;
    } cases[] = {
        {"a DATA report",
         [](TProjectInfo& p) { p.Inputs[2].ReportType = TReportKind::Data, p.Inputs[2].DataPhone = 7; }, 7,
         "DATA"},
        {"the test by SMS",
         [](TProjectInfo& p) {
             p.TestEnabled = true, p.TestReportType = TReportKind::Sms, p.TestSmsPhone = 3;
         },
         3, "Test"},
        {"the test when off",
         [](TProjectInfo& p) { p.TestReportType = TReportKind::Sms, p.TestSmsPhone = 3; }, 3, "Free"},
        {"the test's CLIP restore phone",
         [](TProjectInfo& p) {
             p.TestEnabled = true, p.TestReportType = TReportKind::Clip;
             p.TestClipPhone1 = 4, p.TestClipPhone2 = 6, p.TestSmsPhone = 6;
         },
         6, "Test"},
        {"the test's SMS phone while it reports by DATA",
         [](TProjectInfo& p) {
             p.TestEnabled = true, p.TestReportType = TReportKind::Data;
             p.TestDataPhone = 2, p.TestSmsPhone = 6;
         },
         6, "Free"},
        {"GSM supervision", [](TProjectInfo& p) { p.GsmEnabled = true, p.GsmSmsPhone = 1; }, 1,
         "GSM supervision"},
        {"GSM supervision when off", [](TProjectInfo& p) { p.GsmSmsPhone = 1; }, 1, "Free"},
        {"an output's control", [](TProjectInfo& p) { p.Outputs[2].ControlPhone = 8; }, 8, "Outputs"},
        {"an output's answers", [](TProjectInfo& p) { p.Outputs[3].AnswerPhone = 8; }, 8, "Outputs"},
        {"the CROW adapter", [](TProjectInfo& p) { p.CrowPhone = 9; }, 9, "CROW"},
        {"everything at once",
         [](TProjectInfo& p) {
             p.Inputs[1].ReportType = TReportKind::Sms, p.Inputs[1].SmsPhone = 1;
             p.TestEnabled = true, p.TestReportType = TReportKind::Sms, p.TestSmsPhone = 1;
             p.GsmEnabled = true, p.GsmSmsPhone = 1;
             p.Outputs[1].ControlPhone = 1;
         },
         1, "SMS & Test & GSM supervision & Outputs"},
    };
    for (const auto& c : cases) {
        project = TProjectInfo();
        c.set(project);
        EXPECT_EQ(Value("PHSTATUS", 0, c.phone - 1), c.status) << c.what;
    }
}

TEST_F(ReportTest, TwoPagesWithTheBandsFilled) {
    print.SerialNumber = "SN-0042";
    print.Comment = "Gate\rGarage\r";
    const std::vector<TReportPage> pages = Pages();
    ASSERT_EQ(pages.size(), 2u);
    const std::vector<std::string> cover = Texts(pages[0]);
    EXPECT_EQ(cover.front(), "For official use");
    EXPECT_NE(std::find(cover.begin(), cover.end(), "Device Profile of\nKORvisel 690"), cover.end());
    EXPECT_NE(std::find(cover.begin(), cover.end(), "Serial Number : SN-0042"), cover.end());
    EXPECT_NE(std::find(cover.begin(), cover.end(), "Gate\nGarage\n"), cover.end());

    const std::vector<std::string> settings = Texts(pages[1]);
    for (const char* input : {"Input 1", "Input 2", "Input 3", "Input 4"})
        EXPECT_EQ(std::count(settings.begin(), settings.end(), input), 1) << input;
    EXPECT_EQ(std::count(settings.begin(), settings.end(), "Turning off"), 4);
    EXPECT_EQ(std::count(settings.begin(), settings.end(), "Not Present"), 10)
        << "nine phones and the SMS centre";
    EXPECT_EQ(std::count(settings.begin(), settings.end(), "Free"), 9);
    EXPECT_EQ(settings[2], "Phone of SIM Card : ");
}

TEST_F(ReportTest, NothingOutsideThePrintableAreaNothingOverlapping) {
    const TMmRect area = ConfigurationReport().PrintableArea();
    for (const TReportPage& page : Pages()) {
        for (std::size_t i = 0; i < page.Runs.size(); ++i) {
            EXPECT_TRUE(area.Contains(page.Runs[i].Rect)) << page.Runs[i].Text;
            for (std::size_t j = i + 1; j < page.Runs.size(); ++j)
                EXPECT_FALSE(page.Runs[i].Rect.Intersects(page.Runs[j].Rect))
                    << page.Runs[i].Text << " / " << page.Runs[j].Text;
        }
        for (const TMmRect& box : page.Boxes)
            EXPECT_TRUE(area.Contains(box));
        for (const TMmLine& line : page.Lines)
            EXPECT_TRUE(area.Contains({std::min(line.X1, line.X2), std::min(line.Y1, line.Y2),
                                       std::abs(line.X2 - line.X1), std::abs(line.Y2 - line.Y1)}));
    }
}

TEST(ReportLayout, FindingText) {
    std::vector<TReportPage> pages(2);
    pages[0].Runs.push_back({{}, "Serial Number : SN-1", {}});
    pages[1].Runs.push_back({{}, "Input 1", {}});
    pages[1].Runs.push_back({{}, "\xD0\x92\xD1\x85\xD0\xBE\xD0\xB4 2", {}}); // "Вход 2"
    EXPECT_EQ(FindInReport(pages, "sn-1"), (std::vector<TRunRef>{{0, 0}}));
    EXPECT_EQ(FindInReport(pages, "N"), (std::vector<TRunRef>{{0, 0}, {1, 0}}));
    EXPECT_EQ(FindInReport(pages, "\xD0\xB2\xD1\x85\xD0\xBE\xD0\x94"), (std::vector<TRunRef>{{1, 1}}))
        << "Cyrillic without regard to case";
    EXPECT_TRUE(FindInReport(pages, "").empty());
}

TEST(ReportLayout, ExpandingVariables) {
    const auto value = [](std::string_view name) {
        return name == "A" ? std::string("x\ry") : std::string("?");
    };
    EXPECT_EQ(ExpandVariables("[A] : [B]", value), "x\ny : ?");
    EXPECT_EQ(ExpandVariables("no [closing", value), "no [closing");
    EXPECT_EQ(ExpandVariables("line\r\nnext", value), "line\nnext");
    EXPECT_EQ(ExpandVariables("", value), "");
}

} // namespace
} // namespace korvisel
