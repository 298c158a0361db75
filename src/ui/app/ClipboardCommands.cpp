// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/ClipboardCommands.h"

#include "ui/pages/PhoneBookActions.h"
#include "ui/widgets/FilteredEdit.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>

namespace korvisel {
namespace {

bool ClipboardHoldsText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

} // namespace

TClipboardCommands::TClipboardCommands(TPhoneBookActions& phoneBook, const std::array<QAction*, 4>& actions,
                                       QObject* parent)
    : QObject(parent), phoneBook_(phoneBook), actions_(actions), timer_(new QTimer(this)) {
    timer_->setObjectName("Timer1");
    timer_->setInterval(120);
    connect(timer_, &QTimer::timeout, this, &TClipboardCommands::Tick);
    const TClipAction order[] = {TClipAction::Cut, TClipAction::Copy, TClipAction::Paste,
                                 TClipAction::Delete};
    for (std::size_t n = 0; n < actions_.size(); ++n)
        connect(actions_[n], &QAction::triggered, this, [this, action = order[n]] { Run(action); });
    DisableActions();
    // It runs from the start until its first tick finds no target.
    timer_->start();
}

void TClipboardCommands::RegisterTimeEdit(TFilteredEdit* edit, TClipTarget kind) {
    connect(edit, &TFilteredEdit::Focused, this, [this, edit, kind] { TimeEditFocusChanged(edit, kind); });
    edit->installEventFilter(this);
}

std::optional<std::size_t> TClipboardCommands::CommandOfKey(const QKeyEvent& key) const {
    const QKeySequence pressed(key.keyCombination());
    const QKeySequence::StandardKey platform[] = {QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste,
                                                  QKeySequence::UnknownKey};
    for (std::size_t n = 0; n < actions_.size(); ++n)
        if (pressed == actions_[n]->shortcut() || key.matches(platform[n]))
            return n;
    return std::nullopt;
}

bool TClipboardCommands::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto command = CommandOfKey(*static_cast<QKeyEvent*>(event));
    if (!command)
        return QObject::eventFilter(watched, event);
    // The key is the edit's to deliver but never the edit's to handle: it runs the Edit command,
    // which does nothing while that command is not offered.
    event->accept();
    if (event->type() == QEvent::KeyPress) {
        Tick(); // the commands offered as they stand now, not at the timer's last tick
        if (actions_[*command]->isEnabled())
            actions_[*command]->trigger();
    }
    return true;
}

void TClipboardCommands::TimeEditFocusChanged(TFilteredEdit* edit, TClipTarget kind) {
    if (edit->hasFocus()) {
        target_ = edit;
        kind_ = kind;
        timer_->start();
        Show(ClipboardTargetFocused(kind, edit->hasSelectedText(), ClipboardHoldsText()));
        return;
    }
    target_ = nullptr;
    kind_ = TClipTarget::None;
    timer_->stop();
    DisableActions();
}

void TClipboardCommands::TargetFocused(QWidget* phoneGrid) {
    target_ = phoneGrid;
    kind_ = TClipTarget::PhoneGrid;
    timer_->start();
    Show(ClipboardTargetFocused(kind_, false, ClipboardHoldsText()));
}

void TClipboardCommands::DisableActions() {
    Show({});
}

void TClipboardCommands::Show(const TClipActionStates& states) {
    actions_[0]->setEnabled(states.Cut);
    actions_[1]->setEnabled(states.Copy);
    actions_[2]->setEnabled(states.Paste);
    actions_[3]->setEnabled(states.Delete);
}

bool TClipboardCommands::HasSelection() const {
    const auto* edit = qobject_cast<const QLineEdit*>(target_.data());
    return edit && edit->hasSelectedText();
}

void TClipboardCommands::Tick() {
    const TClipTarget kind = target_ ? kind_ : TClipTarget::None;
    const bool focused = target_ && target_->hasFocus();
    const TClipActionStates states = ClipboardTimerTick(kind, focused, HasSelection(), ClipboardHoldsText());
    Show(states);
    if (kind == TClipTarget::PhoneGrid && focused)
        phoneBook_.Action("ActPhPaste")->setEnabled(ClipboardHoldsText());
    if (!states.TimerRuns)
        timer_->stop();
}

void TClipboardCommands::Run(TClipAction action) {
    // What the command changes reaches the document through the edit or the phone book, as one step.
    const TClipTarget kind = target_ ? kind_ : TClipTarget::None;
    switch (const TClipOperation operation = ClipboardOperation(kind, action)) {
    case TClipOperation::Nothing:
    case TClipOperation::PhoneBookCut:
        return;
    case TClipOperation::PhoneBookCopy:
        phoneBook_.Copy();
        return;
    case TClipOperation::PhoneBookPaste:
        phoneBook_.Paste();
        return;
    case TClipOperation::PhoneBookDelete:
        phoneBook_.Delete();
        return;
    default:
        if (auto* edit = qobject_cast<QLineEdit*>(target_.data()))
            Edit(operation, *edit);
    }
}

void TClipboardCommands::Edit(TClipOperation operation, QLineEdit& edit) {
    switch (operation) {
    case TClipOperation::CutSelection:
        edit.cut();
        break;
    case TClipOperation::CutSelectionThenZero:
        edit.cut();
        edit.setText("0");
        break;
    case TClipOperation::CopySelection:
        edit.copy();
        break;
    case TClipOperation::PasteKeepingCaret: {
        const int caret = edit.cursorPosition();
        edit.paste();
        edit.setCursorPosition(std::min(caret, static_cast<int>(edit.text().size())));
        break;
    }
    case TClipOperation::Clear:
        edit.clear();
        break;
    case TClipOperation::SetZero:
        edit.setText("0");
        break;
    default:
        break;
    }
}

} // namespace korvisel
