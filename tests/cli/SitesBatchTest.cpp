// SPDX-License-Identifier: GPL-3.0-or-later
// write, read and verify --sites: the rows refused before any device is touched, the table of the
// sites, and three sites written into three simulated devices at once and read back.
#include "cli/BatchSummary.h"
#include "files/ProjectFile.h"
#include "json/ProjectDiff.h"

#include "CliProcess.h"
#include "TempFolder.h"
#include "link/DeviceSimulatorProcess.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>

namespace korvisel {
namespace {

using test::RunCli;
using test::TempFolder;
using test::WriteText;

// The company standard: phone 1, input 1 reporting by SMS to it.
void SaveTemplate(const TempFolder& folder) {
    TProjectInfo p;
    p.Phones[1] = {"+79000000001", "", false};
    p.Inputs[1].Enabled = true;
    p.Inputs[1].ReportType = TReportKind::Sms;
    p.Inputs[1].SmsPhone = 1;
    p.Inputs[1].SmsEventText = "OPEN";
    TDeviceImage image{};
    ASSERT_TRUE(WriteProjectFile(folder.File("company.KV690"), p, image).Ok());
}

// Each case refuses every row it would send, or the whole batch, so no device is ever touched.
TEST(SitesBatch, RowsThatCannotGoAreNamedAndNoDeviceIsTouched) {
    struct Case {
        const char* name;
        std::string csv;
        std::vector<std::string> args;
        int status;
        std::string message; // on standard error
        std::string out;     // the start of standard output
    } cases[] = {
        {"a row beyond the ports",
         "Site,Pin\nNorth,1111\nSouth,2222\nEast,3333\n",
         {"write", "--ports", "COM1-COM2", "--all-or-nothing"},
         1,
         "korvisel-cli: sites.csv: record 3 (line 4), column Port: no port left for this row: --ports gives "
         "2\n",
         "no device written: 1 of 3 sites refused\n"},
        {"an empty Port cell",
         "Site,Port\nNorth,COM1\nSouth,\n",
         {"verify", "--all-or-nothing"},
         1,
         "korvisel-cli: sites.csv: record 2 (line 3), column Port: no port: a table with a Port column names "
         "the "
         "port of every row\n",
         "no device read: 1 of 2 sites refused\n"},
        {"a port not among --ports",
         "Site,Port\nNorth,COM3\n",
         {"write", "--ports", "COM1-COM2"},
         1,
         "korvisel-cli: sites.csv: record 1 (line 2), column Port: COM3 is not among the 2 ports --ports "
         "gives\n",
         "SITE   PORT  RESULT   TIME  FIRMWARE  DETAIL\n"
         "North  COM3  refused     -  -         record 1 (line 2), column Port: COM3 is not among the 2 "
         "ports "
         "--ports gives\n"
         "0 of 1 sites written\n"},
        {"a port given twice, and one that is no port",
         "Site,Port,Pin\nNorth,COM1,1\nSouth,com1,2222\nEast,COM99,3333\n",
         {"write"},
         1,
         "korvisel-cli: sites.csv: record 1 (line 2), column Pin: \"1\" must be 4 characters of 0123456789\n"
         "korvisel-cli: sites.csv: record 2 (line 3), column Port: the port is given in record 1 too\n"
         "korvisel-cli: sites.csv: record 3 (line 4), column Port: COM99: no such port; ports run from COM1 "
         "to "
         "COM16\n",
         "SITE   PORT   RESULT"},
        {"no Port column and no ports", "Site\nNorth\n", {"write"}, 2, "the table has no Port column", ""},
        {"--all-or-nothing without --sites",
         "Site\nNorth\n",
         {"write", "--port", "COM1", "--all-or-nothing", "company.KV690"},
         2,
         "--all-or-nothing: only with --sites",
         ""},
        {"read --sites without a folder",
         "Site,Port\nNorth,COM1\n",
         {"read"},
         2,
         "Usage: korvisel-cli read",
         ""},
        {"a read into no folder",
         "Site,Port\nNorth,COM1\n",
         {"read", "-o", "missing/"},
         2,
         "missing/: not a folder",
         ""},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        SaveTemplate(folder);
        WriteText(folder.File("sites.csv"), c.csv);
        std::vector<std::string> args = c.args;
        if (std::ranges::find(args, "company.KV690") == args.end())
            args.insert(args.end(), {"--sites", "sites.csv", "company.KV690"});
        const test::CliRun run = RunCli(args, folder.Path());
        EXPECT_EQ(run.Status, c.status) << c.name << ": " << run.Err;
        EXPECT_NE(run.Err.find(c.message), std::string::npos) << c.name << ": " << run.Err;
        EXPECT_TRUE(run.Out.starts_with(c.out)) << c.name << ": " << run.Out;
        EXPECT_EQ(run.Err.find("transfer trace"), std::string::npos) << c.name << ": a device was touched";
    }
}

TEST(SitesBatch, TheSummaryHasARowPerSiteInTheTablesOrder) {
    EXPECT_EQ(
        cli::SitesSummary({
            {"Bäckerei Nord", "COM5", "written", 19.84, "2.59", ""},
            {"Shop\nMain", "COM6", "refused", std::nullopt, "", "record 2 (line 3), column Pin: \"\x1B[2J\""},
            {"W7", "COM12", "different", 16.0, "2.59", "2 fields differ"},
        }),
        (std::vector<std::string>{
            "SITE           PORT   RESULT       TIME  FIRMWARE  DETAIL",
            "Bäckerei Nord  COM5   written    19.8 s  2.59",
            "Shop\\x0AMain   COM6   refused         -  -         record 2 (line 3), column Pin: \"\\x1B[2J\"",
            "W7             COM12  different  16.0 s  2.59      2 fields differ",
        }));
}

// The projects the table makes, as apply writes them: what each device must hold.
std::map<std::string, TProjectInfo> AppliedProjects(const TempFolder& folder) {
    const test::CliRun applied =
        RunCli({"apply", "company.KV690", "sites.csv", "-o", "applied"}, folder.Path());
    EXPECT_EQ(applied.Status, 0) << applied.Err;
    std::map<std::string, TProjectInfo> projects;
    for (const std::string site : {"North", "South", "East"}) {
        TDeviceImage image{};
        EXPECT_TRUE(ReadProjectFile(folder.File("applied/" + site + ".KV690"), image, projects[site]).Ok());
    }
    return projects;
}

TProjectInfo ReadProject(const std::string& path) {
    TProjectInfo project;
    TDeviceImage image{};
    EXPECT_TRUE(ReadProjectFile(path, image, project).Ok()) << path;
    return project;
}

TEST(CliSlow, ThreeSitesWrittenAtOnceEachDeviceHoldsItsRowsProject) {
    TempFolder folder;
    test::DeviceSimulatorProcess simulator({"--port", "COM9", "--save", folder.File("stored9.KV690"),
                                            "--port", "COM10", "--save", folder.File("stored10.KV690"),
                                            "--port", "COM11", "--save", folder.File("stored11.KV690")},
                                           {"COM9", "COM10", "COM11"});
    ASSERT_TRUE(simulator.Ready());
    SaveTemplate(folder);
    // The Port column out of the ports' order, so that a row going to the wrong device shows.
    WriteText(folder.File("sites.csv"), "Site,Port,Phones[1].Number,Inputs[1].SmsEventText,Pin\n"
                                        "North,COM11,+79001110001,NORTH OPEN,1111\n"
                                        "South,COM9,+79001110002,SOUTH OPEN,2222\n"
                                        "East,COM10,+79001110003,EAST OPEN,3333\n");
    const std::map<std::string, TProjectInfo> projects = AppliedProjects(folder);

    const test::CliRun written =
        RunCli({"write", "--sites", "sites.csv", "--no-device-check", "company.KV690"}, folder.Path());
    EXPECT_EQ(written.Status, 0) << written.Err;
    EXPECT_NE(written.Out.find("\nNorth  COM11  written "), std::string::npos) << written.Out;
    EXPECT_NE(written.Out.find("\n3 of 3 sites written\n"), std::string::npos) << written.Out;
    for (const auto& [stored, site] :
         {std::pair{"stored11.KV690", "North"}, {"stored9.KV690", "South"}, {"stored10.KV690", "East"}})
        EXPECT_EQ(FieldDifferences(ReadProject(folder.File(stored)), projects.at(site)),
                  std::vector<TFieldDifference>{})
            << site;

    // The same sites in the ports' order, without a Port column: --ports gives them row by row.
    WriteText(folder.File("in-order.csv"), "Site,Phones[1].Number,Inputs[1].SmsEventText,Pin\n"
                                           "South,+79001110002,SOUTH OPEN,2222\n"
                                           "East,+79001110003,EAST OPEN,3333\n"
                                           "North,+79001110001,NORTH OPEN,1111\n");
    const test::CliRun verified = RunCli(
        {"verify", "--sites", "in-order.csv", "--ports", "COM9-COM11", "--no-device-check", "company.KV690"},
        folder.Path());
    EXPECT_EQ(verified.Status, 0) << verified.Err;
    for (const std::string row :
         {"\nSouth  COM9   equal ", "\nEast   COM10  equal ", "\nNorth  COM11  equal "})
        EXPECT_NE(verified.Out.find(row), std::string::npos) << row << "\n" << verified.Out;

    std::filesystem::create_directory(folder.File("back"));
    const test::CliRun read = RunCli(
        {"read", "--sites", "sites.csv", "--no-device-check", "-o", "back/", "company.KV690"}, folder.Path());
    EXPECT_EQ(read.Status, 0) << read.Err;
    const std::vector<std::string> files = test::FilesIn(folder.File("back"));
    ASSERT_EQ(files.size(), 3u) << read.Out;
    for (const std::string& file : files) {
        const std::string site = file.substr(0, file.find('-'));
        ASSERT_TRUE(projects.contains(site)) << file;
        EXPECT_EQ(FieldDifferences(ReadProject(folder.File("back/" + file)), projects.at(site)),
                  std::vector<TFieldDifference>{})
            << file;
    }
    // A device that does not hold its row's project is told apart, field by field.
    WriteText(folder.File("wrong.csv"), "Site,Port,Phones[1].Number,Inputs[1].SmsEventText,Pin\n"
                                        "North,COM9,+79001110001,NORTH OPEN,1111\n");
    const test::CliRun wrong = RunCli(
        {"verify", "--sites", "wrong.csv", "--ports", "COM9-COM11", "--no-device-check", "company.KV690"},
        folder.Path());
    EXPECT_EQ(wrong.Status, 1) << wrong.Err;
    EXPECT_NE(wrong.Out.find("North (COM9): Pin: device "), std::string::npos) << wrong.Out;
    EXPECT_NE(wrong.Out.find("\nNorth  COM9  different "), std::string::npos) << wrong.Out;
}

} // namespace
} // namespace korvisel
