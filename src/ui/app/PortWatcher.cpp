// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/PortWatcher.h"

#include "link/PortMap.h"
#include "ui/widgets/QtText.h"

#include <QFileInfo>

namespace korvisel {

TPortWatcher::TPortWatcher(QObject* parent) : QObject(parent) {
    settle_.setSingleShot(true);
    settle_.setInterval(200);
    connect(&settle_, &QTimer::timeout, this, [this] {
        WatchFolders();
        emit Changed();
    });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this](const QString& folder) {
        if (PortWatchNoticeMatters(folder.toStdString()))
            settle_.start();
    });
    WatchFolders();
}

// Folders that did not exist before (the first adapter makes /dev/serial/by-id) are added as they
// appear; one no longer needed (the port map's parent once the map exists) is left.
void TPortWatcher::WatchFolders() {
    QStringList wanted;
    for (const std::string& folder : PortWatchFolders())
        wanted.append(Q(folder));
    for (const QString& path : watcher_.directories())
        if (!wanted.contains(path))
            watcher_.removePath(path);
    const QStringList watched = watcher_.directories();
    for (const QString& path : wanted)
        if (!watched.contains(path) && QFileInfo(path).isDir())
            watcher_.addPath(path);
}

} // namespace korvisel
