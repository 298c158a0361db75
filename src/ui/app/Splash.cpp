// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/Splash.h"

#include "ui/widgets/Icons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace korvisel {

TSplashForm::TSplashForm() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setFixedSize(548, 204);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

void TSplashForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, SplashPicture());
}

} // namespace korvisel
