// SPDX-License-Identifier: GPL-3.0-or-later
// Which port each row of a sites table is written through (or read from): the table's own Port
// column, or else the ports the command line gives, in row order.
#pragma once

#include "files/SitesTable.h"

#include <string>
#include <vector>

namespace korvisel {

// Whether the table's header has a Port column.
bool HasPortColumn(const TCsvTable& table);

struct TGivenPorts {
    std::vector<std::string> Ports; // in the order given; none is fine with a Port column
    std::string Option = "--ports"; // how the messages name where the ports came from
};

// Gives every row its port, or the problem that keeps it from one.
// With a Port column each row keeps its own cell: an empty cell is a problem, and so is a port that
// is not among the given ones when any are given (compared as ApplySitesTable compares ports, without
// regard to case). Without one, record N gets the N-th port given whether it is refused or not, so
// that a refused row leaves its device alone instead of handing it the next site's settings; a row
// beyond the ports given is a problem.
void AssignSitePorts(std::vector<TSiteRow>& rows, bool portColumn, const TGivenPorts& given);

} // namespace korvisel
