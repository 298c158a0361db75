#include "app/MainWindow.h"

#include "files/FileIo.h"

#include "app/OptionForm.h"
#include "app/TransferForm.h"
#include "editor/ClipboardCommands.h"
#include "editor/CodeLibraryForm.h"
#include "editor/DeviceEdits.h"
#include "editor/Icons.h"
#include "editor/InputEdits.h"
#include "editor/PDUnit.h"
#include "editor/PhoneBookActions.h"
#include "editor/QtText.h"
#include "editor/SummaryPages.h"
#include "editor/TreeView.h"
#include "editor/UnitAudio.h"
#include "editor/pages/AlarmPage.h"
#include "editor/pages/ClipPage.h"
#include "editor/pages/DataPages.h"
#include "editor/pages/OutputPages.h"
#include "editor/pages/PhoneBookPage.h"
#include "editor/pages/PrintPages.h"
#include "editor/pages/ReportTypePage.h"
#include "editor/pages/SignalPage.h"
#include "editor/pages/SimPages.h"
#include "editor/pages/SmsPages.h"
#include "editor/pages/TestBlockPages.h"
#include "editor/pages/TimePage.h"
#include "files/Backups.h"
#include "files/StandardPaths.h"
#include "i18n/LanguageFile.h"
#include "link/PortAssignment.h"
#include "link/TransferCommands.h"
#include "report/ReportPreview.h"
#include "report/ReportValues.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

namespace korvisel {
namespace {

constexpr int TreeWidth = 240;
const QSize DesignClientSize(712, 453);

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

// Every command: its name, design caption and key.
struct CommandInfo {
    const char* Name;
    const char* Caption;
    QKeySequence Key;
    const char* Icon = nullptr;
};

} // namespace

TApplicationForm::TApplicationForm(IMessageBoxes& boxes, TSettingsStore& store, QWidget* parent)
    : QMainWindow(parent), boxes_(boxes), store_(store), pollTimer_(new QTimer(this)) {
    setObjectName("ApplicationForm");
    // Creation: the built-in texts, a reset project, the tree, the first summary.
    fillingPage_ = true;
    cpuPort_.SetPortName(std::string(DevicePathPrefix) + "COM2");
    cpuPort_.SetOutputTimeout(50);
    cpuPort_.SetBaudRate(br9600);
    cpuPort_.OnPollingRestart = [this](std::uint16_t delay) { pollTimer_->start(delay); };
    connect(pollTimer_, &QTimer::timeout, this, [this] { cpuPort_.Poll(); });
    pollTimer_->start(cpuPort_.PollingDelay());
    texts_.SetBuiltInTexts();
    ResetProject(document_.Project, document_.Print, document_.FileName);
    commands_ = std::make_unique<TDocumentCommands>(
        document_, boxes_, static_cast<IDocumentView&>(*this), texts_,
        [this](const std::string& ext) { return MatchModuleExtension(store_, modules_, ext); });
    modules_ = LoadModules(store_);
    reportFolders_ = DefaultReportFolders();
    reportOpener_ = [](const std::string& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(Q(path))); };
    transferForm_ = new TFormWRCPU(texts_, boxes_, this);
    phoneDialog_ = new TPhoneDialog(this);
    codeLibrary_ = new TCodeLibraryForm(texts_, this);
    phoneBook_ = new TPhoneBookActions(document_, texts_, *phoneDialog_, this);
    connect(phoneBook_, &TPhoneBookActions::Changed, this, [this] { RepaintTree(); });
    optionForm_ = new TOptionForm(store_, options_, ProgramFolder() + "/", this);
    audioForm_ = new TAudioForm(this);
    reportPreview_ = new TReportPreview(this);

