// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortMap.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace korvisel {
namespace {

bool Holds(const std::vector<std::string>& folders, const std::string& folder) {
    return std::find(folders.begin(), folders.end(), folder) != folders.end();
}

// The port map folder's parent is the configuration folder, which also holds the settings file: it
// is watched only until the map folder exists, and its notices count only when they made it.
TEST(PortMap, TheMapFoldersParentIsWatchedOnlyForTheMapFolder) {
    test::TempFolder config;
    const std::string map = config.File("ports");
    ::setenv("KORVISEL_PORTS", map.c_str(), 1);

    EXPECT_TRUE(Holds(PortWatchFolders(), "/dev"));
    EXPECT_TRUE(Holds(PortWatchFolders(), map));
    EXPECT_TRUE(Holds(PortWatchFolders(), config.Path())) << "to see the map folder made";
    EXPECT_FALSE(PortWatchNoticeMatters(config.Path())) << "the settings file written beside it";
    EXPECT_TRUE(PortWatchNoticeMatters("/dev"));

    std::filesystem::create_directory(map);
    EXPECT_TRUE(PortWatchNoticeMatters(config.Path())) << "the map folder was made";
    EXPECT_TRUE(PortWatchNoticeMatters(map));
    EXPECT_TRUE(Holds(PortWatchFolders(), map));
    EXPECT_FALSE(Holds(PortWatchFolders(), config.Path()));
    ::unsetenv("KORVISEL_PORTS");
}

} // namespace
} // namespace korvisel
