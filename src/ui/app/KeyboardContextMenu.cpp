// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/KeyboardContextMenu.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QWidget>

namespace korvisel {

TKeyboardContextMenu::TKeyboardContextMenu(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

bool TKeyboardContextMenu::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    QWidget* focus = QApplication::focusWidget();
    if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier || !focus || watched != focus)
        return false;
    // Where the Menu key puts it: at the current item of a list, else at the caret.
    QPoint at = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QWidget* target = focus;
    if (auto* view = qobject_cast<QAbstractItemView*>(focus)) {
        target = view->viewport();
        at = view->visualRect(view->currentIndex()).center();
    }
    if (!target->rect().contains(at))
        at = target->rect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at), key->modifiers());
    QApplication::sendEvent(target, &menu);
    return true;
}

} // namespace korvisel
