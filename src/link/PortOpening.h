// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a port by the name a user gives it, with a failure that says which device it stands for.
#pragma once

#include "core/Result.h"
#include "link/ScanningSerialPort.h"

#include <string>

namespace korvisel {

// Opens the port by its name (COMn or a device path); a failure is worded in the language of
// `texts`, in English without them.
TResult<> OpenPort(TCommPortDriverEx& port, const std::string& name, const TLanguageTexts* texts = nullptr);

} // namespace korvisel
