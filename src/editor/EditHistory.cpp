// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/EditHistory.h"

#include "editor/NodeCaption.h"

namespace korvisel {

TEditPlace NodePlace(const TTreeNodeData& node, std::string control, bool typing) {
    return {node, std::move(control), typing};
}

std::string PlaceLabel(const TEditPlace& place, const TLanguageTexts& texts) {
    return place.Label ? texts.Text(place.Label) : NodeCaption(place.Node, texts);
}

void TEditHistory::Reset(const TEditSnapshot& state) {
    states_ = {state};
    places_ = {TEditPlace{}};
    cursor_ = 0;
    merging_ = false;
}

bool TEditHistory::Record(const TEditSnapshot& now, const TEditPlace& place, TClock::time_point when) {
    if (now == states_[cursor_])
        return false;
    states_.resize(cursor_ + 1);
    places_.resize(cursor_ + 1);
    const bool sameTyping = merging_ && cursor_ > 0 && place.Typing && places_[cursor_] == place &&
                            when - lastEdit_ <= TypingPause;
    lastEdit_ = when;
    merging_ = place.Typing;
    if (sameTyping) {
        states_[cursor_] = now;
        // Typed back to what it was before the step: no step is left.
        if (states_[cursor_] == states_[cursor_ - 1]) {
            states_.pop_back();
            places_.pop_back();
            --cursor_;
            merging_ = false;
        }
        return true;
    }
    states_.push_back(now);
    places_.push_back(place);
    ++cursor_;
    if (states_.size() > Limit + 1) {
        states_.pop_front();
        places_.pop_front();
        --cursor_;
    }
    return true;
}

const TEditSnapshot& TEditHistory::Undo() {
    merging_ = false;
    if (CanUndo())
        --cursor_;
    return states_[cursor_];
}

const TEditSnapshot& TEditHistory::Redo() {
    merging_ = false;
    if (CanRedo())
        ++cursor_;
    return states_[cursor_];
}

} // namespace korvisel
