// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/MainWindow.h"

#include "files/FileIo.h"
#include "files/ProjectFile.h"
#include "json/ProjectDiff.h"

#include "editor/DeviceEdits.h"
#include "editor/InputEdits.h"
#include "editor/PortControls.h"
#include "files/StandardPaths.h"
#include "i18n/LanguageFile.h"
#include "link/PortAssignment.h"
#include "link/PortRows.h"
#include "link/SeveralDevices.h"
#include "report/ReportPdfName.h"
#include "report/ReportValues.h"
#include "settings/WindowPlacement.h"
#include "ui/app/ClipboardCommands.h"
#include "ui/app/CommandTable.h"
#include "ui/app/DesktopOpener.h"
#include "ui/app/DeviceTransfer.h"
#include "ui/app/DocumentSignals.h"
#include "ui/app/KeyboardContextMenu.h"
#include "ui/app/PageStack.h"
#include "ui/app/PortWatcher.h"
#include "ui/app/ProblemsPanel.h"
#include "ui/app/SettingsDialog.h"
#include "ui/app/UndoCommands.h"
#include "ui/dialogs/AudioDialog.h"
#include "ui/dialogs/BackupsDialog.h"
#include "ui/dialogs/CodeLibraryDialog.h"
#include "ui/dialogs/ComparisonDialog.h"
#include "ui/dialogs/PhoneDialog.h"
#include "ui/dialogs/SeveralDevicesDialog.h"
#include "ui/pages/PhoneBookActions.h"
#include "ui/pages/SummaryPages.h"
#include "ui/report/ReportPreview.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/FileFilter.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/NavigationTreeView.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ScreenFit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDockWidget>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

