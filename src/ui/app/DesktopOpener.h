// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a file with the desktop's opener (xdg-open) and reports when that failed, for example when
// no web browser is installed: QDesktopServices only says whether the opener started.
#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace korvisel {

class TDesktopOpener : public QObject {
    Q_OBJECT
public:
    using TFailure = std::function<void(const QString& reason)>;

    explicit TDesktopOpener(QObject* parent = nullptr);
    ~TDesktopOpener() override;

    // `failed` runs later, with the opener's own words where it gave some, when the opener could
    // not start or ended with a failure status.
    void Open(const QUrl& url, TFailure failed);
};

} // namespace korvisel
