// SPDX-License-Identifier: GPL-3.0-or-later
// The content of the settings file: keys holding typed values, in the REGEDIT4 text format.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvisel {

struct TRegValue {
    enum class Type { String, Dword };
    Type Kind = Type::String;
    std::string Text;
    std::uint32_t Number = 0;

    static TRegValue String(std::string text) { return {Type::String, std::move(text), 0}; }
    static TRegValue Dword(std::uint32_t number) { return {Type::Dword, {}, number}; }
    bool operator==(const TRegValue&) const = default;
};

// Key paths and value names match without regard to case, as the registry they stand in for does;
// values keep the order in which they were first written, which is their enumeration order.
class TRegistryData {
public:
    const TRegValue* Find(std::string_view key, std::string_view name) const;
    void Set(std::string_view key, std::string_view name, TRegValue value);
    bool Remove(std::string_view key, std::string_view name);
    std::vector<std::string> Names(std::string_view key) const;

    std::string Serialize() const;

    struct TParsed;
    // Every line that can be read is kept; the others come back as they stood, so that one damaged
    // line never costs the other settings.
    static TParsed Parse(std::string_view text);

private:
    struct Entry {
        std::string Name;
        TRegValue Value;
    };
    struct Key {
        std::string Path;
        std::vector<Entry> Values;
        // Upper-case name to position in Values, so that a file of many values loads in linear time.
        std::unordered_map<std::string, std::size_t> Positions;
    };
    Key* FindKey(std::string_view path);
    const Key* FindKey(std::string_view path) const;

    std::vector<Key> keys_;
};

struct TRegistryData::TParsed {
    TRegistryData Data;
    std::vector<std::string> DamagedLines;
};

} // namespace korvisel
