// SPDX-License-Identifier: GPL-3.0-or-later
// A name for the button a tool bar shows when it is too narrow for all its commands: Qt draws it as
// a bare arrow, which a screen reader could not name.
#pragma once

#include <QString>

class QToolBar;

namespace korvisel {

void NameExtensionButton(QToolBar& bar, const QString& name);

} // namespace korvisel
