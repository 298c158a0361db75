// "CLIP_Set": which phone-book entry an input's CLIP report rings on event and on restore, chosen by
// double clicks in a grid of the phone book.
#pragma once

#include "editor/pages/EditPage.h"

class QPushButton;

namespace korvisel {

class TPhoneGrid;

class TClipPage : public TInputPage {
    Q_OBJECT
public:
    TClipPage(TPageContext& context, QWidget* parent = nullptr);
    TPhoneGrid* Grid() const { return grid_; }

protected:
    void FillPage() override; // FillClipPage

private:
    void DoubleClicked(int row, int column);

    TPhoneGrid* grid_;
    QPushButton* eventButton_;
    QPushButton* restoreButton_;
};

} // namespace korvisel
