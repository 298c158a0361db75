// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/report/OffscreenDrawing.h"

#include <QGuiApplication>

#include <cstdlib>

namespace korvisel {

TOffscreenDrawing::TOffscreenDrawing(const char* programName) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    // The toolkit keeps argc by reference and argv for its whole life.
    static int argc = 1;
    static char* argv[] = {const_cast<char*>(programName), nullptr};
    application_ = std::make_unique<QGuiApplication>(argc, argv);
}

TOffscreenDrawing::~TOffscreenDrawing() = default;

} // namespace korvisel