    CreateActions();
    CreateMenusAndToolBars();
    clipboard_ = new TClipboardCommands(
        document_, *phoneBook_,
        {Action("ActCut"), Action("ActCopy"), Action("ActPaste"), Action("ActDelete")}, this);
    pageContext_.reset(new TPageContext{document_, texts_, *phoneDialog_, *codeLibrary_, *phoneBook_,
                                        *clipboard_, static_cast<IPageHost&>(*this), fillingPage_});
    CreatePages();
    fillingPage_ = false;

    tree_.BuildNodeTree();
    treeView_->BuildItems();
    for (int i = 1; i <= static_cast<int>(InputCount); ++i)
        SyncInputReportNodes(i, document_.Project.Inputs[static_cast<std::size_t>(i)].ReportType);
    ShowTitle(DocumentTitle(document_.FileName));
    projectPage_->Fill(document_.Project, texts_);
    pages_->setCurrentWidget(projectPage_);
    ExportLanguageTexts(texts_, nullptr, store_);
    SyncTestReportNodes();

    setWindowIcon(QIcon::fromTheme("org.korvisel.Korvisel", DrawnIcon("INPUT")));
    resize(DesignClientSize.width(), DesignClientSize.height() + menuBar()->sizeHint().height() +
                                         ToolBar("File")->sizeHint().height() +
                                         statusBar()->sizeHint().height());
    // A fixed frame: only the toolbars change the window's height (see ToggleToolBar).
    setFixedSize(size().expandedTo(QSize(660, 480)));
}

TApplicationForm::~TApplicationForm() {
    // The settings dialog saves its values as it goes, before this window saves its own last.
    delete optionForm_;
    // The working folder stored is the one the file dialogs last used.
    if (!document_.DialogFolder.empty())
        settings_.WorkPath = document_.DialogFolder;
    if (document_.FileName != UntitledFileName)
        settings_.RecentFiles.PutOnTop(document_.FileName);
    ResetProject(document_.Project, document_.Print, document_.FileName);
    SaveMainWindowSettings(store_, settings_);
}

QAction* TApplicationForm::Action(const QString& name) const {
    return actions_.value(name);
}

QToolBar* TApplicationForm::ToolBar(const QString& name) const {
    return toolBars_.value(name);
}

