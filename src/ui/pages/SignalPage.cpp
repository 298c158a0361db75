// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/SignalPage.h"

#include "editor/InputEdits.h"

#include <QRadioButton>
#include <QVBoxLayout>

namespace korvisel {

TSignalPage::TSignalPage(TPageContext& context, QWidget* parent) : TInputPage("Signal", context, parent) {
    DisableClipboardActionsOnFill();
    QVBoxLayout* layout = ColumnLayout();
    layout->setSpacing(14);
    buttons_ = AddRadioButtons(layout, "RButtonSignal", 4, [this](QRadioButton* button, int signal) {
        Edit(button, [&](TProjectInfo& project) { ClickSignal(project, InputNumber(), signal); });
    });
    layout->addStretch();
}

void TSignalPage::FillPage() {
    SetTitle(Text("TREESIGNAL") + QString::number(InputNumber().Value));
    constexpr TTextKey captions[] = {"REP_SIGNAL1", "REP_SIGNAL2", "REP_SIGNAL3", "REP_SIGNAL4"};
    for (std::size_t signal = 0; signal < buttons_.size(); ++signal)
        buttons_[signal]->setText(Text(captions[signal]));
    if (HasInput())
        CheckOnly(buttons_, In().Signal);
}

void TSignalPage::AfterShown() {
    // No signal button takes the focus: the next arrow key would check another signal.
    update();
}

} // namespace korvisel
