// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/NodePage.h"

namespace korvisel {

TNodePage::TNodePage(const QString& pageName, QWidget* parent) : QWidget(parent) {
    setObjectName(pageName);
}

void TNodePage::OnScreen(bool) {}

void TNodePage::Refresh(const TTreeNodeData& node, const std::string&) {
    ShowNode(node);
}

} // namespace korvisel
