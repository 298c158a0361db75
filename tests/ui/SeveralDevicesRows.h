// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of Write to Several Devices as the tests reach them: a port's row, and a tick as the
// keyboard gives it.
#pragma once

#include "ui/dialogs/SeveralDevicesDialog.h"

#include <QTest>
#include <QTreeWidget>

namespace korvisel::test {

constexpr int PortColumn = 0, SiteColumn = 1, DeviceColumn = 2, StateColumn = 4, FirmwareColumn = 5;

inline QTreeWidgetItem* RowOf(TSeveralDevicesDialog& dialog, const QString& port) {
    const QList<QTreeWidgetItem*> found = dialog.List()->findItems(port, Qt::MatchExactly, PortColumn);
    return found.isEmpty() ? nullptr : found.front();
}

// The row made current, then Space.
inline void TickWithSpace(TSeveralDevicesDialog& dialog, const QString& port) {
    dialog.List()->setCurrentItem(RowOf(dialog, port));
    QTest::keyClick(dialog.List()->viewport(), Qt::Key_Space);
}

} // namespace korvisel::test
