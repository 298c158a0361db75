// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/TimePage.h"

#include "editor/PageLayout.h"
#include "ui/app/ClipboardCommands.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/HalfSecondRow.h"

#include <algorithm>

namespace korvisel {
namespace {

struct RowNames {
    TInputTime Time;
    const char* Whole;
    const char* Fraction;
    const char* UpDown;
    TTextKey Label;
};
constexpr RowNames Rows[] = {
    {TInputTime::Reaction, "EditReactinTime1", "EditReactinTime2", "UpDownReaction", "LIST_TIME_VAL1"},
    {TInputTime::Restore, "EditReturnTime1", "EditReturnTime2", "UpDownReturn", "LIST_TIME_VAL2"},
    {TInputTime::Lockout, "EditLockoutTime1", "EditLockoutTime2", "UpDownLockout", "LIST_TIME_VAL3"},
};

} // namespace

TTimePage::TTimePage(TPageContext& context, QWidget* parent) : TInputPage("Time", context, parent) {
    for (const RowNames& names : Rows) {
        auto* row = new THalfSecondRow(Body(), names.Whole, names.Fraction, names.UpDown);
        rows_[static_cast<std::size_t>(names.Time)] = row;
        context_.Clipboard.RegisterTimeEdit(row->Whole(), TClipTarget::NumberEdit);
        context_.Clipboard.RegisterTimeEdit(row->Fraction(), TClipTarget::CharEdit);
        const TInputTime time = names.Time;
        connect(row, &THalfSecondRow::WholeChanged, this, [this, row, time](std::uint32_t seconds) {
            Edit(row->Whole(),
                 [&](TProjectInfo& project) { ChangeInputTimeWhole(project, InputNumber(), time, seconds); });
        });
        connect(row, &THalfSecondRow::FractionChanged, this, [this, row, time](const QString& text) {
            bool raised = false;
            Edit(row->Fraction(), [&](TProjectInfo& project) {
                raised = ChangeInputTimeFraction(project, InputNumber(), time, text.toStdString()).Raised;
            });
            // 0 s and 0 is half a second, shown at once even where the time was that already.
            if (raised)
                WhileShowing([&] { row->ShowFraction("5"); });
        });
        connect(row, &THalfSecondRow::Stepped, this, [this, row, time](bool up) {
            Edit(row->UpDown(),
                 [&](TProjectInfo& project) { StepInputTime(project, InputNumber(), time, up); });
        });
    }
}

void TTimePage::FillPage() {
    SetTitle(Text("LIST_CAPT_TIME") + QString::number(InputNumber().Value));
    for (const RowNames& names : Rows)
        Row(names.Time)->SetTexts(Text(names.Label), Text("LIST_TIME_VAL4"), context_.Texts);
    Layout();
    if (!HasInput())
        return;
    for (const RowNames& names : Rows)
        Row(names.Time)->Show(InputTimeField(In(), names.Time));
}

void TTimePage::Layout() {
    int widest = 0;
    for (THalfSecondRow* row : rows_)
        widest = std::max(widest, row->LabelWidth());
    const TTimeRowLayout layout = TimeRowLayout(widest);
    int y = 24;
    for (THalfSecondRow* row : rows_) {
        row->Place(y, layout.LabelX, layout.EditShift);
        y += 40;
    }
}

} // namespace korvisel
