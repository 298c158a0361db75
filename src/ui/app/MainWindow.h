// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: menus, toolbars, status bar, the navigation tree and its pages, the document
// commands, and what runs at creation, at every activation and at destruction.
#pragma once

#include "core/MessageBoxes.h"
#include "editor/DocumentCommands.h"
#include "editor/EditHistory.h"
#include "editor/OpenFailure.h"
#include "editor/PageHost.h"
#include "editor/SettingsDialogState.h"
#include "fields/NavigationTree.h"
#include "i18n/LanguageTexts.h"
#include "i18n/Registrations.h"
#include "link/BatchTransfer.h"
#include "link/ScanningSerialPort.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"
#include "ui/app/QtTranslations.h"
#include "ui/app/SettingsDialog.h"

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>

class QDialog;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QUrl;

namespace korvisel {

class TDesktopOpener;
class TElidedLabel;
class TNavigationTreeView;
class TInputSummaryPage;
class TTestInformationPage;
class TPageStack;
class TProblemsPanel;
class TComparisonDialog;
class TBackupsDialog;
class TSeveralDevicesDialog;
struct TProblemPlace;
class TCommandTable;
class TDeviceTransfer;
class TUndoCommands;
class TDocumentSignals;
class TAudioForm;
class TClipboardCommands;
class TPhoneBookActions;
class TCodeLibraryForm;
class TPhoneDialog;
class TReportPreview;
struct TPageContext;

class TApplicationForm : public QMainWindow, private IDocumentView, private IPageHost {
    Q_OBJECT
public:
    TApplicationForm(IMessageBoxes& boxes, TSettingsStore& store, QWidget* parent = nullptr);
    ~TApplicationForm() override;

    // The About box, created once at start after the main window and shown by ActAbout.
    void SetAboutForm(QDialog* about) { about_ = about; }

    // The file named on the command line, opened at the end of creation.
    void OpenCommandLineFile(const QString& argument);

    TDocument& Document() { return document_; }
    QAction* Action(const QString& name) const;
    QToolBar* ToolBar(const QString& name) const;
    const TLanguageTexts& Texts() const { return texts_; }
    TNodeKind CurrentNodeKind() const { return currentNodeKind_; }
    void OpenSettings(TOptionForm::TTab tab);
    // Print Preview: the configuration report of the project as it stands.
    void PreviewReport();
    // The audio parameters dialog, with the focus in parameter `focused` (1 to 4) when given.
    void EditAudioParameters(int focused = 0);

    void ShowNodePage(const TTreeNodeData& node);
    // The page of the selected node filled again, as when it was selected.
    void RefreshCurrentPage();

    TDocumentCommands& Commands() { return *commands_; }

    // Read, Write and what goes with them: the check's report, the copy kept, the backups.
    TDeviceTransfer& Transfer() const { return *transfer_; }
    void WriteToDevice();
    void ReadFromDevice();

    // The open and save dialogs; tests put their own in place.
    using TFileChooser = std::function<std::optional<std::string>(bool save, const std::string& folder)>;
    void SetFileChooser(TFileChooser chooser) { fileChooser_ = std::move(chooser); }
    TMainWindowSettings& Settings() { return settings_; }
    // The settings dialog's state, which every activation applies to the CPU port.
    TOptionState& Options() { return options_; }
    TCommPortDriverEx& CpuPort() { return cpuPort_; }

protected:
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    // IDocumentView
    std::optional<std::string> ChooseSaveFile(const std::string& folder) override;
    std::optional<std::string> ChooseOpenFile(const std::string& folder) override;
    void SelectFirstNode() override;

    // IPageHost
    void ShowPhoneBookNode() override;
    void DisableClipboardActions() override;

    // What follows every change of the document: the title, the tree's marks, the page, the
    // Problems panel and the Edit menu; after Undo and Redo the node where the step was made.
    void FollowDocument(const TDocumentChange& change);
    // "KORvisel PRO [name]", marked while the project holds unsaved changes.
    void ShowDocumentTitle();
    void SyncInputReportNodes(int input, TReportKind reportType);
    void SyncTestReportNodes();
    void SyncOutputTimeNode(int output, TWorkType workType);

