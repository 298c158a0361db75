// SPDX-License-Identifier: GPL-3.0-or-later
// Write to Several Devices from a sites table: the table applied to the open project as its template,
// which row each port gets (by the table's Port column, else as the user chooses), what refuses the
// write, each port's own block, and the words for all of it in the user's language.
#pragma once

#include "files/SitesTable.h"
#include "link/BatchTransfer.h"
#include "link/SeveralDevices.h"

#include <optional>
#include <string>
#include <vector>

namespace korvisel {

class TLanguageTexts;

struct TOfferedSites {
    std::string Name; // the table file's name, as the dialog shows it
    TCsvTable Table;  // kept to be applied again when the dialog opens over a changed project
    std::vector<TSiteRow> Rows;
    bool ByPort = false; // the table has a Port column: it gives each port its row
};

// The table in `path` applied to the open project, or why it cannot be used, in the user's words.
TResult<TOfferedSites> OpenSites(const std::string& path, const TProjectInfo& projectTemplate,
                                 const TLanguageTexts& texts);

// The rows made anew from the open project as it is now.
void ApplyAgain(TOfferedSites& sites, const TProjectInfo& projectTemplate);

// "Sites table sites.csv (sites: 3, refused: 1) ..." and how the ports get their rows.
std::string SitesSummary(const TOfferedSites& sites, const TLanguageTexts& texts);

// "record 3 (line 4), column Pin: ...", as SiteProblemText says it, in the user's words.
std::string SiteProblemLine(const TSiteRow& row, const TSiteProblem& problem, const TLanguageTexts& texts);

// Every problem of every refused row and, with a Port column, each row whose port cannot be written
// here or that names none: each row the write leaves out, and why.
std::vector<std::string> SitesNotes(const TOfferedSites& sites, const std::vector<TOfferedPort>& ports,
                                    const TLanguageTexts& texts);

// A refused row is never given to a port.
inline bool Choosable(const TSiteRow& row) {
    return row.Problems.empty();
}

// "Kiosk 2", or "Kiosk 2 (refused)": a row as a port's list of sites names it.
std::string SiteChoiceText(const TSiteRow& row, const TLanguageTexts& texts);

// Each offered port's row (an index into the rows), in the order of the ports.
using TSiteChoices = std::vector<std::optional<std::size_t>>;

// With a Port column: each usable port gets the row that names it (without regard to case), unless
// that row is refused.
TSiteChoices ChoicesByPort(const TOfferedSites& sites, const std::vector<TOfferedPort>& ports);

// Without one: an unticked port gives its row up, and each ticked port still without one gets the
// first row that may be written and that no other port has, in the table's order.
void PreselectSites(TSiteChoices& choices, const std::vector<bool>& ticked, const TOfferedSites& sites);

// The block of each ticked port, in the order of the ports, each row's project packed as the write of
// one project packs it; or why nothing may start: a ticked port without a row, a refused row, one
// site for two ports.
TResult<std::vector<TBatchPayload>> SitesPayloads(const TOfferedSites& sites,
                                                  const std::vector<TOfferedPort>& ports,
                                                  const std::vector<bool>& ticked,
                                                  const TSiteChoices& choices, const TLanguageTexts& texts);

} // namespace korvisel
