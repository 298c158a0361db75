// SPDX-License-Identifier: GPL-3.0-or-later
// The ports of a transfer on several devices, as the command line names them.
#pragma once

#include "core/Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

// "COM5-COM12" as COM5, COM6, ..., COM12; a single "COM5" as itself. A failure when the text is not
// such a range or runs backwards.
TResult<std::vector<std::string>> ExpandPortRange(std::string_view text);

// The first plain port name of the list ("COM0", "COM99") outside COM1 to COM16; empty when there is
// none. Device paths are not port names and are never outside.
std::string PortOutOfRange(const std::vector<std::string>& ports);

// The first port of the list that stands for the same device as an earlier one (the same number in
// any spelling, or the same device node behind two names); empty when there is none.
std::string PortNamedTwice(const std::vector<std::string>& ports);

} // namespace korvisel