void TApplicationForm::CreateActions() {
    const CommandInfo commands[] = {
        {"ActNew", "&New", QKeySequence("Ctrl+N"), "NEW"},
        {"ActOpen", "&Open", QKeySequence("Ctrl+O"), "OPEN"},
        {"ActSave", "&Save", QKeySequence("Ctrl+S"), "SAVE"},
        {"ActSaveAs", "Save &As ...", QKeySequence("Ctrl+A")},
        {"ActClose", "Close", {}},
        {"ActExit", "E&xit", QKeySequence("Ctrl+Q")},
        {"ActUndo", "Undo", QKeySequence("Ctrl+Z"), "UNDO"},
        {"ActRedo", "Redo", QKeySequence("Ctrl+Y"), "REDO"},
        {"ActCut", "Cu&t", QKeySequence("Ctrl+X"), "CUT"},
        {"ActCopy", "&Copy", QKeySequence("Ctrl+C"), "COPY"},
        {"ActPaste", "&Paste", QKeySequence("Ctrl+V"), "PASTE"},
        {"ActDelete", "Delete", QKeySequence("Ctrl+Del"), "DELETE"},
        {"ActPrintSet", "Printer Setup", {}},
        {"ActPrntPrev", "Print Preview", {}, "PREVIEW"},
        {"ActPrint", "&Print", QKeySequence("Ctrl+P"), "PRINT"},
        {"ActRead", "Read", {}, "READ"},
        {"ActWrite", "Write", {}, "WRITE"},
        {"ActLanguage", "Language ...", {}, "LANGUAGE"},
        {"ActSetting", "Settings ...", {}, "SETTINGS"},
        {"ActContents", "Contents", QKeySequence("F1")},
        {"ActHelp", "Korvisel Help", {}, "HELP"},
        {"ActAbout", "&About", QKeySequence("Ctrl+U"), "ABOUT"},
        {"ActPanelFile", "Panel File", {}},
        {"ActPanelEdit", "Panel Edit", {}},
        {"ActPanelTools", "Panel Tools", {}},
        {"ActPanelOptions", "Panel Options", {}},
        {"ActPanelHelp", "Panel Help", {}},
    };
    for (const CommandInfo& c : commands) {
        auto* action = new QAction(c.Caption, this);
        action->setObjectName(c.Name);
        action->setShortcut(c.Key);
        if (c.Icon)
            action->setIcon(CommandIcon(c.Icon));
        actions_.insert(c.Name, action);
    }
    // Undo and Redo are never available. Cut, Copy, Paste and Delete follow their clipboard target.
    // Print and Printer Setup are done from the preview, whose PDF output is a printer on every machine.
    for (const char* name : {"ActUndo", "ActRedo", "ActPrintSet", "ActPrint"})
        Action(name)->setEnabled(false);
    connect(Action("ActPrntPrev"), &QAction::triggered, this, [this] { PreviewReport(); });
    connect(Action("ActSetting"), &QAction::triggered, this,
            [this] { OpenSettings(TOptionForm::TTab::General); });
    connect(Action("ActLanguage"), &QAction::triggered, this,
            [this] { OpenSettings(TOptionForm::TTab::Language); });
    connect(Action("ActWrite"), &QAction::triggered, this, [this] { WriteToDevice(); });
    connect(Action("ActRead"), &QAction::triggered, this, [this] { ReadFromDevice(); });

    connect(Action("ActNew"), &QAction::triggered, this, [this] { commands_->New(); });
    connect(Action("ActOpen"), &QAction::triggered, this, [this] { commands_->Open(); });
    connect(Action("ActSave"), &QAction::triggered, this, [this] { commands_->Save(); });
    connect(Action("ActSaveAs"), &QAction::triggered, this, [this] { commands_->SaveAs(); });
    connect(Action("ActClose"), &QAction::triggered, this, [this] { commands_->Close(); });
    connect(Action("ActExit"), &QAction::triggered, this, [this] {
        if (commands_->Exit()) {
            closingConfirmed_ = true;
            close();
        }
    });
    connect(Action("ActAbout"), &QAction::triggered, this, [this] { ShowAbout(); });
    connect(Action("ActHelp"), &QAction::triggered, this, [this] { OpenHelp(HelpCommandFile(store_), {}); });
    connect(Action("ActContents"), &QAction::triggered, this, [this] {
        settings_.HelpFile = ContentsHelpFile(store_);
        QWidget* focused = QApplication::focusWidget();
        if (!focused || !isAncestorOf(focused))
            return;
        const int node = treeView_->SelectedNode();
        if (focused == treeView_ && node >= 0)
            if (const auto context = NodeHelpContext(tree_.Node(node).Data.Kind)) {
                OpenHelp(settings_.HelpFile, QString("context-%1").arg(*context));
                return;
            }
        OpenHelp(settings_.HelpFile, "index");
    });
}

