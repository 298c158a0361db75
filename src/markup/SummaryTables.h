// SPDX-License-Identifier: GPL-3.0-or-later
// The table shapes and captions the summary panels share, written with the markup builder. The
// tables span 20 to 410 pixels; a report table's first column ends at 140. Most table rows draw
// their left edge twice, a pixel apart, and their right edge likewise (CloseRow).
#pragma once

#include "markup/MarkupRow.h"

#include <string_view>

namespace korvisel::summary {

constexpr int TableLeft = 20;
constexpr int TableRight = 410;
constexpr int KindColumnRight = 140;

// A thin row whose bottom line is a table's top edge.
TMarkupRow TableTop(int right = TableRight, TMarkupRow row = Row());

// A thin row whose top line is a table's bottom edge.
TMarkupRow TableBottom();

// The bottom edge of a table whose last row's cells reach a pixel further left, to 19.
TMarkupRow NarrowTableBottom(int right = TableRight, TMarkupRow row = Row());

// The second line of a row's right edge, a pixel inside the first.
TMarkupRow& CloseRow(TMarkupRow& row, TFrame frame);

// A report table's first cell, 20 to 140: `edges` and `outer` drawn around it, `inner` a pixel
// inside its left edge, which makes that edge a double line.
TMarkupRow KindCell(TFrame edges, TFrame outer, TFrame inner, TMarkupRow row = Row());

// A report row's first cell, 20 to 140, with a double left line.
TMarkupRow ReportRowStart();

// A CLIP row's first cell: its lines run on into the restore row below it.
TMarkupRow InputClipStart();

// A CLIP row's first cell closed below, as the periodic test's summary shows it.
TMarkupRow SummaryClipStart();

// A CLIP row's first cell of a disabled test: gray, closed below.
TMarkupRow DimmedClipStart();

// The last cell of a report row, 410 onwards, then the right double line.
TMarkupRow& EndReportRow(TMarkupRow& row);

// The title row of a two-column text table whose columns split at `split`.
TMarkupRow TextPairTitle(int split, std::string_view left, std::string_view right, TMarkupRow row = Row());

// A two-column text table's row of values, open below.
TMarkupRow TextPairRow(int split, std::string_view left, std::string_view right, TMarkupRow row = Row());

// A two-column text table's empty last row; `inner` is the left edge's second line.
TMarkupRow TextPairEnd(int split, TFrame inner, TMarkupRow right, TMarkupRow row = Row());

// A row of the two-cell tables split at 240: `left` is written by the caller between the first
// cell and the second, `right` is centred in the second.
TMarkupRow WideTableRowStart(TFrame frame);
TMarkupRow& EndWideTableRow(TMarkupRow& row, TFrame frame, TMarkupRow right);

// The empty last row of the periodic test's SMS text table.
TMarkupRow TestSmsSpacer();

// The list's colour for an enabled section, gray for a disabled one.
TMarkupRow& InColor(TMarkupRow& row, bool on);

// A bold caption indented by two blanks.
TMarkupRow Caption(std::string_view text);

// A caption in a section that may be disabled.
TMarkupRow SectionCaption(bool on, std::string_view text);

// A thin blank row: `points` smaller than the list's font.
TMarkupRow Gap(int points);

// A page's title: centred, bold, four points larger, in the list's colour.
TMarkupRow PageTitle();

// A printed report's title: framed, centred, blue, bold, six points larger.
TMarkupRow ReportTitle();

} // namespace korvisel::summary
