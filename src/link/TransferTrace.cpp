// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TransferTrace.h"

#include "files/DatedFiles.h"
#include "files/StandardPaths.h"

#include <cstdio>

namespace korvisel {

TTransferTrace::TTransferTrace() : start_(std::chrono::steady_clock::now()) {}

namespace {

std::int64_t MsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
        .count();
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char buffer[4];
    for (char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X ", static_cast<unsigned char>(c));
        out += buffer;
    }
    return out;
}

std::string Printable(const std::string& bytes) {
    std::string out;
    for (char c : bytes)
        out += (c >= 0x20 && c < 0x7F) ? c : '.';
    return out;
}

} // namespace

void TTransferTrace::Sent(const std::uint8_t* data, std::size_t count) {
    events_.push_back({MsSince(start_), '>', std::string(reinterpret_cast<const char*>(data), count)});
}

void TTransferTrace::Received(const std::uint8_t* data, std::size_t count) {
    events_.push_back({MsSince(start_), '<', std::string(reinterpret_cast<const char*>(data), count)});
}

void TTransferTrace::Note(const std::string& text) {
    events_.push_back({MsSince(start_), '#', text});
}

std::string TTransferTrace::Text() const {
    std::string text;
    char stamp[32];
    for (const Event& e : events_) {
        std::snprintf(stamp, sizeof stamp, "+%07lld %c ", static_cast<long long>(e.Ms), e.Direction);
        text += stamp;
        text += e.Direction == '#' ? e.Bytes : Hex(e.Bytes) + "|" + Printable(e.Bytes) + "|";
        text += '\n';
    }
    return text;
}

std::string TransferLogFolder() {
    return UserDataFolder() + "/transfers";
}

TResult<std::string> WriteTransferLog(const TTransferTrace& trace, const std::string& folder) {
    const std::string text = trace.Text();
    constexpr TDatedKind logs{"transfer-", [](std::string_view ending) { return ending == ".log"; },
                              KeptTransferLogs};
    return WriteDatedFile(folder, logs, ".log",
                          std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()),
                          std::chrono::system_clock::now());
}

} // namespace korvisel