    void CreateCommands();
    void CreateStatusBar();
    void CreatePages();
    void ConnectSummaryChecks();
    void Activate();
    void ApplyLanguage();
    void ApplyCaptions();
    void RebuildRecentFilesMenu();
    void ToggleToolBar(QToolBar* bar, bool visible);
    // The window's size, place and maximised state from the last run, and saved for the next one.
    void RestorePlacement();
    void SavePlacement();
    void AddProblemsPanel();
    // A problem's row was activated: the node where it is fixed, and its control, get the focus.
    void ShowProblemPlace(const TProblemPlace& place);
    // Read, Write, Write to Several Devices and Compare with Device need a port.
    void EnableDeviceCommands(bool enabled);
    // Write to Several Devices: the ports offered, then the check and the batch on the ticked ones. The
    // CPU port is lent to the batch when it is among them and taken back at its end, when the status
    // bar notes the copies the batch kept.
    void OfferSeveralDevices();
    void WriteSeveralDevices(const std::vector<std::string>& ports);
    void EndSeveralDevices(const std::vector<TBatchResult>& results);
    // Tools: the device's settings compared with the project; the backups kept.
    void CompareWithDevice();
    void BrowseBackups();
    // File > Save as Template and File > New from Template.
    void SaveAsTemplate();
    void NewFromTemplate();
    void CompareWithBackup(const std::string& file);
    // The node selected and scrolled to, its page shown.
    void ShowChosenNode(const TTreeNodeData& node);
    void ToggleInput(bool enabled);
    // The tree's marks of report kinds and output times as the project stands.
    void SyncMarks();
    // Where an edit through `control` (a command: its caption, `label`) is made: the node shown.
    TEditPlace CurrentPlace(const QObject* control, TTextKey label = nullptr) const;
    // After Undo or Redo: the node where the step was made, its page filled again.
    void ShowRestored(const TTreeNodeData& node);
    void ShowTreePopup(const QPoint& at);
    void OpenHelp(const std::string& file, const QString& fragment);
    // Opens with the desktop's opener; a failure is told, naming `shown`.
    void OpenWithDesktop(const QUrl& url, const std::string& shown);
    void TellCannotOpen(const std::string& shown, TOpenFailure failure, const QString& words);
    void ShowAbout();
    void ShowPortSummary();
    // A serial device came or went while the window runs.
    void RefreshPorts();

    IMessageBoxes& boxes_;
    TSettingsStore& store_;
    TLanguageTexts texts_;
    TDocument document_;
    std::unique_ptr<TDocumentCommands> commands_;
    TNavigationTree tree_;
    TMainWindowSettings settings_;
    TOptionState options_;
    TQtTranslations qtTranslations_;
    // Where the file dialogs may start: an installed program's folder never serves.
    TWorkFolders workFolders_;
    TLanguageInfo language_;
    TModules modules_;
    TCommPortDriverEx cpuPort_;
    QTimer* pollTimer_;
    int portAvailability_ = 1;
    bool closingConfirmed_ = false;
    bool activated_ = false;
    TFileChooser fileChooser_;
    TDesktopOpener* opener_ = nullptr;
    TDeviceTransfer* transfer_ = nullptr;
    TUndoCommands* undo_ = nullptr;
    TDocumentSignals* documentSignals_ = nullptr;
    TNodeKind currentNodeKind_ = nkInfo;
    int currentInput_ = 0;
    int currentOutput_ = 0;

    TNavigationTreeView* treeView_ = nullptr;
    TPageStack* pages_ = nullptr;
    std::unique_ptr<TCommandTable> commandTable_;
    TInputSummaryPage* inputPage_ = nullptr;
    TTestInformationPage* testPage_ = nullptr;
    // The phone dialog, created once with the window and reused by every page.
    TPhoneDialog* phoneDialog_ = nullptr;
    TCodeLibraryForm* codeLibrary_ = nullptr;
    TPhoneBookActions* phoneBook_ = nullptr;
    TClipboardCommands* clipboard_ = nullptr;
    // The audio parameters dialog, opened by a double click on the status bar.
    TAudioForm* audioForm_ = nullptr;
    // The settings dialog, opened by Settings ... and Language ...
    TOptionForm* optionForm_ = nullptr;
    TReportPreview* reportPreview_ = nullptr;
    TProblemsPanel* problems_ = nullptr;
    TComparisonDialog* comparison_ = nullptr;
    TBackupsDialog* backups_ = nullptr;
    TSeveralDevicesDialog* several_ = nullptr;
    bool cpuPortLent_ = false;
    bool placed_ = false; // put where the last run left it
    bool framed_ = false; // brought inside the screen with the desktop's frame around it
    std::unique_ptr<TPageContext> pageContext_;
    QMenu* treePopup_ = nullptr;
    QList<QAction*> recentActions_;
    TElidedLabel* portSummary_ = nullptr;
    TElidedLabel* portProblem_ = nullptr;
    QDialog* about_ = nullptr;
};

} // namespace korvisel
