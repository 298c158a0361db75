// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ProjectFile.h"

#include "CliProcess.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace korvisel {
namespace {

using test::RunCli;
using test::TempFolder;

// The text of a PDF as pdftotext reads it.
std::string PdfText(const std::string& pdf) {
    std::string text;
    if (FILE* pipe = ::popen(("pdftotext '" + pdf + "' - 2>&1").c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text.append(buffer, n);
        ::pclose(pipe);
    }
    return text;
}

std::string ProjectJson(const std::string& printData) {
    TempFolder scratch;
    TProjectInfo project;
    project.Phones[3] = {"+79005550003", "NAME3", false};
    project.Inputs[2].Enabled = true;
    project.Inputs[2].SmsPhone = 3;
    TDeviceImage image{};
    EXPECT_TRUE(WriteProjectFile(scratch.File("p.KV690"), project, image).Ok());
    std::string json = RunCli({"convert", scratch.File("p.KV690"), "-"}, scratch.Path()).Out;
    if (!printData.empty())
        json.insert(1, "\n  \"PrintData\": " + printData + ",");
    return json;
}

TEST(CliReport, ThePdfHoldsTheProjectAndItsPrintData) {
    TempFolder folder;
    const std::string json = ProjectJson(R"({"SerialNumber": "SN-0042", "FirmwareVersion": "2.59",
        "PowerSupply": {"Kind": 2, "OtherText": "Solar panel"}, "Comment": "Gate\nGarage"})");
    test::WriteBytes(folder.File("site.json"), std::vector<std::uint8_t>(json.begin(), json.end()));

    const test::CliRun run =
        RunCli({"report", "site.json", "-o", "site.pdf", "--comment", "Shed door"}, folder.Path());
    ASSERT_EQ(run.Status, 0) << run.Err;
    EXPECT_EQ(run.Err, "");
    const std::string text = PdfText(folder.File("site.pdf"));
    for (const char* expected :
         {"For official use", "Device Profile of", "KORvisel 690", "Serial Number : SN-0042",
          "Firmware version : 2.59", "Power supply : Solar panel", "Shed door",
          "The general adjustments of the device KORVISEL 693", "2/3", "Pin Code of", "9481", "Input 2",
          "Turning on", "+79005550003", "SMS", "Free"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_EQ(text.find("Gate"), std::string::npos) << "the option replaced the JSON's comment";

    // A control that would reorder what follows it is shown, not obeyed; a value too long for its
    // box is said.
    const test::CliRun marked = RunCli({"report", "site.json", "-o", "marked.pdf", "--reg-number",
                                        "REG\xE2\x80\xAE"
                                        "0042",
                                        "--serial", std::string(40, 'W')},
                                       folder.Path());
    ASSERT_EQ(marked.Status, 0) << marked.Err;
    EXPECT_NE(PdfText(folder.File("marked.pdf")).find("REG<U+202E>0042"), std::string::npos);
    EXPECT_NE(marked.Err.find("warning: the report cuts \"Serial Number : WWWW"), std::string::npos)
        << marked.Err;

    // "-" is standard output, never a file of that name.
    const test::CliRun piped = RunCli({"report", "site.json", "-o", "-"}, folder.Path());
    ASSERT_EQ(piped.Status, 0) << piped.Err;
    EXPECT_TRUE(piped.Out.starts_with("%PDF-"));
    EXPECT_FALSE(std::filesystem::exists(folder.File("-")));
}

TEST(CliReport, BadInputWritesNothing) {
    TempFolder folder;
    const std::string json = ProjectJson(R"({"SimPhone": "call me"})");
    test::WriteBytes(folder.File("bad.json"), std::vector<std::uint8_t>(json.begin(), json.end()));
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{"report", "missing.KV690", "-o", "out.pdf"}, 1, "missing.KV690: not found"},
        {{"report", "bad.json", "-o", "out.pdf"}, 1, "PrintData.SimPhone: \"call me\" may hold only"},
        {{"report", "bad.json"}, 2, "Usage: korvisel-cli report"},
        {{"report", "bad.json", "-o", "out.pdf", "--firmware", "v1"}, 1, "PrintData.SimPhone"},
        {{"report", "bad.json", "-o", "out.pdf", "--colour", "red"}, 2, "--colour: not an option"},
    };
    for (const auto& c : cases) {
        const test::CliRun run = RunCli(c.args, folder.Path());
        EXPECT_EQ(run.Status, c.status) << run.Err;
        EXPECT_NE(run.Err.find(c.message), std::string::npos) << run.Err;
        EXPECT_FALSE(std::filesystem::exists(folder.File("out.pdf")));
    }

    const std::string good = ProjectJson("");
    test::WriteBytes(folder.File("good.json"), std::vector<std::uint8_t>(good.begin(), good.end()));
    const test::CliRun firmware =
        RunCli({"report", "good.json", "-o", "out.pdf", "--firmware", "v1"}, folder.Path());
    EXPECT_EQ(firmware.Status, 2);
    EXPECT_NE(firmware.Err.find("--firmware: \"v1\" may hold only 0123456789."), std::string::npos)
        << firmware.Err;
    const test::CliRun nowhere = RunCli({"report", "good.json", "-o", "gone/out.pdf"}, folder.Path());
    EXPECT_EQ(nowhere.Status, 1);
    EXPECT_NE(nowhere.Err.find("gone/out.pdf: "), std::string::npos) << nowhere.Err;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        EXPECT_FALSE(entry.path().filename().string().starts_with(".out.pdf")) << "a temporary left behind";
}

} // namespace
} // namespace korvisel
