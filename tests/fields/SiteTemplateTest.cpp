// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/SiteTemplate.h"

#include "fields/SiteFields.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

// Input 1 reports by SMS, input 3 by DATA; the owner's phone and the site's SMS text vary per site.
TSiteTemplate Company() {
    TSiteTemplate t;
    t.Name = "Company standard";
    t.Project.Phones[1] = {"111", "", false};
    t.Project.Inputs[1].ReportType = TReportKind::Sms;
    t.Project.Inputs[1].SmsEventText = "OPEN";
    t.Project.Inputs[3].ReportType = TReportKind::Data;
    t.Fields = {{"Phones[1].Number", "Owner's phone", std::nullopt},
                {"Inputs[1].SmsEventText", "Door text", std::string("DOOR")},
                {"Inputs[3].Cid.Object", "Object number", std::nullopt},
                {"Pin", "PIN", std::nullopt}};
    return t;
}

std::string Value(const TProjectInfo& project, const std::string& field) {
    return SiteFieldValue(*FindSiteField(field), project);
}

TEST(SiteTemplate, IsRefusedWithTheFieldAndWhy) {
    struct Case {
        const char* name;
        void (*change)(TSiteTemplate&);
        std::string reason;
    } cases[] = {
        {"sound", [](TSiteTemplate&) {}, ""},
        {"no name", [](TSiteTemplate& t) { t.Name.clear(); }, "the template has no name"},
        {"name of 81 characters", [](TSiteTemplate& t) { t.Name = std::string(81, 'n'); },
         "the template's name is longer than 80 characters"},
        {"name of 80 Cyrillic characters fits",
         [](TSiteTemplate& t) {
             t.Name.clear();
             for (int i = 0; i < 80; ++i)
                 t.Name += "ж";
         },
         ""},
        {"unknown field", [](TSiteTemplate& t) { t.Fields[0].Field = "Phones[10].Number"; },
         "Phones[10].Number: no site field has this name"},
        {"a number, which no site sets", [](TSiteTemplate& t) { t.Fields[0].Field = "TestDays"; },
         "TestDays: no site field has this name"},
        {"twice", [](TSiteTemplate& t) { t.Fields[1].Field = "Phones[1].Number"; },
         "Phones[1].Number: the template names the field twice"},
        {"unused by the report kind", [](TSiteTemplate& t) { t.Fields[1].Field = "Inputs[3].SmsEventText"; },
         "Inputs[3].SmsEventText: the report kind of this record does not use the field"},
        {"long label", [](TSiteTemplate& t) { t.Fields[0].Label = std::string(81, 'x'); },
         "Phones[1].Number: the label is longer than 80 characters"},
        {"default of 11 characters", [](TSiteTemplate& t) { t.Fields[1].Default = "ELEVEN CHAR"; },
         "Inputs[1].SmsEventText: the default \"ELEVEN CHAR\" is longer than 10 characters"},
        {"PIN default of five digits", [](TSiteTemplate& t) { t.Fields[3].Default = "12345"; },
         "Pin: the default \"12345\" must be 4 characters of 0123456789"},
    };
    for (const Case& c : cases) {
        TSiteTemplate t = Company();
        c.change(t);
        const TResult<> checked = CheckSiteTemplate(t);
        EXPECT_EQ(checked.Reason(), c.reason) << c.name;
    }
}

TEST(SiteTemplate, ASiteGetsItsValuesTheDefaultsAndOtherwiseTheTemplate) {
    struct Case {
        const char* name;
        TSiteValues values;
        std::string phone, text, object, pin;
        std::vector<TSiteValueProblem> problems;
    } cases[] = {
        {"nothing given: defaults, then the template", {}, "111", "DOOR", "0000", "9481", {}},
        {"values given",
         {{"Phones[1].Number", "+37060000001"},
          {"Inputs[1].SmsEventText", "SHOP 12"},
          {"Inputs[3].Cid.Object", "12ab"},
          {"Pin", "4321"}},
         "+37060000001",
         "SHOP 12",
         "12AB",
         "4321",
         {}},
        {"empty values keep the default or the template",
         {{"Phones[1].Number", ""}, {"Inputs[1].SmsEventText", ""}},
         "111",
         "DOOR",
         "0000",
         "9481",
         {}},
        {"a dash clears",
         {{"Phones[1].Number", "-"}, {"Inputs[1].SmsEventText", "-"}},
         "",
         "",
         "0000",
         "9481",
         {}},
        {"refused values leave the template's and are told",
         {{"Phones[1].Number", "12a"}, {"Pin", "123"}},
         "111",
         "DOOR",
         "0000",
         "9481",
         {{"Phones[1].Number", "\"12a\" may hold only digits and a leading +"},
          {"Pin", "\"123\" must be 4 characters of 0123456789"}}},
        {"a field the template does not leave to its sites",
         {{"Phones[2].Number", "222"}},
         "111",
         "DOOR",
         "0000",
         "9481",
         {{"Phones[2].Number", "the template leaves no such field to its sites"}}},
    };
    for (const Case& c : cases) {
        const TSiteProject made = ApplySiteValues(Company(), c.values);
        EXPECT_EQ(Value(made.Project, "Phones[1].Number"), c.phone) << c.name;
        EXPECT_EQ(Value(made.Project, "Inputs[1].SmsEventText"), c.text) << c.name;
        EXPECT_EQ(Value(made.Project, "Inputs[3].Cid.Object"), c.object) << c.name;
        EXPECT_EQ(Value(made.Project, "Pin"), c.pin) << c.name;
        EXPECT_EQ(made.Problems, c.problems) << c.name;
        EXPECT_EQ(made.Project.Phones[1].Name, Company().Project.Phones[1].Name) << c.name << ": untouched";
    }
}

TEST(SiteTemplate, AProjectTakenAsATemplateLeavesEveryFieldItsReportKindsUse) {
    const TSiteTemplate t = TemplateOfProject(Company().Project, "from a file");
    EXPECT_TRUE(CheckSiteTemplate(t).Ok()) << CheckSiteTemplate(t).Reason();
    const auto has = [&](const std::string& name) {
        return std::any_of(t.Fields.begin(), t.Fields.end(),
                           [&](const TTemplateField& f) { return f.Field == name; });
    };
    EXPECT_TRUE(has("Phones[9].Number"));
    EXPECT_TRUE(has("Inputs[1].SmsEventText"));
    EXPECT_TRUE(has("Inputs[3].Cid.Zone"));
    EXPECT_FALSE(has("Inputs[3].SmsEventText")) << "a DATA input sends no text";
    EXPECT_FALSE(has("Inputs[1].Cid.Object")) << "an SMS input sends no Contact ID";
    EXPECT_EQ(TemplateValue(t, {"Phones[1].Number", "", std::nullopt}), "111");
    EXPECT_EQ(TemplateValue(t, {"Phones[1].Number", "", std::string("222")}), "222");
}

} // namespace
} // namespace korvisel
