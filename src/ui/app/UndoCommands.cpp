// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/UndoCommands.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

namespace korvisel {
namespace {

bool IsUndoOrRedoKey(const QKeyEvent& key) {
    const QKeySequence pressed(key.keyCombination());
    return pressed == QKeySequence(QKeySequence::Undo) || pressed == QKeySequence(QKeySequence::Redo) ||
           pressed == QKeySequence(Qt::CTRL | Qt::Key_Y) ||
           pressed == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

bool IsTextControl(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

} // namespace

TUndoCommands::TUndoCommands(TDocument& document, QAction* undo, QAction* redo, QWidget* window, THost host)
    : QObject(window), document_(document), undo_(undo), redo_(redo), window_(window),
      host_(std::move(host)) {
    redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(undo_, &QAction::triggered, this, &TUndoCommands::Undo);
    connect(redo_, &QAction::triggered, this, &TUndoCommands::Redo);
    connect(qApp, &QApplication::focusChanged, this, [this] { history_.EndTyping(); });
    qApp->installEventFilter(this);
    Restart();
}

void TUndoCommands::Restart() {
    history_.Reset({document_.Project, document_.Print});
    savedImage_ = document_.KeptImage();
    pending_ = false;
    AfterChange();
}

void TUndoCommands::RecordCommand(const QString& label) {
    TEditPlace place = host_.Place(false);
    place.Label = label.toStdString();
    place.Control.clear();
    if (history_.Record({document_.Project, document_.Print}, place, TEditHistory::TClock::now()))
        AfterChange();
}

bool TUndoCommands::InWindow(QObject* object) const {
    const auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->window() == window_;
}

bool TUndoCommands::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // A text field would take Ctrl+Z for its own undo; in this window the history takes it.
        if (InWindow(watched) && IsUndoOrRedoKey(*static_cast<QKeyEvent*>(event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyRelease:
        RecordLater(IsTextControl(QApplication::focusWidget()));
        break;
    case QEvent::MouseButtonRelease:
        RecordLater(false);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// After the event has done its work: the edit it made is in the document by then.
void TUndoCommands::RecordLater(bool typing) {
    pendingTyping_ = pendingTyping_ || typing;
    if (pending_)
        return;
    pending_ = true;
    QTimer::singleShot(0, this, &TUndoCommands::RecordNow);
}

void TUndoCommands::RecordNow() {
    pending_ = false;
    const bool typing = pendingTyping_;
    pendingTyping_ = false;
    // Unmodified means the file holds what a save would write: a save or an open just happened.
    if (!document_.Modified)
        savedImage_ = document_.KeptImage();
    if (history_.Record({document_.Project, document_.Print}, host_.Place(typing),
                        TEditHistory::TClock::now()))
        AfterChange();
}

void TUndoCommands::AfterChange() {
    UpdateActions();
    emit StateChanged();
}

void TUndoCommands::Undo() {
    if (pending_)
        RecordNow();
    if (!history_.CanUndo())
        return;
    const TTreeNodeData node = history_.UndoPlace().Node;
    Apply(history_.Undo(), node);
}

void TUndoCommands::Redo() {
    if (pending_)
        RecordNow();
    if (!history_.CanRedo())
        return;
    const TTreeNodeData node = history_.RedoPlace().Node;
    Apply(history_.Redo(), node);
}

void TUndoCommands::Apply(const TEditSnapshot& state, const TTreeNodeData& node) {
    document_.Project = state.Project;
    document_.Print = state.Print;
    document_.Modified = document_.KeptImage() != savedImage_;
    host_.Show(node);
    AfterChange();
}

void TUndoCommands::UpdateActions() {
    const auto update = [](QAction* action, const QString& caption, bool can, const std::string& label) {
        action->setEnabled(can);
        const QString text = can ? caption + ": " + QString::fromStdString(label) : caption;
        action->setText(text);
        action->setToolTip(text);
    };
    update(undo_, host_.Caption(false), history_.CanUndo(),
           history_.CanUndo() ? history_.UndoPlace().Label : std::string());
    update(redo_, host_.Caption(true), history_.CanRedo(),
           history_.CanRedo() ? history_.RedoPlace().Label : std::string());
}

} // namespace korvisel