void TApplicationForm::CreateMenusAndToolBars() {
    fileMenu_ = menuBar()->addMenu("File");
    for (const char* name : {"ActNew", "ActOpen", "ActSave", "ActSaveAs", "ActClose"})
        fileMenu_->addAction(Action(name));
    fileMenu_->addSeparator();
    for (const char* name : {"ActPrintSet", "ActPrntPrev", "ActPrint"})
        fileMenu_->addAction(Action(name));
    recentSeparator_ = fileMenu_->addSeparator();
    fileMenu_->addSeparator();
    fileMenu_->addAction(Action("ActExit"));
    connect(fileMenu_, &QMenu::aboutToShow, this, [this] { RebuildRecentFilesMenu(); });

    editMenu_ = menuBar()->addMenu("Edit");
    editMenu_->addAction(Action("ActUndo"));
    editMenu_->addAction(Action("ActRedo"));
    editMenu_->addSeparator();
    for (const char* name : {"ActCut", "ActCopy", "ActPaste", "ActDelete"})
        editMenu_->addAction(Action(name));

    viewMenu_ = menuBar()->addMenu("View");
    toolsMenu_ = menuBar()->addMenu("Tools");
    toolsMenu_->addAction(Action("ActRead"));
    toolsMenu_->addAction(Action("ActWrite"));
    optionsMenu_ = menuBar()->addMenu("Options");
    optionsMenu_->addAction(Action("ActLanguage"));
    optionsMenu_->addSeparator();
    optionsMenu_->addAction(Action("ActSetting"));
    helpMenu_ = menuBar()->addMenu("Help");
    helpMenu_->addAction(Action("ActContents"));
    helpMenu_->addAction(Action("ActHelp"));
    helpMenu_->addSeparator();
    helpMenu_->addAction(Action("ActAbout"));

    const std::pair<const char*, std::vector<const char*>> bars[] = {
        {"File", {"ActNew", "ActOpen", "ActSave", "", "ActPrntPrev", "ActPrint"}},
        {"Edit", {"ActUndo", "ActRedo", "", "ActCut", "ActCopy", "ActPaste", "ActDelete"}},
        {"Tools", {"ActRead", "ActWrite"}},
        {"Options", {"ActLanguage", "ActSetting"}},
        {"Help", {"ActHelp", "ActAbout"}},
    };
    const std::pair<const char*, const char*> panels[] = {{"ActPanelFile", "File"},
                                                          {"ActPanelEdit", "Edit"},
                                                          {"ActPanelTools", "Tools"},
                                                          {"ActPanelOptions", "Options"},
                                                          {"ActPanelHelp", "Help"}};
    for (const auto& [name, items] : bars) {
        QToolBar* bar = addToolBar(name);
        bar->setObjectName(QString("ToolBar") + name);
        bar->setMovable(false);
        bar->setIconSize(QSize(16, 16));
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        for (const char* item : items)
            if (*item)
                bar->addAction(Action(item));
            else
                bar->addSeparator();
        toolBars_.insert(name, bar);
    }
    for (const auto& [action, bar] : panels) {
        QAction* a = Action(action);
        a->setCheckable(true);
        a->setChecked(true);
        viewMenu_->addAction(a);
        QToolBar* toolBar = ToolBar(bar);
        connect(a, &QAction::toggled, this,
                [this, toolBar](bool visible) { ToggleToolBar(toolBar, visible); });
    }

    portSummary_ = new QLabel(this);
    portSummary_->setObjectName("PortSummary");
    portSummary_->setFixedWidth(320);
    statusBar()->addWidget(portSummary_);
    portProblem_ = new QLabel(this);
    portProblem_->setObjectName("PortProblem");
    portProblem_->setStyleSheet("color: #b00020");
    portProblem_->setAttribute(Qt::WA_TransparentForMouseEvents);
    portProblem_->hide();
    statusBar()->addWidget(portProblem_, 1);
    // Where the last transfer kept its copy of the device's settings.
    backupNote_ = new QLabel(this);
    backupNote_->setObjectName("BackupNote");
    backupNote_->setAttribute(Qt::WA_TransparentForMouseEvents);
    backupNote_->hide();
    statusBar()->addPermanentWidget(backupNote_);
    // A double click on the status bar opens the audio parameters, which have no command.
    statusBar()->installEventFilter(this);
    portSummary_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QMenu* TApplicationForm::createPopupMenu() {
    auto* menu = new QMenu(this);
    for (const char* name :
         {"ActPanelFile", "ActPanelEdit", "ActPanelTools", "ActPanelOptions", "ActPanelHelp"})
        menu->addAction(Action(name));
    return menu;
}

void TApplicationForm::ToggleToolBar(QToolBar* bar, bool visible) {
    // The work area keeps its size: the window grows or shrinks by what the tool area did.
    const int workArea = centralWidget()->height();
    bar->setVisible(visible);
    layout()->activate();
    const int delta = workArea - centralWidget()->height();
    if (delta != 0)
        setFixedSize(width(), height() + delta);
}

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

void TApplicationForm::RepaintTree() {
    treeView_->viewport()->update();
}

void TApplicationForm::DisableClipboardActions() {
    clipboard_->DisableActions();
}

void TApplicationForm::EditAudioParameters() {
    if (const auto values = audioForm_->Execute(AudioWorkingValues(document_.Project)))
        AcceptAudioValues(document_, *values);
}

bool TApplicationForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == statusBar() && event->type() == QEvent::MouseButtonDblClick) {
        EditAudioParameters();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TApplicationForm::ShowPhoneBookNode() {
    if (const auto node = tree_.FirstTopLevelOfKind(nkPhones)) {
        treeView_->SelectNode(*node);
        treeView_->scrollToItem(treeView_->ItemOf(*node));
        QApplication::processEvents();
    }
}

void TApplicationForm::ToggleInput(bool enabled) {
    if (!SetInputEnabled(document_, currentInput_, enabled))
        return;
    treeView_->viewport()->update();
    fillingPage_ = true;
    {
        const QSignalBlocker block(inputPage_->InputCheck());
        inputPage_->InputCheck()->setChecked(enabled);
    }
    fillingPage_ = false;
}

void TApplicationForm::ShowTreePopup(const QPoint& at) {
    const int node = treeView_->NodeOf(treeView_->itemAt(at));
    if (node < 0 || tree_.Node(node).Data.Kind != nkInput)
        return;
    treeView_->SelectNode(node);
    const bool enabled =
        document_.Project.Inputs[static_cast<std::size_t>(tree_.Node(node).Data.Input)].Enabled;
    treePopup_->actions()[0]->setEnabled(!enabled);
    treePopup_->actions()[1]->setEnabled(enabled);
    treePopup_->popup(treeView_->viewport()->mapToGlobal(at));
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
        editPage->AfterShown();
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

void TApplicationForm::SyncInputReportNodes(int input, int reportType) {
    tree_.SyncInputReportNodes(input, reportType);
    treeView_->viewport()->update();
}

void TApplicationForm::SyncTestReportNodes() {
    tree_.SyncTestReportNodes(document_.Project);
    treeView_->viewport()->update();
}

void TApplicationForm::SyncOutputTimeNode(int output, int workType) {
    tree_.SyncOutputTimeNode(output, workType);
    treeView_->viewport()->update();
}

void TApplicationForm::OpenCommandLineFile(const QString& argument) {
    commands_->OpenCommandLine(argument.toStdString(), QDir::currentPath().toStdString());
}

void TApplicationForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Activate();
}

void TApplicationForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Centred on the screen when it first shows.
    if (!activated_)
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    // The first showing activates the window even where no window manager hands it the focus.
    if (!activated_)
        QTimer::singleShot(0, this, [this] {
            if (!activated_)
                Activate();
        });
}

