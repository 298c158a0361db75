// SPDX-License-Identifier: GPL-3.0-or-later
// What Undo and Redo move between: the project and the print data after each of the user's edits,
// with where each edit was made. Typing into one control is one step until the focus leaves it or a
// second passes between keys; every other edit is a step of its own.
#pragma once

#include "core/PrjTypes.h"
#include "fields/NavigationTree.h"
#include "i18n/LanguageTexts.h"

#include <chrono>
#include <cstddef>
#include <deque>
#include <string>

namespace korvisel {

struct TEditSnapshot {
    TProjectInfo Project;
    TDopPrintInfo Print;
    bool operator==(const TEditSnapshot&) const = default;
};

// Where a step was made: the node to show again and the control that took it (empty for a
// command). Only typing into a text control merges with the step before it. The Edit menu names
// the step by the node's caption, or by `Label` where a dialog or a command made it; a key, so that
// the name follows the language.
struct TEditPlace {
    TTreeNodeData Node;
    std::string Control;
    bool Typing = false;
    TTextKey Label = nullptr;
    bool operator==(const TEditPlace&) const = default;
};

// A place on node `node`.
TEditPlace NodePlace(const TTreeNodeData& node, std::string control = {}, bool typing = false);
// The name of the step made at `place`, in the current language.
std::string PlaceLabel(const TEditPlace& place, const TLanguageTexts& texts);

class TEditHistory {
public:
    using TClock = std::chrono::steady_clock;
    static constexpr std::size_t Limit = 1000; // steps kept; the oldest go first
    static constexpr std::chrono::milliseconds TypingPause{1000};

    explicit TEditHistory(const TEditSnapshot& start = {}) { Reset(start); }

    // A new history from `state` (New, Open, Close).
    void Reset(const TEditSnapshot& state);
    // After one of the user's edits: a step when `now` differs from the current state. True when
    // the history changed.
    bool Record(const TEditSnapshot& now, const TEditPlace& place, TClock::time_point when);
    // The focus left the control: the next keystroke starts a step of its own.
    void EndTyping() { merging_ = false; }

    bool CanUndo() const { return cursor_ > 0; }
    bool CanRedo() const { return cursor_ + 1 < states_.size(); }
    // Where the step that Undo (Redo) would take back (make again) was made; only when it can.
    const TEditPlace& UndoPlace() const { return places_[cursor_]; }
    const TEditPlace& RedoPlace() const { return places_[cursor_ + 1]; }
    // The state to put in place; only when it can.
    const TEditSnapshot& Undo();
    const TEditSnapshot& Redo();

    const TEditSnapshot& Current() const { return states_[cursor_]; }
    std::size_t Steps() const { return states_.size() - 1; }

private:
    std::deque<TEditSnapshot> states_; // states_[0] is where the history starts
    std::deque<TEditPlace> places_;    // places_[i] made states_[i] from states_[i - 1]
    std::size_t cursor_ = 0;           // the state the document holds
    bool merging_ = false;
    TClock::time_point lastEdit_{};
};

} // namespace korvisel
