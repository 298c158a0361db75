// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/TextView.h"

#include <cstdio>
#include <unistd.h>

namespace korvisel {
TTextView::TTextView(const TLanguageTexts& texts, std::string portName)
    : texts_(texts), portName_(std::move(portName)), terminal_(::isatty(STDERR_FILENO) != 0) {}

TTextView::~TTextView() {
    EndLine();
}

void TTextView::EndLine() {
    if (lineOpen_)
        std::fputc('\n', stderr);
    lineOpen_ = false;
}

void TTextView::Draw() {
    constexpr int Width = 30;
    const int filled = percent_ * Width / 100;
    std::fprintf(stderr, "\r[%s%s] %3d%% %-30s", std::string(static_cast<std::size_t>(filled), '#').c_str(),
                 std::string(static_cast<std::size_t>(Width - filled), '.').c_str(), percent_, step_.c_str());
    std::fflush(stderr);
    lineOpen_ = true;
}

void TTextView::SetStepText(TTextKey key) {
    step_ = OneLine(texts_.Text(key));
    if (terminal_) {
        Draw();
    } else {
        std::fprintf(stderr, "%s\n", step_.c_str());
    }
}

void TTextView::SetOverallBar(int value) {
    const int percent = value * 100 / BarMaximum;
    if (percent == percent_)
        return;
    percent_ = percent;
    if (terminal_)
        Draw();
}

bool TTextView::ShowMessage(TMessageKind kind, TTextKey key) {
    return messages_.Take(kind, OneLine(texts_.Text(key)));
}

} // namespace korvisel
