// SPDX-License-Identifier: GPL-3.0-or-later
// A readable project file: one JSON object holding every field the device image carries, under the
// names of the project records, plus the phone names.
#pragma once

#include "core/PrjTypes.h"
#include "fields/SiteTemplate.h"

#include <optional>
#include <string>
#include <vector>

namespace korvisel {

// With an origin that names a template, the "Template" object keeps it.
std::string ProjectToJson(const TProjectInfo& project, const TSiteOrigin& origin = {});

// Checks every field and range; on any error names the field and leaves the project untouched.
// Returns the error, or nothing when the project was read. A value that a device image can hold but
// the configurator would not set is kept, and `warnings` say so. The optional "PrintData" object
// (which no .KV690 file keeps) goes into `print` when given, the optional "Template" object into
// `origin`.
std::optional<std::string> ProjectFromJson(const std::string& text, TProjectInfo& project,
                                           TDopPrintInfo* print = nullptr,
                                           std::vector<std::string>* warnings = nullptr,
                                           TSiteOrigin* origin = nullptr);

} // namespace korvisel
