// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/CodeLibraryDialog.h"

#include "ui/widgets/QtText.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace korvisel {

TCodeLibraryForm::TCodeLibraryForm(const TLanguageTexts& texts, QWidget* parent)
    : QDialog(parent), texts_(texts), filter_(new QLineEdit(this)), list_(new QTreeWidget(this)) {
    setObjectName("CodeLibrary");
    filter_->setObjectName("CodeFilter");
    filter_->setClearButtonEnabled(true);
    filter_->installEventFilter(this);
    list_->setObjectName("CodeList");
    list_->setColumnCount(3);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAlternatingRowColors(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const TContactIdCode& code : ContactIdCodes())
        new QTreeWidgetItem(list_, {Q(code.Code), Q(code.English), Q(code.Russian)});
    list_->header()->setStretchLastSection(true);
    list_->setColumnWidth(0, 60);
    list_->setColumnWidth(1, 330);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(filter_, &QLineEdit::textChanged, this, &TCodeLibraryForm::ApplyFilter);
    connect(list_, &QTreeWidget::itemSelectionChanged, this,
            [this] { ok_->setEnabled(!SelectedCode().empty()); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        Select(item);
        accept();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter_);
    layout->addWidget(list_);
    layout->addWidget(buttons);
    resize(780, 520);
    ApplyTexts();
}

void TCodeLibraryForm::ApplyTexts() {
    setWindowTitle(Q(texts_.Text("F5_CODL_CAPTION")));
    list_->setHeaderLabels({Q(texts_.Text("F5_CODL_CODE")), Q(texts_.Text("F5_CODL_DESC_ENG")),
                            Q(texts_.Text("F5_CODL_DESC_RUS"))});
    // The column captions say what the filter searches.
    filter_->setPlaceholderText(Q(texts_.Text("F5_CODL_CODE")) + ", " + Q(texts_.Text("F5_CODL_DESC_ENG")) +
                                ", " + Q(texts_.Text("F5_CODL_DESC_RUS")));
    filter_->setAccessibleName(filter_->placeholderText());
    list_->setAccessibleName(windowTitle());
}

std::optional<std::string> TCodeLibraryForm::ChooseCode(const std::string& current) {
    ApplyTexts();
    filter_->clear();
    Select(nullptr);
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        if (list_->topLevelItem(row)->text(0).toStdString() == current)
            Select(list_->topLevelItem(row));
    filter_->setFocus();
    if (exec() != QDialog::Accepted || SelectedCode().empty())
        return std::nullopt;
    return SelectedCode();
}

std::string TCodeLibraryForm::SelectedCode() const {
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() || selected.front()->isHidden() ? std::string{}
                                                              : selected.front()->text(0).toStdString();
}

std::vector<std::string> TCodeLibraryForm::ShownCodes() const {
    std::vector<std::string> codes;
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        if (!list_->topLevelItem(row)->isHidden())
            codes.push_back(list_->topLevelItem(row)->text(0).toStdString());
    return codes;
}

void TCodeLibraryForm::ApplyFilter(const QString& text) {
    const std::vector<const TContactIdCode*> shown = FilterContactIdCodes(text.toStdString());
    std::size_t next = 0;
    // Both lists are in code order, so one pass marks every row.
    for (int row = 0; row < list_->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        const bool keep = next < shown.size() && Q(shown[next]->Code) == item->text(0);
        next += keep ? 1 : 0;
        item->setHidden(!keep);
    }
    if (SelectedCode().empty())
        Select(FirstShown());
}

void TCodeLibraryForm::Select(QTreeWidgetItem* item) {
    list_->clearSelection();
    if (item) {
        list_->setCurrentItem(item);
        item->setSelected(true);
        list_->scrollToItem(item, QAbstractItemView::PositionAtCenter);
    }
    ok_->setEnabled(!SelectedCode().empty());
}

QTreeWidgetItem* TCodeLibraryForm::FirstShown() const {
    for (int row = 0; row < list_->topLevelItemCount(); ++row)
        if (!list_->topLevelItem(row)->isHidden())
            return list_->topLevelItem(row);
    return nullptr;
}

bool TCodeLibraryForm::eventFilter(QObject* watched, QEvent* event) {
    // The arrow and page keys move through the rows while the filter box keeps the focus.
    if (watched == filter_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QApplication::sendEvent(list_, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace korvisel
