// SPDX-License-Identifier: GPL-3.0-or-later
// A list row whose empty cells a screen reader reads as empty instead of skipping them, so that a
// row is heard with as many cells as it shows.
#pragma once

#include "i18n/LanguageTexts.h"
#include "ui/widgets/QtText.h"

#include <QTreeWidgetItem>

namespace korvisel {

class TSpokenTreeItem : public QTreeWidgetItem {
public:
    template <typename Parent>
    TSpokenTreeItem(Parent* parent, const TLanguageTexts& texts) : QTreeWidgetItem(parent), texts_(texts) {}
    explicit TSpokenTreeItem(const TLanguageTexts& texts) : texts_(texts) {}

    QVariant data(int column, int role) const override {
        if (role == Qt::AccessibleTextRole && text(column).isEmpty())
            return Q(texts_.Text("PRG_A11Y_EMPTY_CELL"));
        return QTreeWidgetItem::data(column, role);
    }

private:
    const TLanguageTexts& texts_;
};

} // namespace korvisel
