// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of every summary panel, in markup, built from the project, the print data and the
// current language texts. Two panels correct the model as they fill: a zero test period becomes one
// ten-minute step, and a test report type other than SMS, CLIP or DATA becomes SMS.
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
TRows PrintInfoRows(const TDopPrintInfo& print, const TLanguageTexts& texts);

// The check boxes under the input summary.
struct TInputChecks {
    bool InputChecked = false;
    bool ArmEnabled = false;
    bool ArmChecked = false;
};
TInputChecks InputSummaryChecks(const TProjectInfo& project, int n);

// The comment memo's lines: cut at every carriage return, with a non-empty rest as a last line.
std::vector<std::string> CommentLines(const std::string& comment);

// The renderings the rows share.
std::string HalfSecondsText(int halfSeconds);
std::string TestPeriodText(const TProjectInfo& project, const TLanguageTexts& texts);

} // namespace korvisel
