// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/ProblemsPanel.h"

#include "ui/widgets/QtText.h"

#include <QListWidget>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace korvisel {
namespace {

QStyle::StandardPixmap IconOf(TProblemKind kind) {
    switch (kind) {
    case TProblemKind::CheckError:
        return QStyle::SP_MessageBoxCritical;
    case TProblemKind::CheckWarning:
    case TProblemKind::CheckNote:
        return QStyle::SP_MessageBoxWarning;
    default:
        return QStyle::SP_MessageBoxInformation;
    }
}

} // namespace

TProblemsPanel::TProblemsPanel(const TLanguageTexts& texts, QWidget* parent)
    : QDockWidget(parent), texts_(texts), list_(new QListWidget(this)), count_(new QToolButton(this)) {
    setObjectName("ProblemsPanel");
    setAllowedAreas(Qt::BottomDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable);
    list_->setObjectName("ProblemList");
    list_->setUniformItemSizes(true);
    list_->setIconSize(QSize(16, 16));
    setWidget(list_);
    connect(list_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = list_->row(item);
        if (row >= 0 && static_cast<std::size_t>(row) < problems_.size())
            emit Activated(problems_[static_cast<std::size_t>(row)].Place);
    });
    count_->setObjectName("ProblemCount");
    count_->setAutoRaise(true);
    count_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    count_->setIconSize(QSize(16, 16));
    connect(count_, &QToolButton::clicked, this, [this] {
        show();
        raise();
        list_->setFocus();
    });
    ApplyCaptions();
}

void TProblemsPanel::Update(const TProjectInfo& project) {
    std::vector<TProblem> problems = ProjectProblems(project);
    if (problems == problems_)
        return;
    problems_ = std::move(problems);
    Fill();
}

void TProblemsPanel::ApplyCaptions() {
    setWindowTitle(Q(texts_.Text("PRG_PROBLEMS")));
    list_->setAccessibleName(windowTitle());
    count_->setToolTip(Q(texts_.Text("PRG_PROBLEMS_COUNT_TIP")));
    Fill();
}

void TProblemsPanel::Fill() {
    const int current = list_->currentRow();
    list_->clear();
    for (const TProblem& problem : problems_)
        list_->addItem(new QListWidgetItem(style()->standardIcon(IconOf(problem.Kind)),
                                           Q(ProblemText(problem, texts_))));
    if (current >= 0 && current < list_->count())
        list_->setCurrentRow(current);
    count_->setText(Q(ProblemCountText(problems_.size(), texts_)));
    const bool errors = std::any_of(problems_.begin(), problems_.end(),
                                    [](const TProblem& p) { return p.Kind == TProblemKind::CheckError; });
    count_->setIcon(problems_.empty() ? QIcon()
                                      : style()->standardIcon(errors ? QStyle::SP_MessageBoxCritical
                                                                     : QStyle::SP_MessageBoxWarning));
}

} // namespace korvisel
