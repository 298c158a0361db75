// "Signal": the electrical kind of an input, one of four buttons.
#pragma once

#include "editor/pages/EditPage.h"

#include <array>

class QRadioButton;

namespace korvisel {

class TSignalPage : public TInputPage {
    Q_OBJECT
public:
    TSignalPage(TPageContext& context, QWidget* parent = nullptr);
    void AfterShown() override;
    QRadioButton* Button(int signal) const { return buttons_[static_cast<std::size_t>(signal)]; }

protected:
    void FillPage() override; // FillSignalPage

private:
    std::array<QRadioButton*, 4> buttons_{};
};

} // namespace korvisel
