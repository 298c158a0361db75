// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: the actions with their keys and icons, the menus and toolbars that
// show them, their captions in the current language, and the recently used files.
#include "ui/app/MainWindow.h"

#include "ui/widgets/ElidedLabel.h"

#include "ui/app/ClipboardCommands.h"
#include "ui/app/DeviceTransfer.h"
#include "ui/app/PageStack.h"
#include "ui/pages/PhoneBookActions.h"
#include "ui/pages/SummaryPages.h"
#include "ui/widgets/Icons.h"
#include "ui/widgets/NavigationTreeView.h"
#include "ui/widgets/QtText.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace korvisel {
namespace {

// Every command: its name, design caption and key.
struct CommandInfo {
    const char* Name;
    const char* Caption;
    QKeySequence Key;
    const char* Icon = nullptr;
};

} // namespace

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
    portProblem_ = new TElidedLabel(this);
    portProblem_->setObjectName("PortProblem");
    portProblem_->setStyleSheet("color: #b00020");
    portProblem_->hide();
    statusBar()->addWidget(portProblem_, 1);
    // Where the last transfer kept its copy of the device's settings.
    statusBar()->addPermanentWidget(transfer_->BackupNote());
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
    pages_->ApplyDescriptions(texts_);
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

} // namespace korvisel