void TApplicationForm::Activate() {
    activated_ = true;
    if (const auto readWrite =
            ActivateCpuPort(cpuPort_, options_, store_, ProgramFolder() + "/", portAvailability_)) {
        Action("ActRead")->setEnabled(*readWrite);
        Action("ActWrite")->setEnabled(*readWrite);
    }
    LoadMainWindowSettings(store_, settings_, PathExists);
    // The working folder is where the file dialogs start, as the settings dialog set it.
    if (!settings_.WorkPath.empty())
        document_.DialogFolder = settings_.WorkPath;
    ApplyLanguage();
    fillingPage_ = false;
    ShowPortSummary();
    for (int o = 1; o <= static_cast<int>(OutputCount); ++o)
        SyncOutputTimeNode(o, document_.Project.Outputs[static_cast<std::size_t>(o)].WorkType);
    // A settings file that could not be read or had damaged lines is told once, after the reads above.
    if (const std::string notice = store_.TakeNotice(); !notice.empty())
        boxes_.Information(notice, "Korvisel");
}

void TApplicationForm::ApplyLanguage() {
    const TLanguageList list = FillLanguageList(store_);
    language_ = SelectedLanguage(list.Entries, list.Selected);
    if (!ApplyLanguageTexts(texts_, language_, store_))
        return;
    ApplyCaptions();
    RefreshCurrentPage();
}

