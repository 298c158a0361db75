// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BatchBoard.h"

#include "cli/BatchSummary.h"

#include <algorithm>

namespace korvisel::cli {
TBatchBoard::TBatchBoard(std::vector<std::string> ports, TTransferMode mode, bool terminal, std::FILE* out)
    : mode_(mode), terminal_(terminal), out_(out) {
    for (std::string& port : ports) {
        portWidth_ = std::max(portWidth_, port.size());
        rows_.push_back({std::move(port), "", 0, ""});
    }
}

std::string TBatchBoard::RowText(const Row& row) const {
    std::string text = row.Port + std::string(portWidth_ - row.Port.size() + 2, ' ');
    if (!row.Result.empty())
        return text + row.Result;
    constexpr int Width = 20;
    const int filled = row.Percent * Width / 100;
    char percent[8];
    std::snprintf(percent, sizeof percent, "%3d%%", row.Percent);
    return text + "[" + std::string(static_cast<std::size_t>(filled), '#') +
           std::string(static_cast<std::size_t>(Width - filled), '.') + "] " + percent + " " + row.Step;
}

void TBatchBoard::PlainLine(const Row& row, const std::string& text) {
    std::fprintf(out_, "%s: %s\n", row.Port.c_str(), text.c_str());
    std::fflush(out_);
}

void TBatchBoard::SetStep(std::size_t row, const std::string& step) {
    const std::lock_guard lock(mutex_);
    // The engine names some steps twice in a row; a plain log says each once.
    if (rows_[row].Step == step)
        return;
    rows_[row].Step = step;
    if (!terminal_)
        PlainLine(rows_[row], step);
}

void TBatchBoard::SetPercent(std::size_t row, int percent) {
    const std::lock_guard lock(mutex_);
    rows_[row].Percent = percent;
}

void TBatchBoard::SetResult(std::size_t row, const std::string& result) {
    const std::lock_guard lock(mutex_);
    rows_[row].Result = result;
    if (!terminal_)
        PlainLine(rows_[row], result);
}

void TBatchBoard::Ended(std::size_t row, const TBatchResult& result) {
    SetResult(row, ResultLine(result, mode_));
}

void TBatchBoard::Redraw() {
    const std::lock_guard lock(mutex_);
    if (!terminal_)
        return;
    std::string screen;
    if (drawn_)
        screen = "\x1b[" + std::to_string(rows_.size()) + "A";
    for (const Row& row : rows_)
        screen += "\r\x1b[2K" + RowText(row) + "\n";
    std::fputs(screen.c_str(), out_);
    std::fflush(out_);
    drawn_ = true;
}

} // namespace korvisel::cli
