// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/DeviceTransfer.h"

#include "core/AsciiText.h"
#include "files/Backups.h"
#include "link/PortAssignment.h"
#include "link/TransferCommands.h"
#include "ui/dialogs/TransferDialog.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/QtText.h"

namespace korvisel {

TDeviceTransfer::TDeviceTransfer(TDocument& document, IMessageBoxes& boxes, TCommPortDriverEx& port,
                                 const TOptionState& options, const TLanguageTexts& texts,
                                 TReportOpener openReport, QWidget* window)
    : QObject(window), document_(document), boxes_(boxes), port_(port), options_(options), texts_(texts),
      reportFolders_(DefaultReportFolders()), reportOpener_(std::move(openReport)),
      dialog_(new TFormWRCPU(texts, boxes, window)), backupNote_(new TElidedLabel(window)),
      resultNote_(new TElidedLabel(window)) {
    backupNote_->setObjectName("BackupNote");
    backupNote_->hide();
    // The last transfer's end stays in the status bar, where a screen reader hears it change.
    resultNote_->setObjectName("TransferResult");
    resultNote_->hide();
    connect(dialog_, &TFormWRCPU::Told, resultNote_, [this](const QString& text) {
        resultNote_->SetFullText(text);
        resultNote_->show();
    });
}

void TDeviceTransfer::SetReportPlace(TReportFolders folders, TReportOpener opener) {
    reportFolders_ = std::move(folders);
    reportOpener_ = std::move(opener);
}

bool TDeviceTransfer::Running() const {
    return dialog_->isVisible();
}

std::optional<std::string> TDeviceTransfer::CheckedPayload() {
    std::string reportProblem;
    const auto payload = PrepareWrite(document_.Project(), document_.Images.Outgoing, reportFolders_,
                                      reportOpener_, &reportProblem);
    // The report is advice: the write goes on, but the user learns why there is none to read.
    if (!reportProblem.empty()) {
        // The core words it to follow a program's name; alone in a box it starts a sentence.
        reportProblem.front() = AsciiUpper(reportProblem.front());
        boxes_.Information(reportProblem, "Korvisel");
    }
    return payload;
}

bool TDeviceTransfer::PortReady() {
    if (!port_.IsConnected())
        port_.Connect();
    // A port without a name has no reason of its own: the transfer's link test tells of it.
    const std::string problem = PortProblemText(port_, texts_);
    if (port_.IsConnected() || problem.empty())
        return true;
    boxes_.Error(problem, "Korvisel");
    return false;
}

void TDeviceTransfer::Write() {
    const auto payload = CheckedPayload();
    if (!payload || !PortReady())
        return;
    if (options_.KeepCopyBeforeWrite && !KeepCopyOfDevice())
        return;
    // A project that went out whole is kept also when the device's confirmation was not seen.
    if (const TTransferOutcome outcome = dialog_->Run(port_, TTransferMode::Write, *payload).Outcome;
        outcome == TTransferOutcome::Success || outcome == TTransferOutcome::Unconfirmed)
        ShowBackupNote(
            KeepDeviceBackup(TBackupKind::Written, PortDisplayName(port_), document_.Images.Outgoing));
}

bool TDeviceTransfer::KeepCopyOfDevice() {
    TDeviceImage copy{};
    if (!ReadDevice(copy, true)) {
        boxes_.Error(texts_.Text("PRG_COPY_READ_FAILED"), "Korvisel");
        return false;
    }
    const TResult<std::string> backup =
        KeepDeviceBackup(TBackupKind::BeforeWrite, PortDisplayName(port_), copy);
    ShowBackupNote(backup);
    if (!backup.Ok()) {
        boxes_.Error(WithArguments(texts_.Text("PRG_COPY_KEEP_FAILED"), {backup.Reason()}), "Korvisel");
        return false;
    }
    return true;
}

void TDeviceTransfer::Read(const TEditPlace& place) {
    if (!PortReady())
        return;
    PrepareRead(document_.Images.Incoming);
    const TTransferResult result = dialog_->Run(port_, TTransferMode::Read, {});
    if (result.Outcome == TTransferOutcome::Success) {
        // The device's settings replace the project's in one step: unsaved until the user saves them.
        document_.EditState(place, [&](TEditSnapshot& state) {
            AcceptReadData(result.TransferData, result.VersionAnswer, document_.Images.Incoming,
                           state.Project, state.Print);
        });
        ShowBackupNote(
            KeepDeviceBackup(TBackupKind::Read, PortDisplayName(port_), document_.Images.Incoming));
    }
}

std::optional<TProjectInfo> TDeviceTransfer::ReadDevice(TDeviceImage& image, bool quiet, TTextKey question) {
    PrepareRead(image);
    const TTransferResult result = dialog_->Run(port_, TTransferMode::Read, {}, quiet, question);
    if (result.Outcome != TTransferOutcome::Success)
        return std::nullopt;
    TProjectInfo device;
    TDopPrintInfo print;
    AcceptReadData(result.TransferData, result.VersionAnswer, image, device, print);
    return device;
}

std::optional<TProjectInfo> TDeviceTransfer::ReadForComparison() {
    if (!PortReady())
        return std::nullopt;
    TDeviceImage image{};
    // The read's own question sounds as if the project were to be replaced.
    std::optional<TProjectInfo> device = ReadDevice(image, false, "PRG_COMPARE_ASK");
    if (device)
        ShowBackupNote(KeepDeviceBackup(TBackupKind::Read, PortDisplayName(port_), image));
    return device;
}

void TDeviceTransfer::ShowBackupNote(const TResult<std::string>& backup) {
    lastBackup_.Kept(backup);
    RefreshBackupNote();
}

void TDeviceTransfer::NoteRun(const std::vector<TBatchResult>& results) {
    std::vector<std::string> kept;
    for (const TBatchResult& result : results)
        kept.insert(kept.end(), result.Backups.begin(), result.Backups.end());
    lastBackup_.KeptByRun(std::move(kept));
    RefreshBackupNote();
}

void TDeviceTransfer::RefreshBackupNote() {
    lastBackup_.ForgetDeleted();
    const QString note = Q(lastBackup_.Text(texts_));
    backupNote_->SetFullText(note);
    backupNote_->setToolTip(Q(lastBackup_.Tip(texts_)));
    backupNote_->setVisible(!note.isEmpty());
}

} // namespace korvisel
