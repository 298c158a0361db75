// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/UndoCommands.h"

#include "ui/widgets/MenuAccessKeys.h"
#include "ui/widgets/QtText.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace korvisel {
namespace {

bool IsUndoOrRedoKey(const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    return pressed == QKeySequence(QKeySequence::Undo) || pressed == QKeySequence(QKeySequence::Redo) ||
           pressed == QKeySequence(Qt::CTRL | Qt::Key_Y) ||
           pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

} // namespace

TUndoCommands::TUndoCommands(TDocument& document, QAction* undo, QAction* redo, QWidget* window,
                             const TLanguageTexts& texts)
    : QObject(window), document_(document), undo_(undo), redo_(redo), window_(window), texts_(texts) {
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo_, &QAction::triggered, this, [this] { document_.Undo(); });
    connect(redo_, &QAction::triggered, this, [this] { document_.Redo(); });
    // Typing merges into one step only while the focus stays in one control.
    connect(qApp, &QApplication::focusChanged, this, [this] { document_.EndTyping(); });
    qApp->installEventFilter(this);
    UpdateActions();
}

bool TUndoCommands::InWindow(QObject* object) const {
    const auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->window() == window_;
}

bool TUndoCommands::eventFilter(QObject* watched, QEvent* event) {
    // A text field would take Ctrl+Z for its own undo; in this window the history takes it.
    if (event->type() == QEvent::ShortcutOverride && InWindow(watched) &&
        IsUndoOrRedoKey(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TUndoCommands::UpdateActions() {
    const TEditHistory& history = document_.History();
    const auto update = [this](QAction* action, TTextKey captionKey, const TEditPlace* place) {
        action->setEnabled(place != nullptr);
        const QString caption = Q(texts_.Text(captionKey)).trimmed();
        const QString named = place ? ": " + Q(PlaceLabel(*place, texts_)) : QString();
        // The step's name is shown as it is: an ampersand in it is no access key.
        action->setText(caption + QString(named).replace('&', "&&"));
        action->setToolTip(QString(caption).remove('&') + named);
    };
    update(undo_, "LM_EDIT_A_UNDO ", history.CanUndo() ? &history.UndoPlace() : nullptr);
    update(redo_, "LM_EDIT_A_REDO ", history.CanRedo() ? &history.RedoPlace() : nullptr);
    // The new captions take access keys among the menu's others.
    for (QObject* shown : undo_->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(shown))
            GiveAccessKeys(*menu);
}

} // namespace korvisel
