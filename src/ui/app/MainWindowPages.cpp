// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's pages: the tree beside a stack of summary and editing pages, and which page a
// node shows.
#include "ui/app/MainWindow.h"

#include "editor/DeviceEdits.h"
#include "editor/InputEdits.h"
#include "ui/app/ClipboardCommands.h"
#include "ui/dialogs/PhoneDialog.h"
#include "ui/pages/AlarmPage.h"
#include "ui/pages/ClipPage.h"
#include "ui/pages/DataPages.h"
#include "ui/pages/OutputPages.h"
#include "ui/pages/PhoneBookPage.h"
#include "ui/pages/PrintPages.h"
#include "ui/pages/ReportTypePage.h"
#include "ui/pages/SignalPage.h"
#include "ui/pages/SimPages.h"
#include "ui/pages/SmsPages.h"
#include "ui/pages/SummaryPages.h"
#include "ui/pages/TestBlockPages.h"
#include "ui/pages/TimePage.h"
#include "ui/widgets/NavigationTreeView.h"
#include "ui/widgets/QtText.h"

#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace korvisel {
namespace {

constexpr int TreeWidth = 240;

// The pages that carry a description list, with the text each shows.
const std::pair<const char*, const char*> DescriptionPages[] = {
    {"Signal", "LIST_DESCR_SIGNAL"},
    {"Time", "LIST_DESCR_TIME"},
    {"SMS_Text", "LIST_DESCR_SMS_TEXT"},
    {"Phone", "LIST_DESCR_PHONE"},
    {"Pin", "LIST_DESCR_PIN"},
    {"TestTime", "LIST_DESCR_TEST_TIME"},
    {"SMSCentre", "LIST_DESCR_SMS_CENTR"},
    {"PrintInfoSNum", "LIST_DESCR_PRN_SER_N"},
    {"PrintInfoPwSuppl", "LIST_DESCR_PRN_P_SUP"},
    {"PrintInfoRegNum", "LIST_DESCR_PRN_REG_N"},
    {"PrintInfoSIMPh", "LIST_DESCR_PRN_SIM_P"},
    {"PrintInfoComment", "LIST_DESCR_PRN_COME"},
    {"PrintFWareVersion", "LIST_DESCR_PRN_FW_V"},
};

} // namespace

void TApplicationForm::CreatePages() {
    auto* splitter = new QSplitter(this);
    treeView_ = new TNavigationTreeView(tree_, document_.Project, texts_, splitter);
    treeView_->setMinimumWidth(TreeWidth);
    treeView_->setMaximumWidth(TreeWidth);
    pages_ = new QStackedWidget(splitter);
    pages_->setObjectName("Notebook1");
    splitter->addWidget(treeView_);
    splitter->addWidget(pages_);
    splitter->setChildrenCollapsible(false);
    splitter->setObjectName("Panel1");
    setCentralWidget(splitter);

    CreateEditPages();
    projectPage_ = new TProjectSummaryPage(pages_);
    inputPage_ = new TInputSummaryPage(pages_);
    outputPage_ = new TOutputSummaryPage(pages_);
    testBlockPage_ = new TTestBlockSummaryPage(pages_);
    testPage_ = new TTestInformationPage(pages_);
    printPage_ = new TPrintInfoSummaryPage(pages_);
    for (QWidget* page : std::initializer_list<QWidget*>{projectPage_, inputPage_, outputPage_,
                                                         testBlockPage_, testPage_, printPage_}) {
        pages_->addWidget(page);
        pageByName_.insert(page->objectName(), page);
    }
    for (const auto& [page, key] : DescriptionPages) {
        TDescriptionList* list = qobject_cast<TEditPage*>(Page(page))->Description();
        list->setObjectName(QString("Description") + page);
        descriptions_.insert(key, list);
    }
    ConnectSummaryChecks();

    connect(treeView_, &TNavigationTreeView::NodeSelected, this,
            [this](int node) { ShowNodePage(tree_.Node(node).Data); });
    connect(treeView_, &TNavigationTreeView::SpacePressed, this, [this] {
        if (currentNodeKind_ == nkInput &&
            document_.Project.Inputs.Contains(static_cast<std::size_t>(currentInput_)))
            ToggleInput(!document_.Project.Inputs[static_cast<std::size_t>(currentInput_)].Enabled);
    });
    treePopup_ = new QMenu(this);
    treePopup_->setObjectName("TreePopup");
    treePopup_->addAction("Enable", this, [this] { ToggleInput(true); })->setObjectName("TrEnable1");
    treePopup_->addAction("Disable", this, [this] { ToggleInput(false); })->setObjectName("TrDisable1");
    treeView_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(treeView_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { ShowTreePopup(at); });
}

