// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/WindowCommandLine.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(WindowCommandLine, QtsOptionsPassOursAnswerAnythingElseIsAUsageError) {
    const struct {
        std::vector<std::string> arguments;
        TWindowCommand command;
        const char* file; // nullptr: none
        const char* problem;
    } cases[] = {
        {{}, TWindowCommand::Run, nullptr, ""},
        {{"site.KV690"}, TWindowCommand::Run, "site.KV690", ""},
        {{"-platform", "offscreen", "site.KV690"}, TWindowCommand::Run, "site.KV690", ""},
        {{"--platform=wayland", "-reverse", "-style", "fusion", "site.KV690"},
         TWindowCommand::Run,
         "site.KV690",
         ""},
        {{"-display", ":1"}, TWindowCommand::Run, nullptr, ""},
        {{"-"}, TWindowCommand::Run, "-", ""},
        {{"--help"}, TWindowCommand::Help, nullptr, ""},
        {{"site.KV690", "-h"}, TWindowCommand::Help, nullptr, ""},
        {{"--version"}, TWindowCommand::Version, nullptr, ""},
        {{"--bogus"}, TWindowCommand::UsageError, nullptr, "--bogus: unknown option"},
        {{"-platform", "xcb", "-x"}, TWindowCommand::UsageError, nullptr, "-x: unknown option"},
        {{"a.KV690", "b.KV690"}, TWindowCommand::UsageError, nullptr, "b.KV690: only one file can be opened"},
    };
    for (const auto& c : cases) {
        const TWindowArguments parsed = ParseWindowArguments(c.arguments);
        const std::string shown = c.arguments.empty() ? "(none)" : c.arguments.front();
        EXPECT_EQ(parsed.Command, c.command) << shown;
        EXPECT_EQ(parsed.File, c.file ? std::optional<std::string>(c.file) : std::nullopt) << shown;
        EXPECT_EQ(parsed.Problem, c.problem) << shown;
    }
}

} // namespace
} // namespace korvisel
