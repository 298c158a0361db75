// SPDX-License-Identifier: GPL-3.0-or-later
// A project another program wrote, with three problems: input 3 reports by ALARM to an empty entry,
// input 1 reacts after no time at all, and the periodic test comes every 40 days.
#pragma once

#include "core/PrjTypes.h"

namespace korvisel::test {

inline TProjectInfo ForeignProjectWithThreeProblems() {
    TProjectInfo p;
    p.Phones[1] = {"+79001234567", "Office", false};
    p.Inputs[3].Enabled = true;
    p.Inputs[3].ReportType = TReportKind::Alarm;
    p.Inputs[3].AlarmPhone = 4;
    p.Inputs[1].ReactionTime = 0;
    p.TestDays = 40;
    return p;
}

} // namespace korvisel::test
