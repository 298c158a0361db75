// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line option that gets past a port without modem lines, named where it helps.
#pragma once

#include <string>

namespace korvisel {

// "The device not linked up" of a port that checked its modem lines, with the hint of the option
// that sends without them.
std::string WithDeviceCheckHint(const std::string& problem, bool deviceCheck);

} // namespace korvisel
