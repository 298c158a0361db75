// SPDX-License-Identifier: GPL-3.0-or-later
// The settings key and its Language subkey, kept in one REGEDIT4 file. The file is parsed once and
// again only when it changed; every change rewrites it atomically under a lock after reading it
// anew, so two running programs lose nothing that only one of them changed.
#pragma once

#include "files/FileIo.h"
#include "settings/RegistryData.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

namespace RegistryKey {
inline constexpr char Settings[] = "HKEY_LOCAL_MACHINE\\Software\\TREMALOND\\KORVISEL500_610";
inline constexpr char Language[] = "HKEY_LOCAL_MACHINE\\Software\\TREMALOND\\KORVISEL500_610\\Language";
} // namespace RegistryKey

class TSettingsStore {
public:
    explicit TSettingsStore(std::string path = DefaultPath());

    // A store whose values live in memory only: no file is read, written or locked. For runs that
    // must leave the user's settings alone and go at the speed of memory (the fuzz targets).
    static TSettingsStore InMemory();

    // $KORVISEL_REGISTRY, or registry.reg in the user's configuration folder.
    static std::string DefaultPath();
    const std::string& Path() const { return path_; }

    // A value of the other type reads as missing.
    std::optional<std::string> ReadString(std::string_view key, std::string_view name);
    std::optional<std::uint32_t> ReadDword(std::string_view key, std::string_view name);
    std::vector<std::string> ValueNames(std::string_view key);

    TResult<> WriteString(std::string_view key, std::string_view name, std::string_view value);
    TResult<> WriteDword(std::string_view key, std::string_view name, std::uint32_t value);
    TResult<> DeleteValue(std::string_view key, std::string_view name);
    // Several changes as one access: one lock, one read, one write.
    TResult<> Update(const std::function<void(TRegistryData&)>& change);

    // What the user should be told about the settings file (it could not be read, damaged lines were
    // set aside, or it cannot be written), each thing once; empty when there is nothing new.
    std::string TakeNotice();

private:
    // The values as the file holds them now. Damaged lines found by a new parse are set aside.
    const TRegistryData& Current();
    // Parses the file again when it changed since the last parse; true when it did.
    bool Refresh();
    // Appends the damaged lines to a new numbered ".bad" file beside the store.
    TResult<> SetDamagedLinesAside();
    void Notice(std::string text);
    // A write the file refused: told once, then returned.
    TResult<> WriteRefused(const TResult<>& failure);

    std::string path_; // empty for a store in memory
    bool inMemory_ = false;
    TRegistryData data_;
    bool parsed_ = false;
    std::optional<TFileIdentity> identity_; // of the file data_ came from; nothing when there was none
    std::vector<std::string> damagedLines_; // in the file but not in data_, not yet set aside
    std::string unreadable_;                // why the file could not be read: defaults and no writes
    bool writeRefusalSaid_ = false;
    std::string notice_;
    std::vector<std::string> noticed_;
};

} // namespace korvisel
