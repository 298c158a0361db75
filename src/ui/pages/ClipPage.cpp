// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/ClipPage.h"

#include "ui/pages/PhoneBookActions.h"
#include "ui/widgets/PhoneGrid.h"

#include <QGridLayout>
#include <QMenu>
#include <QPushButton>

namespace korvisel {

TClipGridPage::TClipGridPage(const char* pageName, const char* gridName, TPageContext& context,
                             QWidget* parent)
    : TEditPage(pageName, context, parent), grid_(new TPhoneGrid(Body())),
      eventButton_(new QPushButton(Body())), restoreButton_(new QPushButton(Body())) {
    grid_->setObjectName(gridName);
    grid_->ListPhoneBook(Project(), context_.Texts);
    grid_->HasMark = [this](int row, int column) { return HasMark(row, column); };
    grid_->CellName = [this](int row, int column) {
        return HasMark(row, column) ? Text("PRG_A11Y_CHOSEN") : Text("PRG_A11Y_NOT_CHOSEN");
    };
    eventButton_->setObjectName("PhoneBtn1");
    restoreButton_->setObjectName("PhoneBtn2");
    eventButton_->setEnabled(false);
    restoreButton_->setEnabled(false);

    auto* layout = new QGridLayout(Body());
    layout->setContentsMargins(16, 4, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(grid_, 0, 0, 1, 3);
    layout->addWidget(eventButton_, 1, 0);
    layout->addWidget(restoreButton_, 1, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(2, 1);

    connect(grid_, &TPhoneGrid::RowDoubleClicked, this, &TClipGridPage::DoubleClicked);
    // The phone book's commands act on its selected row; pointing at a row here selects that entry
    // there, so the menu and the Delete key act on the row the user chose.
    connect(grid_, &TPhoneGrid::RowMenuRequested, this, [this](int row, const QPoint& at) {
        context_.PhoneBook.SelectRow(row);
        context_.PhoneBook.EnableForRow();
        context_.PhoneBook.PopupMenu()->exec(at);
    });
    connect(grid_, &TPhoneGrid::DeletePressed, this, [this](int row) {
        context_.PhoneBook.SelectRow(row);
        context_.PhoneBook.Delete();
    });
}

void TClipGridPage::ShowAll(const QString& title, const QList<std::pair<QString, int>>& markColumns) {
    SetTitle(title);
    grid_->setAccessibleName(title);
    eventButton_->setText(Text("PRG_CLIP_EVENT"));
    restoreButton_->setText(Text("PRG_CLIP_RESTORE"));
    QList<std::pair<QString, int>> columns{{Text("LIST_REPORT_VAL1"), 256}};
    columns << markColumns;
    grid_->SetColumns(columns);
    grid_->clearSelection();
    grid_->viewport()->update();
}

void TClipGridPage::DoubleClicked(int row, int column) {
    // The choice and the number it may ask for are one step.
    const TDocument::TEditGroup group(Document(), PlaceOf(grid_));
    TClipGridAction action = TClipGridAction::Done;
    Edit(grid_, [&](TProjectInfo& project) { action = DoubleClick(project, row, column); });
    if (action == TClipGridAction::EditPhoneBookEntry) {
        context_.PhoneBook.SelectRow(row);
        context_.PhoneBook.Edit();
    }
}

void TClipGridPage::RefreshPage() {
    grid_->viewport()->update();
}

TInputClipPage::TInputClipPage(TPageContext& context, QWidget* parent)
    : TClipGridPage("CLIP_Set", "VirtualDrawTree3", context, parent) {}

void TInputClipPage::FillPage() {
    ShowAll(Format("CAPTIONPAGECLIPSET", InputCaption()),
            {{Text("PRG_CLIP_EVENT"), 70}, {Text("PRG_CLIP_RESTORE"), 70}});
}

bool TInputClipPage::HasMark(int row, int column) const {
    if (!HasInput())
        return false;
    const TInputInfo& in = Project().Inputs[static_cast<std::size_t>(Node().Input)];
    return (column == ClipColumn::Event && in.ClipEventPhone == row) ||
           (column == ClipColumn::Restore && in.ClipRestorePhone == row);
}

TClipGridAction TInputClipPage::DoubleClick(TProjectInfo& project, int row, int column) {
    return ClipGridDoubleClick(project, context_.PhoneDialog, TInputNumber{Node().Input}, row, column);
}

TTestClipPage::TTestClipPage(TPageContext& context, QWidget* parent)
    : TClipGridPage("PerCLIPSet", "VirtualDrawTree5", context, parent) {}

void TTestClipPage::FillPage() {
    ShowAll(Format("CAPTIONPAGECLIPSET", Text("CAPTIONPAGESMSTEXTEx2")), {{Text("PRG_CLIP_EVENT"), 140}});
}

bool TTestClipPage::HasMark(int row, int column) const {
    return column == ClipColumn::Event && Project().TestClipPhone1 == row;
}

TClipGridAction TTestClipPage::DoubleClick(TProjectInfo& project, int row, int column) {
    return TestClipGridDoubleClick(project, context_.PhoneDialog, row, column);
}

} // namespace korvisel
