// SPDX-License-Identifier: GPL-3.0-or-later
// "Signal": the electrical kind of an input, one of four buttons.
#pragma once

#include "ui/pages/EditPage.h"

namespace korvisel {

class TSignalPage : public TInputPage {
    Q_OBJECT
public:
    TSignalPage(TPageContext& context, QWidget* parent = nullptr);
    void AfterShown() override;

protected:
    void FillPage() override; // FillSignalPage

private:
    std::vector<QRadioButton*> buttons_;
};

} // namespace korvisel
