// SPDX-License-Identifier: GPL-3.0-or-later
// Draws laid-out report pages with QPainter: on screen at any zoom, on a printer, into a PDF.
#pragma once

#include "core/Result.h"
#include "report/ReportLayout.h"

#include <string>
#include <vector>

class QPainter;
class QPagedPaintDevice;

namespace korvisel {

// What a page shows marked: the runs found by a search, one of them the current one.
struct TReportMarks {
    std::vector<int> Found;
    int Current = -1;
};

// Draws `page` with its top left corner at the painter's origin, `dotsPerMm` device dots to the
// millimetre.
void PaintReportPage(QPainter& painter, const TReportPage& page, double dotsPerMm,
                     const TReportMarks& marks = {});

// Every page on a paged device (a printer, a PDF writer), one sheet each.
void PaintReport(QPagedPaintDevice& device, const std::vector<TReportPage>& pages);

// The texts that do not fit their boxes and are cut short on paper, in page order.
std::vector<std::string> CutShortTexts(const std::vector<TReportPage>& pages);

// The pages as the bytes of an A4 PDF; empty when it could not be made.
std::string ReportPdf(const std::vector<TReportPage>& pages);

// The pages as an A4 PDF, written through a temporary file and a rename.
TResult<> WriteReportPdf(const std::string& path, const std::vector<TReportPage>& pages);

} // namespace korvisel
