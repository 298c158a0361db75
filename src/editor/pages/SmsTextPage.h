// "SMS_Text": the phone and the event and restore texts of an input's SMS report.
#pragma once

#include "editor/pages/EditPage.h"

class QLabel;

namespace korvisel {

class TPhoneSelectorBox;
class TSmsMemo;

class TSmsTextPage : public TInputPage {
    Q_OBJECT
public:
    TSmsTextPage(TPageContext& context, QWidget* parent = nullptr);
    void AfterShown() override;

protected:
    void FillPage() override; // FillSmsTextPage

private:
    TPhoneSelectorBox* selector_;
    QLabel* phoneLabel_;
    QLabel* eventLabel_;
    QLabel* restoreLabel_;
    TSmsMemo* eventMemo_;
    TSmsMemo* restoreMemo_;
};

} // namespace korvisel
