// SPDX-License-Identifier: GPL-3.0-or-later
// A grid of the nine phone-book entries, one row each: the number, then columns of marks or pictures.
// Used by the CLIP pages and the phone book; the rows follow the project, so the grid only paints.
#pragma once

#include "core/PrjTypes.h"
#include "i18n/LanguageTexts.h"

#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <functional>
#include <utility>

class QPainter;

namespace korvisel {

class TPhoneGrid : public QTreeWidget {
    Q_OBJECT
public:
    explicit TPhoneGrid(QWidget* parent = nullptr);

    // The headers and widths of the columns, the number column first.
    void SetColumns(const QList<std::pair<QString, int>>& columns);

    // The rows show the entries of `project`'s phone book, "Pnone k - Not Present" for an empty one.
    void ListPhoneBook(const TProjectInfo& project, const TLanguageTexts& texts);

    // What a row shows; rows are the entries 1..9, columns counted from 1.
    std::function<QString(int row)> NumberText;
    std::function<bool(int row)> HasNumber;
    std::function<bool(int row, int column)> HasMark;
    // A cell after the number in words, for a screen reader; the number cell reads its text.
    std::function<QString(int row, int column)> CellName;
    // Paints a cell of the columns after the number instead of marks, where set.
    std::function<void(QPainter& painter, const QRect& cell, int row, int column, bool selected)> PaintCell;

    // The selected entry, 0 for none.
    int SelectedRow() const;
    static int RowOf(const QTreeWidgetItem* item);

signals:
    void RowDoubleClicked(int row, int column);
    void RowMenuRequested(int row, const QPoint& globalPosition);
    void DeletePressed(int row);
    // The grid has the focus on a row: the user moved there.
    void RowFocused(int row);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

class TPhoneGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TPhoneGridDelegate(TPhoneGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    TPhoneGrid* grid_;
};

} // namespace korvisel
