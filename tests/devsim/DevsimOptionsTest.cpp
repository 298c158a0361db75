// SPDX-License-Identifier: GPL-3.0-or-later
#include "devsim/DevsimOptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvisel::devsim {
namespace {

struct Parsed {
    int Status = 0;
    std::vector<TDeviceSetup> Devices;
};

Parsed Parse(std::vector<std::string> args) {
    args.insert(args.begin(), "korvisel-devsim");
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    Parsed parsed;
    parsed.Status = ParseOptions(static_cast<int>(args.size()), argv.data(), parsed.Devices);
    return parsed;
}

TEST(DevsimOptions, EachFaultOptionTurnsOnItsOwnFault) {
    struct Case {
        const char* Option;
        bool TDeviceFaults::*Flag;
    };
    const std::vector<Case> cases = {
        {"--no-answer", &TDeviceFaults::NoAnswer},           {"--one-byte", &TDeviceFaults::OneByteAnswer},
        {"--lower-ok", &TDeviceFaults::LowerCaseOk},         {"--o-then-k", &TDeviceFaults::OThenLowerK},
        {"--echo-drop-plus", &TDeviceFaults::EchoDropsPlus}, {"--no-version", &TDeviceFaults::NoVersion},
        {"--wrong-checksum", &TDeviceFaults::WrongChecksum},
    };
    for (const Case& c : cases) {
        const Parsed parsed = Parse({c.Option});
        ASSERT_EQ(parsed.Status, -1) << c.Option;
        ASSERT_EQ(parsed.Devices.size(), 1u);
        for (const Case& other : cases)
            EXPECT_EQ(parsed.Devices[0].Faults.*other.Flag, other.Flag == c.Flag)
                << c.Option << " " << other.Option;
    }
}

TEST(DevsimOptions, OptionsBeforeTheFirstPortServeEveryDeviceAndAfterItOnlyThatOne) {
    const Parsed parsed = Parse({"--firmware", "3.01", "--port", "COM5", "--no-answer", "--extra-data", "7",
                                 "--port", "COM6", "--short-data", "0"});
    ASSERT_EQ(parsed.Status, -1);
    ASSERT_EQ(parsed.Devices.size(), 2u);
    EXPECT_EQ(parsed.Devices[0].Port, "COM5");
    EXPECT_EQ(parsed.Devices[0].Version, "3.01");
    EXPECT_TRUE(parsed.Devices[0].Faults.NoAnswer);
    EXPECT_EQ(parsed.Devices[0].Faults.ExtraData, 7u);
    EXPECT_EQ(parsed.Devices[1].Port, "COM6");
    EXPECT_EQ(parsed.Devices[1].Version, "3.01");
    EXPECT_FALSE(parsed.Devices[1].Faults.NoAnswer);
    EXPECT_EQ(parsed.Devices[1].Faults.ShortData, 0u);
}

TEST(DevsimOptions, MistakesEndTheParseWithStatusTwo) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"--port", "ttyUSB0"},
             {"--port", "COM5", "--port", "COM5"},
             {"--count", "17"},
             {"--extra-data", "many"},
             {"--bogus"},
             {"stray"},
             {"--firmware"},
         })
        EXPECT_EQ(Parse(args).Status, 2) << args[0];
    EXPECT_EQ(Parse({"--help"}).Status, 0);
    testing::internal::CaptureStdout();
    EXPECT_EQ(Parse({"--version"}).Status, 0) << "the program's version, needing no argument";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "korvisel-devsim " KORVISEL_VERSION "\n");
    EXPECT_EQ(Parse({"--firmware=3.02"}).Devices.at(0).Version, "3.02");
}

} // namespace
} // namespace korvisel::devsim
