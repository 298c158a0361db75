// SPDX-License-Identifier: GPL-3.0-or-later
// "Time": the reaction, restore and lockout times of an input, in half seconds.
#pragma once

#include "editor/InputEdits.h"
#include "ui/pages/EditPage.h"

#include <array>

namespace korvisel {

class THalfSecondRow;

class TTimePage : public TInputPage {
    Q_OBJECT
public:
    TTimePage(TPageContext& context, QWidget* parent = nullptr);
    THalfSecondRow* Row(TInputTime time) const { return rows_[static_cast<std::size_t>(time)]; }

protected:
    void FillPage() override; // FillTimePage

private:
    void Layout();

    std::array<THalfSecondRow*, 3> rows_{};
};

} // namespace korvisel
