// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileIo.h"
#include "ui/app/MainWindow.h"

#include "TempFolder.h"
#include "ui/ScriptedBoxes.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace korvisel {
namespace {

// Sets an environment variable for one test and puts back what was there.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~ScopedEnvironment() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A new user's layout: the settings file and the port map folder share the configuration folder,
// so a watcher of ports that reacted to the settings file would rescan, store the port again, and so
// on for as long as the window is open.
TEST(PortWatcherWindow, AnIdleWindowWritesNoSettings) {
    test::TempFolder home;
    const ScopedEnvironment config("XDG_CONFIG_HOME", home.Path().c_str());
    const ScopedEnvironment data("XDG_DATA_HOME", home.Path().c_str());
    const ScopedEnvironment ports("KORVISEL_PORTS", nullptr);
    const ScopedEnvironment registry("KORVISEL_REGISTRY", nullptr);
    const std::string map = home.File("korvisel/ports");
    std::filesystem::create_directories(map);
    for (int n = 1; n <= 16; ++n) // no serial device, and none of the machine's looked at
        std::filesystem::create_symlink("/nonexistent/korvisel-test-port", map + "/COM" + std::to_string(n));

    TSettingsStore store(TSettingsStore::DefaultPath());
    test::ScriptedBoxes boxes;
    TApplicationForm window(boxes, store);
    window.show();
    QTest::qWait(1000); // the first activation stores the port choice; its notice settles
    ASSERT_TRUE(PathExists(store.Path()));

    int writes = 0;
    std::optional<TFileIdentity> last = FileIdentity(store.Path());
    for (int tick = 0; tick < 50; ++tick) {
        QTest::qWait(100);
        if (const auto now = FileIdentity(store.Path()); now != last) {
            ++writes;
            last = now;
        }
    }
    EXPECT_EQ(writes, 0) << "in 5 s of an idle window";
}

} // namespace
} // namespace korvisel
