// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/SitePorts.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(SitePorts, EachRowGetsItsOwnPortOrTheReasonItHasNone) {
    struct Case {
        const char* name;
        bool portColumn;
        std::vector<std::string> cells; // the Port cells, one row each (ignored without the column)
        TGivenPorts given;
        std::vector<std::string> outcomes; // per row: its port, then its problems
    } cases[] = {
        {"the Port column alone", true, {"COM7", "COM5"}, {}, {"COM7", "COM5"}},
        {"an empty cell",
         true,
         {"COM7", ""},
         {},
         {"COM7", " record 2 (line 3), column Port: no port: a table "
                  "with a Port column names the port of every row"}},
        {"the Port column within the ports given, in any case and order",
         true,
         {"com6", "COM5"},
         {{"COM5", "COM6"}},
         {"com6", "COM5"}},
        {"a port outside the ports given",
         true,
         {"COM5", "COM9"},
         {{"COM5", "COM6"}},
         {"COM5", "COM9 record 2 (line 3), column Port: COM9 is not among the 2 ports --ports gives"}},
        {"ports in row order", false, {}, {{"COM5", "COM6", "COM7"}}, {"COM5", "COM6"}},
        {"rows beyond the ports",
         false,
         {"", "", ""},
         {{"COM5"}, "--port"},
         {"COM5", " record 2 (line 3), column Port: no port left for this row: --port gives 1",
          " record 3 (line 4), column Port: no port left for this row: --port gives 1"}},
    };
    for (const Case& c : cases) {
        std::vector<TSiteRow> rows;
        const std::size_t count = c.portColumn || !c.cells.empty() ? c.cells.size() : 2;
        for (std::size_t n = 0; n < count; ++n) {
            TSiteRow row;
            row.Record = n + 1;
            row.Line = n + 2;
            row.Site = "Site " + std::to_string(n + 1);
            row.Port = c.portColumn ? c.cells[n] : "";
            rows.push_back(row);
        }
        AssignSitePorts(rows, c.portColumn, c.given);
        std::vector<std::string> outcomes;
        for (const TSiteRow& row : rows) {
            std::string outcome = row.Port;
            for (const TSiteProblem& problem : row.Problems)
                outcome += " " + SiteProblemText(row, problem);
            outcomes.push_back(outcome);
        }
        EXPECT_EQ(outcomes, c.outcomes) << c.name;
    }
}

// A refused row still takes its place in the row order: the device on its port is left alone, and
// the next site goes to the next port, not to the refused row's one.
TEST(SitePorts, ARefusedRowKeepsItsPortUnused) {
    std::vector<TSiteRow> rows(3);
    rows[1].Problems.push_back({"Pin", "\"12345\" must be 4 characters of 0123456789"});
    AssignSitePorts(rows, false, {{"COM5", "COM6", "COM7"}});
    EXPECT_EQ(rows[1].Port, "COM6");
    EXPECT_EQ(rows[2].Port, "COM7");
    EXPECT_EQ(rows[1].Problems.size(), 1u);
    EXPECT_TRUE(rows[2].Problems.empty());
}

TEST(SitePorts, APortColumnIsFoundByItsExactName) {
    EXPECT_TRUE(HasPortColumn({{"Site", "Pin", "Port"}, {}}));
    EXPECT_FALSE(HasPortColumn({{"Site", "port"}, {}}));
}

} // namespace
} // namespace korvisel
