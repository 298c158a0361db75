// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/PhoneSelectorBox.h"

#include <QSignalBlocker>

namespace korvisel {

TPhoneSelectorBox::TPhoneSelectorBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    connect(this, &QComboBox::activated, this, &TPhoneSelectorBox::Picked);
}

void TPhoneSelectorBox::Show(const TPhoneSelector& selector) {
    selector_ = selector;
    const QSignalBlocker block(this);
    clear();
    // Numbers are the device's bytes; the item of an empty book is an interface text.
    for (int i = 0; i < static_cast<int>(selector.Items.size()); ++i) {
        const std::string& item = selector.Items[static_cast<std::size_t>(i)];
        addItem(i < selector.Count ? QString::fromLatin1(item) : QString::fromStdString(item));
    }
    setCurrentIndex(selector.Selected);
}

void TPhoneSelectorBox::showPopup() {
    if (SelectorWantsPhoneBook(selector_)) {
        emit WantsPhoneBook();
        return;
    }
    QComboBox::showPopup();
}

void TPhoneSelectorBox::focusInEvent(QFocusEvent* event) {
    QComboBox::focusInEvent(event);
    if (SelectorWantsPhoneBook(selector_))
        emit WantsPhoneBook();
}

} // namespace korvisel
