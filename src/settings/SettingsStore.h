// The settings key and its Language subkey, kept in one REGEDIT4 file. Every access reads the file
// anew and every change rewrites it atomically under a lock, so two running programs lose nothing
// that only one of them changed.
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

    // $KORVISEL_REGISTRY, or registry.reg in the user's configuration folder.
    static std::string DefaultPath();
    const std::string& Path() const { return path_; }

    // A value of the other type reads as missing.
    std::optional<std::string> ReadString(std::string_view key, std::string_view name);
    std::optional<std::uint32_t> ReadDword(std::string_view key, std::string_view name);
    std::vector<std::string> ValueNames(std::string_view key);

    TIoResult WriteString(std::string_view key, std::string_view name, std::string_view value);
    TIoResult WriteDword(std::string_view key, std::string_view name, std::uint32_t value);
    TIoResult DeleteValue(std::string_view key, std::string_view name);
    // Several changes as one access: one lock, one read, one write.
    TIoResult Update(const std::function<void(TRegistryData&)>& change);

private:
    // A file that cannot be read or trusted is kept aside as ".bad" and the store starts empty.
    TRegistryData Load();

    std::string path_;
};

} // namespace korvisel
