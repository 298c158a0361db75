// SPDX-License-Identifier: GPL-3.0-or-later
// Tells when serial devices may have come or gone, from the folders' change notices (inotify), so
// that the port lists follow an adapter plugged in while the program runs without polling the disk.
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

namespace korvisel {

class TPortWatcher : public QObject {
    Q_OBJECT
public:
    explicit TPortWatcher(QObject* parent = nullptr);

signals:
    // Once per burst of changes: udev makes a node, then its links and permissions.
    void Changed();

private:
    void WatchFolders();

    QFileSystemWatcher watcher_;
    QTimer settle_;
};

} // namespace korvisel
