// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/ComparisonDialog.h"

#include "editor/FieldNodes.h"
#include "editor/NodeCaption.h"
#include "ui/widgets/QtText.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvisel {

TComparisonDialog::TComparisonDialog(const TLanguageTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts), summary_(new QLabel(this)), list_(new QTreeWidget(this)) {
    setObjectName("ComparisonDialog");
    list_->setObjectName("DifferenceList");
    list_->setAccessibleName(Q(texts_.Text("PRG_COMPARE")));
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    summary_->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        const int row = list_->indexOfTopLevelItem(item);
        if (row >= 0 && static_cast<std::size_t>(row) < nodes_.size())
            emit NodeChosen(nodes_[static_cast<std::size_t>(row)]);
    });
    resize(640, 380);
}

void TComparisonDialog::ShowDifferences(const std::vector<TFieldDifference>& differences,
                                        const QString& source, bool backup) {
    setWindowTitle(Q(WithArguments(texts_.Text("PRG_COMPARE_TITLE"), {source.toStdString()})));
    list_->setAccessibleName(windowTitle());
    list_->setHeaderLabels(
        {Q(texts_.Text("PRG_COMPARE_NODE")), Q(texts_.Text("PRG_COMPARE_SETTING")),
         Q(texts_.Text("PRG_COMPARE_PROJECT")),
         Q(backup ? texts_.Text("PRG_COMPARE_IN_BACKUP") : texts_.Text("PRG_COMPARE_DEVICE"))});
    list_->clear();
    nodes_.clear();
    for (const TFieldDifference& d : differences) {
        const TTreeNodeData node = FieldNode(d.Field);
        nodes_.push_back(node);
        list_->addTopLevelItem(new QTreeWidgetItem(
            {Q(NodeCaption(node, texts_)).trimmed(), Q(d.Field), Q(d.First), Q(d.Second)}));
    }
    for (int column = 0; column < list_->columnCount(); ++column)
        list_->resizeColumnToContents(column);
    list_->setVisible(!differences.empty());
    summary_->setText(differences.empty() ? Q(backup ? texts_.Text("PRG_COMPARE_BACKUP_SAME")
                                                     : texts_.Text("PRG_COMPARE_SAME"))
                                          : Q(texts_.Text("PRG_COMPARE_HINT")));
    if (!differences.empty())
        list_->setCurrentItem(list_->topLevelItem(0));
    show();
    raise();
    activateWindow();
}

} // namespace korvisel
