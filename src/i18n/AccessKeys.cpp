// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/AccessKeys.h"

#include "core/TextFold.h"

#include <optional>
#include <set>

namespace korvisel {
namespace {

constexpr char32_t Replacement = 0xFFFD;

// Any bytes: a byte that starts no valid sequence is one replacement character.
std::u32string Decode(const std::string& text) {
    std::u32string decoded;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        bool valid = length > 0 && i + length <= text.size();
        char32_t c = length == 1   ? lead
                     : length == 2 ? (lead & 0x1Fu)
                     : length == 3 ? (lead & 0x0Fu)
                                   : (lead & 0x07u);
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3Fu);
        }
        decoded.push_back(valid ? c : Replacement);
        i += valid ? length : 1;
    }
    return decoded;
}

std::string Encode(const std::u32string& text) {
    std::string encoded;
    for (const char32_t c : text) {
        if (c < 0x80) {
            encoded.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            encoded.push_back(static_cast<char>(0xC0 | (c >> 6)));
            encoded.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            encoded.push_back(static_cast<char>(0xE0 | (c >> 12)));
            encoded.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            encoded.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            encoded.push_back(static_cast<char>(0xF0 | (c >> 18)));
            encoded.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            encoded.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            encoded.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return encoded;
}

// Latin and Cyrillic letters and digits: the keys of the keyboards the program's users have.
bool IsKeyCharacter(char32_t c) {
    return (c >= U'0' && c <= U'9') || (c >= U'A' && c <= U'Z') || (c >= U'a' && c <= U'z') ||
           (c >= 0x400 && c <= 0x45F);
}

struct TCaption {
    std::u32string Text;               // without its mark; "&&" kept as it is
    std::optional<std::size_t> Marked; // where the caption put its own mark
};

TCaption Parse(const std::string& caption) {
    const std::u32string text = Decode(caption);
    TCaption parsed;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'&' && i + 1 < text.size() && text[i + 1] == U'&') {
            parsed.Text += U"&&";
            ++i;
        } else if (text[i] == U'&') {
            if (!parsed.Marked && i + 1 < text.size() && IsKeyCharacter(text[i + 1]))
                parsed.Marked = parsed.Text.size();
        } else {
            parsed.Text.push_back(text[i]);
        }
    }
    return parsed;
}

// The places of a caption's characters in the order they are tried: word starts, then the rest.
std::vector<std::size_t> Candidates(const std::u32string& text) {
    std::vector<std::size_t> starts;
    std::vector<std::size_t> others;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!IsKeyCharacter(text[i]))
            continue;
        const bool wordStart = i == 0 || !IsKeyCharacter(text[i - 1]);
        (wordStart ? starts : others).push_back(i);
    }
    starts.insert(starts.end(), others.begin(), others.end());
    return starts;
}

} // namespace

std::vector<std::string> WithAccessKeys(const std::vector<std::string>& captions) {
    std::vector<TCaption> parsed;
    for (const std::string& caption : captions)
        parsed.push_back(Parse(caption));
    std::set<char32_t> taken;
    std::vector<std::optional<std::size_t>> chosen(parsed.size());
    // The marks the texts carry come first: the translator chose them.
    for (std::size_t n = 0; n < parsed.size(); ++n)
        if (parsed[n].Marked && taken.insert(FoldedCharacter(parsed[n].Text[*parsed[n].Marked])).second)
            chosen[n] = parsed[n].Marked;
    for (std::size_t n = 0; n < parsed.size(); ++n) {
        if (chosen[n])
            continue;
        for (const std::size_t at : Candidates(parsed[n].Text))
            if (taken.insert(FoldedCharacter(parsed[n].Text[at])).second) {
                chosen[n] = at;
                break;
            }
    }
    std::vector<std::string> marked;
    for (std::size_t n = 0; n < parsed.size(); ++n) {
        std::u32string text = parsed[n].Text;
        if (chosen[n])
            text.insert(*chosen[n], 1, U'&');
        marked.push_back(Encode(text));
    }
    return marked;
}

} // namespace korvisel
