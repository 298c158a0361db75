// SPDX-License-Identifier: GPL-3.0-or-later
// The progress of transfers on several devices at once: one row per port, redrawn in place on a
// terminal, plain lines (one per step and result) anywhere else. Rows are updated from the
// transfers' threads.
#pragma once

#include "cli/TransferMessages.h"
#include "i18n/LanguageTexts.h"
#include "link/TransferEngine.h"

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace korvisel::cli {

class TBatchBoard {
public:
    TBatchBoard(std::vector<std::string> ports, bool terminal, std::FILE* out);

    void SetStep(std::size_t row, const std::string& step);
    void SetPercent(std::size_t row, int percent);
    void SetResult(std::size_t row, const std::string& result);
    // On a terminal: every row as it stands now, over the rows drawn before.
    void Redraw();

private:
    struct Row {
        std::string Port;
        std::string Step;
        int Percent = 0;
        std::string Result;
    };
    std::string RowText(const Row& row) const;
    void PlainLine(const Row& row, const std::string& text);

    std::mutex mutex_;
    std::vector<Row> rows_;
    std::size_t portWidth_ = 0;
    bool terminal_;
    std::FILE* out_;
    bool drawn_ = false;
};

// The transfer dialog of one row.
class TBatchRowView : public ITransferView {
public:
    TBatchRowView(TBatchBoard& board, std::size_t row, const TLanguageTexts& texts);

    void SetCaption(TTextKey) override {}
    void SetStepText(TTextKey key) override;
    void SetOverallText(TTextKey) override {}
    void SetStepBar(int) override {}
    void SetOverallBar(int value) override;
    bool ShowMessage(TMessageKind kind, TTextKey key) override;

    // The first message box of a failing step, else the closing message.
    const std::string& Problem() const { return messages_.Problem(); }
    const std::string& ClosingMessage() const { return messages_.ClosingMessage(); }

private:
    TBatchBoard& board_;
    std::size_t row_;
    const TLanguageTexts& texts_;
    TTransferMessages messages_;
};

} // namespace korvisel::cli
