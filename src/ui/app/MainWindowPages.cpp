// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's pages: the tree beside a stack of summary and editing pages, and which page a
// node shows.
#include "ui/app/MainWindow.h"

#include "editor/DeviceEdits.h"
#include "editor/InputEdits.h"
#include "ui/app/ClipboardCommands.h"
#include "ui/app/PageStack.h"
#include "ui/app/ProblemsPanel.h"
#include "ui/app/TabChain.h"
#include "ui/dialogs/PhoneDialog.h"
#include "ui/pages/EditPage.h"
#include "ui/pages/SummaryPages.h"
#include "ui/widgets/NavigationTreeView.h"
#include "ui/widgets/QtText.h"

#include <QMenu>
#include <QScrollArea>
#include <QSplitter>
#include <QVBoxLayout>

namespace korvisel {
namespace {

constexpr int TreeWidth = 240;
// Narrower, the tree's captions would be little more than their ellipses.
constexpr int TreeMinimumWidth = 120;

} // namespace

void TApplicationForm::CreatePages() {
    auto* splitter = new QSplitter(this);
    treeView_ = new TNavigationTreeView(tree_, document_.Project(), texts_, splitter);
    treeView_->setMinimumWidth(TreeMinimumWidth);
    // A window smaller than a page's designed size scrolls the page; a larger one gives it the room.
    auto* scroll = new QScrollArea(splitter);
    scroll->setObjectName("PageScroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    pages_ = new TPageStack(*pageContext_, scroll);
    scroll->setWidget(pages_);
    splitter->addWidget(treeView_);
    splitter->addWidget(scroll);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({TreeWidth, 1});
    splitter->setChildrenCollapsible(false);
    splitter->setObjectName("Panel1");
    setCentralWidget(splitter);

    inputPage_ = qobject_cast<TInputSummaryPage*>(pages_->PageOfKind(nkInput));
    testPage_ = qobject_cast<TTestInformationPage*>(pages_->PageOfKind(nkGsmTest));
    ConnectSummaryChecks();

    connect(treeView_, &TNavigationTreeView::NodeSelected, this,
            [this](int node) { ShowNodePage(tree_.Node(node).Data); });
    connect(treeView_, &TNavigationTreeView::SpacePressed, this, [this] {
        if (currentNodeKind_ == nkInput &&
            document_.Project().Inputs.Contains(static_cast<std::size_t>(currentInput_)))
            ToggleInput(!document_.Project().Inputs[static_cast<std::size_t>(currentInput_)].Enabled);
    });
    treePopup_ = new QMenu(this);
    treePopup_->setObjectName("TreePopup");
    treePopup_->addAction("Enable", this, [this] { ToggleInput(true); })->setObjectName("TrEnable1");
    treePopup_->addAction("Disable", this, [this] { ToggleInput(false); })->setObjectName("TrDisable1");
    treeView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(treeView_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ShowTreePopup(at); });
}

void TApplicationForm::ConnectSummaryChecks() {
    // The phones an enabled input asks for through the phone dialog are part of the same step.
    connect(inputPage_->InputCheck(), &QCheckBox::clicked, this, [this](bool checked) {
        document_.Edit(CurrentPlace(inputPage_->InputCheck()), [&](TProjectInfo& project) {
            ClickInputCheck(project, *phoneDialog_, TInputNumber{currentInput_}, checked);
        });
    });
    connect(inputPage_->SetOutCBox(), &QCheckBox::clicked, this, [this](bool checked) {
        document_.Edit(CurrentPlace(inputPage_->SetOutCBox()), [&](TProjectInfo& project) {
            ClickArmConfirm(project, TInputNumber{currentInput_}, checked);
        });
    });
    connect(testPage_->TestCheck(), &QCheckBox::clicked, this, [this](bool checked) {
        if (currentInput_ == currentOutput_)
            document_.Edit(CurrentPlace(testPage_->TestCheck()),
                           [&](TProjectInfo& project) { ClickTestCheck(project, currentOutput_, checked); });
    });
}

void TApplicationForm::ShowNodePage(const TTreeNodeData& node) {
    Action("ActPrint")->setEnabled(false);
    currentInput_ = node.Input;
    currentOutput_ = node.Output;
    currentNodeKind_ = node.Kind;
    pages_->ShowNode(node, !treeView_->SelectingByKeyboard());
    QWidget* page = pages_->currentWidget();
    const auto* editPage = qobject_cast<TEditPage*>(page);
    ChainTabOrder(treeView_, page, editPage ? editPage->Description() : nullptr, problems_->List());
}

void TApplicationForm::RefreshCurrentPage() {
    int node = treeView_->SelectedNode();
    if (node < 0)
        node = 0;
    ShowNodePage(tree_.Node(node).Data);
    treeView_->viewport()->update();
}

} // namespace korvisel
