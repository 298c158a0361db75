// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PortListing.h"

#include "CliProcess.h"
#include "TempFolder.h"
#include "link/PtyPorts.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <unistd.h>

namespace korvisel::cli {
namespace {

TEST(PortListing, EveryStateIsToldApart) {
    const std::vector<TPortRow> rows = {
        {"COM1", "/dev/ttyS0", TPortState::Absent, ""},
        {"COM5", "/dev/ttyUSB0", TPortState::Free, ""},
        {"COM6", "/dev/ttyUSB1", TPortState::Busy, "812 (minicom)"},
        {"COM7", "/dev/ttyUSB2", TPortState::Busy, ""},
        {"COM16", "/dev/ttyACM3", TPortState::Denied, ""},
        {"COM9", "", TPortState::Absent, ""},
    };
    EXPECT_EQ(PortRowsText(rows),
              "COM1   /dev/ttyS0    absent\n"
              "COM5   /dev/ttyUSB0  available\n"
              "COM6   /dev/ttyUSB1  busy: held by 812 (minicom)\n"
              "COM7   /dev/ttyUSB2  busy: another program holds it\n"
              "COM16  /dev/ttyACM3  permission denied: add the user to the dialout group (sudo usermod -aG "
              "dialout $USER) and log in again\n"
              "COM9   -             absent\n");

    const auto json = nlohmann::json::parse(PortRowsJson(rows));
    ASSERT_EQ(json.size(), rows.size());
    const char* states[] = {"absent", "available", "busy", "busy", "denied", "absent"};
    for (std::size_t n = 0; n < rows.size(); ++n)
        EXPECT_EQ(json[n]["state"], states[n]) << n;
    EXPECT_EQ(json[2]["holder"], "812 (minicom)");
    EXPECT_FALSE(json[3].contains("holder"));
    EXPECT_TRUE(json[4]["hint"].get<std::string>().find("dialout") != std::string::npos);
    EXPECT_TRUE(json[5]["device"].is_null());
}

TEST(PortListing, ABusyPortNamesTheProcessThatHoldsIt) {
    test::TempFolder folder;
    test::PtyPorts ports;
    ports.Add(3);
    ports.Add(4);
    TCommPortDriverEx held;
    held.SetPortName("\\\\.\\COM3");
    ASSERT_TRUE(held.Connect()) << held.LastError();
    const test::CliRun run = test::RunCli({"ports", "--json"}, folder.Path());
    ASSERT_EQ(run.Status, 0) << run.Err;
    const auto json = nlohmann::json::parse(run.Out);
    ASSERT_EQ(json.size(), 16u);
    EXPECT_EQ(json[2]["state"], "busy");
    EXPECT_TRUE(json[2]["holder"].get<std::string>().starts_with(std::to_string(::getpid()) + " ("))
        << json[2].dump();
    EXPECT_EQ(json[3]["state"], "available");
    EXPECT_EQ(json[0]["state"], "absent");
}

} // namespace
} // namespace korvisel::cli
