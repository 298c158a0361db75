// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SitesTable.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

// One phone, input 1 reporting by SMS to it, input 3 by DATA.
TProjectInfo CompanyTemplate() {
    TProjectInfo p;
    p.Phones[1] = {"111", "", false};
    p.Inputs[1].ReportType = TReportKind::Sms;
    p.Inputs[3].ReportType = TReportKind::Data;
    return p;
}

std::vector<TSiteRow> Applied(const std::string& csv) {
    const TResult<TCsvTable> table = ReadCsvTable(csv);
    EXPECT_TRUE(table.Ok()) << table.Reason();
    const TResult<std::vector<TSiteRow>> rows = ApplySitesTable(table.Value(), CompanyTemplate());
    EXPECT_TRUE(rows.Ok()) << rows.Reason();
    return rows.Ok() ? rows.Value() : std::vector<TSiteRow>{};
}

// Each row's file name, or its problems, one line each.
std::vector<std::string> Outcomes(const std::vector<TSiteRow>& rows) {
    std::vector<std::string> outcomes;
    for (const TSiteRow& row : rows) {
        if (row.Problems.empty())
            outcomes.push_back(row.FileName);
        for (const TSiteProblem& problem : row.Problems)
            outcomes.push_back(SiteProblemText(row, problem));
    }
    return outcomes;
}

TEST(SitesTable, ARowIsRefusedForItsOwnFaultsAndTheOthersGoOn) {
    struct Case {
        const char* name;
        std::string csv;
        std::vector<std::string> outcomes;
    } cases[] = {
        {"every row written",
         "Site,Pin,Inputs[1].SmsEventText\nNorth,1111,N OPEN\nSouth,,\n",
         {"North.KV690", "South.KV690"}},
        {"unknown column, where a row fills it",
         "Site,Phones[1].Numbr\nA,\nB,555\n",
         {"A.KV690", "record 2 (line 3), column Phones[1].Numbr: no site field has this name (korvisel-cli "
                     "diff prints them)"}},
        {"an SMS text on a DATA input",
         "Site,Inputs[3].SmsEventText\nA,OPEN\n",
         {"record 1 (line 2), column Inputs[3].SmsEventText: the report kind of this record does not use the "
          "field"}},
        {"a refused value, a record spanning lines",
         "Site,Pin\n\"Two\nlines\",1\nB,12345\n",
         {"record 1 (line 2), column Pin: \"1\" must be 4 characters of 0123456789",
          "record 2 (line 4), column Pin: \"12345\" must be 4 characters of 0123456789"}},
        {"duplicate site and port",
         "Site,Port\nA,COM5\nA,com5\n",
         {"A.KV690", "record 2 (line 3), column Site: the site is named in record 1 too",
          "record 2 (line 3), column Port: the port is given in record 1 too"}},
        {"a site without a name",
         "Site,Pin\n,1234\n",
         {"record 1 (line 2), column Site: the site has no name"}},
        {"the check refuses a project without phones",
         "Site,Phones[1].Number\nA,-\n",
         {"record 1 (line 2): the consistency check refuses its project: the phone book is empty"}},
        {"names that become one file name get a counter",
         "Site\na/b\na_b\nA_B\n",
         {"a_b.KV690", "a_b-2.KV690", "A_B-3.KV690"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Outcomes(Applied(c.csv)), c.outcomes) << c.name;
}

TEST(SitesTable, TheHeaderMustNameTheSitesOnce) {
    struct Case {
        const char* csv;
        const char* reason;
    } cases[] = {
        {"Pin\n1234\n", "the header has no Site column"},
        {"Site,Pin,Pin\nA,1234,1234\n", "the header names the column Pin twice"},
        {"Site,,Pin\nA,x,1234\n", "column 2 of the header has no name"},
    };
    for (const Case& c : cases) {
        const TResult<std::vector<TSiteRow>> rows =
            ApplySitesTable(ReadCsvTable(c.csv).Value(), CompanyTemplate());
        ASSERT_FALSE(rows.Ok()) << c.csv;
        EXPECT_EQ(rows.Reason(), c.reason);
    }
}

TEST(SitesTable, ARowsProjectIsTheTemplateWithItsValues) {
    const std::vector<TSiteRow> rows =
        Applied("Site,Phones[2].Number,Inputs[3].Cid.Object,Pin\nNorth,+7900,12ab,4321\n");
    ASSERT_EQ(rows.size(), 1u);
    TProjectInfo expected = CompanyTemplate();
    expected.Phones[2].Number = "+7900";
    expected.Phones[2].Empty = false;
    expected.Inputs[3].Cid.Object = {'1', '2', 'A', 'B'};
    expected.Pin = {'4', '3', '2', '1'};
    EXPECT_EQ(rows[0].Project, expected);
}

TEST(SitesTable, ASiteNameBecomesASafeFileName) {
    struct Case {
        std::string site;
        std::string stem;
    } cases[] = {
        {"Shop 12", "Shop 12"},
        {"../../etc/passwd", "___.._etc_passwd"},
        {".hidden", "_hidden"},
        {"tab\there\x7F", "tab_here_"},
        {"\xD0\x9C\xD0\xB0\xD0\xB3\xD0\xB0\xD0\xB7\xD0\xB8\xD0\xBD",
         "\xD0\x9C\xD0\xB0\xD0\xB3\xD0\xB0\xD0\xB7\xD0\xB8\xD0\xBD"},
        {std::string(199, 'a') + "\xD0\x9C", std::string(199, 'a')}, // not cut inside a character
        {"/", "_"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SiteFileStem(c.site), c.stem) << c.site;
}

TEST(SitesTable, ATemplateFileLimitsTheColumnsAndGivesItsDefaults) {
    TSiteTemplate company{"Company",
                          {{"Phones[1].Number", "Owner", std::nullopt}, {"Pin", "PIN", std::string("1234")}},
                          CompanyTemplate()};
    const TResult<TCsvTable> table =
        ReadCsvTable("Site,Phones[1].Number,Pin,Phones[2].Number\nNorth,222,,\nSouth,,5555,\nWest,,,333\n");
    ASSERT_TRUE(table.Ok());
    const TResult<std::vector<TSiteRow>> rows = ApplySitesTable(table.Value(), company);
    ASSERT_TRUE(rows.Ok()) << rows.Reason();
    EXPECT_EQ(
        Outcomes(rows.Value()),
        (std::vector<std::string>{"North.KV690", "South.KV690",
                                  "record 3 (line 4), column Phones[2].Number: the template leaves this "
                                  "field to no site"}));
    EXPECT_EQ(rows.Value()[0].Project.Phones[1].Number, "222");
    EXPECT_EQ(rows.Value()[0].Project.Pin, (std::array<char, 4>{'1', '2', '3', '4'})) << "the default";
    EXPECT_EQ(rows.Value()[1].Project.Phones[1].Number, "111") << "the template's own";
    EXPECT_EQ(rows.Value()[1].Project.Pin, (std::array<char, 4>{'5', '5', '5', '5'}));

    // Without a column for it, a field still gets its default.
    const TResult<std::vector<TSiteRow>> bare =
        ApplySitesTable(ReadCsvTable("Site\nEast\n").Value(), company);
    ASSERT_TRUE(bare.Ok());
    EXPECT_EQ(bare.Value()[0].Project.Pin, (std::array<char, 4>{'1', '2', '3', '4'}));
}

} // namespace
} // namespace korvisel
