// SPDX-License-Identifier: GPL-3.0-or-later
// The progress of transfers on several devices at once: one row per port, redrawn in place on a
// terminal, plain lines (one per step and result) anywhere else. Rows are updated from the
// transfers' threads.
#pragma once

#include "link/BatchTransfer.h"

#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace korvisel::cli {

class TBatchBoard : public IBatchProgress {
public:
    TBatchBoard(std::vector<std::string> ports, TTransferMode mode, bool terminal, std::FILE* out);

    void SetStep(std::size_t row, const std::string& step) override;
    void SetPercent(std::size_t row, int percent) override;
    void Ended(std::size_t row, const TBatchResult& result) override;
    // On a terminal: every row as it stands now, over the rows drawn before.
    void Redraw() override;

    void SetResult(std::size_t row, const std::string& result);

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
    TTransferMode mode_;
    bool terminal_;
    std::FILE* out_;
    bool drawn_ = false;
};

} // namespace korvisel::cli
