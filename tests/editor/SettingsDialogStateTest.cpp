// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/SettingsDialogState.h"

#include "settings/Settings.h"

#include "TempFolder.h"
#include "link/PtyPorts.h"

#include <gtest/gtest.h>

#include <deque>

namespace korvisel {
namespace {

const std::string Program = "/opt/korvisel/";

// A folder browser that answers from a script, counting how often it was opened.
struct ScriptedBrowser {
    std::deque<std::string> answers;
    int opened = 0;
    TFolderBrowser Browser() {
        return [this] {
            ++opened;
            std::string answer = answers.empty() ? std::string{} : answers.front();
            if (!answers.empty())
                answers.pop_front();
            return answer;
        };
    }
};

TEST(OptionState, ProgramFolderBoxGoesBackToTheFolderShownBefore) {
    TOptionState options;
    options.WorkPath = "/home/installer/sites";
    std::string remembered;
    ScriptedBrowser browser;
    CheckUseProgramFolder(options, remembered, Program);
    EXPECT_EQ(options.WorkPath, Program);
    EXPECT_TRUE(options.UseProgramFolder);
    UncheckUseProgramFolder(options, remembered, Program, browser.Browser());
    EXPECT_EQ(options.WorkPath, "/home/installer/sites");
    EXPECT_FALSE(options.UseProgramFolder);
    EXPECT_EQ(browser.opened, 0);
}

TEST(OptionState, ClearingTheBoxWithoutAFolderToGoBackToAsks) {
    const struct {
        const char* chosen;
        const char* workPath;
        bool ticked;
    } cases[] = {
        {"/srv/projects", "/srv/projects", false},
        {"", "/opt/korvisel", true},              // cancelled: ticked again
        {"/opt/korvisel", "/opt/korvisel", true}, // the program's folder itself
    };
    for (const auto& c : cases) {
        TOptionState options;
        options.WorkPath = Program; // as the first activation leaves it, with nothing remembered
        options.UseProgramFolder = true;
        std::string remembered;
        ScriptedBrowser browser;
        browser.answers = {c.chosen};
        UncheckUseProgramFolder(options, remembered, Program, browser.Browser());
        EXPECT_EQ(browser.opened, 1);
        EXPECT_EQ(options.WorkPath, c.workPath) << c.chosen;
        EXPECT_EQ(options.UseProgramFolder, c.ticked) << c.chosen;
    }
}

TEST(OptionState, BrowsingSetsTheFolderAndTheBox) {
    TOptionState options;
    options.WorkPath = "/a";
    ScriptedBrowser browser;
    browser.answers = {"", "/OPT/Korvisel", "/b"};
    BrowseWorkFolder(options, Program, browser.Browser());
    EXPECT_EQ(options.WorkPath, "/a") << "cancelled";
    BrowseWorkFolder(options, Program, browser.Browser());
    EXPECT_TRUE(options.UseProgramFolder) << "the program's folder, compared without regard to case";
    BrowseWorkFolder(options, Program, browser.Browser());
    EXPECT_EQ(options.WorkPath, "/b");
    EXPECT_FALSE(options.UseProgramFolder);
}

TEST(OptionState, StoredValuesRoundTrip) {
    test::TempFolder folder;
    TSettingsStore store(folder.File("registry.reg"));
    TOptionState options;
    options.Port.PortNames = {"COM1", "COM3"};
    options.Port.PortIndex = 1;
    options.ListLength = 7;
    options.WorkPath = folder.Path();
    options.KeepCopyBeforeWrite = true;
    store.WriteString(RegistryKey::Settings, "SettingPlugin", "KV2");
    SaveOptionValues(options, store);
    EXPECT_EQ(store.ReadString(RegistryKey::Settings, "SettingPlugin"), "KV2")
        << "the module chosen by opening its file is never the dialog's to change";

    TOptionState loaded;
    loaded.Port.PortNames = {"COM1", "COM3"};
    LoadOptionValues(loaded, store, {Program, Program});
    EXPECT_EQ(loaded.Port.PortIndex, 1);
    EXPECT_EQ(loaded.ListLength, 7);
    EXPECT_EQ(loaded.WorkPath, folder.Path());
    EXPECT_FALSE(loaded.UseProgramFolder);
    EXPECT_TRUE(loaded.KeepCopyBeforeWrite);
}

// The chosen port's adapter is unplugged, before the program starts or while it runs: the port keeps
// its name, so that the status bar names it and says why it is not open.
TEST(OptionState, AnUnpluggedPortKeepsItsNameAndSaysWhy) {
    for (const bool whileRunning : {false, true}) {
        SCOPED_TRACE(whileRunning ? "while the window runs" : "at the activation");
        test::TempFolder folder;
        test::PtyPorts ports;
        ports.Add(3);
        TSettingsStore store(folder.File("registry.reg"));
        store.WriteString(RegistryKey::Settings, "CPUPort", "COM9");
        TCommPortDriverEx port;
        TOptionState options;
        int availability = 0;
        if (whileRunning) {
            ports.Add(9);
            ActivateCpuPort(port, options, store, {Program, Program}, availability);
            ASSERT_TRUE(port.IsConnected()) << port.LastError();
            ports.Remove(9);
            RefreshCpuPort(port, options.Port, store, false, availability);
        } else {
            ActivateCpuPort(port, options, store, {Program, Program}, availability);
        }
        EXPECT_FALSE(port.IsConnected());
        EXPECT_EQ(PortDisplayName(port), "COM9");
        EXPECT_TRUE(ShowPortSummary("CPU Port: ", port).starts_with("CPU Port: COM9, 9600"))
            << ShowPortSummary("CPU Port: ", port);
        const std::string why = PortProblemText(port, TLanguageTexts::BuiltInEnglish());
        EXPECT_TRUE(why.starts_with("COM9: no such device")) << why;
        EXPECT_EQ(ReadCpuPort(store), "COM9") << "still the stored choice for when it is back";
    }
}

// The port box is never blank while a port is stored: an absent one is named and marked absent.
TEST(OptionState, ThePortBoxNamesAnAbsentStoredPort) {
    const struct {
        const char* stored; // nullptr: none
        int chosen;
        const char* shown;
    } cases[] = {
        {"COM9", NoSelection, "COM9 (absent)"},
        {"COM3", 0, ""},
        {"", NoSelection, ""},
        {nullptr, NoSelection, ""},
    };
    const TLanguageTexts english = TLanguageTexts::BuiltInEnglish();
    for (const auto& c : cases) {
        test::TempFolder folder;
        TSettingsStore store(folder.File("registry.reg"));
        if (c.stored)
            store.WriteString(RegistryKey::Settings, "CPUPort", c.stored);
        TPortControls controls;
        controls.PortNames = {"COM3"};
        controls.PortIndex = c.chosen;
        EXPECT_EQ(AbsentPortText(controls, store, english), c.shown) << (c.stored ? c.stored : "none");
    }
}

} // namespace
} // namespace korvisel
