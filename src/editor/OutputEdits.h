// SPDX-License-Identifier: GPL-3.0-or-later
// What the user's actions on the output pages do to the project: the start state, the work type and
// the switching time. Each runs inside one edit of the document.
#pragma once

#include "editor/InputEdits.h"

#include <cstdint>
#include <string_view>

namespace korvisel {

void ClickStartState(TProjectInfo& project, TOutputNumber output, TStartState state);
void ClickWorkType(TProjectInfo& project, TOutputNumber output, TWorkType workType);

TTimeEdit ChangeOutputTimeWhole(TProjectInfo& project, TOutputNumber output, std::uint32_t seconds);
// An emptied fraction edit counts as "0".
TTimeEdit ChangeOutputTimeFraction(TProjectInfo& project, TOutputNumber output, std::string_view text);
void StepOutputTime(TProjectInfo& project, TOutputNumber output, bool up);

} // namespace korvisel
