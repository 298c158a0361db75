// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/PrintPages.h"

#include "editor/PrintDataEdits.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/LimitedMemo.h"

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace korvisel {
namespace {

QString Shown(const std::string& text) {
    return QString::fromStdString(text);
}

TEditLetCh* FilteredEdit(const char* name, const char* characters, int length) {
    auto* edit = new TEditLetCh;
    edit->setObjectName(name);
    edit->SetCharString(characters);
    edit->SetCharCount(length);
    return edit;
}

QLineEdit* PlainEdit(const char* name) {
    auto* edit = new QLineEdit;
    edit->setObjectName(name);
    return edit;
}

// A 40-character field keeps what the rule kept: a shifted text is shown again, the caret one place
// further left.
std::string KeptForty(QLineEdit& edit, const std::string& text) {
    const TFortyRule kept = ApplyFortyCharacterRule(text);
    if (kept.Shifted) {
        const int caret = edit.cursorPosition();
        const QSignalBlocker block(edit);
        edit.setText(QString::fromStdString(kept.Text));
        edit.setCursorPosition(std::max(caret - 1, 0));
    }
    return kept.Text;
}

// Shows a stored text as it is, reporting nothing: a filtered edit's rule applies only to typing.
void ShowText(QLineEdit& edit, const std::string& text) {
    if (auto* filtered = qobject_cast<TEditLetCh*>(&edit)) {
        filtered->ShowStored(Shown(text));
        return;
    }
    const QSignalBlocker block(edit);
    edit.setText(Shown(text));
}

} // namespace

TPrintFieldPage::TPrintFieldPage(const char* pageName, TTextKey headingKey, TTextKey captionKey,
                                 QLineEdit* edit, TField field, TStore store, TPageContext& context,
                                 QWidget* parent)
    : TEditPage(pageName, context, parent), headingKey_(headingKey), captionKey_(captionKey),
      caption_(new QLabel(Body())), edit_(edit), field_(std::move(field)), store_(std::move(store)) {
    DisableClipboardActionsOnFill();
    edit_->setParent(Body());
    edit_->setFixedWidth(320);
    caption_->setBuddy(edit_);
    QVBoxLayout* layout = ColumnLayout();
    layout->addSpacing(8);
    layout->addWidget(caption_);
    layout->addWidget(edit_);
    layout->addStretch();
    if (auto* filtered = qobject_cast<TEditLetCh*>(edit_))
        connect(filtered, &TEditLetCh::Changed, this, &TPrintFieldPage::Changed);
    else
        connect(edit_, &QLineEdit::textChanged, this, &TPrintFieldPage::Changed);
}

void TPrintFieldPage::FillPage() {
    SetTitle(Text(headingKey_));
    caption_->setText(Text(captionKey_));
    ShowText(*edit_, field_(Document().Print()));
}

void TPrintFieldPage::AfterShown() {
    ShowText(*edit_, field_(Document().Print()));
    if (TakeFocus(edit_))
        edit_->selectAll();
}

void TPrintFieldPage::Changed(const QString& text) {
    const std::string kept = keep_ ? keep_(text.toStdString()) : text.toStdString();
    EditPrint(edit_, [&](TDopPrintInfo& print) { store_(print, kept); });
}

TPrintFieldPage* NewSerialNumberPage(TPageContext& context, QWidget* parent) {
    QLineEdit* edit = PlainEdit("Edit2");
    auto* page = new TPrintFieldPage(
        "PrintInfoSNum", "LIST_CAPT_SER_N", "TREEPRNTSNUM", edit,
        [](const TDopPrintInfo& print) -> const std::string& { return print.SerialNumber; },
        ChangeSerialNumber, context, parent);
    page->KeepFortyCharacters();
    return page;
}

TPrintFieldPage* NewRegNumberPage(TPageContext& context, QWidget* parent) {
    QLineEdit* edit = PlainEdit("Edit4");
    auto* page = new TPrintFieldPage(
        "PrintInfoRegNum", "LIST_CAPT_REG_N", "TREEPRNTRNUM", edit,
        [](const TDopPrintInfo& print) -> const std::string& { return print.RegNumber; }, ChangeRegNumber,
        context, parent);
    page->KeepFortyCharacters();
    return page;
}

TPrintFieldPage* NewSimPhonePage(TPageContext& context, QWidget* parent) {
    return new TPrintFieldPage(
        "PrintInfoSIMPh", "LIST_CAPT_PHONE_N", "TREEPRNSIMPH",
        FilteredEdit("EditLetCh1", "1234567890+", static_cast<int>(PrintLimits::SimPhone)),
        [](const TDopPrintInfo& print) -> const std::string& { return print.SimPhone; },
        [](TDopPrintInfo& print, std::string_view text) { print.SimPhone = text; }, context, parent);
}

TPrintFieldPage* NewFirmwarePage(TPageContext& context, QWidget* parent) {
    return new TPrintFieldPage(
        "PrintFWareVersion", "LIST_CAPT_FW_VER", "TREEFWAREVERS",
        FilteredEdit("EditLetCh2", "1234567890.", static_cast<int>(PrintLimits::FirmwareVersion)),
        [](const TDopPrintInfo& print) -> const std::string& { return print.FirmwareVersion; },
        [](TDopPrintInfo& print, std::string_view text) { print.FirmwareVersion = text; }, context, parent);
}

void TPrintFieldPage::KeepFortyCharacters() {
    keep_ = [this](const std::string& text) { return KeptForty(*edit_, text); };
}

TPowerSupplyPage::TPowerSupplyPage(TPageContext& context, QWidget* parent)
    : TEditPage("PrintInfoPwSuppl", context, parent), other_(PlainEdit("Edit3")) {
    DisableClipboardActionsOnFill();
    QVBoxLayout* layout = ColumnLayout();
    layout->setSpacing(10);
    layout->addSpacing(8);
    buttons_ = AddRadioButtons(layout, "RadioButton", 3, [this](QRadioButton* button, int kind) {
        AllowFocus(); // the user is on the page: "other" takes its text at once
        EditPrint(button, [&](TDopPrintInfo& print) { ClickPowerKind(print, kind); });
    });
    other_->setParent(Body());
    other_->setFixedWidth(320);
    layout->addWidget(other_);
    layout->addStretch();
    connect(other_, &QLineEdit::textChanged, this, [this](const QString& text) {
        const std::string kept = KeptForty(*other_, text.toStdString());
        EditPrint(other_, [&](TDopPrintInfo& print) { ChangePowerOtherText(print, kept); });
    });
}

void TPowerSupplyPage::FillPage() {
    SetTitle(Text("LIST_CAPT_POW_S"));
    constexpr TTextKey captions[] = {"LIST_POWER_VAL1", "LIST_POWER_VAL2", "LIST_POWER_VAL3"};
    for (std::size_t n = 0; n < buttons_.size(); ++n)
        buttons_[n]->setText(Text(captions[n]));
    // The edit holds the kind the last button names.
    other_->setAccessibleName(Text(captions[2]).remove('&').trimmed());
    ShowKind();
}

// The other text is shown, enabled and focused for "other"; for the other kinds the edit is emptied
// without touching the text kept for "other".
void TPowerSupplyPage::ShowKind() {
    const TPowerSupplyInfo& supply = Document().Print().PowerSupply;
    const bool other = supply.Kind == PowerKind::Other;
    WhileShowing([&] {
        CheckOnly(buttons_, supply.Kind);
        other_->setEnabled(other);
        other_->setText(other ? Shown(supply.OtherText) : QString());
    });
    if (other && isVisible() && TakeFocus(other_))
        other_->selectAll();
}

void TPowerSupplyPage::AfterShown() {
    ShowKind();
}

TCommentPage::TCommentPage(TPageContext& context, QWidget* parent)
    : TEditPage("PrintInfoComment", context, parent), caption_(new QLabel(Body())),
      memo_(new TCommentMemo(Body())) {
    DisableClipboardActionsOnFill();
    memo_->setObjectName("Memo4");
    memo_->setFixedSize(400, 180);
    caption_->setBuddy(memo_);
    QVBoxLayout* layout = ColumnLayout();
    layout->addWidget(caption_);
    layout->addWidget(memo_);
    layout->addStretch();
    connect(memo_, &TCommentMemo::Stored, this, [this](const std::string& comment) {
        EditPrint(memo_, [&](TDopPrintInfo& print) { print.Comment = comment; });
    });
}

void TCommentPage::FillPage() {
    SetTitle(Text("LIST_CAPT_COMMENT"));
    caption_->setText(Text("TREEPRNCOMMEN"));
    ShowComment();
}

void TCommentPage::ShowComment() {
    memo_->ShowStored(Document().Print().Comment);
}

void TCommentPage::AfterShown() {
    ShowComment();
    if (TakeFocus(memo_))
        memo_->selectAll();
}

} // namespace korvisel
