// SPDX-License-Identifier: GPL-3.0-or-later
// The navigation tree on screen: the nodes of the core's tree, painted with the row geometry the
// core computes, captions and icons computed afresh at every paint.
#pragma once

#include "core/PrjTypes.h"
#include "fields/NavigationTree.h"
#include "i18n/LanguageTexts.h"

#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <functional>

namespace korvisel {

class TNavigationTreeView : public QTreeWidget {
    Q_OBJECT
public:
    TNavigationTreeView(TNavigationTree& tree, const TProjectInfo& project, const TLanguageTexts& texts,
                        QWidget* parent = nullptr);

    // Creates one item per node, in the tree's order, all collapsed.
    void BuildItems();
    int NodeOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* ItemOf(int node) const;
    // The first selected node in pre-order, or -1.
    int SelectedNode() const;
    void SelectNode(int node);
    // The node's caption as its row shows it now: cut with an ellipsis where the tree is too
    // narrow for it, the whole caption then showing as the row's tooltip.
    QString ShownCaption(int node) const;
    // True while a key pressed on the tree is moving its selection.
    bool SelectingByKeyboard() const { return selectingByKeyboard_; }

    const TNavigationTree& Tree() const { return tree_; }
    const TProjectInfo& Project() const { return project_; }
    const TLanguageTexts& Texts() const { return texts_; }

signals:
    // A node became the selected one; selecting it again does not repeat this.
    void NodeSelected(int node);
    // Space on the tree while it has the focus.
    void SpacePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    TNavigationTree& tree_;
    const TProjectInfo& project_;
    const TLanguageTexts& texts_;
    std::vector<QTreeWidgetItem*> items_;
    int lastShown_ = -1;
    bool selectingByKeyboard_ = false;
};

class TNodeDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit TNodeDelegate(TNavigationTreeView* view) : QStyledItemDelegate(view), view_(view) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override;

    struct TCaption {
        QString Whole;
        QString Shown; // what fits between the caption's place and the row's right edge
    };
    TCaption Caption(const QStyleOptionViewItem& option, int node) const;

private:
    TNavigationTreeView* view_;
};

} // namespace korvisel
