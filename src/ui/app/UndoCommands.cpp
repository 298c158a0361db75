// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/UndoCommands.h"

#include "ui/widgets/MenuAccessKeys.h"

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
                             std::function<QString(bool redo)> caption)
    : QObject(window), document_(document), undo_(undo), redo_(redo), window_(window),
      caption_(std::move(caption)) {
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
    const auto update = [](QAction* action, const QString& caption, bool can, const std::string& label) {
        action->setEnabled(can);
        const QString named = can ? ": " + QString::fromStdString(label) : QString();
        // The step's name is shown as it is: an ampersand in it is no access key.
        action->setText(caption + QString(named).replace('&', "&&"));
        action->setToolTip(caption + named);
    };
    update(undo_, caption_(false), history.CanUndo(),
           history.CanUndo() ? history.UndoPlace().Label : std::string());
    update(redo_, caption_(true), history.CanRedo(),
           history.CanRedo() ? history.RedoPlace().Label : std::string());
    // The new captions take access keys among the menu's others.
    for (QObject* shown : undo_->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(shown))
            GiveAccessKeys(*menu);
}

} // namespace korvisel
