// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ScreenFit.h"

#include "core/ScreenArea.h"

#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>

namespace korvisel {
namespace {

TScreenRect ScreenRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// A window not yet on screen has no frame; the one its parent has, or a title bar's height, stands
// in for it so that the title bar too lands inside the area.
QMargins FrameMargins(const QWidget& window) {
    const QMargins own(window.geometry().left() - window.frameGeometry().left(),
                       window.geometry().top() - window.frameGeometry().top(),
                       window.frameGeometry().right() - window.geometry().right(),
                       window.frameGeometry().bottom() - window.geometry().bottom());
    if (!own.isNull())
        return own;
    if (const QWidget* parent = window.parentWidget(); parent && parent->window()->isVisible())
        return FrameMargins(*parent->window());
    return {0, window.style()->pixelMetric(QStyle::PM_TitleBarHeight), 0, 0};
}

QScreen* ScreenOf(const QWidget& window) {
    if (QScreen* screen = QGuiApplication::screenAt(window.frameGeometry().center()))
        return screen;
    return window.screen();
}

} // namespace

void KeepInsideScreen(QWidget& window) {
    if (window.isMaximized() || window.isFullScreen())
        return;
    const QScreen* screen = ScreenOf(window);
    if (!screen)
        return;
    const QMargins frame = FrameMargins(window);
    const QSize frameExtra(frame.left() + frame.right(), frame.top() + frame.bottom());
    const TScreenRect fitted = FitIntoArea(ScreenRect(QRect(window.pos(), window.size() + frameExtra)),
                                           ScreenRect(screen->availableGeometry()));
    const QSize size = QSize(fitted.Width, fitted.Height) - frameExtra;
    if (size != window.size()) {
        // A fixed-size dialog gives up what the screen does not have.
        window.setMinimumSize(window.minimumSize().boundedTo(size));
        window.resize(size);
    }
    window.move(fitted.X, fitted.Y);
}

bool TScreenFitFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show)
        if (auto* dialog = qobject_cast<QDialog*>(watched); dialog && dialog->isWindow()) {
            // A dialog nobody placed is centred over its parent after this (Qt keeps that inside
            // the screen too): fitting it must not count as placing it.
            const bool placed = dialog->testAttribute(Qt::WA_Moved);
            KeepInsideScreen(*dialog);
            dialog->setAttribute(Qt::WA_Moved, placed);
        }
    return QObject::eventFilter(watched, event);
}

} // namespace korvisel
