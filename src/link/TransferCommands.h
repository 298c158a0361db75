// SPDX-License-Identifier: GPL-3.0-or-later
// What the Write and Read commands do around the transfer dialog.
#pragma once

#include "core/PrjTypes.h"
#include "fields/DeviceImage.h"
#include "files/CheckReportFile.h"

#include <optional>
#include <string>

namespace korvisel {

// Write: the consistency check first; nothing when it refuses the write. Otherwise the project is
// packed into the outgoing image and the 466-byte payload is returned. A check report that could be
// placed nowhere does not stop the write; `reportProblem` then says why, for the user, followed by
// the report's findings, which no file holds then.
std::optional<std::string> PrepareWrite(const TProjectInfo& project, TDeviceImage& outgoing,
                                        const TReportFolders& folders, const TReportOpener& openReport,
                                        std::string* reportProblem = nullptr);

// Read: the incoming image is cleared before the dialog runs, so that nothing an earlier read or file
// left there can reach the project.
void PrepareRead(TDeviceImage& incoming);

// After a successful read: the image into the incoming buffer, unpacked into the project, and the
// device's version answer as the firmware version of the print data (its line end dropped, any
// control byte shown escaped).
void AcceptReadData(const std::string& transferData, const std::string& versionAnswer, TDeviceImage& incoming,
                    TProjectInfo& project, TDopPrintInfo& print);

} // namespace korvisel
