// SPDX-License-Identifier: GPL-3.0-or-later
// The pages beside the navigation tree: one widget per page type the node kinds show, and the step
// that shows a node's page.
#pragma once

#include "fields/NavigationTree.h"
#include "ui/pages/NodePage.h"

#include <QHash>

#include <QStackedWidget>
#include <map>

namespace korvisel {

class TPageStack : public QStackedWidget {
    Q_OBJECT
public:
    TPageStack(TPageContext& context, QWidget* parent);

    // Fills the page of the node's kind, brings it up, and tells it that it is on screen.
    void ShowNode(const TTreeNodeData& node, bool mayTakeFocus);
    // The project changed at `place`: the page shown is filled again, and the control of the edit,
    // where it is on this page, keeps what the user typed.
    void Refresh(const TEditPlace& place);

    // The page a kind shows; the project summary for a number that is no kind.
    TNodePage* PageOfKind(TNodeKind kind) const;
    // The page of a name, for tests and screenshots; nullptr for an unknown name.
    TNodePage* Page(const QString& name) const { return byName_.value(name); }

    // The description lists' texts in the current language.
    void ApplyDescriptions(const TLanguageTexts& texts);

    // The page shown decides: the scroll area around the stack scrolls only as far as that page
    // needs, not as far as the largest page would.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    QHash<QString, TNodePage*> byName_;
    std::map<TNodeKind, TNodePage*> byKind_;
    TTreeNodeData shown_;
};

} // namespace korvisel
