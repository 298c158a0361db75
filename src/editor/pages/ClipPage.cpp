#include "editor/pages/ClipPage.h"

#include "editor/PhoneBookActions.h"
#include "editor/PhoneGrids.h"
#include "editor/pages/PhoneGrid.h"

#include <QGridLayout>
#include <QMenu>
#include <QPushButton>

namespace korvisel {

TClipPage::TClipPage(TPageContext& context, QWidget* parent)
    : TInputPage("CLIP_Set", context, parent), grid_(new TPhoneGrid(Body())),
      eventButton_(new QPushButton("Event", Body())), restoreButton_(new QPushButton("Restore", Body())) {
    grid_->setObjectName("VirtualDrawTree3");
    grid_->NumberText = [this](int row) {
        const std::string text = PhoneGridNumberText(Project(), row, context_.Texts);
        return grid_->HasNumber(row) ? QString::fromLatin1(text) : QString::fromStdString(text);
    };
    grid_->HasNumber = [this](int row) {
        const TPhoneInfo& entry = Project().Phones[static_cast<std::size_t>(row)];
        return !entry.Empty && !entry.Number.empty();
    };
    grid_->HasMark = [this](int row, int column) {
        if (!HasInput())
            return false;
        return (column == ClipColumn::Event && In().ClipEventPhone == row) ||
               (column == ClipColumn::Restore && In().ClipRestorePhone == row);
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

    connect(grid_, &TPhoneGrid::RowDoubleClicked, this, &TClipPage::DoubleClicked);
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
    connect(&context_.PhoneBook, &TPhoneBookActions::Changed, grid_->viewport(),
            qOverload<>(&QWidget::update));
}

void TClipPage::FillPage() {
    SetTitle(Format("CAPTIONPAGECLIPSET", InputCaption()));
    grid_->SetColumns({{Text("LIST_REPORT_VAL1"), 256}, {"Event", 70}, {"Restore", 70}});
    grid_->clearSelection();
    grid_->viewport()->update();
}

void TClipPage::DoubleClicked(int row, int column) {
    UserEdit([&] {
        if (!HasInput())
            return;
        TClipGridAction action = TClipGridAction::Done;
        Document().Change([&](TProjectInfo& project) {
            action = ClipGridDoubleClick(project, context_.PhoneDialog, InputNumber(), row, column);
        });
        if (action == TClipGridAction::EditPhoneBookEntry) {
            context_.PhoneBook.SelectRow(row);
            context_.PhoneBook.Edit();
        }
        grid_->viewport()->update();
    });
}

} // namespace korvisel
