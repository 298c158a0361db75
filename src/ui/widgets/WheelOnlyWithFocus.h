// SPDX-License-Identifier: GPL-3.0-or-later
// Lists, spin boxes and sliders that take the mouse wheel only while they have the focus: a wheel
// turned over one on its way across a page must not change a setting the user never chose.
#pragma once

class QWidget;

namespace korvisel {

// Every such control under `root`, now and as it stands, takes the focus by click or Tab only and
// passes a wheel turned over it unfocused on to its parent.
void TakeWheelOnlyWithFocus(QWidget* root);

} // namespace korvisel