void TApplicationForm::CreateEditPages() {
    TPageContext& context = *pageContext_;
    QWidget* parent = pages_;
    for (TEditPage* page : std::initializer_list<TEditPage*>{
             new TSignalPage(context, parent),
             new TTimePage(context, parent),
             new TInputReportPage(context, parent),
             new TInputSmsPage(context, parent),
             new TAlarmPage(context, parent),
             new TInputClipPage(context, parent),
             new TInputDataPage(context, parent),
             new TOutStartPage(context, parent),
             new TOutTypePage(context, parent),
             new TOutTimePage(context, parent),
             new TOutputSmsPage(TOutputSmsPage::TKind::Control, context, parent),
             new TOutputSmsPage(TOutputSmsPage::TKind::Answer, context, parent),
             new TPhoneBookPage(context, parent),
             new TPinPage(context, parent),
             new TSmsCentrePage(context, parent),
             new TTestTimePage(context, parent),
             new TTestReportPage(context, parent),
             new TTestSmsPage(context, parent),
             new TTestClipPage(context, parent),
             new TTestDataPage(context, parent),
             new TGsmLevelPage(context, parent),
             new TGsmTimePage(context, parent),
             new TGsmSmsPage(context, parent),
             new TCrowPage(context, parent),
             NewSerialNumberPage(context, parent),
             new TPowerSupplyPage(context, parent),
             new TCommentPage(context, parent),
             NewSimPhonePage(context, parent),
             NewRegNumberPage(context, parent),
             NewFirmwarePage(context, parent),
         }) {
        pages_->addWidget(page);
        pageByName_.insert(page->objectName(), page);
    }
}

void TApplicationForm::ConnectSummaryChecks() {
    connect(inputPage_->InputCheck(), &QCheckBox::clicked, this, [this](bool checked) {
        if (fillingPage_)
            return;
        ClickInputCheck(document_, *phoneDialog_, currentInput_, checked);
        RepaintTree();
    });
    connect(inputPage_->SetOutCBox(), &QCheckBox::clicked, this, [this](bool checked) {
        if (!fillingPage_)
            ClickArmConfirm(document_, currentInput_, checked);
    });
    connect(testPage_->TestCheck(), &QCheckBox::clicked, this, [this](bool checked) {
        if (fillingPage_ || currentInput_ != currentOutput_)
            return;
        ClickTestCheck(document_, currentOutput_, checked);
        RefreshCurrentPage();
    });
}

void TApplicationForm::ShowNodePage(const TTreeNodeData& node) {
    ++dispatchCount_;
    Action("ActPrint")->setEnabled(false);
    currentInput_ = node.Input;
    currentOutput_ = node.Output;
    currentNodeKind_ = node.Kind;
    switch (node.Kind) {
    case nkInfo:
        clipboard_->DisableActions();
        projectPage_->Fill(document_.Project, texts_);
        break;
    case nkInput:
        clipboard_->DisableActions();
        inputPage_->Fill(document_.Project, node.Input, texts_);
        break;
    case nkOutput:
        outputPage_->Fill(document_.Project, node.Output, texts_);
        break;
    case nkTestBlock:
        testBlockPage_->Fill(document_.Project, texts_);
        break;
    case nkGsmTest:
        testPage_->FillGsmSupervision(document_.Project, node.Output, texts_);
        break;
    case nkPeriodicTest:
        testPage_->FillPeriodicTest(document_.Project, node.Output, texts_);
        break;
    default:
        break;
    }
    QWidget* page = Page(NodePageName(node.Kind));
    auto* editPage = qobject_cast<TEditPage*>(page);
    if (editPage)
        editPage->Fill(node);
    pages_->setCurrentWidget(page);
    if (editPage)
        editPage->OnScreen(!treeView_->SelectingByKeyboard());
    if (node.Kind == nkPrintInfo)
        printPage_->Fill(document_.Print, texts_);
}

void TApplicationForm::RefreshCurrentPage() {
    int node = treeView_->SelectedNode();
    if (node < 0)
        node = 0;
    ShowNodePage(tree_.Node(node).Data);
    treeView_->viewport()->update();
}

} // namespace korvisel
