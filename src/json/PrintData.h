// SPDX-License-Identifier: GPL-3.0-or-later
// The print data given on the command line or in JSON: serial number, firmware version, SIM phone,
// registration number, comment and power supply, with the limits the editors keep.
#pragma once

#include "core/PrjTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace korvisel {

// Sets "SerialNumber", "FirmwareVersion", "SimPhone", "RegNumber" or "Comment" (lines separated by
// line breaks) from text. The reason when the text breaks a limit or the field is unknown.
std::optional<std::string> SetPrintDataField(TDopPrintInfo& print, std::string_view field,
                                             const std::string& value);

// "unit", "accumulator", or the words for any other supply.
void SetPowerSupply(TDopPrintInfo& print, const std::string& value);

} // namespace korvisel
