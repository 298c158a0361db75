// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/SiteTemplateJson.h"

#include "json/ProjectJson.h"
#include "json/TemplateFolder.h"

#include "files/FileIo.h"

#include "SampleProject.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TSiteTemplate Company() {
    TSiteTemplate t;
    t.Name = "Company standard";
    t.Project = test::BusyProject();
    t.Project.Inputs[1].ReportType = TReportKind::Sms;
    t.Fields = {{"Phones[1].Number", "Owner's phone", std::nullopt},
                {"Inputs[1].SmsEventText", "Текст двери", std::string("DOOR")},
                {"Pin", "PIN", std::nullopt}};
    return t;
}

void ExpectSame(const TSiteTemplate& read, const TSiteTemplate& written) {
    EXPECT_EQ(read.Name, written.Name);
    EXPECT_EQ(read.Fields, written.Fields);
    EXPECT_EQ(read.Project, written.Project);
}

TEST(SiteTemplateJson, ReadsBackWhatItWrote) {
    const TSiteTemplate written = Company();
    const TResult<TSiteTemplate> read = SiteTemplateFromJson(SiteTemplateToJson(written));
    ASSERT_TRUE(read.Ok()) << read.Reason();
    ExpectSame(read.Value(), written);
}

TEST(SiteTemplateJson, RefusesWithTheField) {
    const Json good = Json::parse(SiteTemplateToJson(Company()));
    struct Case {
        const char* name;
        void (*change)(Json&);
        std::string reason;
    } cases[] = {
        {"another format", [](Json& j) { j["Format"] = "korvisel template 2"; },
         "Format: is not \"korvisel template 1\": not a template file of this program"},
        {"no name", [](Json& j) { j.erase("Name"); }, "Name: is missing"},
        {"fields not a list", [](Json& j) { j["Fields"] = Json::object(); }, "Fields: must be a list"},
        {"field without a label", [](Json& j) { j["Fields"][0].erase("Label"); },
         "Fields[1].Label: is missing"},
        {"field with more", [](Json& j) { j["Fields"][0]["Hint"] = "x"; },
         "Fields[1].Hint: is not a field of this record"},
        {"refused default", [](Json& j) { j["Fields"][2]["Default"] = "12a4"; },
         "Pin: the default \"12a4\" must be 4 characters of 0123456789"},
        {"unknown field", [](Json& j) { j["Fields"][0]["Field"] = "Phones[0].Number"; },
         "Phones[0].Number: no site field has this name"},
        {"the project's own error", [](Json& j) { j["Project"].erase("Pin"); }, "Project.Pin: is missing"},
        {"a project made from a template inside one",
         [](Json& j) {
             j["Project"]["Template"] = {{"Name", "x"}, {"Site", "y"}, {"Values", Json::object()}};
         },
         ""},
        {"unknown top field", [](Json& j) { j["Sites"] = 1; }, "Sites: is not a field of this record"},
    };
    for (const Case& c : cases) {
        Json j = good;
        c.change(j);
        const TResult<TSiteTemplate> read = SiteTemplateFromJson(j.dump());
        EXPECT_EQ(read.Reason(), c.reason) << c.name;
    }
}

TEST(SiteTemplateJson, AnyBytesAreRefusedNotTrusted) {
    for (const std::string& text :
         {std::string(), std::string("{"), std::string("[]"), std::string("\"x\""),
          std::string("{\"Format\":1}"), std::string("{\"a\":1,\"a\":2}"),
          std::string("{\"Format\":\"korvisel template 1\"}\0x", 33), std::string(100, '[')})
        EXPECT_FALSE(SiteTemplateFromJson(text).Ok()) << text;
}

TEST(SiteTemplateJson, AProjectKeepsItsTemplateAndSiteValues) {
    const TSiteOrigin origin{
        "Company standard", "Shop 12", {{"Phones[1].Number", "+37060000001"}, {"Pin", "4321"}}};
    const std::string json = ProjectToJson(test::BusyProject(), origin);
    TProjectInfo project;
    TSiteOrigin read;
    ASSERT_EQ(ProjectFromJson(json, project, nullptr, nullptr, &read), std::nullopt);
    EXPECT_EQ(read, origin);
    EXPECT_EQ(project, test::BusyProject());
    EXPECT_EQ(ProjectToJson(project, read), json);

    TSiteOrigin none{"stale", "", {}};
    ASSERT_EQ(ProjectFromJson(ProjectToJson(project), project, nullptr, nullptr, &none), std::nullopt);
    EXPECT_EQ(none, TSiteOrigin{}) << "a project made from no template says so";

    Json bad = Json::parse(json);
    bad["Template"]["Values"]["Phones[1].Numbr"] = "1";
    EXPECT_EQ(ProjectFromJson(bad.dump(), project), "Template.Values.Phones[1].Numbr: is no site field");
}

TEST(TemplateFolder, KeepsListsAndReplacesTemplatesByName) {
    const test::TempFolder scratch;
    const std::string folder = scratch.File("templates");
    EXPECT_TRUE(ListTemplates(folder).empty()) << "a missing folder holds none";

    TSiteTemplate t = Company();
    t.Name = "../Shop/.hidden";
    const TResult<std::string> saved = SaveTemplateFile(folder, t);
    ASSERT_TRUE(saved.Ok()) << saved.Reason();
    EXPECT_EQ(saved.Value(), folder + "/___Shop_.hidden.json");
    t.Fields.pop_back();
    ASSERT_TRUE(SaveTemplateFile(folder, t).Ok());
    test::WriteBytes(folder + "/broken.json", {'{'});
    test::WriteBytes(folder + "/notes.txt", {'x'});

    const std::vector<TTemplateEntry> listed = ListTemplates(folder);
    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(listed[0].Name, "") << "the unreadable one first, with why";
    EXPECT_NE(listed[0].Problem.find("broken.json"), std::string::npos) << listed[0].Problem;
    EXPECT_EQ(listed[1].Name, t.Name);
    const TResult<TSiteTemplate> loaded = LoadTemplateFile(listed[1].Path);
    ASSERT_TRUE(loaded.Ok()) << loaded.Reason();
    ExpectSame(loaded.Value(), t);

    t.Name.clear();
    EXPECT_EQ(SaveTemplateFile(folder, t).Reason(), "the template has no name");
}

TEST(TemplateFolder, AFailedSaveIsTold) {
    const test::TempFolder scratch;
    const TSiteTemplate t = Company();
    // Something that is no file stands where the template would go.
    ASSERT_TRUE(MakeFolders(TemplateFilePath(scratch.Path(), t.Name)).Ok());
    const TResult<std::string> saved = SaveTemplateFile(scratch.Path(), t);
    EXPECT_FALSE(saved.Ok());
    EXPECT_NE(saved.Reason().find("Company standard.json: "), std::string::npos) << saved.Reason();
}

} // namespace
} // namespace korvisel
