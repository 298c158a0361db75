// SPDX-License-Identifier: GPL-3.0-or-later
// The Edit menu's Cut, Copy, Paste and Delete act on one control, the clipboard target: a time edit
// or the phone book's grid. Which of them are offered, and what each does to which target.
#pragma once

namespace korvisel {

enum class TClipTarget {
    None,
    NumberEdit, // the whole seconds of a time
    CharEdit,   // the fraction digit of a time
    PhoneGrid,
};

enum class TClipAction { Cut, Copy, Paste, Delete };

struct TClipActionStates {
    bool Cut = false;
    bool Copy = false;
    bool Paste = false;
    bool Delete = false;
    bool TimerRuns = false;
    bool operator==(const TClipActionStates&) const = default;
};

// A time edit or the grid got the focus: it becomes the target and the timer starts.
TClipActionStates ClipboardTargetFocused(TClipTarget target, bool hasSelection, bool clipboardHasText);

// One tick of Timer1 (120 ms).
TClipActionStates ClipboardTimerTick(TClipTarget target, bool targetHasFocus, bool hasSelection,
                                     bool clipboardHasText);

// What an action does to its target.
enum class TClipOperation {
    Nothing,
    CutSelection,         // to the clipboard
    CutSelectionThenZero, // a fraction digit is left "0"
    CopySelection,
    PasteKeepingCaret, // the caret goes back where it was before the paste
    Clear,             // the edit then shows its minimum
    SetZero,
    PhoneBookCut,
    PhoneBookCopy,
    PhoneBookPaste,
    PhoneBookDelete,
};
TClipOperation ClipboardOperation(TClipTarget target, TClipAction action);

} // namespace korvisel
