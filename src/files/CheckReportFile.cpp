// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/CheckReportFile.h"

#include "files/FileIo.h"
#include "files/StandardPaths.h"
#include "files/WorkFolders.h"

namespace korvisel {

TReportFolders DefaultReportFolders() {
    // Only a program folder the user owns: never /usr/bin, even for root.
    return {LocalWorkFolders({}).Program, UserDataFolder()};
}

TReportPlacement WriteCheckReport(const TCheckReport& report, const TReportFolders& folders,
                                  const TReportOpener& openReport) {
    const std::string text = report.Text();
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()),
                                              text.size());

    TReportPlacement placement;
    std::string path;
    TResult<> written = TResult<>::Failure({});
    if (!folders.ProgramFolder.empty()) {
        const bool separated = folders.ProgramFolder.back() == '/';
        path = folders.ProgramFolder + (separated ? "" : "/") + CheckReportFileName;
        written = WriteFileAtomically(path, bytes);
    }
    if (!written.Ok()) {
        path = folders.UserDataFolder + "/" + CheckReportFileName;
        written = MakeFolders(folders.UserDataFolder);
        if (written.Ok())
            written = WriteFileAtomically(path, bytes);
    }
    if (!written.Ok()) {
        placement.ReportError = written.Reason();
        return placement;
    }
    placement.ReportPath = path;
    if (report.HasFindings() && openReport) {
        openReport(path);
        placement.ReportOpened = true;
    }
    return placement;
}

} // namespace korvisel
