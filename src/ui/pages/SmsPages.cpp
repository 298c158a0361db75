// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/SmsPages.h"

#include "core/SmsText.h"

#include "ui/widgets/LimitedMemo.h"
#include "ui/widgets/PhoneSelectorBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace korvisel {

TSmsPage::TSmsPage(const TSmsPageNames& names, TPageContext& context, QWidget* parent)
    : TEditPage(names.Page, context, parent), grid_(new QGridLayout(Body())), phoneLabel_(new QLabel(Body())),
      selector_(
          AddPhoneSelector(names.Selector, [this](TProjectInfo& project) { return PhoneField(project); })),
      eventLabel_(new QLabel(Body())), eventMemo_(new TSmsMemo(Body())) {
    eventMemo_->setObjectName(names.EventMemo);
    grid_->setContentsMargins(24, 12, 16, 8);
    grid_->setHorizontalSpacing(24);
    grid_->setVerticalSpacing(6);
    grid_->addWidget(phoneLabel_, 0, 0);
    grid_->addWidget(selector_, 1, 0, 1, 2, Qt::AlignLeft);
    grid_->addItem(new QSpacerItem(0, 12), 2, 0);
    grid_->addWidget(eventLabel_, 3, 0);
    grid_->addWidget(eventMemo_, 4, 0);
    if (names.RestoreMemo) {
        restoreLabel_ = new QLabel(Body());
        restoreMemo_ = new TSmsMemo(Body());
        restoreMemo_->setObjectName(names.RestoreMemo);
        grid_->addWidget(restoreLabel_, 3, 1);
        grid_->addWidget(restoreMemo_, 4, 1);
        connect(restoreMemo_, &TSmsMemo::Stored, this,
                [this](const std::string& text) { Store(restoreMemo_, &TSmsPage::RestoreText, text); });
    }
    for (TSmsMemo* memo : {eventMemo_, restoreMemo_})
        if (memo)
            memo->setFixedSize(196, 64);
    // Under each text, how many more characters it takes: the memo refuses an eleventh silently.
    for (TSmsMemo* memo : {eventMemo_, restoreMemo_}) {
        if (!memo)
            continue;
        auto* left = new QLabel(Body());
        left->setObjectName(memo->objectName() + "Left");
        grid_->addWidget(left, 5, memo == eventMemo_ ? 0 : 1);
        charactersLeft_.push_back({memo, left});
        connect(memo, &QPlainTextEdit::textChanged, this, [this] { ShowCharactersLeft(); });
    }
    grid_->setColumnStretch(2, 1);
    grid_->setRowStretch(7, 1);
    connect(eventMemo_, &TSmsMemo::Stored, this,
            [this](const std::string& text) { Store(eventMemo_, &TSmsPage::EventText, text); });
}

void TSmsPage::Store(TSmsMemo* memo, std::string* (TSmsPage::*field)(TProjectInfo&),
                     const std::string& text) {
    Edit(memo, [&](TProjectInfo& project) {
        if (std::string* stored = (this->*field)(project))
            *stored = text;
    });
}

void TSmsPage::ShowAll(const QString& title, TTextKey eventLabel, TTextKey restoreLabel) {
    SetTitle(title);
    phoneLabel_->setText(Text("SMS_REP_PHON"));
    eventLabel_->setText(Text(eventLabel));
    if (restoreLabel_ && restoreLabel)
        restoreLabel_->setText(Text(restoreLabel));
    // The fields are found in a copy: showing reads, never writes.
    TProjectInfo shown = Project();
    if (PhoneField(shown)) {
        selector_->setEnabled(true);
        ShowPhoneSelector(selector_);
    } else {
        TPhoneSelector all;
        all.Items = {Text("LIST_CONSMS_VAL3").toStdString()};
        all.Selected = 0;
        selector_->Show(all);
        selector_->setEnabled(false);
    }
    if (const std::string* text = EventText(shown))
        eventMemo_->ShowStored(*text);
    if (restoreMemo_)
        if (const std::string* text = RestoreText(shown))
            restoreMemo_->ShowStored(*text);
    ShowCharactersLeft();
}

void TSmsPage::ShowCharactersLeft() {
    for (const auto& [memo, label] : charactersLeft_) {
        const QString left = Text("PRG_SMS_CHARACTERS_LEFT").arg(memo->CharactersLeft()).arg(SmsTextLimit);
        label->setText(left);
        memo->setAccessibleDescription(left);
    }
}

TInputSmsPage::TInputSmsPage(TPageContext& context, QWidget* parent)
    : TSmsPage({"SMS_Text", "SMSPhoneCBox", "Memo1", "Memo2"}, context, parent) {
    DisableClipboardActionsOnFill();
}

