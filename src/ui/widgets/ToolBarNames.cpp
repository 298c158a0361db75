// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/ToolBarNames.h"

#include <QToolBar>
#include <QToolButton>

namespace korvisel {

void NameExtensionButton(QToolBar& bar, const QString& name) {
    // Qt's own object name for the button; it exists from the bar's creation on.
    if (auto* button = bar.findChild<QToolButton*>("qt_toolbar_ext_button", Qt::FindDirectChildrenOnly)) {
        button->setAccessibleName(name);
        button->setToolTip(name);
    }
}

} // namespace korvisel
