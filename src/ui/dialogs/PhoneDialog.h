// SPDX-License-Identifier: GPL-3.0-or-later
// The phone dialog: one number, OK and Cancel. Required, it cannot be left without a plausible
// number when the entry had none: no close box, no Cancel, OK only for a number of some length.
#pragma once

#include "core/PhoneBook.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace korvisel {

class TEditLetCh;

class TPhoneDialog : public QDialog, public IPhoneDialog {
    Q_OBJECT
public:
    explicit TPhoneDialog(QWidget* parent = nullptr);

    void SetTexts(const std::string& caption, const std::string& prompt) override;
    // Cancel in the interface's language; the other texts come with each question.
    void SetCancelText(const QString& text);
    std::optional<std::string> Execute(const std::string& text, bool required) override;

    bool Required() const { return required_; }
    TEditLetCh* Edit() const { return edit_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void TextChanged(const QString& text);
    void PressEnter();

    QLabel* prompt_;
    TEditLetCh* edit_;
    QPushButton* ok_;
    QPushButton* cancel_;
    bool required_ = false;
};

} // namespace korvisel