std::uint8_t* TInputSmsPage::PhoneField(TProjectInfo& project) {
    TInputInfo* in = NodeInputIn(project);
    return in ? &in->SmsPhone : nullptr;
}

std::string* TInputSmsPage::EventText(TProjectInfo& project) {
    TInputInfo* in = NodeInputIn(project);
    return in ? &in->SmsEventText : nullptr;
}

std::string* TInputSmsPage::RestoreText(TProjectInfo& project) {
    TInputInfo* in = NodeInputIn(project);
    return in ? &in->SmsRestoreText : nullptr;
}

void TInputSmsPage::FillPage() {
    ShowAll(Format("CAPTIONPAGESMSTEXT", InputCaption()), "SMS_REP_EVEN", "SMS_REP_REST");
}

void TInputSmsPage::AfterShown() {
    if (TakeFocus(EventMemo()))
        EventMemo()->selectAll();
}

TOutputSmsPage::TOutputSmsPage(TKind kind, TPageContext& context, QWidget* parent)
    : TSmsPage(kind == TKind::Control ? TSmsPageNames{"OutSMSControl", "BaseSMSCBox", "Memo3", "Memo5"}
                                      : TSmsPageNames{"OutSMSAnswer", "AnswerCBox", "Memo6", "Memo7"},
               context, parent),
      kind_(kind) {}

std::string* TOutputSmsPage::EventText(TProjectInfo& project) {
    TOutputInfo* out = NodeOutputIn(project);
    if (!out)
        return nullptr;
    return kind_ == TKind::Control ? &out->ControlText : &out->OnAnswerText;
}

std::string* TOutputSmsPage::RestoreText(TProjectInfo& project) {
    TOutputInfo* out = NodeOutputIn(project);
    if (!out)
        return nullptr;
    return kind_ == TKind::Control ? &out->QueryText : &out->OffAnswerText;
}

void TOutputSmsPage::FillPage() {
    const QString number = QString::number(Node().Output);
    if (kind_ == TKind::Control)
        ShowAll(Text("LIST_CAPT_CONSMS") + number, "LIST_CONSMS_VAL1", "LIST_CONSMS_VAL2");
    else
        ShowAll(Text("LIST_CAPT_ANSSMS") + number, "LIST_ANSSMS_VAL1", "LIST_ANSSMS_VAL2");
}

TTestSmsPage::TTestSmsPage(TPageContext& context, QWidget* parent)
    : TSmsPage({"PerSMSText", "PerSMSPhCBox", "PerSMSMemo", nullptr}, context, parent) {
    DisableClipboardActionsOnFill();
}

std::uint8_t* TTestSmsPage::PhoneField(TProjectInfo& project) {
    return &project.TestSmsPhone;
}

std::string* TTestSmsPage::EventText(TProjectInfo& project) {
    return &project.TestSmsText;
}

void TTestSmsPage::FillPage() {
    ShowAll(Format("CAPTIONPAGESMSTEXT", Text("CAPTIONPAGESMSTEXTEx2")), "SMS_REP_EVEN");
}

TGsmSmsPage::TGsmSmsPage(TPageContext& context, QWidget* parent)
    : TSmsPage({"GSMSMS_Text", "GSMSMSComboBox", "Memo8", "Memo9"}, context, parent),
      restoreCheck_(new QCheckBox(Body())) {
    DisableClipboardActionsOnFill();
    restoreCheck_->setObjectName("SMSCheckBox");
    Grid()->addWidget(restoreCheck_, 6, 0, 1, 2);
    connect(restoreCheck_, &QCheckBox::clicked, this, [this](bool checked) {
        if (IsGsmNode())
            Edit(restoreCheck_, [&](TProjectInfo& project) { project.GsmRestoreSms = checked; });
    });
}

std::uint8_t* TGsmSmsPage::PhoneField(TProjectInfo& project) {
    return IsGsmNode() ? &project.GsmSmsPhone : nullptr;
}

std::string* TGsmSmsPage::EventText(TProjectInfo& project) {
    return IsGsmNode() ? &project.GsmEventText : nullptr;
}

std::string* TGsmSmsPage::RestoreText(TProjectInfo& project) {
    return IsGsmNode() ? &project.GsmRestoreText : nullptr;
}

void TGsmSmsPage::FillPage() {
    restoreCheck_->setText(Text("LIST_GSMSMS_VAL1"));
    ShowAll(Text("LIST_CAPT_GSMSMS"), "SMS_REP_EVEN", "SMS_REP_REST");
    restoreCheck_->setChecked(Project().GsmRestoreSms);
}

} // namespace korvisel
