// SPDX-License-Identifier: GPL-3.0-or-later
// The print data's panel: the serial number, firmware, power supply, SIM phone, registration
// number and comment the printed report adds, with blank lines to fill in by hand for those not given.
#pragma once

#include "core/PrjTypes.h"
#include "i18n/LanguageTexts.h"

#include <string>
#include <vector>

namespace korvisel {

std::vector<std::string> PrintInfoRows(const TDopPrintInfo& print, const TLanguageTexts& texts);

// The comment memo's lines: cut at every carriage return, with a non-empty rest as a last line.
std::vector<std::string> CommentLines(const std::string& comment);

} // namespace korvisel
