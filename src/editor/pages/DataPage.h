// "DATA_Set": the phone and the Contact ID fields of an input's DATA report.
#pragma once

#include "editor/pages/EditPage.h"

class QLabel;

namespace korvisel {

class TContactIdEdits;
class TPhoneSelectorBox;

class TDataPage : public TInputPage {
    Q_OBJECT
public:
    TDataPage(TPageContext& context, QWidget* parent = nullptr);
    TContactIdEdits* ContactId() const { return cid_; }

protected:
    void FillPage() override; // FillDataPage

private:
    TPhoneSelectorBox* selector_;
    QLabel* phoneLabel_;
    TContactIdEdits* cid_;
};

} // namespace korvisel
