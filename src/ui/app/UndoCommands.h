// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo in the window: they take back and make again the document's steps, and their
// captions name where the step was made. Ctrl+Z and Ctrl+Y reach these commands from every control
// of the window, a text field's own undo included; a dialog's fields keep their own.
#pragma once

#include "editor/Document.h"

#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace korvisel {

class TUndoCommands : public QObject {
    Q_OBJECT
public:
    // `caption`: the commands' captions in the current language.
    TUndoCommands(TDocument& document, QAction* undo, QAction* redo, QWidget* window,
                  std::function<QString(bool redo)> caption);

    // The commands' captions and hints, enabled or not: after every change of the document and a
    // language change.
    void UpdateActions();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool InWindow(QObject* object) const;

    TDocument& document_;
    QAction* undo_;
    QAction* redo_;
    QWidget* window_;
    std::function<QString(bool redo)> caption_;
};

} // namespace korvisel
