// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/TabChain.h"

#include <QWidget>

#include <vector>

namespace korvisel {

void ChainTabOrder(QWidget* tree, QWidget* page, QWidget* closing, QWidget* after) {
    std::vector<QWidget*> chain{tree};
    // The page's controls in the order they have among themselves.
    for (QWidget* w = page->nextInFocusChain(); w != page; w = w->nextInFocusChain())
        if (page->isAncestorOf(w) && w != closing && (w->focusPolicy() & Qt::TabFocus))
            chain.push_back(w);
    if (closing)
        chain.push_back(closing);
    // A panel dragged out into a window of its own has a Tab order of its own.
    if (after->window() == tree->window())
        chain.push_back(after);
    for (std::size_t n = 0; n + 1 < chain.size(); ++n)
        QWidget::setTabOrder(chain[n], chain[n + 1]);
}

} // namespace korvisel
