// SPDX-License-Identifier: GPL-3.0-or-later
// A record of every byte of one transfer, with its time, for support to read when a transfer failed
// in the field.
#pragma once

#include "core/Result.h"

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace korvisel {

class TTransferTrace {
public:
    TTransferTrace();

    void Sent(const std::uint8_t* data, std::size_t count);
    void Received(const std::uint8_t* data, std::size_t count);
    void Note(const std::string& text);

    // One line per event: "+<ms> > " for sent bytes, "+<ms> < " for received ones, in hex and text.
    std::string Text() const;

private:
    struct Event {
        std::int64_t Ms;
        char Direction; // '>' sent, '<' received, '#' note
        std::string Bytes;
    };
    std::chrono::steady_clock::time_point start_;
    std::vector<Event> events_;
};

constexpr std::size_t KeptTransferLogs = 20;

// Writes the trace as transfer-<date>-<time>.log into the folder (created when missing) and keeps
// only the newest logs there. Gives the file's path, or why it could not be written.
TResult<std::string> WriteTransferLog(const TTransferTrace& trace, const std::string& folder);

// The user's data folder for transfer logs.
std::string TransferLogFolder();

} // namespace korvisel
