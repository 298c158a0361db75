// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TransferMessages.h"

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

bool NoModemLineSeen(const std::string& problem, bool deviceCheck, const TLanguageTexts& texts) {
    return deviceCheck && problem == OneLine(texts.Text("F2_DEVICE_N_LINK"));
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

} // namespace korvisel
