// SPDX-License-Identifier: GPL-3.0-or-later
// What a transfer's message boxes said, as the command line reports it.
#pragma once

#include "link/TransferEngine.h"

#include <string>

namespace korvisel {

// A text of the transfer dialog on one line: line breaks become blanks, trailing blanks go.
std::string OneLine(std::string text);

// "The device not linked up" of a port that checked its modem lines, with the hint of the option
// that sends without them.
std::string WithDeviceCheckHint(const std::string& problem, bool deviceCheck);

// Keeps the first message box of a failing step and the closing message; confirmations are
// answered yes, as the command line already said what to do.
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
