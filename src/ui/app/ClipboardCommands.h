// SPDX-License-Identifier: GPL-3.0-or-later
// Cut, Copy, Paste and Delete of the Edit menu on their target, a time edit or the phone book's
// grid, with Timer1 keeping the four actions offered in step with it.
#pragma once

#include "editor/ClipboardRules.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <optional>

class QAction;
class QKeyEvent;
class QLineEdit;
class QTimer;
class QWidget;

namespace korvisel {

class TFilteredEdit;
class TPhoneBookActions;

class TClipboardCommands : public QObject {
    Q_OBJECT
public:
    // The actions in the order Cut, Copy, Paste, Delete.
    TClipboardCommands(TPhoneBookActions& phoneBook, const std::array<QAction*, 4>& actions, QObject* parent);

    // A time edit becomes the target while it has the focus, and the Edit commands' keys pressed in
    // it run those commands instead of the edit's own cut, copy, paste and delete.
    void RegisterTimeEdit(TFilteredEdit* edit, TClipTarget kind);
    // The phone book's grid got the focus on a row.
    void TargetFocused(QWidget* phoneGrid);
    void DisableActions();
    void Run(TClipAction action);
    // One step of Timer1: the four actions offered as the target stands now. Tests call it instead
    // of waiting for the timer.
    void Tick();

    QTimer* Timer1() const { return timer_; }
    QWidget* Target() const { return target_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The Edit command a key stands for: the command's own key or the platform's key for it.
    std::optional<std::size_t> CommandOfKey(const QKeyEvent& key) const;
    void TimeEditFocusChanged(TFilteredEdit* edit, TClipTarget kind);
    void Show(const TClipActionStates& states);
    bool HasSelection() const;
    void Edit(TClipOperation operation, QLineEdit& edit);

    TPhoneBookActions& phoneBook_;
    std::array<QAction*, 4> actions_;
    QTimer* timer_;
    QPointer<QWidget> target_;
    TClipTarget kind_ = TClipTarget::None;
};

} // namespace korvisel
