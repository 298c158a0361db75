// SPDX-License-Identifier: GPL-3.0-or-later
// Language files are INI files, read the way the Windows reader reads them: section and key names
// match without regard to case, blanks around a value are removed, and a value in matching quotes
// loses them.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace korvisel {

class TIniFile {
public:
    static TIniFile Parse(std::string_view text);
    // A file's bytes converted to UTF-8 and parsed: as UTF-8 when they are valid UTF-8, else in the
    // code page of their [Main] CodePage value, else as Windows-1251.
    static TIniFile Decode(std::string_view bytes);
    // Reads a file and decodes it; nothing when the file cannot be read.
    static std::optional<TIniFile> Load(const std::string& path);

    // The first value of the key in the first section of that name; `fallback` when absent.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view fallback = {}) const;

private:
    // Section and key without regard to case, as one lookup name.
    static std::string FoldedName(std::string_view section, std::string_view key);

    std::unordered_map<std::string, std::string> values_;
};

// The [Main] Name of a language file; empty when the file or the value is missing.
std::string LanguageFileName(const std::string& path);
// The [Main] Locale of a language file ("ru"): which desktop language it is for; empty when unsaid.
std::string LanguageFileLocale(const std::string& path);

} // namespace korvisel
