// SPDX-License-Identifier: GPL-3.0-or-later
// A drop-down list that picks a phone of the phone book (selection only). With no number in the book
// it offers none and sends the user to the phone book when entered.
#pragma once

#include "editor/PhoneSelectorRules.h"

#include <QComboBox>

namespace korvisel {

class TPhoneSelectorBox : public QComboBox {
    Q_OBJECT
public:
    explicit TPhoneSelectorBox(QWidget* parent = nullptr);

    // Shows the list without reporting it as the user's choice.
    void Show(const TPhoneSelector& selector);
    const TPhoneSelector& Selector() const { return selector_; }

    void showPopup() override;

signals:
    // The user picked an item.
    void Picked(int item);
    // The user entered the list while it holds no phone.
    void WantsPhoneBook();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    TPhoneSelector selector_;
};

} // namespace korvisel
