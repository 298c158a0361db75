// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/SiteFields.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

// Input 1 reports by SMS, input 3 by DATA; phone 2 is empty.
TProjectInfo SiteTemplate() {
    TProjectInfo p;
    p.Phones[1] = {"111", "Guard", false};
    p.Inputs[1].ReportType = TReportKind::Sms;
    p.Inputs[3].ReportType = TReportKind::Data;
    p.Inputs[1].SmsEventText = "OPEN";
    return p;
}

TEST(SiteFields, EachFieldTakesWhatItsPageTakes) {
    struct Case {
        const char* field;
        const char* cell;
        const char* value; // the field's value afterwards, or the refusal's reason
        bool ok = true;
    } cases[] = {
        {"Phones[2].Number", "+79001234567", "+79001234567"},
        {"Phones[1].Number", "-", ""},
        {"Phones[1].Number", "12a", "\"12a\" may hold only digits and a leading +", false},
        {"Phones[1].Number", "1+2", "\"1+2\" may hold only digits and a leading +", false},
        {"Phones[1].Number", "123456789012345678901234567890123",
         "\"123456789012345678901234567890123\" is longer than 32 characters", false},
        {"SmsCentre", "+7900", "+7900"},
        {"Inputs[1].SmsEventText", "Shop North", "Shop North"},
        {"Inputs[1].SmsEventText", "-", ""},
        {"Inputs[1].SmsEventText", "Shop North1", "\"Shop North1\" is longer than 10 characters", false},
        {"Inputs[1].SmsEventText", "caf\xC3\xA9",
         "\"caf\xC3\xA9\" holds a character the SMS table does not have", false},
        {"Inputs[1].SmsEventText", "\xE2\x82\xAC",
         "\"\xE2\x82\xAC\" holds a character the SMS table does not have", false},
        {"Inputs[3].Cid.Object", "12ab", "12AB"},
        {"Inputs[3].Cid.Object", "-", "0000"},
        {"Inputs[3].Cid.Partition", "123", "\"123\" must be 2 characters of 1234567890ABCD*#", false},
        {"Inputs[3].Cid.Object", "12E4", "\"12E4\" must be 4 characters of 1234567890ABCD*#", false},
        {"Pin", "1234", "1234"},
        {"Pin", "12345", "\"12345\" must be 4 characters of 0123456789", false},
        {"Pin", "12A4", "\"12A4\" must be 4 characters of 0123456789", false},
        {"Pin", "-", "\"-\" must be 4 characters of 0123456789", false},
        {"CrowObject", "AB*#", "AB*#"},
    };
    for (const Case& c : cases) {
        const std::optional<TSiteField> field = FindSiteField(c.field);
        ASSERT_TRUE(field) << c.field;
        TProjectInfo project = SiteTemplate();
        const TProjectInfo before = project;
        const TResult<> set = SetSiteField(*field, project, c.cell);
        ASSERT_EQ(set.Ok(), c.ok) << c.field << " " << c.cell << ": " << set.Reason();
        if (c.ok)
            EXPECT_EQ(SiteFieldValue(*field, project), c.value) << c.field << " " << c.cell;
        else {
            EXPECT_EQ(set.Reason(), c.value) << c.field;
            EXPECT_EQ(project, before) << c.field << ": a refused value changed the project";
        }
    }
}

TEST(SiteFields, APhoneNumberDecidesWhetherTheEntryIsThere) {
    TProjectInfo project = SiteTemplate();
    SetSiteField(*FindSiteField("Phones[2].Number"), project, "555");
    EXPECT_FALSE(project.Phones[2].Empty) << "a number makes an empty entry present";
    SetSiteField(*FindSiteField("Phones[1].Number"), project, "-");
    EXPECT_TRUE(project.Phones[1].Empty) << "clearing the number empties the entry";
}

TEST(SiteFields, OnlyTheSettingsOfASiteAreSiteFields) {
    struct Case {
        const char* name;
        bool found;
        bool usedInTemplate = false;
    } cases[] = {
        {"Phones[9].Number", true, true},
        {"Inputs[1].SmsRestoreText", true, true},
        {"Inputs[3].SmsEventText", true, false}, // a DATA input has no SMS text
        {"Inputs[3].Cid.Zone", true, true},
        {"Inputs[1].Cid.Zone", true, false},
        {"TestCid.Code", true, false},
        {"Outputs[3].OffAnswerText", true, true},
        {"Pin", true, true},
        {"Phones[10].Number", false},
        {"Inputs[5].SmsEventText", false},
        {"Inputs[1].Cid", false},
        {"Inputs[1].ReactionTime", false},
        {"Phones[1].Name", false},
        {"pin", false},
        {"", false},
    };
    const TProjectInfo project = SiteTemplate();
    for (const Case& c : cases) {
        const std::optional<TSiteField> field = FindSiteField(c.name);
        ASSERT_EQ(field.has_value(), c.found) << c.name;
        if (field) {
            EXPECT_EQ(SiteFieldUsed(*field, project), c.usedInTemplate) << c.name;
        }
    }
}

} // namespace
} // namespace korvisel
