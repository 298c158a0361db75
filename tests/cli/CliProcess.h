// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the built korvisel-cli as a process and collects what it printed.
#pragma once

#include <string>
#include <vector>

namespace korvisel::test {

struct CliRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

// Standard output goes to `output` when given (/dev/full, say), else it is collected. With
// `interruptAfterMs`, the process gets SIGINT (Ctrl+C) that long after it started.
CliRun RunCli(const std::vector<std::string>& args, const std::string& folder, const std::string& output = {},
              int interruptAfterMs = -1);

} // namespace korvisel::test