void TApplicationForm::ApplyCaptions() {
    const auto caption = [this](const char* action, const char* key, const char* hint = nullptr) {
        Action(action)->setText(Q(texts_.Text(key)).trimmed());
        if (hint)
            Action(action)->setToolTip(Q(texts_.Text(hint)));
    };
    caption("ActUndo", "LM_EDIT_A_UNDO ", "LH_EDIT_A_UNDO");
    caption("ActRedo", "LM_EDIT_A_REDO ", "LH_EDIT_A_REDO");
    caption("ActCut", "LM_EDIT_A_CUT ", "LH_EDIT_A_CUT");
    caption("ActCopy", "LM_EDIT_A_COPY ", "LH_EDIT_A_COPY");
    caption("ActPaste", "LM_EDIT_A_PASTE ", "LH_EDIT_A_PASTE");
    caption("ActDelete", "LM_EDIT_A_DELETE ", "LH_EDIT_A_DELETE");
    caption("ActNew", "LM_FILE_A_NEW", "LH_FILE_A_NEW");
    caption("ActOpen", "LM_FILE_A_OPEN", "LH_FILE_A_OPEN");
    caption("ActClose", "LM_FILE_A_CLOSE", "LH_FILE_A_CLOSE");
    caption("ActSave", "LM_FILE_A_SAVE", "LH_FILE_A_SAVE");
    caption("ActSaveAs", "LM_FILE_A_SAVEAS ");
    caption("ActExit", "LM_FILE_A_EXIT ", "LH_FILE_A_EXIT");
    caption("ActPrint", "LM_FILE_A_PRINT ", "LH_FILE_A_PRINT");
    caption("ActPrintSet", "LM_FILE_A_PRINTSET ");
    caption("ActPrntPrev", "LM_FILE_A_RPINTPRV ", "LH_FILE_A_RPINTPRV");
    caption("ActAbout", "LM_HELP_A_ABOUT", "LH_HELP_A_ABOUT");
    caption("ActContents", "LM_HELP_A_CONTENS", "LH_HELP_A_CONTENS");
    caption("ActHelp", "LM_HELP_A_HELP", "LH_HELP_A_HELP");
    caption("ActSetting", "LM_OPTION_A_SETTING", "LH_OPTION_A_SETTING");
    caption("ActLanguage", "LM_OPTION_A_LANGUAG", "LH_OPTION_A_LANGUAG");
    caption("ActWrite", "LM_OPTION_A_WRITE", "LH_OPTION_A_WRITE");
    caption("ActRead", "LM_OPTION_A_READ", "LH_OPTION_A_READ");
    caption("ActPanelFile", "LM_VIEW_A_PNFILE");
    caption("ActPanelEdit", "LM_VIEW_A_PNEDIT");
    caption("ActPanelOptions", "LM_VIEW_A_PNOPT");
    caption("ActPanelHelp", "LM_VIEW_A_PNHELP");
    caption("ActPanelTools", "LM_VIEW_A_PNTOOL");
    fileMenu_->setTitle(Q(texts_.Text("LM_FILE__")));
    editMenu_->setTitle(Q(texts_.Text("LM_EDIT__ ")).trimmed());
    viewMenu_->setTitle(Q(texts_.Text("LM_VIEW__")));
    toolsMenu_->setTitle(Q(texts_.Text("LM_TOOLS__ ")).trimmed());
    optionsMenu_->setTitle(Q(texts_.Text("LM_OPTION__")));
    helpMenu_->setTitle(Q(texts_.Text("LM_HELP__")));
    inputPage_->InputCheck()->setText(Q(texts_.Text("LIST_DESCR_INPUT")));
    inputPage_->SetOutCBox()->setText(Q(texts_.Text("LIST_CAPT_ENPOSTAN")));
    phoneBook_->ApplyCaptions();
    treePopup_->actions()[0]->setText(Q(texts_.Text("SUB1_ENABLE")));
    treePopup_->actions()[1]->setText(Q(texts_.Text("SUB1_DISABLE")));
    for (auto it = descriptions_.begin(); it != descriptions_.end(); ++it)
        it.value()->Fill(texts_.Text(it.key().toStdString()));
}

