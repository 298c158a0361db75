// SPDX-License-Identifier: GPL-3.0-or-later
// The Problems panel: what the check before a write would report for the project as it is now, and
// the values a foreign file holds outside the editor's ranges, one row each; and the status bar's
// count of them. Activating a row (double click or Enter) asks to go where it is fixed.
#pragma once

#include "editor/ProjectProblems.h"

#include <QDockWidget>

#include <vector>

class QListWidget;
class QToolButton;

namespace korvisel {

class TProblemsPanel : public QDockWidget {
    Q_OBJECT
public:
    TProblemsPanel(const TLanguageTexts& texts, QWidget* parent);

    // The rows and the count for `project` as it is now. Unchanged problems keep the rows, and the
    // row the user is on, as they are.
    void Update(const TProjectInfo& project);
    // The title, the count's words and the rows again, in the current language.
    void ApplyCaptions();
    // The status bar's count; a click on it shows the panel.
    QToolButton* CountButton() const { return count_; }
    const std::vector<TProblem>& Problems() const { return problems_; }
    QListWidget* List() const { return list_; }

signals:
    void Activated(const TProblemPlace& place);

private:
    void Fill();

    const TLanguageTexts& texts_;
    QListWidget* list_;
    QToolButton* count_;
    std::vector<TProblem> problems_;
};

} // namespace korvisel
