// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/DataPages.h"

#include "editor/ContactIdDigits.h"
#include "editor/DeviceEdits.h"
#include "i18n/CodeLanguage.h"
#include "ui/widgets/ContactIdEdits.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/PhoneSelectorBox.h"
#include "ui/widgets/QtText.h"

#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace korvisel {
namespace {

// Where the three code symbols sit among the twelve of a field.
constexpr std::size_t CodeStart = 4;
constexpr std::size_t CodeLength = 3;

} // namespace

TContactIdPage::TContactIdPage(const char* pageName, const char* selectorName,
                               const std::array<const char*, 4>& editNames, bool codeLibrary,
                               TPageContext& context, QWidget* parent)
    : TEditPage(pageName, context, parent),
      selector_(
          AddPhoneSelector(selectorName, [this](TProjectInfo& project) { return PhoneField(project); })),
      phoneLabel_(new QLabel(Body())), cid_(new TContactIdEdits(editNames, Body())) {
    QVBoxLayout* layout = ColumnLayout();
    phoneLabel_->setBuddy(selector_);
    layout->addWidget(phoneLabel_);
    layout->addWidget(selector_, 0, Qt::AlignLeft);
    layout->addSpacing(18);
    layout->addWidget(cid_, 0, Qt::AlignLeft);
    if (codeLibrary) {
        codeButton_ = new QToolButton(Body());
        codeButton_->setObjectName("CodeLibraryButton");
        codeButton_->setText("...");
        codeButton_->setFixedHeight(24);
        cid_->AddBesideGroup(1, codeButton_);
        connect(codeButton_, &QToolButton::clicked, this, &TContactIdPage::ChooseCode);
        meaning_ = new QLabel(Body());
        meaning_->setObjectName("CodeMeaning");
        layout->addSpacing(6);
        layout->addWidget(meaning_);
    }
    layout->addStretch();
    connect(cid_, &TContactIdEdits::Changed, this, [this](int position, const QString& text) {
        Edit(cid_->Edit(position),
             [&](TProjectInfo& project) { StoreDigit(project, position, text.toStdString()); });
    });
}

std::string TContactIdPage::Code() const {
    const auto digits = Digits();
    return std::string(digits.begin() + CodeStart, digits.begin() + CodeStart + CodeLength);
}

void TContactIdPage::ChooseCode() {
    const std::optional<std::string> code = context_.CodeLibrary.ChooseCode(Code());
    if (!code || code->size() != CodeLength)
        return;
    // Through the edits, so that each position is stored by the edits' own rule; the three are one
    // step, named by the button.
    const TDocument::TEditGroup group(Document(), PlaceOf(codeButton_));
    for (std::size_t n = 0; n < CodeLength; ++n)
        cid_->Edit(static_cast<int>(CodeStart + n))->setText(QString(QChar((*code)[n])));
}

void TContactIdPage::ShowMeaning() {
    if (!meaning_)
        return;
    meaning_->setText(Q(ContactIdCodeMeaning(Code(), CodeLanguageFor(context_.Texts))));
}

void TContactIdPage::ShowAll(const QString& title) {
    SetTitle(title);
    phoneLabel_->setText(Text("SMS_REP_PHON"));
    if (codeButton_) {
        codeButton_->setAccessibleName(Text("F5_CODL_CAPTION"));
        codeButton_->setToolTip(Text("F5_CODL_CAPTION"));
    }
    cid_->SetCaptions({Text("REP_CIDVAL1"), Text("REP_CIDVAL2"), Text("REP_CIDVAL3"), Text("REP_CIDVAL4")},
                      context_.Texts);
    TProjectInfo shown = Project();
    if (!PhoneField(shown))
        return;
    ShowPhoneSelector(selector_);
    TContactId digits;
    digits.SetSymbols(Digits());
    cid_->Show(digits);
    ShowMeaning();
}

TInputDataPage::TInputDataPage(TPageContext& context, QWidget* parent)
    : TContactIdPage("DATA_Set", "DATAPhoneCBox", {"DATAObj", "DATACode", "DATAZone", "DATAPart"}, true,
                     context, parent) {
    DisableClipboardActionsOnFill();
}

std::uint8_t* TInputDataPage::PhoneField(TProjectInfo& project) {
    TInputInfo* in = NodeInputIn(project);
    return in ? &in->DataPhone : nullptr;
}

void TInputDataPage::StoreDigit(TProjectInfo& project, int position, const std::string& text) {
    if (TInputInfo* in = NodeInputIn(project))
        SetContactIdPosition(in->Cid, position, text);
}

std::array<char, TContactId::Length> TInputDataPage::Digits() const {
    return NodeInput() ? NodeInput()->Cid.Symbols() : TContactId{}.Symbols();
}

void TInputDataPage::FillPage() {
    ShowAll(Format("CAPTIONPAGEDATASET", InputCaption()));
}

TTestDataPage::TTestDataPage(TPageContext& context, QWidget* parent)
    : TContactIdPage("PerDATASet", "PerDATAPhCBox", {"PerDATAObj", "PerDATACod", "PerDATAZone", "PerDATAPrt"},
                     true, context, parent) {}

void TTestDataPage::StoreDigit(TProjectInfo& project, int position, const std::string& text) {
    SetContactIdPosition(project.TestCid, position, text);
}

void TTestDataPage::FillPage() {
    ShowAll(Format("CAPTIONPAGEDATASET", Text("CAPTIONPAGESMSTEXTEx2")));
}

TCrowPage::TCrowPage(TPageContext& context, QWidget* parent)
    : TContactIdPage("CROW Adapter", "CrowPhonCB", {"CRObj", "CRCode", "CRZone", "CRPart"}, false, context,
                     parent) {
    for (int position = static_cast<int>(Project().CrowObject.size());
         position < static_cast<int>(TContactId::Length); ++position) {
        TEditLetCh* fixed = ContactId()->Edit(position);
        fixed->SetCharString("*");
        fixed->SetNotSpace(true);
    }
}

void TCrowPage::StoreDigit(TProjectInfo& project, int position, const std::string& text) {
    ChangeCrowObject(project, position, text);
}

std::array<char, TContactId::Length> TCrowPage::Digits() const {
    std::array<char, TContactId::Length> digits;
    digits.fill('*');
    std::copy(Project().CrowObject.begin(), Project().CrowObject.end(), digits.begin());
    return digits;
}

void TCrowPage::FillPage() {
    ShowAll(Text("CAPTIONPAGECROWSET"));
}

} // namespace korvisel
