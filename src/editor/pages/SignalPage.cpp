#include "editor/pages/SignalPage.h"

#include "editor/InputEdits.h"

#include <QApplication>
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvisel {

TSignalPage::TSignalPage(TPageContext& context, QWidget* parent) : TInputPage("Signal", context, parent) {
    auto* layout = new QVBoxLayout(Body());
    layout->setContentsMargins(24, 16, 16, 8);
    layout->setSpacing(14);
    for (int signal = 0; signal < 4; ++signal) {
        auto* button = new QRadioButton(Body());
        button->setObjectName(QString("RButtonSignal%1").arg(signal + 1));
        buttons_[static_cast<std::size_t>(signal)] = button;
        layout->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this, signal] {
            UserEdit([&] {
                if (HasInput())
                    ClickSignal(Document(), InputNumber(), signal);
            });
        });
    }
    layout->addStretch();
}

void TSignalPage::FillPage() {
    SetTitle(Text("TREESIGNAL") + QString::number(InputNumber()));
    const char* captions[] = {"REP_SIGNAL1", "REP_SIGNAL2", "REP_SIGNAL3", "REP_SIGNAL4"};
    for (std::size_t signal = 0; signal < buttons_.size(); ++signal)
        buttons_[signal]->setText(Text(captions[signal]));
    if (!HasInput())
        return;
    // A stored value outside 0..3 checks no button, which an exclusive group would not allow.
    for (QRadioButton* button : buttons_) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    if (In().Signal < buttons_.size())
        buttons_[In().Signal]->setChecked(true);
}

void TSignalPage::AfterShown() {
    update();
    QApplication::processEvents();
    if (HasInput() && In().Signal <= 1)
        buttons_[In().Signal]->setFocus();
}

} // namespace korvisel
