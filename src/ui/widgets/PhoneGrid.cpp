// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/PhoneGrid.h"

#include "editor/PhoneGridRules.h"
#include "ui/widgets/Icons.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>

#include <algorithm>

#include <algorithm>

namespace korvisel {
namespace {

constexpr int RowRole = Qt::UserRole + 1;
// The selection of an entry without a number, in the colour of an inactive window caption.
const QColor InactiveCaption(0xbf, 0xcd, 0xdb);

// The cells are painted; a screen reader asks the grid for them in words.
class TPhoneRowItem : public QTreeWidgetItem {
public:
    TPhoneRowItem(TPhoneGrid& grid, int row) : QTreeWidgetItem(&grid), grid_(grid), row_(row) {}

    QVariant data(int column, int role) const override {
        if (role == Qt::AccessibleTextRole && grid_.NumberText && grid_.CellName)
            return column == 0 ? grid_.NumberText(row_) : grid_.CellName(row_, column + 1);
        return QTreeWidgetItem::data(column, role);
    }

private:
    TPhoneGrid& grid_;
    int row_;
};

} // namespace

TPhoneGrid::TPhoneGrid(QWidget* parent) : QTreeWidget(parent) {
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setItemDelegate(new TPhoneGridDelegate(this));
    setContextMenuPolicy(Qt::CustomContextMenu);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    for (int row = 1; row <= static_cast<int>(PhoneCount); ++row) {
        auto* item = new TPhoneRowItem(*this, row);
        item->setData(0, RowRole, row);
    }
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int column) { emit RowDoubleClicked(RowOf(item), column + 1); });
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        if (hasFocus() && RowOf(current))
            emit RowFocused(RowOf(current));
    });
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        if (const int row = RowOf(itemAt(at)))
            emit RowMenuRequested(row, viewport()->mapToGlobal(at));
    });
}

void TPhoneGrid::SetColumns(const QList<std::pair<QString, int>>& columns) {
    setColumnCount(static_cast<int>(columns.size()));
    QStringList headers;
    for (const auto& column : columns)
        headers << column.first;
    setHeaderLabels(headers);
    int width = 2 * frameWidth();
    // A column is as wide as designed, or as its header's text in a language that needs more.
    const int margins = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header()) + 4;
    for (int c = 0; c < static_cast<int>(columns.size()); ++c) {
        const int columnWidth = std::max(
            columns[c].second, header()->fontMetrics().horizontalAdvance(columns[c].first) + margins);
        setColumnWidth(c, columnWidth);
        width += columnWidth;
        if (c > 0)
            headerItem()->setTextAlignment(c, Qt::AlignCenter);
    }
    // The nine rows are always all in sight.
    setFixedSize(width, header()->sizeHint().height() + static_cast<int>(PhoneCount) * sizeHintForRow(0) +
                            2 * frameWidth());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TPhoneGrid::ListPhoneBook(const TProjectInfo& project, const TLanguageTexts& texts) {
    HasNumber = [&project](int row) {
        const TPhoneInfo& entry = project.Phones[static_cast<std::size_t>(row)];
        return !entry.Empty && !entry.Number.empty();
    };
    // Numbers are the device's bytes; the text of an empty entry is an interface text.
    NumberText = [this, &project, &texts](int row) {
        const std::string text = PhoneGridNumberText(project, row, texts);
        return HasNumber(row) ? QString::fromLatin1(text) : QString::fromStdString(text);
    };
}

int TPhoneGrid::RowOf(const QTreeWidgetItem* item) {
    return item ? item->data(0, RowRole).toInt() : 0;
}

int TPhoneGrid::SelectedRow() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? 0 : RowOf(selected.front());
}

void TPhoneGrid::keyPressEvent(QKeyEvent* event) {
    const int row = RowOf(currentItem());
    if (event->key() == Qt::Key_Delete && SelectedRow() != 0) {
        emit DeletePressed(SelectedRow());
        return;
    }
    // From the keyboard, Enter and F2 do what a double click on the current cell does; Left and
    // Right choose the cell.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_F2) &&
        row != 0 && event->modifiers() == Qt::NoModifier) {
        emit RowDoubleClicked(row, std::max(currentIndex().column(), 0) + 1);
        return;
    }
    if ((event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && currentIndex().isValid()) {
        const int column = currentIndex().column() + (event->key() == Qt::Key_Right ? 1 : -1);
        if (column >= 0 && column < columnCount())
            setCurrentIndex(currentIndex().siblingAtColumn(column));
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void TPhoneGrid::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    if (const int row = RowOf(currentItem()))
        emit RowFocused(row);
}

QSize TPhoneGridDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    return QStyledItemDelegate::sizeHint(option, index).expandedTo(QSize(16, 20));
}

void TPhoneGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
    const int row = index.sibling(index.row(), 0).data(RowRole).toInt();
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    QColor background = option.palette.base().color();
    if (selected)
        background = grid_->HasNumber(row) ? option.palette.highlight().color() : InactiveCaption;
    painter->fillRect(option.rect, background);
    if (index.column() == 0) {
        painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
        painter->drawText(option.rect.adjusted(4, 0, -2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                          grid_->NumberText(row));
    } else if (grid_->PaintCell) {
        grid_->PaintCell(*painter, option.rect, row, index.column() + 1, selected);
    } else if (grid_->HasMark(row, index.column() + 1)) {
        const QPixmap mark = ClipMark(selected);
        painter->drawPixmap(option.rect.center().x() - mark.width() / 2 + 1,
                            option.rect.center().y() - mark.height() / 2 + 1, mark);
    }
    // The cell Enter acts on, while the grid has the keyboard.
    if (grid_->hasFocus() && index == grid_->currentIndex()) {
        painter->setPen(
            QPen(selected ? option.palette.highlightedText().color() : option.palette.text().color(), 1,
                 Qt::DotLine));
        painter->drawRect(option.rect.adjusted(1, 1, -2, -2));
    }
    painter->setPen(option.palette.mid().color());
    painter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    painter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    painter->restore();
}

} // namespace korvisel
