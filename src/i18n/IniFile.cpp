// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/IniFile.h"

#include "core/AsciiText.h"
#include "files/FileIo.h"
#include "i18n/CodePage.h"

namespace korvisel {
namespace {

// Language files are a few tens of kilobytes; a larger file is read only this far.
constexpr std::size_t MaximumFileSize = 4 * 1024 * 1024;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::string DecodeFile(std::string_view bytes) {
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    // The code page name is plain ASCII, so the undecoded text can be asked for it.
    const std::string codePage = TIniFile::Parse(bytes).ReadString("Main", "CodePage");
    if (!codePage.empty())
        if (auto text = ConvertToUtf8(bytes, codePage))
            return *text;
    return ConvertToUtf8(bytes, "1251").value_or(std::string(bytes));
}

} // namespace

std::string TIniFile::FoldedName(std::string_view section, std::string_view key) {
    // One string built in place: a language is hundreds of lookups.
    std::string name;
    name.reserve(section.size() + 1 + key.size());
    for (const char c : section)
        name += AsciiUpper(c);
    name += '\0';
    for (const char c : key)
        name += AsciiUpper(c);
    return name;
}

TIniFile TIniFile::Parse(std::string_view text) {
    TIniFile ini;
    std::string section;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const std::size_t close = line.find(']');
            section =
                Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        std::string_view value = Trim(line.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
            value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        // The first value of a key is the one read; later ones are never looked at.
        ini.values_.try_emplace(FoldedName(section, Trim(line.substr(0, equals))), value);
    }
    return ini;
}

TIniFile TIniFile::Decode(std::string_view bytes) {
    return Parse(DecodeFile(bytes));
}

std::optional<TIniFile> TIniFile::Load(const std::string& path) {
    const TFileHead head = ReadFileHead(path, MaximumFileSize);
    if (head.Status != TReadStatus::Ok)
        return std::nullopt;
    return Decode(std::string_view(reinterpret_cast<const char*>(head.Bytes.data()), head.Bytes.size()));
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const {
    // Key names in the file lose their surrounding blanks, so the looked-up name does too.
    const auto found = values_.find(FoldedName(section, Trim(key)));
    return found == values_.end() ? std::string(fallback) : found->second;
}

std::string LanguageFileName(const std::string& path) {
    const auto ini = TIniFile::Load(path);
    return ini ? ini->ReadString("Main", "Name") : std::string{};
}

std::string LanguageFileLocale(const std::string& path) {
    const auto ini = TIniFile::Load(path);
    return ini ? ini->ReadString("Main", "Locale") : std::string{};
}

} // namespace korvisel
