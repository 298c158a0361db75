// SPDX-License-Identifier: GPL-3.0-or-later
// The report laid out: the template's texts with their variables filled in, the bands repeated once
// per row, as pages of positioned text runs, boxes and lines in millimetres that any painter draws.
#pragma once

#include "report/ReportTemplate.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

struct TReportRun {
    TMmRect Rect;     // where the text goes; a boxed cell's text keeps clear of its frame
    std::string Text; // UTF-8, lines separated by "\n"
    TTextStyle Style;
};

struct TReportPage {
    std::vector<TReportRun> Runs;
    std::vector<TMmRect> Boxes;
    std::vector<TMmLine> Lines;
};

// A variable's value in the current row of each band (rows from 0).
using TVariableSource = std::function<std::string(std::string_view name, int inputRow, int phoneRow)>;

// How many rows each band has.
struct TRowCounts {
    int Inputs = 4;
    int Phones = 9;
};

std::vector<TReportPage> LayoutReport(const TReportTemplate& report, const TVariableSource& variables,
                                      TRowCounts rows = {});

// A template text with every "[NAME]" replaced by the variable's value; carriage returns become line
// breaks.
std::string ExpandVariables(std::string_view content,
                            const std::function<std::string(std::string_view)>& value);

// The runs whose text holds `query`, without regard to the case of Latin and Cyrillic letters, in
// page order.
struct TRunRef {
    int Page = 0;
    int Run = 0;
    bool operator==(const TRunRef&) const = default;
};
std::vector<TRunRef> FindInReport(const std::vector<TReportPage>& pages, std::string_view query);

} // namespace korvisel
