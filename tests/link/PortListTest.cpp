// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortList.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace korvisel {
namespace {

TEST(PortList, RangesExpandOrSayWhatIsWrong) {
    const struct {
        const char* text;
        std::vector<std::string> ports; // empty: refused
    } cases[] = {
        {"COM5-COM8", {"COM5", "COM6", "COM7", "COM8"}},
        {"com2", {"COM2"}},
        {"COM5-COM5", {"COM5"}},
        {"COM8-COM5", {}},
        {"COM5-", {}},
        {"COM5-COM", {}},
        {"/dev/ttyUSB0", {}},
        {"COM5x-COM6", {}},
        {"COM1-COM99", {}},
        {"COM0-COM2", {}},
        {"COM0", {}},
        {"COM16", {"COM16"}},
    };
    for (const auto& c : cases) {
        const auto ports = ExpandPortRange(c.text);
        EXPECT_EQ(ports.Ok() ? ports.Value() : std::vector<std::string>{}, c.ports) << c.text;
        EXPECT_EQ(ports.Reason().empty(), !c.ports.empty()) << c.text << ": " << ports.Reason();
    }
}

TEST(PortList, PortNamesOutsideTheSixteenAreFound) {
    EXPECT_EQ(PortOutOfRange({"COM1", "COM16", "/dev/ttyUSB9"}), "");
    EXPECT_EQ(PortOutOfRange({"COM3", "COM17"}), "COM17");
    EXPECT_EQ(PortOutOfRange({"com0"}), "com0");
}

TEST(PortList, TheSameDeviceUnderTwoNamesIsFound) {
    test::TempFolder folder;
    ::setenv("KORVISEL_PORTS", folder.Path().c_str(), 1);
    test::WriteBytes(folder.File("adapter"), {});
    std::filesystem::create_symlink(folder.File("adapter"), folder.File("COM5"));
    const struct {
        std::vector<std::string> ports;
        std::string twice;
    } cases[] = {
        {{"COM5", "COM6", "COM7"}, ""},
        {{"COM5", "com5"}, "com5"},
        {{"COM6", "\\\\.\\COM6"}, "\\\\.\\COM6"},
        {{"COM5", folder.File("adapter")}, folder.File("adapter")},
        {{folder.File("adapter"), "COM6", "COM5"}, "COM5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PortNamedTwice(c.ports), c.twice) << c.ports[1];
    ::unsetenv("KORVISEL_PORTS");
}

} // namespace
} // namespace korvisel
