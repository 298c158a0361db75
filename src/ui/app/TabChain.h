// SPDX-License-Identifier: GPL-3.0-or-later
// The order Tab moves in through the main window: the tree, the controls of the page shown, then the
// Problems panel, whatever order the widgets were made in.
#pragma once

class QWidget;

namespace korvisel {

// `closing` (may be null) is the page's control that comes after its others (its description).
void ChainTabOrder(QWidget* tree, QWidget* page, QWidget* closing, QWidget* after);

} // namespace korvisel
