// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/TestPeriod.h"

namespace korvisel {

bool CorrectTestPeriod(TProjectInfo& project) {
    if (project.TestDays != 0 || project.TestHours != 0 || project.TestMinutes != 0)
        return false;
    project.TestMinutes = 1;
    return true;
}

void CorrectTestReportType(TProjectInfo& project) {
    if (project.TestReportType != TReportKind::Clip && project.TestReportType != TReportKind::Data)
        project.TestReportType = TReportKind::Sms;
}

} // namespace korvisel
