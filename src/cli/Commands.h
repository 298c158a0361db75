// SPDX-License-Identifier: GPL-3.0-or-later
// The commands of korvisel-cli. Each takes its own arguments and returns the exit status.
#pragma once

#include <string>
#include <vector>

namespace korvisel::cli {

using TArgs = std::vector<std::string>;

int Info(const TArgs& args);
int Check(const TArgs& args);
int Convert(const TArgs& args);
int Ports(const TArgs& args);
int Read(const TArgs& args);
int Write(const TArgs& args);
int Verify(const TArgs& args);
int Diff(const TArgs& args);
int Report(const TArgs& args);
int Apply(const TArgs& args);

// One line on standard error: "korvisel-cli: <what>".
int Fail(const std::string& what, int status = 1);

} // namespace korvisel::cli
