// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/DesktopOpener.h"

#include <QProcess>

namespace korvisel {

TDesktopOpener::TDesktopOpener(QObject* parent) : QObject(parent) {}

// An opener still running runs a browser in the foreground: it is let go rather than killed with
// the program, so that the user's help window stays open.
TDesktopOpener::~TDesktopOpener() {
    for (QProcess* process : findChildren<QProcess*>()) {
        process->disconnect();
        process->setParent(nullptr);
    }
}

void TDesktopOpener::Open(const QUrl& url, TFailure failed) {
    auto* process = new QProcess(this);
    process->setProcessChannelMode(QProcess::SeparateChannels);
    process->setStandardOutputFile(QProcess::nullDevice());
    connect(process, &QProcess::errorOccurred, this, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        failed(TOpenFailure::OpenerMissing, process->errorString());
        process->deleteLater();
    });
    connect(process, &QProcess::finished, this, [process, failed](int status, QProcess::ExitStatus how) {
        const QString said = QString::fromLocal8Bit(process->readAllStandardError()).trimmed();
        if (how != QProcess::NormalExit || status != 0)
            failed(TOpenFailure::OpenerFailed,
                   said.isEmpty() ? QString("xdg-open ended with status %1").arg(status) : said);
        process->deleteLater();
    });
    process->start("xdg-open", {url.toString()});
}

} // namespace korvisel
