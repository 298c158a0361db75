#include "link/TransferTrace.h"

#include "files/FileIo.h"
#include "files/StandardPaths.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <dirent.h>
#include <unistd.h>

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
    for (unsigned char c : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X ", c);
        out += buffer;
    }
    return out;
}

std::string Printable(const std::string& bytes) {
    std::string out;
    for (unsigned char c : bytes)
        out += (c >= 0x20 && c < 0x7F) ? static_cast<char>(c) : '.';
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

std::string WriteTransferLog(const TTransferTrace& trace, const std::string& folder, std::string& error) {
    if (const TIoResult made = MakeFolders(folder); !made.Ok) {
        error = made.Reason;
        return {};
    }
    // Names sort by time, so the oldest are found by sorting them.
    const auto now = std::chrono::system_clock::now();
    const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    const auto ms =
        std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    ::localtime_r(&seconds, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
    char name[64];
    std::snprintf(name, sizeof name, "transfer-%s-%03d.log", stamp, static_cast<int>(ms));
    const std::string path = folder + "/" + name;

    const std::string text = trace.Text();
    const TIoResult written =
        WriteFileAtomically(path, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (!written.Ok) {
        error = written.Reason;
        return {};
    }

    std::vector<std::string> logs;
    if (DIR* dir = ::opendir(folder.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string file = entry->d_name;
            if (file.starts_with("transfer-") && file.ends_with(".log"))
                logs.push_back(file);
        }
        ::closedir(dir);
    }
    std::sort(logs.begin(), logs.end());
    for (std::size_t i = 0; i + KeptTransferLogs < logs.size(); ++i)
        ::unlink((folder + "/" + logs[i]).c_str());
    return path;
}

} // namespace korvisel
