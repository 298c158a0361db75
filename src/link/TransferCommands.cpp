// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TransferCommands.h"

#include "link/TransferProtocol.h"

#include "core/SafeText.h"

#include <algorithm>

namespace korvisel {

std::optional<std::string> PrepareWrite(const TProjectInfo& project, TDeviceImage& outgoing,
                                        const TReportFolders& folders, const TReportOpener& openReport,
                                        std::string* reportProblem) {
    const TCheckReport report = CheckProject(project);
    const TReportPlacement placement = WriteCheckReport(report, folders, openReport);
    if (reportProblem) {
        reportProblem->clear();
        if (!placement.ReportError.empty()) {
            *reportProblem = std::string("the check report ") + CheckReportFileName +
                             " could not be written: " + placement.ReportError + ".";
            // No file holds the findings, so they are said here.
            if (report.HasFindings()) {
                *reportProblem += " It found:\n";
                for (const std::string& line : report.Lines)
                    if (!line.empty())
                        *reportProblem += "\n" + line;
            }
        }
    }
    if (report.Result == TCheckResult::BlocksWrite)
        return std::nullopt;
    PackImage(project, outgoing);
    return BuildPayload(outgoing);
}

void PrepareRead(TDeviceImage& incoming) {
    incoming.fill(0);
}

void AcceptReadData(const std::string& transferData, const std::string& versionAnswer, TDeviceImage& incoming,
                    TProjectInfo& project, TDopPrintInfo& print) {
    const std::size_t n = std::min(transferData.size(), DeviceImageSize);
    incoming.fill(0);
    std::copy_n(transferData.begin(), n, incoming.begin());
    UnpackImage(incoming, project);
    // What the device answered, without its line end, and never with a control byte raw.
    std::string_view version = versionAnswer;
    while (!version.empty() && (version.back() == '\r' || version.back() == '\n' || version.back() == ' '))
        version.remove_suffix(1);
    print.FirmwareVersion = EscapedText(version);
}

} // namespace korvisel
