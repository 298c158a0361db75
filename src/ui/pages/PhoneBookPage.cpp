// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/PhoneBookPage.h"

#include "editor/PhoneGridRules.h"
#include "ui/app/ClipboardCommands.h"
#include "ui/pages/PhoneBookActions.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/PhoneGrid.h"

#include <QMenu>
#include <QPainter>
#include <QVBoxLayout>

namespace korvisel {

TPhoneBookPage::TPhoneBookPage(TPageContext& context, QWidget* parent)
    : TEditPage("Phone", context, parent), grid_(new TPhoneGrid(Body())) {
    grid_->setObjectName("VirtualDrawTree4");
    grid_->ListPhoneBook(Project(), context_.Texts);
    grid_->HasMark = [](int, int) { return false; };
    grid_->CellName = [this](int row, int) {
        return QString::fromStdString(PhoneUseText(PhoneUse(Project(), row), context_.Texts));
    };
    grid_->PaintCell = [this](QPainter& painter, const QRect& cell, int row, int, bool selected) {
        PaintUse(painter, cell, row, selected);
    };
    grid_->SetColumns({{"Phone Number", 300}, {"Use", 116}});
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(16, 4, 8, 8);
    layout->addWidget(grid_, 0, Qt::AlignLeft);
    layout->addStretch();

    TPhoneBookActions& book = context_.PhoneBook;
    connect(grid_, &QTreeWidget::currentItemChanged, this,
            [this, &book](QTreeWidgetItem* current) { book.SelectRow(TPhoneGrid::RowOf(current)); });
    connect(grid_, &TPhoneGrid::RowFocused, this, [this, &book] {
        book.EnableForRow();
        context_.Clipboard.TargetFocused(grid_);
    });
    connect(grid_, &TPhoneGrid::RowDoubleClicked, &book, [&book](int row) {
        book.SelectRow(row);
        book.Edit();
    });
    connect(grid_, &TPhoneGrid::RowMenuRequested, this,
            [&book](int, const QPoint& at) { book.PopupMenu()->exec(at); });
    connect(grid_, &TPhoneGrid::DeletePressed, &book, [&book] { book.Delete(); });
}

void TPhoneBookPage::FillPage() {
    SetTitle(Text("LIST_CAPT_PHONE"));
    grid_->setAccessibleName(Text("LIST_CAPT_PHONE"));
    grid_->SetColumns({{Text("LIST_REPORT_VAL1"), 300}, {Text("LIST_REPORT_VAL4"), 116}});
    grid_->clearSelection();
}

void TPhoneBookPage::RefreshPage() {
    grid_->viewport()->update();
}

void TPhoneBookPage::AfterShown() {
    grid_->viewport()->update();
}

void TPhoneBookPage::PaintUse(QPainter& painter, const QRect& cell, int row, bool selected) const {
    painter.fillRect(cell, selected ? palette().highlight() : palette().base());
    const TPhoneUse use = PhoneUse(Project(), row);
    std::vector<TReportKind> kinds;
    for (const auto& [used, kind] :
         {std::pair{use.Sms, TReportKind::Sms}, std::pair{use.Alarm, TReportKind::Alarm},
          std::pair{use.Clip, TReportKind::Clip}, std::pair{use.Data, TReportKind::Data}})
        if (used)
            kinds.push_back(kind);
    const std::vector<int> lefts = UseStripPositions(static_cast<int>(kinds.size()), cell.width());
    for (std::size_t n = 0; n < kinds.size(); ++n)
        painter.drawPixmap(cell.left() + lefts[n], cell.top() + (cell.height() - 16) / 2,
                           UsePicture(kinds[n], selected));
}

} // namespace korvisel
