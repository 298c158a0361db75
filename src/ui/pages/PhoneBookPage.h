// SPDX-License-Identifier: GPL-3.0-or-later
// "Phone": the phone book, nine numbers with the reports that use each; its commands are the phone
// book's Edit, Info, Cut, Copy, Paste and Delete.
#pragma once

#include "ui/pages/EditPage.h"

namespace korvisel {

class TPhoneGrid;

class TPhoneBookPage : public TEditPage {
    Q_OBJECT
public:
    TPhoneBookPage(TPageContext& context, QWidget* parent = nullptr);
    void AfterShown() override;
    TPhoneGrid* Grid() const { return grid_; }

protected:
    void FillPage() override; // FillPhonePage
    // A change of the project repaints the numbers and uses; the selected row stays.
    void RefreshPage() override;

private:
    void PaintUse(QPainter& painter, const QRect& cell, int row, bool selected) const;

    TPhoneGrid* grid_;
};

} // namespace korvisel
