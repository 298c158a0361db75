// SPDX-License-Identifier: GPL-3.0-or-later
// Where Save as PDF suggests the configuration report goes.
#pragma once

#include <string>

namespace korvisel {

// Beside the project under its name ("/sites/north.KV690" gives "/sites/north.pdf"); for a project
// never saved, "device-profile.pdf" in the folder the file dialogs start in.
std::string SuggestedReportPdf(const std::string& projectFile, const std::string& dialogFolder);

} // namespace korvisel
