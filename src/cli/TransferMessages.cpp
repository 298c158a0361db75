// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TransferMessages.h"

#include "i18n/LanguageTexts.h"

#include <algorithm>

namespace korvisel {

std::string OneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

bool TTransferMessages::Take(TMessageKind kind, const std::string& text) {
    if (kind == TMessageKind::Confirmation)
        return true;
    if (kind == TMessageKind::Plain)
        closing_ = text;
    else if (firstProblem_.empty())
        firstProblem_ = text;
    return true;
}

// A pseudo-terminal or an adapter without modem lines never shows a device there, though one may
// answer: the option that sends anyway is the way out.
std::string WithDeviceCheckHint(const std::string& problem, bool deviceCheck) {
    static const std::string notLinked = TLanguageTexts::BuiltInEnglish().Text("F2_DEVICE_N_LINK");
    if (!deviceCheck || problem != notLinked)
        return problem;
    return problem + " (no modem line is active; on a pseudo-terminal or an adapter without modem lines, "
                     "try --no-device-check)";
}

} // namespace korvisel
