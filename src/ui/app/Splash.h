// SPDX-License-Identifier: GPL-3.0-or-later
// The splash window shown while the program creates its windows.
#pragma once

#include <QWidget>

namespace korvisel {

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    TSplashForm();

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace korvisel
