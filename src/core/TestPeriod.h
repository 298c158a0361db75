// SPDX-License-Identifier: GPL-3.0-or-later
// The periodic test as the device takes it: a period of ten minutes at the least, and a report by
// SMS, CLIP or DATA only.
#pragma once

#include "core/PrjTypes.h"

namespace korvisel {

// All parts 0 become one ten-minute step. True when it did.
bool CorrectTestPeriod(TProjectInfo& project);
// A test report kind other than SMS, CLIP or DATA becomes SMS.
void CorrectTestReportType(TProjectInfo& project);

} // namespace korvisel
