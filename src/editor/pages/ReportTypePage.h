// "InReport": how an input reports, SMS, ALARM, CLIP or DATA, each with its picture.
#pragma once

#include "editor/pages/EditPage.h"

#include <array>

class QLabel;
class QRadioButton;

namespace korvisel {

class TReportTypePage : public TInputPage {
    Q_OBJECT
public:
    TReportTypePage(TPageContext& context, QWidget* parent = nullptr);
    // The button of a report kind (1 ALARM, 2 SMS, 3 CLIP, 4 DATA).
    QRadioButton* Button(int kind) const;

protected:
    void FillPage() override; // FillReportTypePage

private:
    void ShowPictures();
    void Choose(int kind);

    std::array<QRadioButton*, 4> buttons_{};
    std::array<QLabel*, 4> pictures_{};
};

} // namespace korvisel
