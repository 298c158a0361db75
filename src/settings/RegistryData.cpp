// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/RegistryData.h"

#include "core/AsciiText.h"

#include <cstdio>

namespace korvisel {
namespace {

constexpr std::string_view Header = "REGEDIT4";

// Registry files escape only backslash and quote; line breaks are escaped too so that every value
// stays on its line.
std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '"':
            out += "\\\"";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

// Reads a quoted string at the start of `text`; returns what follows it.
std::optional<std::string_view> Unquote(std::string_view text, std::string& out) {
    if (text.empty() || text[0] != '"')
        return std::nullopt;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            return text.substr(i + 1);
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case '\\':
        case '"':
            out += text[i];
            break;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<std::uint32_t> ParseDword(std::string_view hex) {
    if (hex.empty() || hex.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : hex) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (AsciiLower(c) >= 'a' && AsciiLower(c) <= 'f')
            digit = AsciiLower(c) - 'a' + 10;
        else
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::string_view TrimLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
        line.remove_prefix(1);
    return line;
}

} // namespace

TRegistryData::Key* TRegistryData::FindKey(std::string_view path) {
    for (Key& key : keys_)
        if (EqualNoCase(key.Path, path))
            return &key;
    return nullptr;
}

const TRegistryData::Key* TRegistryData::FindKey(std::string_view path) const {
    return const_cast<TRegistryData*>(this)->FindKey(path);
}

const TRegValue* TRegistryData::Find(std::string_view key, std::string_view name) const {
    const Key* k = FindKey(key);
    if (!k)
        return nullptr;
    const auto found = k->Positions.find(AsciiUpper(name));
    return found == k->Positions.end() ? nullptr : &k->Values[found->second].Value;
}

void TRegistryData::Set(std::string_view key, std::string_view name, TRegValue value) {
    Key* k = FindKey(key);
    if (!k)
        k = &keys_.emplace_back(Key{std::string(key), {}, {}});
    const auto [position, added] = k->Positions.try_emplace(AsciiUpper(name), k->Values.size());
    if (added)
        k->Values.push_back({std::string(name), std::move(value)});
    else
        k->Values[position->second].Value = std::move(value);
}

bool TRegistryData::Remove(std::string_view key, std::string_view name) {
    Key* k = FindKey(key);
    if (!k)
        return false;
    const auto found = k->Positions.find(AsciiUpper(name));
    if (found == k->Positions.end())
        return false;
    const std::size_t removed = found->second;
    k->Values.erase(k->Values.begin() + static_cast<std::ptrdiff_t>(removed));
    k->Positions.erase(found);
    for (auto& [folded, position] : k->Positions)
        if (position > removed)
            --position;
    return true;
}

std::vector<std::string> TRegistryData::Names(std::string_view key) const {
    std::vector<std::string> names;
    if (const Key* k = FindKey(key))
        for (const Entry& e : k->Values)
            names.push_back(e.Name);
    return names;
}

std::string TRegistryData::Serialize() const {
    std::string out = std::string(Header) + "\n";
    for (const Key& key : keys_) {
        out += "\n[" + key.Path + "]\n";
        for (const Entry& e : key.Values) {
            out += Quote(e.Name) + "=";
            if (e.Value.Kind == TRegValue::Type::String) {
                out += Quote(e.Value.Text);
            } else {
                char hex[16];
                std::snprintf(hex, sizeof hex, "dword:%08x", e.Value.Number);
                out += hex;
            }
            out += "\n";
        }
    }
    return out;
}

TRegistryData::TParsed TRegistryData::Parse(std::string_view text) {
    TParsed parsed;
    TRegistryData& data = parsed.Data;
    bool headerSeen = false;
    Key* current = nullptr;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        const std::string_view line = TrimLine(raw);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == ';')
            continue;
        const auto damaged = [&] { parsed.DamagedLines.emplace_back(raw); };
        if (!headerSeen && line == Header) {
            headerSeen = true;
            continue;
        }
        if (line.front() == '[') {
            // Values under a key line that cannot be read belong to no key this program knows.
            current = nullptr;
            if (line.back() != ']' || line.size() < 3) {
                damaged();
                continue;
            }
            const std::string_view path = line.substr(1, line.size() - 2);
            current = data.FindKey(path);
            if (!current)
                current = &data.keys_.emplace_back(Key{std::string(path), {}, {}});
            continue;
        }
        std::string name;
        const auto rest = Unquote(line, name);
        if (!current || !rest || rest->empty() || rest->front() != '=') {
            damaged();
            continue;
        }
        const std::string_view value = rest->substr(1);
        if (value.starts_with("dword:")) {
            if (const auto number = ParseDword(value.substr(6)))
                data.Set(current->Path, name, TRegValue::Dword(*number));
            else
                damaged();
            continue;
        }
        std::string str;
        if (const auto after = Unquote(value, str); after && after->empty())
            data.Set(current->Path, name, TRegValue::String(std::move(str)));
        else
            damaged();
    }
    return parsed;
}

} // namespace korvisel
