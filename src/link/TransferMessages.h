// SPDX-License-Identifier: GPL-3.0-or-later
// What a transfer's message boxes said, kept for a report that has no boxes to show.
#pragma once

#include "link/TransferEngine.h"

#include <string>

namespace korvisel {

class TLanguageTexts;

// A text of the transfer dialog on one line: line breaks become blanks, trailing blanks go.
std::string OneLine(std::string text);

// The transfer failed with "The device not linked up" (in the texts' language) on a port that checked
// its modem lines: a pseudo-terminal or an adapter without them shows no device there, though one may
// answer, so the user wants to hear of the way out.
bool NoModemLineSeen(const std::string& problem, bool deviceCheck, const TLanguageTexts& texts);

// Keeps the first message box of a failing step and the closing message; confirmations are
// answered yes, as the user already said what to do.
class TTransferMessages {
public:
    bool Take(TMessageKind kind, const std::string& text);

    const std::string& ClosingMessage() const { return closing_; }
    // Why a transfer failed: its first problem, else its closing message.
    const std::string& Problem() const { return firstProblem_.empty() ? closing_ : firstProblem_; }

private:
    std::string firstProblem_;
    std::string closing_;
};

} // namespace korvisel
