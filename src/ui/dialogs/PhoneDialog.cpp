// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/PhoneDialog.h"

#include "ui/widgets/FilteredEdit.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace korvisel {

TPhoneDialog::TPhoneDialog(QWidget* parent)
    : QDialog(parent), prompt_(new QLabel("Enter Phone Number", this)), edit_(new TEditLetCh(this)),
      ok_(new QPushButton("OK", this)), cancel_(new QPushButton("Cancel", this)) {
    setObjectName("PhoneDialog");
    setWindowTitle("Phone");
    setFixedSize(359, 142);
    prompt_->setObjectName("Label1");
    prompt_->setGeometry(16, 16, 327, 18);
    prompt_->setBuddy(edit_);
    edit_->setObjectName("EditLetCh1");
    edit_->SetCharString("1234567890+");
    edit_->SetCharCount(31);
    edit_->setGeometry(16, 40, 327, 24);
    ok_->setObjectName("OKBtn");
    ok_->setGeometry(176, 96, 80, 28);
    ok_->setDefault(true);
    cancel_->setObjectName("CancelBtn");
    cancel_->setGeometry(263, 96, 80, 28);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(edit_, &TEditLetCh::Changed, this, &TPhoneDialog::TextChanged);
    connect(edit_, &QLineEdit::textChanged, this, &TPhoneDialog::TextChanged);
    connect(edit_, &TEditLetCh::PressEnter, this, &TPhoneDialog::PressEnter);
}

void TPhoneDialog::SetTexts(const std::string& caption, const std::string& prompt) {
    setWindowTitle(QString::fromStdString(caption));
    prompt_->setText(QString::fromStdString(prompt));
}

void TPhoneDialog::SetCancelText(const QString& text) {
    cancel_->setText(text);
}

std::optional<std::string> TPhoneDialog::Execute(const std::string& text, bool required) {
    required_ = required;
    {
        const QSignalBlocker block(edit_);
        edit_->setText(QString::fromStdString(text));
    }
    edit_->selectAll();
    ok_->setEnabled(PhoneDialogOkEnabledOnShow(required, text));
    cancel_->setEnabled(PhoneDialogCancelEnabled(required, text));
    // A required number has no way out but OK: no close box either.
    setWindowFlag(Qt::CustomizeWindowHint, required);
    setWindowFlag(Qt::WindowCloseButtonHint, !required);
    setWindowFlag(Qt::WindowSystemMenuHint, !required);
    edit_->setFocus();
    const bool accepted = exec() == QDialog::Accepted;
    required_ = false;
    if (!accepted)
        return std::nullopt;
    return edit_->text().toStdString();
}

void TPhoneDialog::TextChanged(const QString& text) {
    ok_->setEnabled(PhoneDialogOkEnabled(required_, text.toStdString()));
}

void TPhoneDialog::PressEnter() {
    if (ok_->isEnabled())
        accept();
}

void TPhoneDialog::reject() {
    // Escape and the window manager's close go through here; without Cancel they are refused.
    if (cancel_->isEnabled())
        QDialog::reject();
}

void TPhoneDialog::closeEvent(QCloseEvent* event) {
    if (!cancel_->isEnabled()) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace korvisel
