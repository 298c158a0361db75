// SPDX-License-Identifier: GPL-3.0-or-later
// Write to Several Devices from a sites table: which row each port gets, what refuses the write, and
// that every port is sent its own row's project.
#include "link/SeveralSites.h"

#include "TempFolder.h"
#include "fields/DeviceImage.h"
#include "i18n/LanguageTexts.h"
#include "link/TransferProtocol.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

const TLanguageTexts English = TLanguageTexts::BuiltInEnglish();

// No phone of its own: the table gives each site its phone.
TProjectInfo CompanyTemplate() {
    TProjectInfo p;
    p.Inputs[1].ReportType = TReportKind::Sms;
    return p;
}

TOfferedSites Sites(const std::string& csv) {
    test::TempFolder folder;
    test::WriteBytes(folder.File("sites.csv"), std::vector<std::uint8_t>(csv.begin(), csv.end()));
    TResult<TOfferedSites> sites = OpenSites(folder.File("sites.csv"), CompanyTemplate(), English);
    EXPECT_TRUE(sites.Ok()) << sites.Reason();
    return sites.Ok() ? std::move(sites).Value() : TOfferedSites{};
}

std::vector<TOfferedPort> Ports(const std::vector<std::pair<const char*, bool>>& ports) {
    std::vector<TOfferedPort> offered;
    for (const auto& [name, usable] : ports)
        offered.push_back({name, "", usable, ""});
    return offered;
}

TEST(SeveralSites, ATableThatCannotBeUsedSaysWhy) {
    test::TempFolder folder;
    const struct {
        const char* name;
        const char* csv; // nullptr: no file
        std::string reason;
    } cases[] = {
        {"missing.csv", nullptr, "The sites table cannot be used: %/missing.csv: not found"},
        {"empty.csv", "Site,Pin\n", "The sites table cannot be used: %/empty.csv: the table names no site"},
        {"nosite.csv", "Name\nA\n",
         "The sites table cannot be used: %/nosite.csv: the header has no Site column"},
        {"quote.csv", "Site\n\"A\n",
         "The sites table cannot be used: %/quote.csv: line 2: a quote opened here is never closed"},
    };
    for (const auto& c : cases) {
        const std::string path = folder.File(c.name);
        if (c.csv)
            test::WriteBytes(path, std::vector<std::uint8_t>(c.csv, c.csv + std::string_view(c.csv).size()));
        const TResult<TOfferedSites> sites = OpenSites(path, CompanyTemplate(), English);
        std::string reason = c.reason;
        reason.replace(reason.find('%'), 1, folder.Path());
        EXPECT_FALSE(sites.Ok()) << c.name;
        EXPECT_EQ(sites.Reason(), reason) << c.name;
    }
}

TEST(SeveralSites, TheRowsLeftOutAreToldWithTheirRecordLineAndColumn) {
    const struct {
        const char* name;
        std::string csv;
        std::string summary;
        std::vector<std::string> notes;
    } cases[] = {
        {"chosen in the dialog",
         "Site,Phones[1].Number,Pin\nNorth,111,1234\nSouth,222,12\nEast,-,\n",
         "Sites table sites.csv (sites: 3, refused: 2) applied to the open project. Choose the site of each "
         "ticked port in the Site column.",
         {"record 2 (line 3), column Pin: \"12\" must be 4 characters of 0123456789",
          "record 3 (line 4): the consistency check refuses its project: the phone book is empty"}},
        {"by the Port column",
         "Site,Port,Phones[1].Number\nNorth,com5,111\nSouth,COM9,222\nEast,,333\nWest,COM3,444\n",
         "Sites table sites.csv (sites: 4, refused: 0) applied to the open project. Its Port column gives "
         "each port its site.",
         {"record 2 (line 3): port COM9 cannot be written here", "record 3 (line 4): the row names no port",
          "record 4 (line 5): port COM3 cannot be written here"}},
    };
    const std::vector<TOfferedPort> ports = Ports({{"COM3", false}, {"COM5", true}, {"COM6", true}});
    for (const auto& c : cases) {
        const TOfferedSites sites = Sites(c.csv);
        EXPECT_EQ(SitesSummary(sites, English), c.summary) << c.name;
        EXPECT_EQ(SitesNotes(sites, ports, English), c.notes) << c.name;
    }
}

