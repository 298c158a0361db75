// SPDX-License-Identifier: GPL-3.0-or-later
// Access keys given to a menu's items or to the menu bar's titles as they are shown, whatever
// language their captions come from.
#pragma once

class QMenu;
class QMenuBar;

namespace korvisel {

void GiveAccessKeys(QMenu& menu);
void GiveAccessKeys(QMenuBar& bar);

} // namespace korvisel
