// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo in the window: they take back and make again the document's steps, and their
// captions name where the step was made. Ctrl+Z and Ctrl+Y reach these commands from every control
// of the window, a text field's own undo included; a dialog's fields keep their own.
#pragma once

#include "editor/Document.h"

#include <QObject>

class QAction;
class QWidget;

namespace korvisel {

class TUndoCommands : public QObject {
    Q_OBJECT
public:
    // `texts`: the current language, which the captions and the steps' names follow.
    TUndoCommands(TDocument& document, QAction* undo, QAction* redo, QWidget* window,
                  const TLanguageTexts& texts);

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
    const TLanguageTexts& texts_;
};

} // namespace korvisel
