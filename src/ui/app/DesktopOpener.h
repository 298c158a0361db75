// SPDX-License-Identifier: GPL-3.0-or-later
// Opens a file with the desktop's opener (xdg-open) and reports when that failed, for example when
// it or a web browser is not installed: QDesktopServices only says whether the opener started.
#pragma once

#include "editor/OpenFailure.h"

#include <QObject>
#include <QString>
#include <QUrl>

#include <functional>

namespace korvisel {

class TDesktopOpener : public QObject {
    Q_OBJECT
public:
    using TFailure = std::function<void(TOpenFailure failure, const QString& openerWords)>;

    explicit TDesktopOpener(QObject* parent = nullptr);
    ~TDesktopOpener() override;

    // `failed` runs later when the opener could not start (it is not installed) or ended with a
    // failure status, then with its own words where it gave some.
    void Open(const QUrl& url, TFailure failed);
};

} // namespace korvisel
