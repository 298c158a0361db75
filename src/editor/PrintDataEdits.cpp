// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PrintDataEdits.h"

namespace korvisel {
namespace {

constexpr std::size_t FieldLimit = 40;

bool IsContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// The byte where character `n` starts (the end for a shorter text).
std::size_t Utf8Offset(std::string_view text, std::size_t n) {
    std::size_t i = 0;
    for (; i < text.size() && n > 0; --n)
        do
            ++i;
        while (i < text.size() && IsContinuation(text[i]));
    return i;
}

std::string_view Utf8Substr(std::string_view text, std::size_t from, std::size_t count) {
    const std::size_t begin = Utf8Offset(text, from);
    return text.substr(begin, Utf8Offset(text.substr(begin), count));
}

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace

TFortyRule ApplyFortyCharacterRule(std::string_view text) {
    if (Utf8Length(text) <= FieldLimit)
        return {std::string(text), false};
    return {std::string(Utf8Substr(text, 1, FieldLimit)), true};
}

void ChangeSerialNumber(TDopPrintInfo& print, std::string_view text) {
    print.SerialNumber = Trimmed(ApplyFortyCharacterRule(text).Text);
}

void ChangeRegNumber(TDopPrintInfo& print, std::string_view text) {
    print.RegNumber = ApplyFortyCharacterRule(text).Text;
}

void ChangePowerOtherText(TDopPrintInfo& print, std::string_view text) {
    print.PowerSupply.OtherText = ApplyFortyCharacterRule(text).Text;
}

void ClickPowerKind(TDopPrintInfo& print, int kind) {
    if (kind >= PowerKind::PowerUnit && kind <= PowerKind::Other)
        print.PowerSupply.Kind = static_cast<std::uint8_t>(kind);
}

bool CommentKeyAccepted(std::size_t charactersInMemo) {
    return charactersInMemo < CommentLimit;
}

TCommentText ApplyCommentRule(const std::vector<std::string>& lines) {
    TCommentText result;
    std::size_t left = CommentLimit;
    // An empty last line is only the memo's final line break, or an empty memo: no line of text.
    const std::size_t count = !lines.empty() && lines.back().empty() ? lines.size() - 1 : lines.size();
    for (std::size_t n = 0; n < count; ++n) {
        const std::string& line = lines[n];
        const std::string_view kept = Utf8Substr(line, 0, left);
        left -= Utf8Length(kept);
        result.Repaired = result.Repaired || kept.size() != line.size();
        result.Lines.emplace_back(kept);
        result.Comment += std::string(kept) + '\r';
    }
    if (count < lines.size())
        result.Lines.emplace_back();
    return result;
}

std::string CommentFromText(std::string_view text) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            lines.emplace_back();
        } else {
            lines.back() += text[i];
        }
    }
    return ApplyCommentRule(lines).Comment;
}

} // namespace korvisel
