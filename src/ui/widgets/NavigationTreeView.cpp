// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/NavigationTreeView.h"

#include "editor/NodeCaption.h"
#include "ui/widgets/Icons.h"

#include <QApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>

namespace korvisel {
namespace {

constexpr int NodeRole = Qt::UserRole + 1;
constexpr int RowHeight = 18;
// Qt indents each level by this much, so a node's row starts where its depth puts it.
constexpr int LevelIndent = 19;

// A row's caption and the state its picture shows are painted; a screen reader asks for them in
// words, computed afresh like the paint.
class TNodeItem : public QTreeWidgetItem {
public:
    TNodeItem(const TNavigationTreeView& tree, int node) : view_(tree), node_(node) {}

    QVariant data(int column, int role) const override {
        const TTreeNodeData& node = view_.Tree().Node(node_).Data;
        if (role == Qt::AccessibleTextRole)
            return QString::fromStdString(NodeCaption(node, view_.Texts()));
        if (role == Qt::AccessibleDescriptionRole)
            return QString::fromStdString(NodeStateText(node, view_.Project(), view_.Texts()));
        return QTreeWidgetItem::data(column, role);
    }

private:
    const TNavigationTreeView& view_;
    int node_;
};

} // namespace

TNavigationTreeView::TNavigationTreeView(TNavigationTree& tree, const TProjectInfo& project,
                                         const TLanguageTexts& texts, QWidget* parent)
    : QTreeWidget(parent), tree_(tree), project_(project), texts_(texts) {
    setObjectName("VirtualDrawTree1");
    setHeaderHidden(true);
    setColumnCount(1);
    setIndentation(LevelIndent);
    setRootIsDecorated(true);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setFocusPolicy(Qt::StrongFocus);
    setItemDelegate(new TNodeDelegate(this));
    // The tree shows no selection of its own: the delegate draws a bar behind the caption only.
    QPalette quiet = palette();
    quiet.setColor(QPalette::Highlight, quiet.color(QPalette::Base));
    quiet.setColor(QPalette::HighlightedText, quiet.color(QPalette::Text));
    setPalette(quiet);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalScrollBar()->setSingleStep(30);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* current) {
        const int node = NodeOf(current);
        if (node < 0 || node == lastShown_)
            return;
        lastShown_ = node;
        emit NodeSelected(node);
    });
}

void TNavigationTreeView::BuildItems() {
    clear();
    items_.assign(tree_.Nodes().size(), nullptr);
    for (std::size_t i = 0; i < tree_.Nodes().size(); ++i) {
        const TTreeNode& node = tree_.Nodes()[i];
        auto* item = new TNodeItem(*this, static_cast<int>(i));
        if (node.Parent < 0)
            addTopLevelItem(item);
        else
            items_[static_cast<std::size_t>(node.Parent)]->addChild(item);
        item->setData(0, NodeRole, static_cast<int>(i));
        items_[i] = item;
    }
    lastShown_ = -1;
}

int TNavigationTreeView::NodeOf(const QTreeWidgetItem* item) const {
    return item ? item->data(0, NodeRole).toInt() : -1;
}

QTreeWidgetItem* TNavigationTreeView::ItemOf(int node) const {
    return node >= 0 && node < static_cast<int>(items_.size()) ? items_[static_cast<std::size_t>(node)]
                                                               : nullptr;
}

int TNavigationTreeView::SelectedNode() const {
    for (std::size_t i = 0; i < items_.size(); ++i)
        if (items_[i]->isSelected())
            return static_cast<int>(i);
    return -1;
}

void TNavigationTreeView::SelectNode(int node) {
    if (QTreeWidgetItem* item = ItemOf(node)) {
        setCurrentItem(item);
        item->setSelected(true);
        viewport()->update();
    }
}

QString TNavigationTreeView::ShownCaption(int node) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualItemRect(ItemOf(node));
    return static_cast<const TNodeDelegate*>(itemDelegate())->Caption(option, node).Shown;
}

void TNavigationTreeView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        emit SpacePressed();
        return;
    }
    selectingByKeyboard_ = true;
    QTreeWidget::keyPressEvent(event);
    selectingByKeyboard_ = false;
}

void TNavigationTreeView::enterEvent(QEnterEvent* event) {
    setFocus(Qt::MouseFocusReason);
    QTreeWidget::enterEvent(event);
}

// 18 pixels as designed, taller when a larger font would not fit.
QSize TNodeDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {200, std::max(RowHeight, option.fontMetrics.height() + 4)};
}

TNodeDelegate::TCaption TNodeDelegate::Caption(const QStyleOptionViewItem& option, int node) const {
    const TTreeNodeData& data = view_->Tree().Node(node).Data;
    const int depth = view_->Tree().DepthOf(node);
    const QString whole = QString::fromStdString(NodeCaption(data, view_->Texts()));
    const int captionX =
        option.rect.left() - LevelIndent * depth + NodeRowGeometry(data.Kind, depth, 0).CaptionX;
    return {whole, option.fontMetrics.elidedText(whole, Qt::ElideRight, option.rect.right() + 1 - captionX)};
}

bool TNodeDelegate::helpEvent(QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option,
                              const QModelIndex& index) {
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    const TCaption caption = Caption(option, index.data(NodeRole).toInt());
    if (caption.Shown == caption.Whole)
        QToolTip::hideText();
    else
        QToolTip::showText(event->globalPos(), caption.Whole, view->viewport(), option.rect);
    return true;
}

void TNodeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
    const int node = index.data(NodeRole).toInt();
    const TTreeNodeData& data = view_->Tree().Node(node).Data;
    const int depth = view_->Tree().DepthOf(node);
    const QString caption = Caption(option, node).Shown;
    const int captionWidth = option.fontMetrics.horizontalAdvance(caption);
    const TNodeRowGeometry g = NodeRowGeometry(data.Kind, depth, captionWidth);
    // The row's x = 0 is where a top-level node's indentation starts.
    const int origin = option.rect.left() - LevelIndent * depth;
    const bool selected = option.state & QStyle::State_Selected;

    painter->save();
    painter->fillRect(option.rect, option.palette.base());
    if (selected)
        painter->fillRect(
            QRect(origin + g.BarLeft, option.rect.top(), g.BarRight - g.BarLeft, option.rect.height()),
            QApplication::palette().highlight());
    const std::string icon = NodeIconName(data, view_->Project());
    if (!icon.empty())
        painter->drawPixmap(origin + g.IconX,
                            option.rect.bottom() + 1 - 16 - (option.rect.height() - RowHeight) / 2,
                            Icon(QString::fromStdString(icon)));
    painter->setPen(selected ? QApplication::palette().highlightedText().color()
                             : option.palette.text().color());
    painter->drawText(
        QPoint(origin + g.CaptionX,
               option.rect.top() +
                   std::max(g.CaptionY, (option.rect.height() - option.fontMetrics.height()) / 2) +
                   option.fontMetrics.ascent()),
        caption);
    painter->restore();
}

} // namespace korvisel