void TApplicationForm::RebuildRecentFilesMenu() {
    for (QAction* a : recentActions_)
        fileMenu_->removeAction(a), a->deleteLater();
    recentActions_.clear();
    QAction* before = fileMenu_->actions()[fileMenu_->actions().indexOf(recentSeparator_) + 1];
    int n = 1;
    for (const std::string& file : settings_.RecentFiles.Entries()) {
        auto* a = new QAction(QString("&%1 %2").arg(n++).arg(Q(file)), this);
        connect(a, &QAction::triggered, this, [this, file] { commands_->OpenRecent(file); });
        fileMenu_->insertAction(before, a);
        recentActions_.push_back(a);
    }
}

void TApplicationForm::OpenHelp(const std::string& configured, const QString& fragment) {
    const std::string file =
        HelpFileToOpen(configured, ShippedDataFolder() + "/help/user-guide.html", PathExists);
    QUrl url = QUrl::fromLocalFile(Q(file));
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    if (file.empty() || !PathExists(file) || !QDesktopServices::openUrl(url))
        boxes_.Information("The help file " + (file.empty() ? std::string("(none set)") : file) +
                               " could not be opened.",
                           "Korvisel");
}

void TApplicationForm::ShowAbout() {
    if (about_)
        about_->exec();
}

void TApplicationForm::ShowPortSummary() {
    portSummary_->setText(Q(korvisel::ShowPortSummary(texts_.Text("STATUSHEADER_1"), cpuPort_)));
    // Why the chosen port is not open, so that the installer can fix the cause.
    const QString problem = Q(PortProblemText(cpuPort_));
    portProblem_->setText(problem);
    portProblem_->setToolTip(problem);
    portProblem_->setVisible(!problem.isEmpty());
}

void TApplicationForm::PreviewReport() {
    reportPreview_->Prepare(ConfigurationReportPages(document_.Project, document_.Print, texts_));
    reportPreview_->exec();
}

void TApplicationForm::OpenSettings(TOptionForm::TTab tab) {
    const bool settings = tab == TOptionForm::TTab::General;
    const bool accepted =
        optionForm_->Execute(tab, korvisel::ShowPortSettings(cpuPort_), settings ? &texts_ : nullptr);
    if (accepted) {
        ApplyPortSettings(options_.Port, cpuPort_);
        settings_.RecentFiles.SetLimit(options_.ListLength);
    }
    // A language chosen in the dialog takes effect whichever way it closed.
    ApplyLanguage();
    ShowPortSummary();
}

void TApplicationForm::closeEvent(QCloseEvent* event) {
    if (closingConfirmed_ || commands_->CloseQuery()) {
        event->accept();
        return;
    }
    event->ignore();
}

std::optional<std::string> TApplicationForm::ChooseSaveFile(const std::string& folder) {
    if (fileChooser_)
        return fileChooser_(true, folder);
    const QString file =
        QFileDialog::getSaveFileName(this, {}, Q(folder), "Korvisel Files(690) (*.kv690);;All Files (*)");
    return file.isEmpty() ? std::nullopt : std::optional(file.toStdString());
}

std::optional<std::string> TApplicationForm::ChooseOpenFile(const std::string& folder) {
    if (fileChooser_)
        return fileChooser_(false, folder);
    const QString file =
        QFileDialog::getOpenFileName(this, {}, Q(folder), "Korvisel Files(690) (*.kv690);;All Files (*)");
    return file.isEmpty() ? std::nullopt : std::optional(file.toStdString());
}

