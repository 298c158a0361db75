// SPDX-License-Identifier: GPL-3.0-or-later
// Read and Write of the device on the CPU port as the window runs them: the check and its report
// before a write, the copy of the device kept before writing, the transfer dialog, and the backup
// of every transfer with its note in the status bar.
#pragma once

#include "core/MessageBoxes.h"
#include "core/Result.h"
#include "editor/Document.h"
#include "editor/SettingsDialogState.h"
#include "files/CheckReportFile.h"
#include "editor/LastBackupNote.h"
#include "link/BatchTransfer.h"
#include "link/ScanningSerialPort.h"

#include <QObject>

#include <optional>
#include <vector>

class QWidget;

namespace korvisel {

class TElidedLabel;
class TFormWRCPU;
class TLanguageTexts;

class TDeviceTransfer : public QObject {
    Q_OBJECT
public:
    TDeviceTransfer(TDocument& document, IMessageBoxes& boxes, TCommPortDriverEx& port,
                    const TOptionState& options, const TLanguageTexts& texts, TReportOpener openReport,
                    QWidget* window);

    // Where the check before a write puts its report, and how it is opened; tests put their own.
    void SetReportPlace(TReportFolders folders, TReportOpener opener);

    // The check and its report as Write runs them, then the project packed into the outgoing image:
    // the payload to send, or nothing when the check refuses the write.
    std::optional<std::string> CheckedPayload();
    void Write();
    // The device's settings replace the project's when the read succeeds: one step, made at `place`.
    void Read(const TEditPlace& place);
    // The device's settings, leaving the project as it is; kept in the backups as every read is.
    // Nothing when the read failed or the port could not be opened, which has been told.
    std::optional<TProjectInfo> ReadForComparison();

    // While a transfer runs the port must be left alone.
    bool Running() const;
    // The status bar's note of the last backup, hidden until the first transfer.
    TElidedLabel* BackupNote() const { return backupNote_; }
    TElidedLabel* ResultNote() const { return resultNote_; }
    // A run on several devices ended: the note names the copies it kept.
    void NoteRun(const std::vector<TBatchResult>& results);
    // Shows the note anew: in the current language, without the copies deleted since.
    void RefreshBackupNote();

private:
    // Opens the port when it is closed; false, with the port's reason told, when it cannot be opened.
    bool PortReady();
    // Reads the device into a backup before a write; false when the write must not go ahead.
    bool KeepCopyOfDevice();
    // The device's settings and their image, leaving the document alone (quiet: the copy before a
    // write asks nothing; `question` is asked in place of the read's own); nothing when the read
    // failed, which the transfer dialog has told.
    std::optional<TProjectInfo> ReadDevice(TDeviceImage& image, bool quiet, TTextKey question = nullptr);
    void ShowBackupNote(const TResult<std::string>& backup);

    TDocument& document_;
    IMessageBoxes& boxes_;
    TCommPortDriverEx& port_;
    const TOptionState& options_;
    const TLanguageTexts& texts_;
    TReportFolders reportFolders_;
    TReportOpener reportOpener_;
    TFormWRCPU* dialog_;
    TElidedLabel* backupNote_;
    TElidedLabel* resultNote_;
    TLastBackupNote lastBackup_;
};

} // namespace korvisel
