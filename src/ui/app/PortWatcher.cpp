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
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [this] { settle_.start(); });
    WatchFolders();
}

// Folders that did not exist before (the first adapter makes /dev/serial/by-id) are added as they appear.
void TPortWatcher::WatchFolders() {
    const QStringList watched = watcher_.directories();
    for (const std::string& folder : PortWatchFolders()) {
        const QString path = Q(folder);
        if (!watched.contains(path) && QFileInfo(path).isDir())
            watcher_.addPath(path);
    }
}

} // namespace korvisel
