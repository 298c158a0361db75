// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BatchSummary.h"

#include "cli/DeviceCheckHint.h"
#include "core/SafeText.h"

#include <algorithm>
#include <cstdio>

namespace korvisel::cli {
namespace {

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", seconds);
    return text;
}

// The columns a text takes on a terminal: a column per character.
std::size_t Columns(const std::string& text) {
    return Utf8Length(text);
}

std::string Padded(const std::string& text, std::size_t width) {
    const std::size_t columns = Columns(text);
    return text + std::string(width > columns ? width - columns : 0, ' ');
}

} // namespace

const char* StateWord(TBatchState state, TTransferMode mode) {
    switch (state) {
    case TBatchState::Done:
        return mode == TTransferMode::Write ? "written" : "read";
    case TBatchState::Stopped:
        return "stopped";
    case TBatchState::Unconfirmed:
        return "unconfirmed";
    case TBatchState::Failed:
        break;
    }
    return "failed";
}

std::string ResultDetail(const TBatchResult& result, TTransferMode mode) {
    switch (result.State) {
    case TBatchState::Stopped:
        return mode == TTransferMode::Read   ? "stopped before the device was read"
               : LeftUnwritten(result, mode) ? "stopped: the device was left unwritten"
                                             : "stopped after the device stored the project";
    case TBatchState::Failed:
        return WithDeviceCheckHint(result.Detail, result.NoModemLine);
    default:
        return result.Detail;
    }
}

std::string ResultLine(const TBatchResult& result, TTransferMode mode) {
    const std::string detail = ResultDetail(result, mode);
    return std::string(StateWord(result.State, mode)) + " in " + Seconds(result.Seconds) +
           (detail.empty() ? "" : ": " + detail);
}

std::vector<std::string> BatchSummary(const std::vector<TBatchResult>& results, TTransferMode mode) {
    std::size_t width = 4;
    for (const TBatchResult& r : results)
        width = std::max(width, r.Port.size());
    const auto row = [&](const std::string& port, const std::string& result, const std::string& time,
                         const std::string& firmware, const std::string& detail) {
        char text[128];
        std::snprintf(text, sizeof text, "%-*s  %-8s  %7s  %-8s", static_cast<int>(width), port.c_str(),
                      result.c_str(), time.c_str(), firmware.c_str());
        std::string line = std::string(text) + "  " + detail;
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        return line;
    };
    std::vector<std::string> lines{row("PORT", "RESULT", "TIME", "FIRMWARE", "DETAIL")};
    for (const TBatchResult& r : results) {
        lines.push_back(row(r.Port, StateWord(r.State, mode), Seconds(r.Seconds),
                            r.Firmware.empty() ? "-" : r.Firmware, ResultDetail(r, mode)));
    }
    return lines;
}

std::vector<std::string> SitesSummary(const std::vector<TSiteOutcome>& outcomes) {
    std::vector<std::vector<std::string>> cells{{"SITE", "PORT", "RESULT", "TIME", "FIRMWARE", "DETAIL"}};
    for (const TSiteOutcome& o : outcomes)
        cells.push_back({EscapedText(o.Site), o.Port.empty() ? "-" : EscapedText(o.Port), o.Result,
                         o.Seconds ? Seconds(*o.Seconds) : "-", o.Firmware.empty() ? "-" : o.Firmware,
                         EscapedText(o.Detail)});
    std::vector<std::size_t> widths(cells[0].size() - 1, 0);
    for (const std::vector<std::string>& row : cells)
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], Columns(row[c]));
    std::vector<std::string> lines;
    for (const std::vector<std::string>& row : cells) {
        std::string line;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            // The time stands to the right, as in the table of a batch over ports.
            const std::string cell =
                c == 3 ? std::string(widths[c] - Columns(row[c]), ' ') + row[c] : Padded(row[c], widths[c]);
            line += cell + "  ";
        }
        line += row.back();
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace korvisel::cli
