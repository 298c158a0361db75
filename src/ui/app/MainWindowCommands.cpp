// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: what each command of the command table does, the toolbars shown and
// hidden, the status bar, the captions in the current language, and the recently used files.
#include "ui/app/MainWindow.h"

#include "ui/widgets/ElidedLabel.h"

#include "ui/app/ClipboardCommands.h"
#include "ui/app/CommandTable.h"
#include "ui/app/DeviceTransfer.h"
#include "ui/app/PageStack.h"
#include "ui/app/ProblemsPanel.h"
#include "ui/app/UndoCommands.h"
#include "ui/dialogs/AudioDialog.h"
#include "ui/dialogs/PhoneDialog.h"
#include "ui/pages/PhoneBookActions.h"
#include "ui/pages/SummaryPages.h"
#include "ui/widgets/MenuAccessKeys.h"
#include "ui/widgets/NavigationTreeView.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ReadableOnPalette.h"

#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace korvisel {

QAction* TApplicationForm::Action(const QString& name) const {
    return commandTable_->Action(name);
}

QToolBar* TApplicationForm::ToolBar(const QString& name) const {
    return commandTable_->ToolBar(name);
}

void TApplicationForm::CreateCommands() {
    commandTable_ = std::make_unique<TCommandTable>(*this);
    connect(commandTable_->Menu("File"), &QMenu::aboutToShow, this, [this] { RebuildRecentFilesMenu(); });
    for (const auto& [toggle, bar] : commandTable_->ToolBarSwitches())
        connect(toggle, &QAction::toggled, this,
                [this, bar = bar](bool visible) { ToggleToolBar(bar, visible); });
    connect(Action("ActPrntPrev"), &QAction::triggered, this, [this] { PreviewReport(); });
    connect(Action("ActSetting"), &QAction::triggered, this,
            [this] { OpenSettings(TOptionForm::TTab::General); });
    connect(Action("ActLanguage"), &QAction::triggered, this,
            [this] { OpenSettings(TOptionForm::TTab::Language); });
    connect(Action("ActWrite"), &QAction::triggered, this, [this] { WriteToDevice(); });
    connect(Action("ActRead"), &QAction::triggered, this, [this] { ReadFromDevice(); });
    connect(Action("ActSeveral"), &QAction::triggered, this, [this] { OfferSeveralDevices(); });
    connect(Action("ActCompare"), &QAction::triggered, this, [this] { CompareWithDevice(); });
    connect(Action("ActBackups"), &QAction::triggered, this, [this] { BrowseBackups(); });
    connect(Action("ActAudio"), &QAction::triggered, this, [this] { EditAudioParameters(); });

    connect(Action("ActNew"), &QAction::triggered, this, [this] { commands_->New(); });
    connect(Action("ActOpen"), &QAction::triggered, this, [this] { commands_->Open(); });
    connect(Action("ActSave"), &QAction::triggered, this, [this] { commands_->Save(); });
    connect(Action("ActSaveAs"), &QAction::triggered, this, [this] { commands_->SaveAs(); });
    connect(Action("ActNewTemplate"), &QAction::triggered, this, [this] { NewFromTemplate(); });
    connect(Action("ActSaveTemplate"), &QAction::triggered, this, [this] { SaveAsTemplate(); });
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

void TApplicationForm::CreateStatusBar() {
    // Each item is a section of its own, as wide as its text in the window's font when there is room
    // and cut short with "..." when the window is too narrow for it, so that no text runs into the
    // next one; the whole text shows on hover and on a click.
    portSummary_ = new TElidedLabel(this);
    portSummary_->setObjectName("PortSummary");
    portProblem_ = new TElidedLabel(this);
    portProblem_->setObjectName("PortProblem");
    // A warning's red, lightened on a dark theme until it reads.
    portProblem_->setStyleSheet(
        QString("color: %1").arg(ReadableOn(0xB00020, palette(), QPalette::Window).name()));
    portProblem_->hide();
    // Where the last transfer kept its copy of the device's settings.
    TElidedLabel* backupNote = transfer_->BackupNote();
    for (TElidedLabel* section : {portSummary_, portProblem_, transfer_->ResultNote(), backupNote}) {
        section->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        section->setContentsMargins(3, 0, 3, 0);
    }
    statusBar()->addWidget(portSummary_);
    statusBar()->addWidget(portProblem_, 1);
    statusBar()->addPermanentWidget(transfer_->ResultNote());
    statusBar()->addPermanentWidget(backupNote);
    statusBar()->addPermanentWidget(problems_->CountButton());
    // A double click on the status bar opens the audio parameters, as the Options menu does.
    statusBar()->installEventFilter(this);
}

QMenu* TApplicationForm::createPopupMenu() {
    auto* menu = new QMenu(this);
    for (const auto& [toggle, bar] : commandTable_->ToolBarSwitches())
        menu->addAction(toggle);
    menu->addSeparator();
    menu->addAction(Action("ActProblems"));
    return menu;
}

void TApplicationForm::ToggleToolBar(QToolBar* bar, bool visible) {
    bar->setVisible(visible);
}

void TApplicationForm::ApplyCaptions() {
    commandTable_->ApplyCaptions(texts_);
    undo_->UpdateActions();
    problems_->ApplyCaptions();
    inputPage_->InputCheck()->setText(Q(texts_.Text("LIST_DESCR_INPUT")));
    inputPage_->SetOutCBox()->setText(Q(texts_.Text("LIST_CAPT_ENPOSTAN")));
    phoneBook_->ApplyCaptions();
    transfer_->RefreshBackupNote();
    treePopup_->actions()[0]->setText(Q(texts_.Text("SUB1_ENABLE")));
    treePopup_->actions()[1]->setText(Q(texts_.Text("SUB1_DISABLE")));
    GiveAccessKeys(*treePopup_);
    pages_->ApplyDescriptions(texts_);
    treeView_->setAccessibleName(Q(texts_.Text("PRG_A11Y_TREE")));
    audioForm_->ApplyTexts(texts_);
    phoneDialog_->SetCancelText(Q(texts_.Text("PRG_CANCEL")));
    ShowDocumentTitle();
}

void TApplicationForm::RebuildRecentFilesMenu() {
    QMenu* fileMenu = commandTable_->Menu("File");
    for (QAction* a : recentActions_)
        fileMenu->removeAction(a), a->deleteLater();
    recentActions_.clear();
    QAction* before = fileMenu->actions()[fileMenu->actions().indexOf(commandTable_->RecentSeparator()) + 1];
    int n = 1;
    for (const std::string& file : settings_.RecentFiles.Entries()) {
        // An ampersand of the file's name is shown, not taken for an access key.
        auto* a = new QAction(QString("&%1 %2").arg(n++).arg(Q(file).replace('&', "&&")), this);
        connect(a, &QAction::triggered, this, [this, file] { commands_->OpenRecent(file); });
        fileMenu->insertAction(before, a);
        recentActions_.push_back(a);
    }
}

} // namespace korvisel
