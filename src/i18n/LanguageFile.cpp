// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/LanguageFile.h"

#include <algorithm>

namespace korvisel {
namespace {

constexpr std::string_view LineBreak = "\n\r";

bool IsBlankText(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

bool IsExportedAsPluginText(std::string_view key) {
    return key.starts_with("F_PL");
}

void LoadSection(const TIniFile& file, TLanguageTexts& texts, TextSection section, const char* sectionName) {
    for (std::size_t i = 0; i < BuiltInTexts.size(); ++i) {
        const TBuiltInText& entry = BuiltInTexts[i];
        if (entry.Section != section)
            continue;
        std::string text = DecodeLanguageValue(file.ReadString(sectionName, entry.Key));
        if (IsBlankText(text))
            text = entry.Text;
        // Tree captions put the number straight after these two texts.
        if (section == TextSection::Language &&
            (std::string_view(entry.Key) == "TREEINPUT" || std::string_view(entry.Key) == "TREEOUTPUT"))
            text += ' ';
        texts.SetTextAt(i, std::move(text));
    }
}

} // namespace

std::string DecodeLanguageValue(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '#')
            continue;
        if (c != '/' || i + 1 == value.size()) {
            out += c;
            continue;
        }
        const char next = value[++i];
        if (next == '#' || next == '/')
            out += next;
        else if (next == 'A' || next == 'a')
            out += LineBreak;
        else
            (out += '/') += next;
    }
    return out;
}

int LoadLanguageSection(const TIniFile& file, TLanguageTexts& texts, TSettingsStore& store) {
    const std::string name = file.ReadString("Main", "Name");
    if (store.ReadString(RegistryKey::Settings, "1Main_LanguagName") == name)
        return 1;
    LoadSection(file, texts, TextSection::Language, "Language");
    return 0;
}

void LoadMenuSection(const TIniFile& file, TLanguageTexts& texts) {
    LoadSection(file, texts, TextSection::Menu, "Menu");
}

void LoadProgramSection(const TIniFile& file, TLanguageTexts& texts) {
    for (std::size_t i = 0; i < ProgramTexts.size(); ++i) {
        std::string text = DecodeLanguageValue(file.ReadString("Program", ProgramTexts[i].Key));
        texts.SetProgramText(i, IsBlankText(text) ? ProgramTexts[i].Text : std::move(text));
    }
}

void ExportLanguageTexts(const TLanguageTexts& texts, const TLanguageInfo* current, TSettingsStore& store) {
    constexpr const char* Key = RegistryKey::Language;
    store.Update([&](TRegistryData& data) {
        if (current && current->IsDefault) {
            data.Set(Key, "1Main_LanguagName", TRegValue::String(current->Name));
            for (std::size_t i = 0; i < BuiltInTexts.size(); ++i) {
                const std::string_view key = BuiltInTexts[i].Key;
                if (BuiltInTexts[i].Section != TextSection::Language || key == "TREEOUTPUT" ||
                    key == "REP_CAPTGSMMEN" || IsExportedAsPluginText(key))
                    continue;
                data.Set(Key, "2Lang_" + std::string(key), TRegValue::String(texts.TextAt(i)));
            }
        }
        for (std::size_t i = 0; i < BuiltInTexts.size(); ++i) {
            const std::string_view key = BuiltInTexts[i].Key;
            if (IsExportedAsPluginText(key))
                data.Set(Key, key.substr(2), TRegValue::String(texts.TextAt(i)));
        }
        data.Set(Key, "PLQMessSMSPhNumEmp", TRegValue::String(texts.SmsCentreEmpty()));
    });
}

bool ApplyLanguageTexts(TLanguageTexts& texts, const TLanguageInfo& language, TSettingsStore& store) {
    if (language.IsDefault) {
        texts.SetBuiltInTexts();
        texts.SetBuiltInMenuTexts();
        texts.SetCountRules({});
    } else if (!language.Path.empty()) {
        const auto file = TIniFile::Load(language.Path);
        if (!file)
            return false;
        LoadLanguageSection(*file, texts, store);
        LoadMenuSection(*file, texts);
        LoadProgramSection(*file, texts);
        texts.SetCountRules(CountRulesOf(file->ReadString("Main", "Locale")));
    }
    ExportLanguageTexts(texts, &language, store);
    return true;
}

std::vector<std::string> SplitDescriptionText(std::string_view text) {
    std::vector<std::string> items;
    if (text.empty())
        return items;
    for (std::size_t start = 0;;) {
        const std::size_t at = text.find(LineBreak, start);
        items.emplace_back(
            text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos)
            return items;
        start = at + LineBreak.size();
    }
}

} // namespace korvisel
