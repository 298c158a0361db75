// SPDX-License-Identifier: GPL-3.0-or-later
// The settings dialog: the recent-list length and the working folder, the CPU port and its line
// settings, and the interface language. It works on the main window's option state; Cancel puts back
// what the dialog showed when it opened, and every close stores the general values.
#pragma once

#include "editor/SettingsDialogState.h"
#include "files/WorkFolders.h"
#include "i18n/LanguageTexts.h"
#include "i18n/Registrations.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace korvisel {

class TEditLetNum;
class TUpDown;

class TOptionForm : public QDialog {
    Q_OBJECT
public:
    enum class TTab { General = 0, Port = 1, PortSettings = 2, Language = 3 };

    TOptionForm(TSettingsStore& store, TOptionState& options, TWorkFolders folders,
                QWidget* parent = nullptr);
    ~TOptionForm() override;

    // Settings ... passes the texts for the captions; Language ... passes none and keeps the last.
    // `shown` is the CPU port as it runs. True for OK.
    bool Execute(TTab tab, const TOptSetComm& shown, const TLanguageTexts* captions);
    // The port names changed while the dialog is open.
    void ShowPortNames();

    // The platform dialogs; tests put their own in place. Each returns empty when cancelled.
    std::function<std::string()> FolderBrowser;
    std::function<std::string()> LanguageFileChooser;

    QTabWidget* Tabs() const { return tabs_; }
    TEditLetNum* ListLengthEdit() const { return listLength_; }
    QCheckBox* UseProgramFolderBox() const { return useProgramFolder_; }
    QLineEdit* WorkFolderField() const { return workFolder_; }
    QPushButton* BrowseButton() const { return browse_; }
    QComboBox* PortList() const { return portList_; }
    QComboBox* SpeedList() const { return lists_[0]; }
    QCheckBox* DeviceCheckBox() const { return deviceCheck_; }
    QCheckBox* KeepCopyBox() const { return keepCopy_; }
    QComboBox* LanguageList() const { return languageList_; }
    QPushButton* ChooseLanguageButton() const { return chooseLanguage_; }
    QPushButton* AddLanguageButton() const { return addLanguage_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

protected:
    void done(int result) override;

private:
    QWidget* GeneralTab();
    QWidget* PortTab();
    QWidget* PortSettingsTab();
    QWidget* LanguageTab();
    void ApplyTexts(const TLanguageTexts& texts);
    void ShowProgramFolderTip(const TLanguageTexts& texts);
    // Activation: the snapshot Cancel restores, then the stored values.
    void Activate();
    void ShowOptions();
    void ShowWorkFolder();
    void FillLanguages();
    template <typename Write> void Filling(Write&& write);

    TSettingsStore& store_;
    TLanguageTexts texts_; // the captions last applied
    TOptionState& options_;
    TWorkFolders folders_;
    TOptionState snapshot_;
    std::string rememberedFolder_;
    std::vector<TLanguageInfo> languages_;
    bool filling_ = false;

    QTabWidget* tabs_;
    TEditLetNum* listLength_ = nullptr;
    TUpDown* listLengthUpDown_ = nullptr;
    QLabel* listLengthLabel_ = nullptr;
    QGroupBox* workGroup_ = nullptr;
    QCheckBox* useProgramFolder_ = nullptr;
    QLineEdit* workFolder_ = nullptr;
    QPushButton* browse_ = nullptr;
    QLabel* portLabel_ = nullptr;
    QComboBox* portList_ = nullptr;
    // Speed, data bits, parity, stop bits, hardware flow, software flow, DTR.
    std::array<QComboBox*, 7> lists_{};
    std::array<QLabel*, 7> listLabels_{};
    QGroupBox* baseGroup_ = nullptr;
    QGroupBox* advancedGroup_ = nullptr;
    QGroupBox* flowGroup_ = nullptr;
    QCheckBox* deviceCheck_ = nullptr;
    QCheckBox* keepCopy_ = nullptr;
    QLabel* languageLabel_ = nullptr;
    QComboBox* languageList_ = nullptr;
    QGroupBox* extensionGroup_ = nullptr;
    QLabel* fileNameLabel_ = nullptr;
    QLineEdit* fileName_ = nullptr;
    QLabel* filePathLabel_ = nullptr;
    QLineEdit* filePath_ = nullptr;
    QPushButton* chooseLanguage_ = nullptr;
    QPushButton* addLanguage_ = nullptr;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace korvisel
