// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/ProjectJson.h"

#include "fields/DeviceImage.h"

#include "SampleProject.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <random>

namespace korvisel {
namespace {

using Json = nlohmann::ordered_json;
using test::BusyProject;

TEST(ProjectJson, ReadsBackWhatItWrote) {
    const TProjectInfo project = BusyProject();
    const std::string json = ProjectToJson(project);
    TProjectInfo read;
    ASSERT_EQ(ProjectFromJson(json, read), std::nullopt);
    EXPECT_EQ(read, project);
    EXPECT_EQ(ProjectToJson(read), json);
}

TEST(ProjectJson, NamesTheFieldOfEveryError) {
    const Json valid = Json::parse(ProjectToJson(BusyProject()));
    struct Case {
        std::function<void(Json&)> change;
        std::string error;
    } cases[] = {
        {[](Json& j) { j["Inputs"][1]["ReactionTime"] = 300; }, "Inputs[2].ReactionTime: 300 is above 255"},
        {[](Json& j) { j["Inputs"][0]["RestoreTime"] = -1; }, "Inputs[1].RestoreTime: -1 is below 0"},
        {[](Json& j) { j["Inputs"][0]["SmsPhone"] = 16; }, "Inputs[1].SmsPhone: 16 is above 15"},
        {[](Json& j) { j["Inputs"][0]["SmsPhone"] = "1"; }, "Inputs[1].SmsPhone: must be a whole number"},
        {[](Json& j) { j["Inputs"][0].erase("Signal"); }, "Inputs[1].Signal: is missing"},
        {[](Json& j) { j["Inputs"][0]["AlarmPhone"] = 1; },
         "Inputs[1].AlarmPhone: is not a field of this record"},
        {[](Json& j) { j["Inputs"][0]["SmsEventText"] = "ELEVEN CHAR"; },
         "Inputs[1].SmsEventText: \"ELEVEN CHAR\" is longer than 10 characters"},
        {[](Json& j) { j["Inputs"][0]["SmsEventText"] = "\xD0\x96"; },
         "Inputs[1].SmsEventText: \"\xD0\x96\" holds a character an SMS cannot carry"},
        {[](Json& j) { j["Inputs"][0]["Enabled"] = 1; }, "Inputs[1].Enabled: must be true or false"},
        {[](Json& j) { j["Inputs"][0]["ArmConfirm"] = true; },
         "Inputs[4].ArmConfirm: only one input can confirm arming"},
        {[](Json& j) { j["Inputs"][2]["Cid"]["Code"] = "60a"; },
         "Inputs[3].Cid.Code: \"60a\" may hold only 1234567890ABCD*#"},
        {[](Json& j) { j["Inputs"][2]["Cid"]["Zone"] = "03"; },
         "Inputs[3].Cid.Zone: \"03\" must be 3 characters"},
        {[](Json& j) { j["Outputs"][0]["WorkType"] = 3; }, "Outputs[1].WorkType: 3 is above 2"},
        {[](Json& j) { j["Phones"][0]["Number"] = "8-800"; },
         "Phones[1].Number: \"8-800\" may hold only digits and a leading +"},
        {[](Json& j) { j["Phones"].erase(8); }, "Phones: must be a list of 9 entries"},
        {[](Json& j) { j["TestDays"] = 256; }, "TestDays: 256 is above 255"},
        {[](Json& j) { j["TestReportType"] = 1; }, "TestReportType: 1 is below 2"},
        {[](Json& j) { j["AudioParams"][3] = 16; }, "AudioParams[4]: 16 is above 15"},
        {[](Json& j) { j["Pin"] = "12a4"; }, "Pin: \"12a4\" may hold only 0123456789+-"},
        {[](Json& j) { j["GsmLockoutTime"] = 13; }, "GsmLockoutTime: 13 is above 12"},
        {[](Json& j) { j["Extra"] = 1; }, "Extra: is not a field of this record"},
        {[](Json& j) { j = Json::array(); }, "the project: must be an object"},
    };
    for (const Case& c : cases) {
        Json changed = valid;
        c.change(changed);
        TProjectInfo project;
        EXPECT_EQ(ProjectFromJson(changed.dump(), project), c.error);
        EXPECT_EQ(project, TProjectInfo{}) << "nothing is changed on an error";
    }
    TProjectInfo project;
    EXPECT_EQ(ProjectFromJson("{\"TestEnabled\": tru", project), "not valid JSON");
}

TEST(ProjectJson, HostileTextIsRefusedWithThePlace) {
    const std::string valid = ProjectToJson(BusyProject());
    const std::string deep =
        "{\"a\":" + std::string(60000, '[') + std::string(60000, ']') + ",\"b\":1,\"c\":1}";
    std::string twice = valid;
    twice.replace(twice.find("\"Signal\": 3"), 11, "\"Signal\": 1, \"Signal\": 3");
    const struct {
        std::string text;
        std::string error;
    } cases[] = {
        {deep, "a[1][1][1][1][1][1][1]: nested more than 8 levels deep, deeper than any project"},
        {twice, "Inputs[1].Signal: given twice, so which value is meant cannot be told"},
        {"{\"TestEnabled\": true}" + std::string(1, '\0') + "trailing", "a NUL byte at byte 22 of the text"},
        {valid + std::string(1, '\0'),
         "a NUL byte at byte " + std::to_string(valid.size() + 1) + " of the text"},
    };
    for (const auto& c : cases) {
        TProjectInfo project;
        EXPECT_EQ(ProjectFromJson(c.text, project), c.error);
    }
}

TEST(ProjectJson, TheDocumentedExampleIsAValidProject) {
    const std::vector<std::uint8_t> bytes =
        test::ReadBytes(std::string(KORVISEL_SOURCE_DIR) + "/docs/project-json.md");
    const std::string doc(bytes.begin(), bytes.end());
    const std::size_t start = doc.find("```json\n");
    const std::size_t end = doc.find("```", start + 8);
    ASSERT_NE(start, std::string::npos);
    TProjectInfo project;
    EXPECT_EQ(ProjectFromJson(doc.substr(start + 8, end - start - 8), project), std::nullopt);
    EXPECT_EQ(project.ArmConfirmInput, 1);
    EXPECT_EQ(project.Inputs[2].ClipEventPhone, 1);
}

TEST(ProjectJson, PrintData) {
    Json j = Json::parse(ProjectToJson(TProjectInfo{}));
    j["PrintData"] = {{"SerialNumber", "  SN-1 "},
                      {"PowerSupply", {{"Kind", 2}, {"OtherText", "Solar"}}},
                      {"Comment", "Gate\nGarage"}};
    TProjectInfo project;
    TDopPrintInfo print;
    EXPECT_EQ(ProjectFromJson(j.dump(), project, &print), std::nullopt);
    EXPECT_EQ(print.SerialNumber, "SN-1");
    EXPECT_EQ(print.PowerSupply, (TPowerSupplyInfo{PowerKind::Other, "Solar"}));
    EXPECT_EQ(print.Comment, "Gate\rGarage\r");
    EXPECT_EQ(ProjectFromJson(j.dump(), project), std::nullopt)
        << "without a place for it, it is read and dropped";

    const struct {
        Json data;
        const char* error;
    } bad[] = {
        {{{"FirmwareVersion", "v2"}}, "PrintData.FirmwareVersion: \"v2\" may hold only 0123456789."},
        {{{"SimPhone", "+7 900"}}, "PrintData.SimPhone: \"+7 900\" may hold only 0123456789 and a leading +"},
        {{{"PowerSupply", {{"Kind", 3}}}}, "PrintData.PowerSupply.Kind: 3 is above 2"},
        {{{"Serial", "x"}}, "PrintData.Serial: is not a field of this record"},
        {{{"Comment", std::string(301, 'c')}}, "PrintData.Comment: "},
    };
    for (const auto& c : bad) {
        j["PrintData"] = c.data;
        const auto error = ProjectFromJson(j.dump(), project, &print);
        ASSERT_TRUE(error);
        EXPECT_EQ(error->rfind(c.error, 0), 0u) << *error;
    }
}

TEST(ProjectJson, ValuesTheImageHoldsAreKeptWithAWarning) {
    Json j = Json::parse(ProjectToJson(BusyProject()));
    j["Inputs"][0]["RestoreTime"] = 0;
    j["Inputs"][0]["SmsPhone"] = 12;
    j["Inputs"][0]["SmsEventText"] = "caf\u00e9_";
    j["AudioParams"][3] = 0;
    j["TestDays"] = 0;
    j["TestHours"] = 0;
    j["TestMinutes"] = 0;
    j["Phones"][1]["Number"] = "12+3";
    TProjectInfo project;
    std::vector<std::string> warnings;
    ASSERT_EQ(ProjectFromJson(j.dump(), project, nullptr, &warnings), std::nullopt);
    EXPECT_EQ(project.Inputs[1].RestoreTime, 0);
    EXPECT_EQ(project.Inputs[1].SmsPhone, 12);
    EXPECT_EQ(project.Inputs[1].SmsEventText, "caf\xE9_") << "the device's bytes";
    EXPECT_EQ(project.AudioParams[4], 0);
    EXPECT_EQ(warnings.size(), 6u);
    EXPECT_EQ(warnings.front(),
              "TestMinutes: a test period of 0 days, 0 hours and 0 minutes is shorter than the "
              "configurator allows (10 minutes); kept as it is");
    EXPECT_NE(
        std::find(warnings.begin(), warnings.end(),
                  "Inputs[1].SmsEventText: \"caf\u00e9_\" holds characters the configurator does not let "
                  "an SMS have; kept as it is"),
        warnings.end());
}

// Whatever an image holds, the JSON that convert writes reads back into the same image.
TEST(ProjectJson, EveryImageSurvivesTheRoundTrip) {
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int run = 0; run < 300; ++run) {
        TDeviceImage image{};
        for (auto& b : image)
            b = static_cast<std::uint8_t>(run % 3 == 0 ? 0 : byte(random));
        TProjectInfo unpacked;
        UnpackImage(image, unpacked);
        TDeviceImage expected{};
        PackImage(unpacked, expected);

        TProjectInfo read;
        const auto error = ProjectFromJson(ProjectToJson(unpacked), read);
        ASSERT_EQ(error, std::nullopt) << "run " << run;
        TDeviceImage again{};
        PackImage(read, again);
        ASSERT_EQ(again, expected) << "run " << run;
    }
}

} // namespace
} // namespace korvisel
