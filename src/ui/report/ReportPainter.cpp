// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/report/ReportPainter.h"

#include "core/SafeText.h"
#include "files/FileIo.h"

#include <QBuffer>
#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace korvisel {
namespace {

constexpr double MmPerPoint = 25.4 / 72;
// The painter works in tenths of a millimetre, fine enough for whole-number font sizes.
constexpr double Units = 10;

QRectF UnitRect(const TMmRect& rect) {
    return {rect.Left * Units, rect.Top * Units, rect.Width * Units, rect.Height * Units};
}

QFont ReportFont(const TTextStyle& style) {
    QFont font("DejaVu Sans");
    font.setPixelSize(std::max(1, static_cast<int>(style.Points * MmPerPoint * Units + 0.5)));
    font.setBold(style.Bold);
    // No ligatures, so that the words of a PDF can be found and copied as they were written.
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::PreferNoShaping));
    return font;
}

int Flags(const TTextStyle& style) {
    const int horizontal = style.Align == TTextAlign::Center  ? Qt::AlignHCenter
                           : style.Align == TTextAlign::Right ? Qt::AlignRight
                                                              : Qt::AlignLeft;
    // Running text fills its box from the top; single lines and captions sit in the middle.
    const int vertical = style.Wrap && style.Align == TTextAlign::Left ? Qt::AlignTop : Qt::AlignVCenter;
    return horizontal | vertical | (style.Wrap ? Qt::TextWordWrap : 0);
}

// A run's text as it is drawn: a control that would reorder the text is shown instead of obeyed.
QString ShownText(const TReportRun& run) {
    return QString::fromStdString(ShownBidiControls(run.Text));
}

// Whether the text needs more room than its box gives, in the painter's units.
bool Overflows(const TReportRun& run) {
    const QFontMetricsF metrics(ReportFont(run.Style));
    const QRectF rect = UnitRect(run.Rect);
    const QString text = ShownText(run);
    if (!run.Style.Wrap && !text.contains(QChar('\n')))
        return metrics.horizontalAdvance(text) > rect.width();
    const QRectF needed = metrics.boundingRect(rect, Flags(run.Style), text);
    return needed.height() > rect.height() + 0.5 || needed.width() > rect.width() + 0.5;
}

} // namespace

std::vector<std::string> CutShortTexts(const std::vector<TReportPage>& pages) {
    std::vector<std::string> cut;
    for (const TReportPage& page : pages)
        for (const TReportRun& run : page.Runs)
            if (!run.Text.empty() && Overflows(run))
                cut.push_back(run.Text);
    return cut;
}

void PaintReportPage(QPainter& painter, const TReportPage& page, double dotsPerMm,
                     const TReportMarks& marks) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.scale(dotsPerMm / Units, dotsPerMm / Units);
    for (std::size_t n = 0; n < page.Runs.size(); ++n) {
        const bool found =
            std::find(marks.Found.begin(), marks.Found.end(), static_cast<int>(n)) != marks.Found.end();
        if (found)
            painter.fillRect(UnitRect(page.Runs[n].Rect), marks.Current == static_cast<int>(n)
                                                              ? QColor(0xff, 0x9f, 0x1c)
                                                              : QColor(0xff, 0xe8, 0x6b));
    }
    painter.setPen(QPen(Qt::black, 0.25 * Units));
    painter.setBrush(Qt::NoBrush);
    for (const TMmRect& box : page.Boxes)
        painter.drawRect(UnitRect(box));
    for (const TMmLine& line : page.Lines)
        painter.drawLine(QPointF(line.X1 * Units, line.Y1 * Units),
                         QPointF(line.X2 * Units, line.Y2 * Units));
    painter.setPen(Qt::black);
    for (const TReportRun& run : page.Runs) {
        painter.setFont(ReportFont(run.Style));
        const QRectF rect = UnitRect(run.Rect);
        painter.save();
        painter.setClipRect(rect);
        QString text = ShownText(run);
        // A single line too long for its cell ends in an ellipsis rather than being cut mid-letter.
        if (!run.Style.Wrap && !text.contains(QChar('\n')))
            text = QFontMetricsF(painter.font(), painter.device())
                       .elidedText(text, Qt::ElideRight, rect.width());
        painter.drawText(rect, Flags(run.Style), text);
        painter.restore();
    }
    painter.restore();
}

void PaintReport(QPagedPaintDevice& device, const std::vector<TReportPage>& pages) {
    QPainter painter(&device);
    // The device's page rectangle starts at its printable area; the sheet's origin is its corner.
    const int dpi = device.logicalDpiX();
    const QRectF paper = device.pageLayout().fullRectPixels(dpi);
    const QRectF paint = device.pageLayout().paintRectPixels(dpi);
    const double dotsPerMm = dpi / 25.4;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        if (n > 0)
            device.newPage();
        painter.save();
        painter.translate(paper.topLeft() - paint.topLeft());
        PaintReportPage(painter, pages[n], dotsPerMm);
        painter.restore();
    }
}

std::string ReportPdf(const std::vector<TReportPage>& pages) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(600);
        pdf.setTitle("Device profile");
        pdf.setCreator("Korvisel");
        PaintReport(pdf, pages);
    }
    return bytes.toStdString();
}

TResult<> WriteReportPdf(const std::string& path, const std::vector<TReportPage>& pages) {
    const std::string bytes = ReportPdf(pages);
    if (bytes.empty())
        return TResult<>::Failure("the PDF could not be made");
    const TResult<> written = WriteFileAtomically(
        path, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    return written;
}

} // namespace korvisel
