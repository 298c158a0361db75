// SPDX-License-Identifier: GPL-3.0-or-later
// korvisel-cli apply: its exit statuses, and for random templates and tables, each written project
// is the template with its row's values and differs from it in those fields only.
#include "core/SmsText.h"
#include "fields/SiteFields.h"
#include "files/ProjectFile.h"
#include "files/SitesTable.h"
#include "json/ProjectDiff.h"
#include "json/ProjectJson.h"
#include "json/TemplateFolder.h"

#include "CliProcess.h"
#include "RandomProjects.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <random>
#include <set>

namespace korvisel {
namespace {

using test::RunCli;
using test::TempFolder;
using test::WriteText;

// The company standard: one phone, input 1 reporting by SMS, input 3 by DATA.
std::string WriteTemplate(const TempFolder& folder) {
    TProjectInfo p;
    p.Phones[1] = {"111", "", false};
    p.Inputs[1].ReportType = TReportKind::Sms;
    p.Inputs[3].ReportType = TReportKind::Data;
    TDeviceImage image{};
    EXPECT_TRUE(WriteProjectFile(folder.File("company.KV690"), p, image).Ok());
    return "company.KV690";
}

TEST(Apply, ExitStatusSaysWhetherEverySiteWasWritten) {
    struct Case {
        const char* name;
        std::string csv;
        std::vector<std::string> options;
        int status;
        std::vector<std::string> written;
    } cases[] = {
        {"every row", "Site,Pin\nNorth,1111\nSouth,2222\n", {}, 0, {"North.KV690", "South.KV690"}},
        {"one refused, the other written", "Site,Pin\nNorth,1111\nSouth,22222\n", {}, 1, {"North.KV690"}},
        {"all or nothing", "Site,Pin\nNorth,1111\nSouth,22222\n", {"--all-or-nothing"}, 1, {}},
        {"no Site column", "Pin\n1111\n", {}, 2, {}},
        {"an unterminated quote", "Site\n\"North\n", {}, 2, {}},
        {"more cells than the header", "Site\nNorth,1\n", {}, 2, {}},
        {"no sites", "Site,Pin\n", {}, 2, {}},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        WriteText(folder.File("sites.csv"), c.csv);
        std::vector<std::string> args = {"apply", WriteTemplate(folder), "sites.csv", "-o", "out"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const test::CliRun run = RunCli(args, folder.Path());
        EXPECT_EQ(run.Status, c.status) << c.name << ": " << run.Err;
        const std::vector<std::string> written = std::filesystem::is_directory(folder.File("out"))
                                                     ? test::FilesIn(folder.File("out"))
                                                     : std::vector<std::string>{};
        EXPECT_EQ(written, c.written) << c.name;
    }
}

TEST(Apply, ATemplateFileGivesItsColumnsAndDefaults) {
    TempFolder folder;
    TSiteTemplate company;
    company.Name = "Company";
    company.Project.Phones[1] = {"111", "", false};
    company.Project.Inputs[1].ReportType = TReportKind::Sms;
    company.Fields = {{"Phones[1].Number", "Owner", std::nullopt}, {"Pin", "PIN", std::string("1234")}};
    ASSERT_TRUE(SaveTemplateFile(folder.Path(), company).Ok());
    WriteText(folder.File("sites.csv"),
              "Site,Phones[1].Number,Inputs[1].SmsEventText\nNorth,222,\nSouth,,OPEN\n");
    const test::CliRun run = RunCli({"apply", "Company.json", "sites.csv", "-o", "out"}, folder.Path());
    EXPECT_EQ(run.Status, 1) << run.Err;
    EXPECT_NE(
        run.Err.find("record 2 (line 3), column Inputs[1].SmsEventText: the template leaves this field to no "
                     "site"),
        std::string::npos)
        << run.Err;
    TDeviceImage image{};
    TProjectInfo north;
    ASSERT_TRUE(ReadProjectFile(folder.File("out/North.KV690"), image, north).Ok());
    EXPECT_EQ(north.Phones[1].Number, "222");
    EXPECT_EQ(north.Pin, (std::array<char, 4>{'1', '2', '3', '4'})) << "the template's default";

    // As JSON, each project keeps where it came from, and convert keeps that from file to file.
    const test::CliRun json =
        RunCli({"apply", "Company.json", "sites.csv", "-o", "json", "--json"}, folder.Path());
    EXPECT_EQ(json.Status, 1) << json.Err;
    EXPECT_EQ(test::FilesIn(folder.File("json")), (std::vector<std::string>{"North.json"}));
    ASSERT_EQ(RunCli({"convert", "json/North.json", "copy.json"}, folder.Path()).Status, 0);
    const std::vector<std::uint8_t> bytes = test::ReadBytes(folder.File("copy.json"));
    TProjectInfo read;
    TSiteOrigin origin;
    ASSERT_EQ(ProjectFromJson(std::string(bytes.begin(), bytes.end()), read, nullptr, nullptr, &origin),
              std::nullopt);
    EXPECT_EQ(origin, (TSiteOrigin{"Company", "North", {{"Phones[1].Number", "222"}}}));
    TDeviceImage fromJson{}, fromKv690{};
    PackImage(read, fromJson);
    PackImage(north, fromKv690);
    EXPECT_EQ(fromJson, fromKv690) << "the same settings as the .KV690 file";

    // A site's name is any bytes a table holds; JSON shows what is no UTF-8 rather than failing.
    WriteText(folder.File("odd.csv"), "Site\n\xFF\xFEodd\n");
    const test::CliRun odd =
        RunCli({"apply", "Company.json", "odd.csv", "-o", "odd", "--json"}, folder.Path());
    EXPECT_EQ(odd.Status, 0) << odd.Err;
    EXPECT_EQ(test::FilesIn(folder.File("odd")).size(), 1u);

    WriteText(folder.File("broken.json"), "{\"Format\": \"korvisel template 1\", \"Name\": \"\"}");
    const test::CliRun broken = RunCli({"apply", "broken.json", "sites.csv", "-o", "out2"}, folder.Path());
    EXPECT_EQ(broken.Status, 2);
    EXPECT_NE(broken.Err.find("broken.json: Fields: is missing"), std::string::npos) << broken.Err;
}

TEST(Apply, MessagesNameTheRecordLineAndColumnAndTheSummaryTheSites) {
    TempFolder folder;
    WriteText(folder.File("sites.csv"),
              "Site,Inputs[1].SmsEventText\r\n\"North\r\nGate\",OPEN N\r\nSouth,TOO LONG TEXT\r\n");
    const test::CliRun run =
        RunCli({"apply", WriteTemplate(folder), "sites.csv", "-o", "out"}, folder.Path());
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(run.Err,
              "korvisel-cli: sites.csv: record 2 (line 4), column Inputs[1].SmsEventText: \"TOO LONG "
              "TEXT\" is longer than 10 characters\n");
    EXPECT_EQ(run.Out, "written: North\\x0D\\x0AGate -> out/North__Gate.KV690\n1 of 2 sites written\n"
                       "not written: South (record 2)\n");
}

TEST(Apply, UsageAndUnreadableInputsAreStatusTwo) {
    TempFolder folder;
    WriteText(folder.File("sites.csv"), "Site\nNorth\n");
    const std::string templ = WriteTemplate(folder);
    std::vector<std::uint8_t> altered = test::ReadBytes(folder.File(templ));
    altered[10 + 276] = '2'; // the phone's first digit, the checksum left as it was
    test::WriteBytes(folder.File("altered.KV690"), altered);
    const std::vector<std::vector<std::string>> cases = {
        {"apply", templ, "sites.csv"},
        {"apply", templ, "-o", "out"},
        {"apply", templ, "sites.csv", "-o", "out", "--bogus"},
        {"apply", "missing.KV690", "sites.csv", "-o", "out"},
        {"apply", templ, "missing.csv", "-o", "out"},
        {"apply", "altered.KV690", "sites.csv", "-o", "out"},
    };
    for (const std::vector<std::string>& args : cases)
        EXPECT_EQ(RunCli(args, folder.Path()).Status, 2) << args[1] << " " << args[2];
    EXPECT_FALSE(std::filesystem::exists(folder.File("out")));
    const test::CliRun help = RunCli({"apply", "--help"}, folder.Path());
    EXPECT_EQ(help.Status, 0);
    EXPECT_TRUE(help.Out.starts_with("Usage: korvisel-cli apply TEMPLATE SITES.csv -o FOLDER")) << help.Out;
}

// Random cells each field's page takes, and the clearing "-" where a field can be cleared.
class RandomCells {
public:
    explicit RandomCells(std::uint32_t seed) : random_(seed) {}

    std::string For(const TSiteField& field) {
        if (Below(6) == 0 && field.Row->Type != TFieldType::Symbols)
            return std::string(ClearingCell);
        switch (field.Row->Type) {
        case TFieldType::PhoneNumber:
            return (Below(2) ? "+" : "") + Characters("0123456789", 1 + Below(20));
        case TFieldType::SmsText:
            // The SMS table's characters, commas, quotes and blanks among them.
            return Characters(std::string(SmsCharTable + 1, 127), 1 + Below(10));
        case TFieldType::ContactId:
            return Characters("1234567890ABCDabcd*#", static_cast<std::uint32_t>(field.Group->Length));
        default:
            return Characters(std::string(field.Row->Settable.Allowed), 4);
        }
    }
    std::uint32_t Below(std::uint32_t n) { return static_cast<std::uint32_t>(random_() % n); }

private:
    std::string Characters(const std::string& from, std::uint32_t count) {
        std::string text;
        for (std::uint32_t i = 0; i < count; ++i)
            text += from[Below(static_cast<std::uint32_t>(from.size()))];
        return text;
    }
    std::mt19937 random_;
};

// What a field holds once its cell is applied.
std::string ValueOfCell(const TSiteField& field, const std::string& cell) {
    if (field.Group) {
        std::string symbols = cell == ClearingCell ? std::string(field.Group->Length, '0') : cell;
        for (char& c : symbols)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return symbols;
    }
    return cell == ClearingCell ? std::string() : cell;
}

std::string CsvCell(const std::string& cell) {
    std::string quoted = "\"";
    for (const char c : cell)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

TEST(Apply, EachWrittenProjectIsTheTemplateWithItsRowsValues) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        TempFolder folder;
        TProjectInfo random = test::RandomProjectMaker(seed).Make();
        random.Phones[9] = {"999", "", false}; // so that the check lets every site be written
        TDeviceImage image{};
        ASSERT_TRUE(WriteProjectFile(folder.File("template.KV690"), random, image).Ok());
        TProjectInfo templ;
        ASSERT_TRUE(ReadProjectFile(folder.File("template.KV690"), image, templ).Ok());

        RandomCells cells(seed);
        std::vector<TSiteField> columns;
        for (const TSiteField& field : SiteFields())
            if (field.Name != "Phones[9].Number" && SiteFieldUsed(field, templ) && cells.Below(5) == 0)
                columns.push_back(field);
        const std::string lineEnd = seed % 2 ? "\r\n" : "\n";
        std::string csv = "Site";
        for (const TSiteField& field : columns)
            csv += "," + field.Name;
        csv += lineEnd;
        std::vector<std::map<std::string, std::string>> rows(1 + cells.Below(5));
        for (std::size_t r = 0; r < rows.size(); ++r) {
            csv += "Site " + std::to_string(r + 1);
            for (const TSiteField& field : columns) {
                const std::string cell = cells.Below(4) == 0 ? std::string() : cells.For(field);
                if (!cell.empty())
                    rows[r][field.Name] = cell;
                csv += "," + CsvCell(cell);
            }
            csv += lineEnd;
        }
        WriteText(folder.File("sites.csv"), csv);

        const test::CliRun run = RunCli({"apply", "template.KV690", "sites.csv", "-o", "out"}, folder.Path());
        ASSERT_EQ(run.Status, 0) << "seed " << seed << ": " << run.Err << "\n" << csv;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            TProjectInfo site;
            TDeviceImage read{};
            ASSERT_TRUE(
                ReadProjectFile(folder.File("out/Site " + std::to_string(r + 1) + ".KV690"), read, site)
                    .Ok());
            std::set<std::string> changed;
            for (const TSiteField& field : columns) {
                const auto cell = rows[r].find(field.Name);
                const std::string expected =
                    cell == rows[r].end() ? SiteFieldValue(field, templ) : ValueOfCell(field, cell->second);
                EXPECT_EQ(SiteFieldValue(field, site), expected) << "seed " << seed << " " << field.Name;
                if (expected != SiteFieldValue(field, templ))
                    changed.insert(field.Name);
            }
            std::set<std::string> differing;
            for (const TFieldDifference& d : FieldDifferences(templ, site))
                differing.insert(d.Field);
            EXPECT_EQ(differing, changed) << "seed " << seed << " row " << r + 1;
        }
    }
}

} // namespace
} // namespace korvisel
