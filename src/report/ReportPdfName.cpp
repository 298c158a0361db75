// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportPdfName.h"

#include "core/PrjTypes.h"

namespace korvisel {

std::string SuggestedReportPdf(const std::string& projectFile, const std::string& dialogFolder) {
    if (projectFile.empty() || projectFile == UntitledFileName) {
        const bool separated = dialogFolder.empty() || dialogFolder.ends_with('/');
        return dialogFolder + (separated ? "" : "/") + "device-profile.pdf";
    }
    const std::size_t slash = projectFile.rfind('/');
    const std::size_t dot = projectFile.rfind('.');
    const bool extension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return projectFile.substr(0, extension ? dot : projectFile.size()) + ".pdf";
}

} // namespace korvisel
