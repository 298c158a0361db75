// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/AlarmPage.h"

#include "ui/widgets/PhoneSelectorBox.h"

#include <QLabel>
#include <QVBoxLayout>

namespace korvisel {

TAlarmPage::TAlarmPage(TPageContext& context, QWidget* parent)
    : TInputPage("ALARM_Set", context, parent),
      selector_(AddPhoneSelector("ALARMPhoneCBox",
                                 [this](TProjectInfo& project) {
                                     return HasInput() ? &project.Inputs[InputNumber().Index()].AlarmPhone
                                                       : nullptr;
                                 })),
      phoneLabel_(new QLabel(Body())) {
    DisableClipboardActionsOnFill();
    QVBoxLayout* layout = ColumnLayout();
    layout->addWidget(phoneLabel_);
    layout->addWidget(selector_, 0, Qt::AlignLeft);
    layout->addStretch();
}

void TAlarmPage::FillPage() {
    SetTitle(Format("CAPTIONPAGEALARMSET", InputCaption()));
    phoneLabel_->setText(Text("SMS_REP_PHON"));
    if (HasInput())
        ShowPhoneSelector(selector_);
}

} // namespace korvisel
