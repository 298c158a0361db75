#include "settings/SettingsStore.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace korvisel {
namespace {

using test::TempFolder;
constexpr const char* Key = RegistryKey::Settings;

TEST(SettingsStore, TypedValuesSurviveARoundTrip) {
    TempFolder folder;
    TSettingsStore store(folder.File("deep/registry.reg"));
    store.WriteString(Key, "WorkPath", "C:\\Work \"quoted\"\n\rnext");
    store.WriteDword(Key, "FileCount", 0xDEADBEEF);
    store.WriteString(RegistryKey::Language, "2Lang_TREEINFO", "Settings");

    TSettingsStore again(folder.File("deep/registry.reg"));
    EXPECT_EQ(again.ReadString(Key, "workpath"), "C:\\Work \"quoted\"\n\rnext");
    EXPECT_EQ(again.ReadDword(Key, "FILECOUNT"), 0xDEADBEEFu);
    EXPECT_EQ(again.ReadString(Key, "FileCount"), std::nullopt) << "a number is not a string";
    EXPECT_EQ(again.ReadDword(Key, "WorkPath"), std::nullopt) << "a string is not a number";
    EXPECT_EQ(again.ReadString(Key, "2Lang_TREEINFO"), std::nullopt) << "subkey values stay in the subkey";
    EXPECT_EQ(again.ReadString(RegistryKey::Language, "2Lang_TREEINFO"), "Settings");
    const std::vector<std::uint8_t> bytes = test::ReadBytes(folder.File("deep/registry.reg"));
    EXPECT_TRUE(std::string(bytes.begin(), bytes.end()).starts_with("REGEDIT4\n"));
}

TEST(SettingsStore, NamesKeepTheirOrderAndCaseAndMatchWithoutIt) {
    TempFolder folder;
    TSettingsStore store(folder.File("registry.reg"));
    store.WriteString(Key, "LANGUAGE_NAME_1", "a");
    store.WriteString(Key, "File1", "b");
    store.WriteString(Key, "language_name_1", "c");
    EXPECT_EQ(store.ValueNames(Key), (std::vector<std::string>{"LANGUAGE_NAME_1", "File1"}));
    EXPECT_EQ(store.ReadString(Key, "Language_Name_1"), "c");
    store.DeleteValue(Key, "LANGUAGE_name_1");
    EXPECT_EQ(store.ValueNames(Key), (std::vector<std::string>{"File1"}));
}

TEST(SettingsStore, ADamagedFileIsKeptAsideAndTheStoreStartsEmpty) {
    const std::vector<std::string> damaged = {
        "not a registry file",
        "REGEDIT4\n\"Orphan\"=\"value outside a key\"\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"Bad\"=dword:123456789\n",
        "REGEDIT4\n[HKEY_LOCAL_MACHINE\\X]\n\"Open=\"quote\n",
        std::string("REGEDIT4\n[K]\n\"A\"=\"\\q\"\n"),
    };
    for (const std::string& text : damaged) {
        TempFolder folder;
        const std::string path = folder.File("registry.reg");
        test::WriteBytes(path, std::vector<std::uint8_t>(text.begin(), text.end()));
        TSettingsStore store(path);
        EXPECT_EQ(store.ReadString(Key, "CPUPort"), std::nullopt) << text;
        EXPECT_TRUE(std::filesystem::exists(path + ".bad")) << text;
        EXPECT_TRUE(store.WriteString(Key, "CPUPort", "COM1").Ok) << text;
        EXPECT_EQ(store.ReadString(Key, "CPUPort"), "COM1") << text;
    }
}

TEST(SettingsStore, TheEnvironmentNamesTheFile) {
    TempFolder folder;
    ::setenv("KORVISEL_REGISTRY", folder.File("elsewhere.reg").c_str(), 1);
    EXPECT_EQ(TSettingsStore::DefaultPath(), folder.File("elsewhere.reg"));
    ::unsetenv("KORVISEL_REGISTRY");
    ::setenv("XDG_CONFIG_HOME", folder.Path().c_str(), 1);
    EXPECT_EQ(TSettingsStore::DefaultPath(), folder.File("korvisel/registry.reg"));
    ::unsetenv("XDG_CONFIG_HOME");
}

TEST(SettingsStore, TwoWritersLoseNothing) {
    TempFolder folder;
    const std::string path = folder.File("registry.reg");
    constexpr int Values = 60;
    pid_t children[2];
    for (int writer = 0; writer < 2; ++writer) {
        children[writer] = ::fork();
        ASSERT_GE(children[writer], 0);
        if (children[writer] == 0) {
            TSettingsStore store(path);
            for (int n = 0; n < Values; ++n)
                store.WriteDword(Key, "Writer" + std::to_string(writer) + "_" + std::to_string(n),
                                 static_cast<std::uint32_t>(n));
            std::_Exit(0);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_EQ(status, 0);
    }
    TSettingsStore store(path);
    EXPECT_EQ(store.ValueNames(Key).size(), 2u * Values);
    EXPECT_EQ(store.ReadDword(Key, "Writer1_59"), 59u);
}

} // namespace
} // namespace korvisel
