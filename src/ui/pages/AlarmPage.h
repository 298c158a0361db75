// SPDX-License-Identifier: GPL-3.0-or-later
// "ALARM_Set": the phone an input's ALARM report calls.
#pragma once

#include "ui/pages/EditPage.h"

class QLabel;

namespace korvisel {

class TPhoneSelectorBox;

class TAlarmPage : public TInputPage {
    Q_OBJECT
public:
    TAlarmPage(TPageContext& context, QWidget* parent = nullptr);

protected:
    void FillPage() override; // FillAlarmPage

private:
    TPhoneSelectorBox* selector_;
    QLabel* phoneLabel_;
};

} // namespace korvisel
