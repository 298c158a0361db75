// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/MenuAccessKeys.h"

#include "i18n/AccessKeys.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace korvisel {
namespace {

void MarkActions(const QList<QAction*>& all, bool titles) {
    QList<QAction*> actions;
    std::vector<std::string> captions;
    for (QAction* action : all)
        if (!action->isSeparator() && action->isVisible()) {
            actions << action;
            captions.push_back(
                (titles && action->menu() ? action->menu()->title() : action->text()).toStdString());
        }
    const std::vector<std::string> marked = WithAccessKeys(captions);
    for (qsizetype n = 0; n < actions.size(); ++n) {
        const QString text = QString::fromStdString(marked[static_cast<std::size_t>(n)]);
        if (titles && actions[n]->menu())
            actions[n]->menu()->setTitle(text);
        else
            actions[n]->setText(text);
    }
}

} // namespace

void GiveAccessKeys(QMenu& menu) {
    MarkActions(menu.actions(), false);
}

void GiveAccessKeys(QMenuBar& bar) {
    MarkActions(bar.actions(), true);
}

} // namespace korvisel
