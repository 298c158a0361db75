// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/CsvTable.h"

namespace korvisel {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

struct TRawRecord {
    std::size_t Line = 0;
    std::vector<std::string> Cells;
};

class CsvScanner {
public:
    explicit CsvScanner(std::string_view text) : text_(text) {}

    // The next record, or nothing at the end of the text; a blank line is skipped.
    TResult<bool> Next(TRawRecord& record) {
        while (at_ < text_.size() && AtLineBreak())
            SkipLineBreak();
        if (at_ >= text_.size())
            return false;
        record = {line_, {}};
        std::string cell;
        while (true) {
            if (at_ < text_.size() && text_[at_] == '"') {
                if (const TResult<> quoted = QuotedCell(cell); !quoted.Ok())
                    return TResult<bool>::Failure(quoted.Reason());
            } else {
                while (at_ < text_.size() && text_[at_] != ',' && !AtLineBreak()) {
                    if (text_[at_] == '"')
                        return Failure("a quote inside a cell that does not start with one");
                    cell += text_[at_++];
                }
            }
            record.Cells.push_back(std::move(cell));
            cell.clear();
            if (at_ < text_.size() && text_[at_] == ',') {
                ++at_;
                continue;
            }
            if (at_ < text_.size())
                SkipLineBreak();
            return true;
        }
    }

private:
    bool AtLineBreak() const { return text_[at_] == '\n' || text_[at_] == '\r'; }
    // LF, CRLF or a lone CR ends a line.
    void SkipLineBreak() {
        if (text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n')
            ++at_;
        ++at_;
        ++line_;
    }
    TResult<bool> Failure(const std::string& what) const {
        return TResult<bool>::Failure("line " + std::to_string(line_) + ": " + what);
    }
    TResult<> QuotedCell(std::string& cell) {
        const std::size_t opened = line_;
        ++at_;
        while (true) {
            if (at_ >= text_.size())
                return TResult<>::Failure("line " + std::to_string(opened) +
                                          ": a quote opened here is never closed");
            if (text_[at_] == '"') {
                if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
                    cell += '"';
                    at_ += 2;
                    continue;
                }
                ++at_;
                break;
            }
            if (AtLineBreak()) {
                // A line break inside quotes is the cell's, kept as the file wrote it.
                const bool crlf = text_[at_] == '\r' && at_ + 1 < text_.size() && text_[at_ + 1] == '\n';
                cell.append(text_.substr(at_, crlf ? 2 : 1));
                SkipLineBreak();
                continue;
            }
            cell += text_[at_++];
        }
        if (at_ < text_.size() && text_[at_] != ',' && !AtLineBreak())
            return TResult<>::Failure("line " + std::to_string(line_) + ": text after a closing quote");
        return {};
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
};

} // namespace

TResult<TCsvTable> ReadCsvTable(std::string_view bytes) {
    if (bytes.starts_with(ByteOrderMark))
        bytes.remove_prefix(ByteOrderMark.size());
    CsvScanner scanner(bytes);
    TCsvTable table;
    TRawRecord raw;
    const TResult<bool> header = scanner.Next(raw);
    if (!header.Ok())
        return TResult<TCsvTable>::Failure(header.Reason());
    if (!header.Value())
        return TResult<TCsvTable>::Failure("the table is empty: it has no header");
    table.Header = std::move(raw.Cells);
    while (true) {
        const TResult<bool> next = scanner.Next(raw);
        if (!next.Ok())
            return TResult<TCsvTable>::Failure(next.Reason());
        if (!next.Value())
            return table;
        if (raw.Cells.size() > table.Header.size())
            return TResult<TCsvTable>::Failure(
                "line " + std::to_string(raw.Line) + ": " + std::to_string(raw.Cells.size()) +
                " cells, more than the header's " + std::to_string(table.Header.size()));
        raw.Cells.resize(table.Header.size());
        table.Records.push_back({table.Records.size() + 1, raw.Line, std::move(raw.Cells)});
    }
}

} // namespace korvisel
