// SPDX-License-Identifier: GPL-3.0-or-later
// Every window of the program opens inside the screen area the desktop leaves free: at a large
// scale factor a dialog laid out for a bigger screen is shrunk to it and moved onto it.
#pragma once

#include <QObject>

class QWidget;

namespace korvisel {

// The window's frame brought inside the available area of its screen; a maximised or full-screen
// window is left to the desktop.
void KeepInsideScreen(QWidget& window);

// Keeps every dialog inside the screen as it is shown, whichever dialog it is: installed on the
// application by the main window.
class TScreenFitFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace korvisel
