// SPDX-License-Identifier: GPL-3.0-or-later
// Shift+F10 opens the context menu of the control with the focus, as the Menu key does: keyboards
// without a Menu key have no other way to it.
#pragma once

#include <QObject>

namespace korvisel {

class TKeyboardContextMenu : public QObject {
    Q_OBJECT
public:
    // Watches the keys of the whole application while it lives.
    explicit TKeyboardContextMenu(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace korvisel
