// SPDX-License-Identifier: GPL-3.0-or-later
// What the user's actions on the output pages do to the document: the start state, the work type
// and the switching time. Each marks the document modified when it changed what a project file keeps;
// the work type always does.
#pragma once

#include "editor/InputEdits.h"
#include "files/Document.h"

#include <cstdint>
#include <string_view>

namespace korvisel {

// A start-state button: true when the stored state changed (the tree then repaints).
bool ClickStartState(TDocument& document, TOutputNumber output, TStartState state);

// A work-type button; the caller re-marks the output's timer node.
void ClickWorkType(TDocument& document, TOutputNumber output, TWorkType workType);

TTimeEdit ChangeOutputTimeWhole(TDocument& document, TOutputNumber output, std::uint32_t seconds);
// An emptied fraction edit counts as "0".
TTimeEdit ChangeOutputTimeFraction(TDocument& document, TOutputNumber output, std::string_view text);
void StepOutputTime(TDocument& document, TOutputNumber output, bool up);

} // namespace korvisel
