// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/SummaryTables.h"

namespace korvisel::summary {

TMarkupRow TableTop(int right, TMarkupRow row) {
    return row.Smaller(9).Cell(right, TableLeft).Frame(TFrame::Bottom);
}

TMarkupRow TableBottom() {
    return Row().Smaller(9).Cell(TableRight, TableLeft).Frame(TFrame::Top);
}

TMarkupRow NarrowTableBottom(int right, TMarkupRow row) {
    return row.Smaller(9).Cell(right, 19).Frame(TFrame::Top);
}

TMarkupRow& CloseRow(TMarkupRow& row, TFrame frame) {
    return row.SwapEdges().Nudge(-1).Frame(frame);
}

TMarkupRow KindCell(TFrame edges, TFrame outer, TFrame inner, TMarkupRow row) {
    return row.Cell(KindColumnRight, TableLeft).Frame(edges).Frame(outer).Nudge(+1).Frame(inner);
}

TMarkupRow ReportRowStart() {
    return KindCell(TFrame::Sides, TFrame::SidesAndBottom, TFrame::SidesAndBottom);
}

TMarkupRow InputClipStart() {
    return KindCell(TFrame::Sides, TFrame::Sides, TFrame::Sides);
}

TMarkupRow SummaryClipStart() {
    return KindCell(TFrame::Sides, TFrame::SidesAndBottom, TFrame::Sides);
}

TMarkupRow DimmedClipStart() {
    return KindCell(TFrame::Sides, TFrame::SidesAndBottom, TFrame::SidesAndBottom,
                    Row().Color(TMarkupColor::Gray));
}

TMarkupRow& EndReportRow(TMarkupRow& row) {
    row.Frame(TFrame::SidesAndBottom)
        .Column(TableRight)
        .SwapEdges()
        .Frame(TFrame::SidesAndBottom)
        .AlignCentre()
        .Text(" ");
    return CloseRow(row, TFrame::SidesAndBottom);
}

TMarkupRow TextPairTitle(int split, std::string_view left, std::string_view right, TMarkupRow row) {
    row.Cell(split, TableLeft).Frame(TFrame::Box).Nudge(+1).Frame(TFrame::Box).AlignCentre().Text(left);
    row.Column(TableRight).SwapEdges().Nudge(-1).Frame(TFrame::Box).Text(right);
    return CloseRow(row, TFrame::Box);
}

TMarkupRow TextPairRow(int split, std::string_view left, std::string_view right, TMarkupRow row) {
    row.Cell(split, TableLeft).Frame(TFrame::SidesAndTop).Nudge(+1).Frame(TFrame::SidesAndTop).AlignLeft();
    row.Text(" ").Text(left).Column(TableRight).SwapEdges().Frame(TFrame::SidesAndTop).Text(" ").Text(right);
    return CloseRow(row, TFrame::SidesAndTop);
}

TMarkupRow TextPairEnd(int split, TFrame inner, TMarkupRow right, TMarkupRow row) {
    row.Cell(split, TableLeft).Frame(TFrame::SidesAndBottom).Nudge(+1).Frame(inner).AlignLeft().Text("  ");
    row.Column(TableRight).SwapEdges().Frame(TFrame::SidesAndBottom).Append(right);
    return CloseRow(row, TFrame::SidesAndBottom);
}

TMarkupRow WideTableRowStart(TFrame frame) {
    return Row().Cell(240, TableLeft).Frame(TFrame::Sides).Frame(frame).Nudge(+1).Frame(frame);
}
TMarkupRow& EndWideTableRow(TMarkupRow& row, TFrame frame, TMarkupRow right) {
    row.Frame(frame).Column(TableRight).SwapEdges().Frame(frame).AlignCentre().Append(right);
    return CloseRow(row, frame);
}

TMarkupRow TestSmsSpacer() {
    TMarkupRow row = Row().Cell(TableRight, TableLeft).Frame(TFrame::SidesAndBottom).Nudge(+1);
    row.Frame(TFrame::SidesAndBottom).AlignLeft().Text("   ");
    return CloseRow(row, TFrame::SidesAndBottom);
}

TMarkupRow& InColor(TMarkupRow& row, bool on) {
    return on ? row.ListColor() : row.Color(TMarkupColor::Gray);
}

TMarkupRow Caption(std::string_view text) {
    return Row().Bold().Text("  ").Text(text);
}

TMarkupRow SectionCaption(bool on, std::string_view text) {
    TMarkupRow row = Row().Bold();
    return InColor(row, on).Text("  ").Text(text);
}

TMarkupRow Gap(int points) {
    return Row().Smaller(points);
}

TMarkupRow PageTitle() {
    return Row().CentreRow().Bold().Larger(4).ListColor().FramesInTextColor();
}

TMarkupRow ReportTitle() {
    return Row().Frame(TFrame::Nothing).CentreRow().Color(TMarkupColor::Blue).Larger(6).Bold();
}

} // namespace korvisel::summary
