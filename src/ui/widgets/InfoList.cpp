// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/InfoList.h"

#include "markup/ReadableColor.h"
#include "ui/widgets/ReadableOnPalette.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace korvisel {
namespace {

enum Role { MarkupRole = Qt::UserRole + 1, HeightRole, StartPenRole };

QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The last point of a frame polyline is not painted.
QPolygon WithoutLastPoint(const std::vector<TPoint>& points) {
    QPolygon polygon;
    for (const TPoint& p : points)
        polygon << QPoint(p.X, p.Y);
    if (polygon.size() >= 2) {
        QPoint& last = polygon.last();
        const QPoint& before = polygon[polygon.size() - 2];
        last.rx() += (before.x() > last.x()) - (before.x() < last.x());
        last.ry() += (before.y() > last.y()) - (before.y() < last.y());
    }
    return polygon;
}

} // namespace

QFont MarkupQFont(const QFont& family, const TMarkupFont& font) {
    QFont q = family;
    q.setPointSize(std::max(1, font.Size));
    q.setBold(font.Bold);
    q.setItalic(font.Italic);
    q.setUnderline(font.Underline);
    return q;
}

int TQtFontMetrics::TextWidth(std::string_view text, const TMarkupFont& font) {
    return QFontMetrics(MarkupQFont(family_, font)).horizontalAdvance(ToQString(text));
}

int TQtFontMetrics::TextHeight(std::string_view, const TMarkupFont& font) {
    return QFontMetrics(MarkupQFont(family_, font)).height();
}

TExtensionList::TExtensionList(QWidget* parent) : QListWidget(parent) {
    setItemDelegate(new TMarkupDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TExtensionList::SetDesignedLook(int pointSize, int itemHeight) {
    constexpr double DesignedApplicationPoints = 8.0;
    QFont list = font();
    list.setPointSize(
        std::max(1, qRound(QApplication::font().pointSizeF() * pointSize / DesignedApplicationPoints)));
    setFont(list);
    itemHeight_ = std::max(itemHeight, QFontMetrics(list).height() + 2);
}

TMarkupFont TExtensionList::ListMarkupFont() const {
    TMarkupFont f;
    f.Bold = font().bold();
    f.Italic = font().italic();
    f.Underline = font().underline();
    f.Size = font().pointSize();
    f.Color = FromQColor(palette().color(QPalette::Text));
    return f;
}

void TExtensionList::SetRows(const std::vector<std::string>& rows, const TLanguageTexts& texts) {
    clear();
    const std::vector<TRgb> pens = StartPenColors(rows, ListMarkupFont().Color);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        auto* item = new QListWidgetItem(this);
        const std::string readable = MarkupReadableText(rows[i]);
        item->setData(Qt::AccessibleTextRole,
                      ToQString(readable.empty() ? texts.Text("PRG_A11Y_BLANK_ROW") : readable));
        item->setData(MarkupRole, ToQString(rows[i]));
        item->setData(HeightRole, MeasureItemHeight(rows[i], itemHeight_));
        item->setData(StartPenRole, static_cast<uint>(pens[i]));
    }
}

std::vector<std::string> TExtensionList::Rows() const {
    std::vector<std::string> rows;
    for (int i = 0; i < count(); ++i)
        rows.push_back(item(i)->data(MarkupRole).toString().toStdString());
    return rows;
}

void TExtensionList::SetSelColorEn(bool enabled) {
    if (enabled == selColorEn_)
        return;
    selColorEn_ = enabled;
    viewport()->update();
}

void TExtensionList::enterEvent(QEnterEvent* event) {
    if (takesFocusOnHover_)
        setFocus(Qt::MouseFocusReason);
    QListWidget::enterEvent(event);
}

QSize TMarkupDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
    return QSize(list_->viewport()->width(), std::max(0, index.data(HeightRole).toInt()));
}

void TMarkupDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const {
    const bool highlighted = list_->SelColorEn() && (option.state & QStyle::State_Selected);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(option.rect, highlighted ? option.palette.highlight() : option.palette.base());

    const std::string row = index.data(MarkupRole).toString().toStdString();
    const TRect rect{option.rect.left(), option.rect.top(), option.rect.right() + 1,
                     option.rect.bottom() + 1};
    TQtFontMetrics metrics(list_->font());
    const TMarkupLayout layout = LayoutMarkupItem(
        row, rect, list_->ListMarkupFont(), static_cast<TRgb>(index.data(StartPenRole).toUInt()), metrics);
    // The designed colours stay on a light theme; on a dark one those that would vanish are lightened.
    const TRgb background = FromQColor(option.palette.base().color());
    for (const TLineOp& line : layout.Lines) {
        QPen pen(ToQColor(ReadableColor(line.Color, background)));
        pen.setWidth(0);
        painter->setPen(pen);
        painter->drawPolyline(WithoutLastPoint(line.Points));
    }
    for (const TTextOp& text : layout.Texts) {
        const QFont font = MarkupQFont(list_->font(), text.Font);
        painter->setFont(font);
        painter->setPen(ToQColor(ReadableColor(text.Font.Color, background)));
        painter->drawText(QPoint(text.X, text.Y + QFontMetrics(font).ascent()), ToQString(text.Text));
    }
    if (list_->SelColorEn() && (option.state & QStyle::State_HasFocus)) {
        painter->setPen(QPen(option.palette.text(), 0, Qt::DotLine));
        painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    }
    painter->restore();
}

} // namespace korvisel