void TApplicationForm::ShowTitle(const std::string& title) {
    setWindowTitle(Q(title));
}

void TApplicationForm::ProjectChanged() {
    for (int i = 1; i <= static_cast<int>(InputCount); ++i)
        SyncInputReportNodes(i, document_.Project.Inputs[static_cast<std::size_t>(i)].ReportType);
    SyncTestReportNodes();
    RefreshCurrentPage();
}

void TApplicationForm::WriteToDevice() {
    std::string reportProblem;
    const auto payload = PrepareWrite(document_.Project, document_.Images.Outgoing, reportFolders_,
                                      reportOpener_, &reportProblem);
    // The report is advice: the write goes on, but the user learns why there is none to read.
    if (!reportProblem.empty())
        boxes_.Information("The " + reportProblem.substr(4) + ".", "Korvisel");
    if (!payload)
        return;
    if (!cpuPort_.IsConnected())
        cpuPort_.Connect();
    if (options_.KeepCopyBeforeWrite && !KeepCopyOfDevice())
        return;
    if (transferForm_->Run(cpuPort_, TTransferMode::Write, *payload).Outcome == TTransferOutcome::Success)
        ShowBackupNote(KeepDeviceBackup(TBackupKind::Written, PortDisplayName(), document_.Images.Outgoing));
}

bool TApplicationForm::KeepCopyOfDevice() {
    TDeviceImage copy{};
    PrepareRead(copy);
    const TTransferResult read = transferForm_->Run(cpuPort_, TTransferMode::Read, {}, true);
    if (read.Outcome != TTransferOutcome::Success) {
        boxes_.Error("The device's settings could not be read for the copy kept before writing, so "
                     "nothing was written.\n\nTo write without a copy, clear \"Keep a copy of the "
                     "device's settings before writing\" in Settings ...",
                     "Korvisel");
        return false;
    }
    TProjectInfo unused;
    TDopPrintInfo unusedPrint;
    AcceptReadData(read.TransferData, read.VersionAnswer, copy, unused, unusedPrint);
    const TBackupResult backup = KeepDeviceBackup(TBackupKind::BeforeWrite, PortDisplayName(), copy);
    ShowBackupNote(backup);
    if (backup.Path.empty()) {
        boxes_.Error("The copy of the device's settings could not be kept, so nothing was written.\n\n" +
                         backup.Error,
                     "Korvisel");
        return false;
    }
    return true;
}

void TApplicationForm::ReadFromDevice() {
    PrepareRead(document_.Images.Incoming);
    const TTransferResult result = transferForm_->Run(cpuPort_, TTransferMode::Read, {});
    if (result.Outcome == TTransferOutcome::Success) {
        AcceptReadData(result.TransferData, result.VersionAnswer, document_.Images.Incoming,
                       document_.Project, document_.Print);
        ShowBackupNote(KeepDeviceBackup(TBackupKind::Read, PortDisplayName(), document_.Images.Incoming));
    }
    ProjectChanged();
}

std::string TApplicationForm::PortDisplayName() const {
    const std::string& path = cpuPort_.PortName();
    const std::size_t prefix = std::string_view(DevicePathPrefix).size();
    return path.size() > prefix ? path.substr(prefix) : std::string{};
}

void TApplicationForm::ShowBackupNote(const TBackupResult& backup) {
    backupNote_->setText(backup.Path.empty()
                             ? "No copy kept"
                             : "Copy kept: " + QString::fromStdString(backup.Path).section('/', -1));
    backupNote_->setToolTip(QString::fromStdString(BackupNote(backup)));
    backupNote_->show();
}

void TApplicationForm::SelectFirstNode() {
    treeView_->SelectNode(tree_.TopLevel().front());
}

} // namespace korvisel