TEST(SeveralSites, EachPortGetsTheRowTheTableOrTheUserGivesIt) {
    const TOfferedSites byPort = Sites("Site,Port,Phones[1].Number\nA,com6,1\nB,COM5,2\nC,COM7,\n");
    // COM7's row is refused (no phone), COM8 is named by no row, COM9 cannot be used.
    const std::vector<TOfferedPort> ports =
        Ports({{"COM5", true}, {"COM6", true}, {"COM7", true}, {"COM8", true}, {"COM9", false}});
    EXPECT_EQ(ChoicesByPort(byPort, ports), (TSiteChoices{1u, 0u, std::nullopt, std::nullopt, std::nullopt}));

    // Rows 0, 2 and 3 may be written; row 1 is refused.
    const TOfferedSites chosen = Sites("Site,Phones[1].Number\nA,1\nB,-\nC,3\nD,4\n");
    const std::optional<std::size_t> none;
    const struct {
        const char* name;
        std::vector<bool> ticked;
        TSiteChoices before, after;
    } cases[] = {
        {"the ticked ports in order, past the refused row",
         {true, false, true, true},
         {},
         {0u, none, 2u, 3u}},
        {"a user's choice stays and is not given again",
         {true, true, false},
         {none, 0u, none},
         {2u, 0u, none}},
        {"an unticked port gives its row up", {true, false}, {2u, 0u}, {2u, none}},
        {"more ports than rows", {true, true, true, true}, {}, {0u, 2u, 3u, none}},
    };
    for (const auto& c : cases) {
        TSiteChoices choices = c.before;
        PreselectSites(choices, c.ticked, chosen);
        EXPECT_EQ(choices, c.after) << c.name;
    }
}

TEST(SeveralSites, EveryPortIsSentItsOwnRowsProjectOrNothingStarts) {
    const TOfferedSites sites =
        Sites("Site,Phones[1].Number,Inputs[1].SmsEventText\nA,111,A OPEN\nB,-,\nC,333,C OPEN\n");
    const std::vector<TOfferedPort> ports = Ports({{"COM5", true}, {"COM6", true}, {"COM7", true}});
    const std::optional<std::size_t> none;
    const struct {
        const char* name;
        std::vector<bool> ticked;
        TSiteChoices choices;
        std::string refusal;
    } refusals[] = {
        {"a ticked port without a site",
         {true, true, false},
         {0u, none, none},
         "COM6 has no site: choose one or untick the port."},
        {"one site for two ports",
         {true, false, true},
         {2u, none, 2u},
         "The site C is chosen for COM5 and COM7: each device needs a site of its own."},
        {"a refused row",
         {false, true, false},
         {none, 1u, none},
         "COM6 cannot be written with the site B: record 2 (line 3): the consistency check refuses its "
         "project: "
         "the phone book is empty"},
    };
    for (const auto& c : refusals) {
        const auto payloads = SitesPayloads(sites, ports, c.ticked, c.choices, English);
        EXPECT_FALSE(payloads.Ok()) << c.name;
        EXPECT_EQ(payloads.Reason(), c.refusal) << c.name;
    }
    TOfferedSites byPort = sites;
    byPort.ByPort = true;
    EXPECT_EQ(SitesPayloads(byPort, ports, {true}, {}, English).Reason(),
              "The sites table gives COM5 no site.");

    // COM6 is left out; COM5 and COM7 get C and A, in the order of the ports.
    const auto payloads = SitesPayloads(sites, ports, {true, false, true}, {2u, 0u, 0u}, English);
    ASSERT_TRUE(payloads.Ok()) << payloads.Reason();
    ASSERT_EQ(payloads.Value().size(), 2u);
    const struct { std::string number, text; } sent[] = {{"333", "C OPEN"}, {"111", "A OPEN"}};
    for (std::size_t n = 0; n < 2; ++n) {
        const TBatchPayload& payload = payloads.Value()[n];
        EXPECT_EQ(payload.Payload, BuildPayload(payload.Outgoing)) << n;
        TProjectInfo project;
        UnpackImage(payload.Outgoing, project);
        EXPECT_EQ(project.Phones[1].Number, sent[n].number) << n;
        EXPECT_EQ(project.Inputs[1].SmsEventText, sent[n].text) << n;
    }
}

} // namespace
} // namespace korvisel
