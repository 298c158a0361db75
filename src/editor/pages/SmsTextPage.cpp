#include "editor/pages/SmsTextPage.h"

#include "editor/pages/PhoneSelectorBox.h"
#include "editor/pages/SmsMemo.h"

#include <QGridLayout>
#include <QLabel>

namespace korvisel {

TSmsTextPage::TSmsTextPage(TPageContext& context, QWidget* parent)
    : TInputPage("SMS_Text", context, parent),
      selector_(AddPhoneSelector("SMSPhoneCBox", [this] { return HasInput() ? &In().SmsPhone : nullptr; })),
      phoneLabel_(new QLabel(Body())), eventLabel_(new QLabel(Body())), restoreLabel_(new QLabel(Body())),
      eventMemo_(new TSmsMemo(Body())), restoreMemo_(new TSmsMemo(Body())) {
    eventMemo_->setObjectName("Memo1");
    restoreMemo_->setObjectName("Memo2");
    for (TSmsMemo* memo : {eventMemo_, restoreMemo_})
        memo->setFixedSize(196, 64);
    auto* grid = new QGridLayout(Body());
    grid->setContentsMargins(24, 12, 16, 8);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(6);
    grid->addWidget(phoneLabel_, 0, 0);
    grid->addWidget(selector_, 1, 0, 1, 2, Qt::AlignLeft);
    grid->addItem(new QSpacerItem(0, 12), 2, 0);
    grid->addWidget(eventLabel_, 3, 0);
    grid->addWidget(restoreLabel_, 3, 1);
    grid->addWidget(eventMemo_, 4, 0);
    grid->addWidget(restoreMemo_, 4, 1);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(5, 1);
    // The memos store what they show even while the page is filled, so a text that breaks the rules
    // is put right as soon as it is shown.
    connect(eventMemo_, &TSmsMemo::Stored, this, [this](const std::string& text) {
        if (HasInput())
            Document().Change([&](TProjectInfo&) { In().SmsEventText = text; });
    });
    connect(restoreMemo_, &TSmsMemo::Stored, this, [this](const std::string& text) {
        if (HasInput())
            Document().Change([&](TProjectInfo&) { In().SmsRestoreText = text; });
    });
}

void TSmsTextPage::FillPage() {
    SetTitle(Format("CAPTIONPAGESMSTEXT", InputCaption()));
    phoneLabel_->setText(Text("SMS_REP_PHON"));
    eventLabel_->setText(Text("SMS_REP_EVEN"));
    restoreLabel_->setText(Text("SMS_REP_REST"));
    if (!HasInput())
        return;
    ShowPhoneSelector(selector_);
    eventMemo_->ShowStored(In().SmsEventText);
    restoreMemo_->ShowStored(In().SmsRestoreText);
}

void TSmsTextPage::AfterShown() {
    eventMemo_->setFocus();
    eventMemo_->selectAll();
}

} // namespace korvisel
