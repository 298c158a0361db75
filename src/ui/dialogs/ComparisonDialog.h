// SPDX-License-Identifier: GPL-3.0-or-later
// The settings in which the project differs from a device or a kept backup: one row per field with
// the page that edits it, the value in the project and the other one. A double click on a row shows
// its page; the project is never changed from here.
#pragma once

#include "fields/NavigationTree.h"
#include "i18n/LanguageTexts.h"
#include "json/ProjectDiff.h"

#include <QDialog>

#include <vector>

class QLabel;
class QTreeWidget;

namespace korvisel {

class TComparisonDialog : public QDialog {
    Q_OBJECT
public:
    TComparisonDialog(const TLanguageTexts& texts, QWidget* parent);

    // The project's differences from the settings of `source` (a port or a file), which come from a
    // backup when `backup` is set; shown without waiting, so the window stays usable beside it.
    void ShowDifferences(const std::vector<TFieldDifference>& differences, const QString& source,
                         bool backup);
    QTreeWidget* List() const { return list_; }
    QLabel* Summary() const { return summary_; }

signals:
    void NodeChosen(const TTreeNodeData& node);

private:
    const TLanguageTexts& texts_;
    QLabel* summary_;
    QTreeWidget* list_;
    std::vector<TTreeNodeData> nodes_;
};

} // namespace korvisel
