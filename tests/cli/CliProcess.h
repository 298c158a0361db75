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

CliRun RunCli(const std::vector<std::string>& args, const std::string& folder);

} // namespace korvisel::test
