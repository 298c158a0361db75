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
    buttons_ = AddRadioButtons(layout, "RButtonState", 2, [this](QRadioButton* button, int index) {
        constexpr TStartState states[] = {TStartState::Enabled, TStartState::Disabled};
        Edit(button, [&](TProjectInfo& project) { ClickStartState(project, OutputNumber(), states[index]); });
    });
    layout->addStretch();
}

void TOutStartPage::FillPage() {
    SetTitle(Text("LIST_CAPT_SS_OUT") + QString::number(OutputNumber().Value));
    buttons_[0]->setText(Text("LIST_SS_OUT_VAL1"));
    buttons_[1]->setText(Text("LIST_SS_OUT_VAL2"));
    if (!HasOutput())
        return;
    // A state no button names (a file another program wrote) checks none.
    const TStartState state = Out().StartState;
    CheckOnly(buttons_, state == TStartState::Enabled ? 0 : state == TStartState::Disabled ? 1 : -1);
}

TOutTypePage::TOutTypePage(TPageContext& context, QWidget* parent)
    : TOutputPage("OutputType", context, parent) {
    QVBoxLayout* layout = ColumnLayout();
    layout->setSpacing(14);
    buttons_ = AddRadioButtons(layout, "RButtonType", 3, [this](QRadioButton* button, int index) {
        Edit(button,
             [&](TProjectInfo& project) { ClickWorkType(project, OutputNumber(), WorkTypes[index]); });
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
    // A work type no button names checks none.
    const auto shown = std::find(std::begin(WorkTypes), std::end(WorkTypes), Out().WorkType);
    CheckOnly(buttons_, shown == std::end(WorkTypes) ? -1 : static_cast<int>(shown - std::begin(WorkTypes)));
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
        Edit(row_->Whole(),
             [&](TProjectInfo& project) { ChangeOutputTimeWhole(project, OutputNumber(), seconds); });
    });
    connect(row_, &THalfSecondRow::FractionChanged, this, [this](const QString& text) {
        bool raised = false;
        Edit(row_->Fraction(), [&](TProjectInfo& project) {
            raised = ChangeOutputTimeFraction(project, OutputNumber(), text.toStdString()).Raised;
        });
        // 0 s and 0 is half a second, shown at once even where the time was that already.
        if (raised)
            WhileShowing([&] { row_->ShowFraction("5"); });
    });
    connect(row_, &THalfSecondRow::Stepped, this, [this](bool up) {
        Edit(row_->UpDown(), [&](TProjectInfo& project) { StepOutputTime(project, OutputNumber(), up); });
    });
}

void TOutTimePage::FillPage() {
    SetTitle(Text("LIST_CAPT_TIMEOUT") + QString::number(OutputNumber().Value));
    row_->SetTexts(Text("LIST_TIMEOUT_VAL"), Text("LIST_TIME_VAL4"), context_.Texts);
    const TTimeRowLayout layout = TimeRowLayout(row_->LabelWidth());
    row_->Place(24, layout.LabelX, layout.EditShift);
    if (HasOutput())
        row_->Show(Out().Time);
}

} // namespace korvisel
