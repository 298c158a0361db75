// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ClipboardRules.h"

namespace korvisel {

TClipActionStates ClipboardTargetFocused(TClipTarget target, bool hasSelection, bool clipboardHasText) {
    TClipActionStates states;
    if (target == TClipTarget::None)
        return states;
    const bool selection = target == TClipTarget::PhoneGrid || hasSelection;
    states.Cut = states.Copy = states.Delete = selection;
    states.Paste = clipboardHasText;
    states.TimerRuns = true;
    return states;
}

TClipActionStates ClipboardTimerTick(TClipTarget target, bool targetHasFocus, bool hasSelection,
                                     bool clipboardHasText) {
    if (target == TClipTarget::None)
        return {};
    if (!targetHasFocus) {
        // A fraction edit that lost the focus keeps the timer, which then finds it again.
        TClipActionStates states;
        states.TimerRuns = target == TClipTarget::CharEdit;
        return states;
    }
    return ClipboardTargetFocused(target, hasSelection, clipboardHasText);
}

TClipOperation ClipboardOperation(TClipTarget target, TClipAction action) {
    switch (target) {
    case TClipTarget::NumberEdit:
    case TClipTarget::CharEdit: {
        const bool digit = target == TClipTarget::CharEdit;
        switch (action) {
        case TClipAction::Cut:
            return digit ? TClipOperation::CutSelectionThenZero : TClipOperation::CutSelection;
        case TClipAction::Copy:
            return TClipOperation::CopySelection;
        case TClipAction::Paste:
            return TClipOperation::PasteKeepingCaret;
        case TClipAction::Delete:
            return digit ? TClipOperation::SetZero : TClipOperation::Clear;
        }
        break;
    }
    case TClipTarget::PhoneGrid:
        switch (action) {
        case TClipAction::Cut:
            return TClipOperation::PhoneBookCut;
        case TClipAction::Copy:
            return TClipOperation::PhoneBookCopy;
        case TClipAction::Paste:
            return TClipOperation::PhoneBookPaste;
        case TClipAction::Delete:
            return TClipOperation::PhoneBookDelete;
        }
        break;
    case TClipTarget::None:
        break;
    }
    return TClipOperation::Nothing;
}

} // namespace korvisel
