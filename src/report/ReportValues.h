// SPDX-License-Identifier: GPL-3.0-or-later
// The values of the configuration report's variables: the print data, the SIM data, the inputs'
// states and the use of each phone, in the current language.
#pragma once

#include "core/PrjTypes.h"
#include "i18n/LanguageTexts.h"
#include "report/ReportLayout.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

struct TReportContext {
    const TProjectInfo& Project;
    const TDopPrintInfo& Print;
    const TLanguageTexts& Texts;
    std::string DeviceType; // of the current model module; empty for the program's own device
    int InputRow = 0;       // the rows of the input and phone bands, from 0
    int PhoneRow = 0;
};

// The value of a variable, its name compared without regard to case; an unknown name is empty.
std::string ReportVariable(const TReportContext& context, std::string_view name);

// What uses phone n: "Free", "SMS", "CLIP & SMS", ..., then DATA reports, the periodic test and GSM
// supervision while they are on, the outputs and the CROW adapter.
std::string PhoneStatusText(const TProjectInfo& project, int n, const TLanguageTexts& texts);

// The configuration report of the project, laid out: its two pages with every variable filled in.
std::vector<TReportPage> ConfigurationReportPages(const TProjectInfo& project, const TDopPrintInfo& print,
                                                  const TLanguageTexts& texts,
                                                  const std::string& deviceType = {});

} // namespace korvisel
