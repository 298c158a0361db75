// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SmsMemoRules.h"

#include "core/SmsText.h"

namespace korvisel {

bool SmsKeyAccepted(char key, std::size_t charactersInMemo) {
    return IsSmsCharacter(key) && charactersInMemo < SmsTextLimit;
}

std::size_t SmsMemoCharacterCount(const std::vector<std::string>& lines) {
    std::size_t count = 0;
    for (const std::string& line : lines)
        count += line.size();
    return count;
}

std::size_t SmsCharactersLeft(const std::vector<std::string>& lines) {
    const std::size_t count = SmsMemoCharacterCount(lines);
    return count < SmsTextLimit ? SmsTextLimit - count : 0;
}

std::string SmsTextShown(std::string_view stored) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string shown;
    for (const char c : stored) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '\\') {
            shown += c;
            continue;
        }
        shown += "\\x";
        shown += Hex[byte >> 4];
        shown += Hex[byte & 0x0F];
    }
    return shown;
}

TSmsMemoText ApplySmsMemoRule(const std::vector<std::string>& lines) {
    TSmsMemoText result;
    for (const std::string& line : lines) {
        std::string kept;
        for (char c : line)
            if (IsSmsCharacter(c) && result.Stored.size() < SmsTextLimit) {
                kept += c;
                result.Stored += c;
            }
        result.Repaired = result.Repaired || kept.size() != line.size();
        result.Lines.push_back(std::move(kept));
    }
    return result;
}

} // namespace korvisel
