// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving a project by the file's extension, with every failure as one readable line.
#pragma once

#include "core/PrjTypes.h"
#include "core/Result.h"
#include "fields/SiteTemplate.h"

#include <string>

namespace korvisel {

// .KV690 and .KV2 project files, the older .KRV files (read into a fresh image), and .json, whose
// print data goes into `print` when given. A failure says "FILE: reason".
// A project file whose checksum does not match its image loads with a warning on standard error,
// and `damaged` (when given) says so.
// A JSON project's template and site values go into `origin` when given.
TResult<> LoadProjectFile(const std::string& path, TProjectInfo& project, TDopPrintInfo* print = nullptr,
                          bool* damaged = nullptr, TSiteOrigin* origin = nullptr);

// .KV690 or .json by the extension; "-" writes JSON to standard output. JSON keeps `origin` when it
// names a template; a .KV690 file has no room for it.
TResult<> SaveProjectFile(const std::string& path, TProjectInfo& project, const TSiteOrigin& origin = {});

// Whether SaveProjectFile could write there: a known extension and a folder the user may write.
// A failure says "FILE: reason".
TResult<> CheckProjectOutput(const std::string& path);

} // namespace korvisel
