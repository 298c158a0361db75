// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of every summary panel, in markup, built from the project and the current language
// texts. The test panels show a zero test period as one ten-minute step and a test report type other
// than SMS, CLIP or DATA as SMS, without changing the project.
#pragma once

#include "core/PrjTypes.h"
#include "i18n/LanguageTexts.h"

#include <string>
#include <vector>

namespace korvisel {

using TRows = std::vector<std::string>;

TRows ProjectSummaryRows(const TProjectInfo& project, const TLanguageTexts& texts);
TRows InputSummaryRows(const TProjectInfo& project, int n, const TLanguageTexts& texts);
TRows OutputSummaryRows(const TProjectInfo& project, int n, const TLanguageTexts& texts);
TRows TestBlockSummaryRows(const TProjectInfo& project, const TLanguageTexts& texts);
TRows GsmSupervisionRows(const TProjectInfo& project, const TLanguageTexts& texts);
TRows PeriodicTestRows(const TProjectInfo& project, const TLanguageTexts& texts);

// The check boxes under the input summary.
struct TInputChecks {
    bool InputChecked = false;
    bool ArmEnabled = false;
    bool ArmChecked = false;
};
TInputChecks InputSummaryChecks(const TProjectInfo& project, int n);

// The renderings the rows share.
std::string HalfSecondsText(int halfSeconds);
std::string TestPeriodText(const TProjectInfo& project, const TLanguageTexts& texts);

} // namespace korvisel
