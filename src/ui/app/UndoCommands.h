// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and Redo in the window: after every key or mouse button the user lets go of, the project and
// the print data are compared with the history's current step and a change becomes a step; Undo and
// Redo put a step's state back and show the node where it was made. Ctrl+Z and Ctrl+Y reach these
// commands from every control of the window, a text field's own undo included.
#pragma once

#include "editor/EditHistory.h"
#include "files/Document.h"

#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace korvisel {

class TUndoCommands : public QObject {
    Q_OBJECT
public:
    struct THost {
        // Where the user is: the node shown (its caption and data) and the control with the focus.
        std::function<TEditPlace(bool typing)> Place;
        // After a step's state was put back: marks, summaries and the page refreshed, `node` shown.
        std::function<void(const TTreeNodeData& node)> Show;
        // The commands' captions in the current language.
        std::function<QString(bool redo)> Caption;
    };
    TUndoCommands(TDocument& document, QAction* undo, QAction* redo, QWidget* window, THost host);

    // New, Open and Close start a new history from the document as it is.
    void Restart();
    // A step the program made for the user (Read), named by the command.
    void RecordCommand(const QString& label);
    void Undo();
    void Redo();
    // The commands' captions and hints, enabled or not; after a language change too.
    void UpdateActions();
    const TEditHistory& History() const { return history_; }

signals:
    // The project or the print data may differ from before: a step was recorded or put back, or a
    // new history started.
    void StateChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void RecordLater(bool typing);
    void RecordNow();
    void AfterChange();
    void Apply(const TEditSnapshot& state, const TTreeNodeData& node);
    bool InWindow(QObject* object) const;

    TDocument& document_;
    QAction* undo_;
    QAction* redo_;
    QWidget* window_;
    THost host_;
    TEditHistory history_;
    TDeviceImage savedImage_{}; // what the file holds, to tell Modified after an undo
    bool pending_ = false;
    bool pendingTyping_ = false;
};

} // namespace korvisel