namespace korvisel {
namespace {

const QSize DesignClientSize(712, 453);
// About five rows of problems under the pages.
constexpr int ProblemsPanelHeight = 110;

} // namespace

TApplicationForm::TApplicationForm(IMessageBoxes& boxes, TSettingsStore& store, QWidget* parent)
    : QMainWindow(parent), boxes_(boxes), store_(store), pollTimer_(new QTimer(this)) {
    setObjectName("ApplicationForm");
    // Creation: the built-in texts, a reset project, the tree, the first summary.
    cpuPort_.SetPortName(std::string(DevicePathPrefix) + "COM2");
    cpuPort_.SetOutputTimeout(50);
    cpuPort_.SetBaudRate(br9600);
    cpuPort_.OnPollingRestart = [this](std::uint16_t delay) { pollTimer_->start(delay); };
    connect(pollTimer_, &QTimer::timeout, this, [this] { cpuPort_.Poll(); });
    pollTimer_->start(cpuPort_.PollingDelay());
    texts_.SetBuiltInTexts();
    commands_ = std::make_unique<TDocumentCommands>(
        document_, boxes_, static_cast<IDocumentView&>(*this), texts_,
        [this](const std::string& ext) { return MatchModuleExtension(store_, modules_, ext); });
    modules_ = LoadModules(store_);
    workFolders_ =
        LocalWorkFolders(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
    opener_ = new TDesktopOpener(this);
    transfer_ = new TDeviceTransfer(
        document_, boxes_, cpuPort_, options_, texts_,
        [this](const std::string& path) { OpenWithDesktop(QUrl::fromLocalFile(Q(path)), path); }, this);
    phoneDialog_ = new TPhoneDialog(this);
    codeLibrary_ = new TCodeLibraryForm(texts_, this);
    phoneBook_ = new TPhoneBookActions(
        document_, texts_, *phoneDialog_, boxes_, [this] { return CurrentPlace(pages_->currentWidget()); },
        this);
    optionForm_ = new TOptionForm(store_, options_, workFolders_, this);
    connect(new TPortWatcher(this), &TPortWatcher::Changed, this, &TApplicationForm::RefreshPorts);
    audioForm_ = new TAudioForm(this);
    reportPreview_ = new TReportPreview(this);
    comparison_ = new TComparisonDialog(texts_, this);
    connect(comparison_, &TComparisonDialog::NodeChosen, this, &TApplicationForm::ShowChosenNode);
    backups_ = new TBackupsDialog(texts_, this);
    connect(backups_, &TBackupsDialog::OpenRequested, this, [this](const std::string& file) {
        // Cancel in the question about unsaved changes, or a file that does not open, leaves
        // the list open for another choice, and active again: the question's closing gave the
        // main window the keys.
        if (commands_->OpenBackup(file)) {
            backups_->close();
        } else {
            backups_->raise();
            backups_->activateWindow();
        }
    });
    connect(backups_, &TBackupsDialog::CompareRequested, this, &TApplicationForm::CompareWithBackup);
    connect(backups_, &TBackupsDialog::FolderRequested, this,
            [this](const std::string& folder) { OpenWithDesktop(QUrl::fromLocalFile(Q(folder)), folder); });
    several_ = new TSeveralDevicesDialog(texts_, document_, this);
    connect(several_, &TSeveralDevicesDialog::StartRequested, this, &TApplicationForm::WriteSeveralDevices);
    connect(several_, &TSeveralDevicesDialog::Finished, this, &TApplicationForm::EndSeveralDevices);
    problems_ = new TProblemsPanel(texts_, this);

    CreateCommands();
    CreateStatusBar();
    clipboard_ = new TClipboardCommands(
        *phoneBook_, {Action("ActCut"), Action("ActCopy"), Action("ActPaste"), Action("ActDelete")}, this);
    undo_ = new TUndoCommands(document_, Action("ActUndo"), Action("ActRedo"), this, texts_);
    connect(problems_, &TProblemsPanel::Activated, this, &TApplicationForm::ShowProblemPlace);
    pageContext_.reset(new TPageContext{document_, texts_, *phoneDialog_, *codeLibrary_, *phoneBook_,
                                        *clipboard_, static_cast<IPageHost&>(*this)});
    {
        const TDocument::TViewing creating(document_);
        CreatePages();
    }

    tree_.BuildNodeTree();
    treeView_->BuildItems();
    SyncMarks();
    ShowDocumentTitle();
    pages_->ShowNode({nkInfo, 0, 0}, false);
    ExportLanguageTexts(texts_, nullptr, store_);
    documentSignals_ = new TDocumentSignals(document_, this);
    connect(documentSignals_, &TDocumentSignals::Changed, this, &TApplicationForm::FollowDocument);

    setWindowIcon(QIcon::fromTheme("org.korvisel.Korvisel", DrawnIcon("INPUT")));
    AddProblemsPanel();
    // The pages at their designed size, with the Problems panel under them when it is shown.
    resize(DesignClientSize.width(), DesignClientSize.height() + menuBar()->sizeHint().height() +
                                         ToolBar("File")->sizeHint().height() +
                                         statusBar()->sizeHint().height() +
                                         (Action("ActProblems")->isChecked() ? ProblemsPanelHeight : 0));
    RestorePlacement();
    // Every dialog of the window opens inside the screen, however large the scale makes it.
    qApp->installEventFilter(new TScreenFitFilter(this));
    new TKeyboardContextMenu(this);
    // The user starts in the tree: the arrow keys walk the pages from there.
    treeView_->setFocus();
}

TApplicationForm::~TApplicationForm() {
    // The document is gone before the window's children: none of them may reach it from here on.
    delete documentSignals_;
    delete undo_;
    // Closing the window hides the panel after this object is gone: nothing of it may answer then.
    disconnect(problems_, nullptr, this, nullptr);
    // The settings dialog saves its values as it goes, before this window saves its own last.
    delete optionForm_;
    // The working folder stored is the one the file dialogs last used.
    if (!document_.DialogFolder.empty())
        settings_.WorkPath = document_.DialogFolder;
    if (document_.FileName != UntitledFileName)
        settings_.RecentFiles.PutOnTop(document_.FileName);
    SaveMainWindowSettings(store_, settings_);
    SavePlacement();
}

void TApplicationForm::RestorePlacement() {
    const auto placement = ReadWindowPlacement(store_);
    if (!placement)
        return;
    resize(placement->Normal.Width, placement->Normal.Height);
    move(placement->Normal.X, placement->Normal.Y);
    placed_ = true;
    // A size kept from a larger screen, or a screen since gone, never puts the window out of reach.
    KeepInsideScreen(*this);
    if (placement->Maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TApplicationForm::SavePlacement() {
    // A window never shown has no place of the user's to keep.
    if (!activated_)
        return;
    const bool maximized = isMaximized();
    // The frame's corner as move() takes it; a maximised window keeps the one it returns to.
    const QRect normal = maximized ? normalGeometry() : geometry();
    const QPoint corner = normal.topLeft() - (geometry().topLeft() - pos());
    WriteWindowPlacement(store_, {{corner.x(), corner.y(), normal.width(), normal.height()}, maximized});
}

void TApplicationForm::DisableClipboardActions() {
    clipboard_->DisableActions();
}

void TApplicationForm::EditAudioParameters(int focused) {
    if (const auto values = audioForm_->Execute(AudioWorkingValues(document_.Project()), focused))
        document_.Edit(CurrentPlace(audioForm_, "PRG_AUDIO_TITLE"),
                       [&](TProjectInfo& project) { AcceptAudioValues(project, *values); });
}

bool TApplicationForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == statusBar() && event->type() == QEvent::MouseButtonDblClick) {
        EditAudioParameters();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TApplicationForm::AddProblemsPanel() {
    addDockWidget(Qt::BottomDockWidgetArea, problems_);
    QAction* toggle = Action("ActProblems");
    toggle->setCheckable(true);
    toggle->setChecked(ReadProblemsPanelShown(store_));
    problems_->setVisible(toggle->isChecked());
    resizeDocks({problems_}, {ProblemsPanelHeight}, Qt::Vertical);
    connect(toggle, &QAction::toggled, this, [this](bool shown) {
        problems_->setVisible(shown);
        WriteProblemsPanelShown(store_, shown);
    });
    // The panel's own close button and its count in the status bar show and hide it too. Only a
    // panel hidden by itself counts: the window's own hiding leaves the choice as it was.
    connect(problems_, &QDockWidget::visibilityChanged, this, [this, toggle] {
        if (toggle->isChecked() == problems_->isHidden())
            toggle->setChecked(!problems_->isHidden());
    });
    problems_->Update(document_.Project());
}

void TApplicationForm::ShowProblemPlace(const TProblemPlace& place) {
    if (place.AudioDialog) {
        EditAudioParameters(place.Entry);
        return;
    }
    ShowChosenNode(place.Node);
    const TNodePage* page = pages_->PageOfKind(place.Node.Kind);
    auto* control = page ? page->findChild<QWidget*>(place.Control) : nullptr;
    if (!control)
        return;
    control->setFocus(Qt::OtherFocusReason);
    // A list of entries (the phone book) shows the entry the problem names.
    if (auto* view = qobject_cast<QAbstractItemView*>(control); view && place.Entry > 0)
        view->setCurrentIndex(view->model()->index(place.Entry - 1, 0));
}

void TApplicationForm::ShowPhoneBookNode() {
    ShowChosenNode({nkPhones, 0, 0});
    QApplication::processEvents();
}

void TApplicationForm::ToggleInput(bool enabled) {
    document_.Edit(CurrentPlace(treeView_), [&](TProjectInfo& project) {
        SetInputEnabled(project, TInputNumber{currentInput_}, enabled);
    });
}

void TApplicationForm::ShowTreePopup(const QPoint& at) {
    const int node = treeView_->NodeOf(treeView_->itemAt(at));
    if (node < 0 || tree_.Node(node).Data.Kind != nkInput)
        return;
    treeView_->SelectNode(node);
    const bool enabled =
        document_.Project().Inputs[static_cast<std::size_t>(tree_.Node(node).Data.Input)].Enabled;
    treePopup_->actions()[0]->setEnabled(!enabled);
    treePopup_->actions()[1]->setEnabled(enabled);
    treePopup_->popup(treeView_->viewport()->mapToGlobal(at));
}

void TApplicationForm::SyncInputReportNodes(int input, TReportKind reportType) {
    tree_.SyncInputReportNodes(input, reportType);
    treeView_->viewport()->update();
}

void TApplicationForm::SyncTestReportNodes() {
    tree_.SyncTestReportNodes(document_.Project());
    treeView_->viewport()->update();
}

void TApplicationForm::SyncOutputTimeNode(int output, TWorkType workType) {
    tree_.SyncOutputTimeNode(output, workType);
    treeView_->viewport()->update();
}

void TApplicationForm::OpenCommandLineFile(const QString& argument) {
    commands_->OpenCommandLine(argument.toStdString(), QDir::currentPath().toStdString());
}

void TApplicationForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow())
        return;
    // The desktop activates the window after it framed it: only now is the title bar's height known,
    // and the title bar too goes inside the screen.
    if (!framed_) {
        framed_ = true;
        KeepInsideScreen(*this);
    }
    Activate();
}

void TApplicationForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Centred on the screen when it first shows, unless it returns to where the last run left it.
    if (!activated_ && !placed_)
        if (const QScreen* screen = this->screen())
            move(screen->availableGeometry().center() - frameGeometry().center() + pos());
    if (!activated_)
        KeepInsideScreen(*this);
    // The first showing activates the window even where no window manager hands it the focus.
    if (!activated_)
        QTimer::singleShot(0, this, [this] {
            if (!activated_)
                Activate();
        });
}

void TApplicationForm::Activate() {
    activated_ = true;
    if (const auto readWrite = ActivateCpuPort(cpuPort_, options_, store_, workFolders_, portAvailability_)) {
        EnableDeviceCommands(*readWrite);
    }
    LoadMainWindowSettings(store_, settings_, PathExists);
    // The working folder is where the file dialogs start, as the settings dialog set it.
    // Only the first time: later activations (after every dialog) keep the folder last used.
    if (document_.DialogFolder.empty() && !settings_.WorkPath.empty())
        document_.DialogFolder = settings_.WorkPath;
    ApplyLanguage();
    ShowPortSummary();
    // The user may have deleted backups meanwhile, in the Backups list's folder or elsewhere.
    transfer_->RefreshBackupNote();
    SyncMarks();
    // A settings file that could not be read or had damaged lines is told once, after the reads above.
    if (const std::string notice = store_.TakeNotice(); !notice.empty())
        boxes_.Information(notice, "Korvisel");
}

void TApplicationForm::RefreshPorts() {
    // Before the first activation nothing was scanned; during a transfer the port is the transfer's,
    // and the activation after it scans again.
    if (!activated_ || transfer_->Running() || several_->Running())
        return;
    const bool dialogOpen = optionForm_->isVisible();
    if (const auto readWrite =
            RefreshCpuPort(cpuPort_, options_.Port, store_, dialogOpen, portAvailability_)) {
        EnableDeviceCommands(*readWrite);
    }
    if (dialogOpen)
        optionForm_->ShowPortNames();
    ShowPortSummary();
    if (several_->isVisible())
        several_->FollowPorts(
            OfferedPorts(PortRows(), PortDisplayName(cpuPort_), cpuPort_.IsConnected(), texts_));
}

void TApplicationForm::ApplyLanguage() {
    const TLanguageList list = FillLanguageList(store_);
    language_ = SelectedLanguage(list.Entries, list.Selected);
    if (!ApplyLanguageTexts(texts_, language_, store_))
        return;
    qtTranslations_.Apply(language_);
    ApplyCaptions();
    RefreshCurrentPage();
}

void TApplicationForm::OpenHelp(const std::string& configured, const QString& fragment) {
    const std::string file =
        HelpFileToOpen(configured, ShippedDataFolder() + "/help/user-guide.html", PathExists);
    if (file.empty() || !PathExists(file)) {
        TellCannotOpen(file.empty() ? texts_.Text("PRG_NONE_SET") : file, TOpenFailure::FileMissing, {});
        return;
    }
    QUrl url = QUrl::fromLocalFile(Q(file));
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    OpenWithDesktop(url, file);
}

void TApplicationForm::OpenWithDesktop(const QUrl& url, const std::string& shown) {
    opener_->Open(url, [this, shown](TOpenFailure failure, const QString& words) {
        TellCannotOpen(shown, failure, words);
    });
}

void TApplicationForm::TellCannotOpen(const std::string& shown, TOpenFailure failure, const QString& words) {
    boxes_.Information(OpenFailureText(texts_, shown, failure, words.toStdString()), "Korvisel");
}

void TApplicationForm::ShowAbout() {
    if (about_)
        about_->exec();
}

void TApplicationForm::ShowPortSummary() {
    portSummary_->SetFullText(Q(korvisel::ShowPortSummary(texts_.Text("STATUSHEADER_1"), cpuPort_)));
    // Why the chosen port is not open, so that the installer can fix the cause.
    const QString problem = Q(PortProblemText(cpuPort_, texts_));
    portProblem_->SetFullText(problem);
    portProblem_->setVisible(!problem.isEmpty());
}

void TApplicationForm::PreviewReport() {
    // The caption names the device of the current model module, the one whose file was opened last.
    reportPreview_->ApplyTexts(texts_);
    reportPreview_->Prepare(
        ConfigurationReportPages(document_.Project(), document_.Print(), texts_, modules_.SettingPlugin),
        SuggestedReportPdf(document_.FileName, document_.DialogFolder));
    reportPreview_->exec();
}

void TApplicationForm::OpenSettings(TOptionForm::TTab tab) {
    const bool settings = tab == TOptionForm::TTab::General;
    // The dialog shows the folder the file dialogs use now, and a folder chosen there is used at once.
    if (!document_.DialogFolder.empty())
        WriteWorkPath(store_, document_.DialogFolder);
    const bool accepted =
        optionForm_->Execute(tab, korvisel::ShowPortSettings(cpuPort_), settings ? &texts_ : nullptr);
    if (accepted) {
        ApplyPortSettings(options_.Port, cpuPort_);
        settings_.RecentFiles.SetLimit(options_.ListLength);
        document_.DialogFolder = options_.WorkPath;
    }
    // A language chosen in the dialog takes effect whichever way it closed.
    ApplyLanguage();
    ShowPortSummary();
}

void TApplicationForm::closeEvent(QCloseEvent* event) {
    // Devices being written are ended by Stop, never by the window going away under them.
    if (several_->Running()) {
        event->ignore();
        return;
    }
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
        QFileDialog::getSaveFileName(this, {}, Q(folder), FileFilter(texts_, "PRG_FILTER_PROJECTS"));
    return file.isEmpty() ? std::nullopt : std::optional(file.toStdString());
}

std::optional<std::string> TApplicationForm::ChooseOpenFile(const std::string& folder) {
    if (fileChooser_)
        return fileChooser_(false, folder);
    const QString file =
        QFileDialog::getOpenFileName(this, {}, Q(folder), FileFilter(texts_, "PRG_FILTER_PROJECTS"));
    return file.isEmpty() ? std::nullopt : std::optional(file.toStdString());
}

void TApplicationForm::ShowDocumentTitle() {
    setWindowTitle(Q(DocumentTitle(document_.FileName, texts_)) + "[*]");
    setWindowModified(document_.Modified());
}

void TApplicationForm::FollowDocument(const TDocumentChange& change) {
    ShowDocumentTitle();
    if (change.Kind == TChangeKind::Saved) {
        PutSavedFileOnTop(store_, settings_, document_.FileName);
        return;
    }
    SyncMarks();
    if (change.Kind == TChangeKind::Edit)
        pages_->Refresh(change.Place);
    else if (change.Kind == TChangeKind::Replaced)
        RefreshCurrentPage();
    else
        ShowRestored(change.Place.Node);
    problems_->Update(document_.Project());
    undo_->UpdateActions();
}

void TApplicationForm::SyncMarks() {
    for (int i = 1; i <= static_cast<int>(InputCount); ++i)
        SyncInputReportNodes(i, document_.Project().Inputs[static_cast<std::size_t>(i)].ReportType);
    SyncTestReportNodes();
    for (int o = 1; o <= static_cast<int>(OutputCount); ++o)
        SyncOutputTimeNode(o, document_.Project().Outputs[static_cast<std::size_t>(o)].WorkType);
}

TEditPlace TApplicationForm::CurrentPlace(const QObject* control, TTextKey label) const {
    const TTreeNodeData& node = tree_.Node(std::max(treeView_->SelectedNode(), 0)).Data;
    TEditPlace place = NodePlace(node, control ? control->objectName().toStdString() : std::string());
    place.Label = label;
    return place;
}

void TApplicationForm::ShowRestored(const TTreeNodeData& node) {
    if (const auto found = tree_.Find(node); found && treeView_->SelectedNode() != *found)
        treeView_->SelectNode(*found);
    RefreshCurrentPage();
}

void TApplicationForm::WriteToDevice() {
    transfer_->Write();
}

void TApplicationForm::ReadFromDevice() {
    transfer_->Read(CurrentPlace(Action("ActRead"), "LM_OPTION_A_READ"));
}

void TApplicationForm::EnableDeviceCommands(bool enabled) {
    for (const char* name : {"ActRead", "ActWrite", "ActSeveral", "ActCompare"})
        Action(name)->setEnabled(enabled);
}

void TApplicationForm::OfferSeveralDevices() {
    several_->Offer(OfferedPorts(PortRows(), PortDisplayName(cpuPort_), cpuPort_.IsConnected(), texts_),
                    LineSettingsText(cpuPort_, texts_), options_.KeepCopyBeforeWrite);
}

void TApplicationForm::WriteSeveralDevices(const std::vector<std::string>& ports) {
    // A sites table's rows were checked one by one as it was applied; the open project is only their
    // template, and each port gets its row's block from the dialog.
    const auto payload = several_->WithSites() ? std::optional<std::string>("") : transfer_->CheckedPayload();
    if (!payload) {
        several_->TellRefused();
        return;
    }
    TBatchJob job = SeveralDevicesJob(*payload, document_.Images.Outgoing, cpuPort_,
                                      options_.KeepCopyBeforeWrite, texts_);
    // The batch opens every port itself, the CPU port too.
    const std::string cpu = PortDisplayName(cpuPort_);
    cpuPortLent_ = cpuPort_.IsConnected() && std::find(ports.begin(), ports.end(), cpu) != ports.end();
    if (cpuPortLent_)
        cpuPort_.Disconnect();
    several_->Run(std::move(job));
}

void TApplicationForm::EndSeveralDevices(const std::vector<TBatchResult>& results) {
    if (cpuPortLent_)
        cpuPort_.Connect();
    cpuPortLent_ = false;
    ShowPortSummary();
    transfer_->NoteRun(results);
}

void TApplicationForm::CompareWithDevice() {
    if (const auto device = transfer_->ReadForComparison())
        comparison_->ShowDifferences(FieldDifferences(document_.Project(), *device),
                                     Q(PortDisplayName(cpuPort_)), false);
}

void TApplicationForm::BrowseBackups() {
    backups_->ShowFolder(BackupFolder());
}

void TApplicationForm::CompareWithBackup(const std::string& file) {
    TDeviceImage image{};
    TProjectInfo kept;
    if (const TFileResult read = ReadProjectFile(file, image, kept); !read.Ok()) {
        commands_->ShowReadFailure(read);
        return;
    }
    comparison_->ShowDifferences(FieldDifferences(document_.Project(), kept),
                                 QString::fromStdString(file).section('/', -1), true);
}

void TApplicationForm::ShowChosenNode(const TTreeNodeData& node) {
    if (const auto found = tree_.Find(node)) {
        treeView_->SelectNode(*found);
        treeView_->scrollToItem(treeView_->ItemOf(*found));
    }
}

void TApplicationForm::SelectFirstNode() {
    treeView_->SelectNode(tree_.TopLevel().front());
}

} // namespace korvisel
