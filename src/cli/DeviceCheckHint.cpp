// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/DeviceCheckHint.h"

#include "i18n/LanguageTexts.h"
#include "link/TransferMessages.h"

namespace korvisel {

std::string WithDeviceCheckHint(const std::string& problem, bool deviceCheck) {
    if (!NoModemLineSeen(problem, deviceCheck, TLanguageTexts::BuiltInEnglish()))
        return problem;
    return problem + " (no modem line is active; on a pseudo-terminal or an adapter without modem lines, "
                     "try --no-device-check)";
}

} // namespace korvisel
