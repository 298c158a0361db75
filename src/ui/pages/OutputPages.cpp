// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/OutputPages.h"

#include "editor/OutputEdits.h"
#include "editor/PageLayout.h"
#include "ui/app/ClipboardCommands.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/HalfSecondRow.h"

#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

namespace korvisel {
namespace {

// The work types in the order of their buttons.
constexpr TWorkType WorkTypes[] = {TWorkType::Monostable, TWorkType::Bistable, TWorkType::Flash};

} // namespace

TOutStartPage::TOutStartPage(TPageContext& context, QWidget* parent)
    : TOutputPage("OutStart", context, parent) {
    QVBoxLayout* layout = ColumnLayout();
    layout->setSpacing(14);
    buttons_ = AddRadioButtons(layout, "RButtonState", 2, [this](int button) {
        constexpr TStartState states[] = {TStartState::Enabled, TStartState::Disabled};
        if (HasOutput() && ClickStartState(Document(), OutputNumber(), states[button]))
            context_.Host.RepaintTree();
    });
    layout->addStretch();
}

void TOutStartPage::FillPage() {
    SetTitle(Text("LIST_CAPT_SS_OUT") + QString::number(OutputNumber().Value));
    buttons_[0]->setText(Text("LIST_SS_OUT_VAL1"));
    buttons_[1]->setText(Text("LIST_SS_OUT_VAL2"));
    if (HasOutput())
        CheckOnly(buttons_, Out().StartState == TStartState::Disabled ? 1 : 0);
}

TOutTypePage::TOutTypePage(TPageContext& context, QWidget* parent)
    : TOutputPage("OutputType", context, parent) {
    QVBoxLayout* layout = ColumnLayout();
    layout->setSpacing(14);
    buttons_ = AddRadioButtons(layout, "RButtonType", 3, [this](int button) {
        if (!HasOutput())
            return;
        const TWorkType workType = WorkTypes[button];
        ClickWorkType(Document(), OutputNumber(), workType);
        context_.Host.SyncOutputTimeNode(OutputNumber().Value, workType);
    });
    layout->addStretch();
}

void TOutTypePage::FillPage() {
    SetTitle(Text("LIST_CAPT_MODEOUT") + QString::number(OutputNumber().Value));
    constexpr TTextKey captions[] = {"LIST_MODEOUT_VAL1", "LIST_MODEOUT_VAL2", "LIST_MODEOUT_VAL3"};
    for (std::size_t n = 0; n < buttons_.size(); ++n)
        buttons_[n]->setText(Text(captions[n]));
    if (!HasOutput())
        return;
    const auto shown = std::find(std::begin(WorkTypes), std::end(WorkTypes), Out().WorkType);
    CheckOnly(buttons_, shown == std::end(WorkTypes) ? 0 : static_cast<int>(shown - std::begin(WorkTypes)));
    context_.Host.SyncOutputTimeNode(OutputNumber().Value, Out().WorkType);
}

TOutTimePage::TOutTimePage(TPageContext& context, QWidget* parent)
    : TOutputPage("OUT_TIME", context, parent),
      row_(new THalfSecondRow(Body(), "EditOutTime1", "EditOutTime2", "UpDown5")) {
    // Of this page only the fraction digit is a target of Cut, Copy, Paste and Delete; the whole
    // seconds are selected whole when the edit takes the focus.
    context_.Clipboard.RegisterTimeEdit(row_->Fraction(), TClipTarget::CharEdit);
    connect(row_->Whole(), &TFilteredEdit::Focused, this, [this] {
        if (row_->Whole()->hasFocus())
            row_->Whole()->selectAll();
    });
    connect(row_, &THalfSecondRow::WholeChanged, this, [this](std::uint32_t seconds) {
        UserEdit([&] {
            if (ChangeOutputTimeWhole(Document(), OutputNumber(), seconds).Raised)
                WhileFilling([&] { row_->ShowFraction("5"); });
        });
    });
    connect(row_, &THalfSecondRow::FractionChanged, this, [this](const QString& text) {
        UserEdit([&] {
            if (ChangeOutputTimeFraction(Document(), OutputNumber(), text.toStdString()).Raised)
                WhileFilling([&] { row_->ShowFraction("5"); });
        });
    });
    connect(row_, &THalfSecondRow::Stepped, this, [this](bool up) {
        UserEdit([&] {
            StepOutputTime(Document(), OutputNumber(), up);
            WhileFilling([&] { row_->Show(Out().Time); });
        });
    });
}

void TOutTimePage::FillPage() {
    SetTitle(Text("LIST_CAPT_TIMEOUT") + QString::number(OutputNumber().Value));
    row_->SetTexts(Text("LIST_TIMEOUT_VAL"), Text("LIST_TIME_VAL4"));
    const TTimeRowLayout layout = TimeRowLayout(row_->LabelWidth());
    row_->Place(24, layout.LabelX, layout.EditShift);
    if (HasOutput())
        row_->Show(Out().Time);
}

} // namespace korvisel
