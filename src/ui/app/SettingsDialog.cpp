// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/SettingsDialog.h"

#include "files/StandardPaths.h"
#include "ui/widgets/FileFilter.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/HalfSecondRow.h"
#include "ui/widgets/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace korvisel {
namespace {

QStringList Items(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items)
        list << Q(item);
    return list;
}

// The port controls in the order of the dialog's lists.
constexpr int TPortControls::*ListFields[] = {
    &TPortControls::SpeedIndex,    &TPortControls::DataBitsIndex, &TPortControls::ParityIndex,
    &TPortControls::StopBitsIndex, &TPortControls::HwFlowIndex,   &TPortControls::SwFlowIndex,
    &TPortControls::DtrIndex,
};
constexpr TTextKey ListCaptionKeys[] = {"F4_OPT_L3_B_RATE", "F4_OPT_L3_DATA_B", "F4_OPT_L3_PARITY",
                                        "F4_OPT_L3_STOP_B", "F4_OPT_L3_HARD_F", "F4_OPT_L3_SOFT_F",
                                        "F4_OPT_L3_DTR_CON"};
const char* const ListDesignCaptions[] = {"Baud Rate",     "Data Bits",     "Parity",     "Stop Bits",
                                          "Hardvare flow", "Software flow", "DTR Control"};

// The size the dialog's texts need now. A hidden dialog's layouts do not follow new captions by
// themselves: every one of them, nested ones too, is measured again.
QSize SizeForTexts(QWidget& dialog) {
    for (QLayout* layout : dialog.findChildren<QLayout*>())
        layout->invalidate();
    for (QWidget* child : dialog.findChildren<QWidget*>())
        child->updateGeometry();
    dialog.layout()->invalidate();
    return dialog.sizeHint();
}

} // namespace

TOptionForm::TOptionForm(TSettingsStore& store, TOptionState& options, TWorkFolders folders, QWidget* parent)
    : QDialog(parent), store_(store), texts_(TLanguageTexts::BuiltInEnglish()), options_(options),
      folders_(std::move(folders)), tabs_(new QTabWidget(this)), ok_(new QPushButton("OK", this)),
      cancel_(new QPushButton(Q(TTextKey("PRG_CANCEL").BuiltInText()), this)) {
    setObjectName("OptionForm");
    setWindowTitle("Settings ...");
    tabs_->addTab(GeneralTab(), "General");
    tabs_->addTab(PortTab(), "COM Port");
    tabs_->addTab(PortSettingsTab(), "COM Port Settings");
    tabs_->addTab(LanguageTab(), "Language");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    FolderBrowser = [this] {
        QFileDialog browser(this, Q(texts_.Text("PRG_FOLDER_TITLE")), Q(options_.WorkPath));
        browser.setFileMode(QFileDialog::Directory);
        browser.setOption(QFileDialog::ShowDirsOnly);
        browser.setLabelText(QFileDialog::LookIn, Q(texts_.Text("PRG_FOLDER_PROMPT")));
        return browser.exec() == QDialog::Accepted && !browser.selectedFiles().isEmpty()
                   ? browser.selectedFiles().front().toStdString()
                   : std::string{};
    };
    LanguageFileChooser = [this] {
        return QFileDialog::getOpenFileName(this, {}, {}, FileFilter(texts_, "PRG_FILTER_LANGUAGES"))
            .toStdString();
    };
    // Creation: the languages with the stored choice selected.
    FillLanguages();
    setFixedSize(sizeHint().expandedTo(QSize(440, 330)));
}

TOptionForm::~TOptionForm() {
    SaveOptionValues(options_, store_);
}

template <typename Write> void TOptionForm::Filling(Write&& write) {
    const bool was = filling_;
    filling_ = true;
    write();
    filling_ = was;
}

QWidget* TOptionForm::GeneralTab() {
    auto* tab = new QWidget;
    listLengthLabel_ = new QLabel("File List Length", tab);
    listLength_ = new TEditLetNum(tab);
    listLength_->setObjectName("EditLetNum1");
    listLength_->SetMinNumber(1);
    listLength_->SetMaxNumber(10);
    listLength_->SetNumberCount(2);
    listLength_->setFixedWidth(44);
    listLengthUpDown_ = new TUpDown(tab);
    listLengthUpDown_->StepWithArrowKeys(listLength_);
    listLengthLabel_->setBuddy(listLength_);
    // Until the language's texts apply, as the label does.
    listLengthUpDown_->SetNames(listLengthLabel_->text(), TLanguageTexts::BuiltInEnglish());
    workGroup_ = new QGroupBox("Working Directory", tab);
    useProgramFolder_ = new QCheckBox("Use Programm Directory", workGroup_);
    // An installed program's folder is never a working folder; the tip says why the box is grey.
    useProgramFolder_->setEnabled(!folders_.Program.empty());
    ShowProgramFolderTip(TLanguageTexts::BuiltInEnglish());
    workFolder_ = new QLineEdit(workGroup_);
    workFolder_->setReadOnly(true);
    browse_ = new QPushButton("...", workGroup_);
    browse_->setFixedWidth(32);

    auto* row = new QHBoxLayout;
    row->addWidget(listLengthLabel_);
    row->addWidget(listLength_);
    row->addWidget(listLengthUpDown_);
    row->addStretch();
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(workFolder_);
    folderRow->addWidget(browse_);
    auto* group = new QVBoxLayout(workGroup_);
    group->addWidget(useProgramFolder_);
    group->addLayout(folderRow);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(row);
    layout->addWidget(workGroup_);
    layout->addStretch();

    connect(listLength_, &TEditLetNum::Changed, this, [this](std::uint32_t n) {
        if (!filling_)
            options_.ListLength = static_cast<int>(n);
    });
    connect(listLengthUpDown_, &TUpDown::Stepped, this, [this](bool up) {
        listLength_->SetNumber(
            static_cast<std::uint32_t>(std::clamp(options_.ListLength + (up ? 1 : -1), 1, 10)));
    });
    connect(useProgramFolder_, &QCheckBox::clicked, this, [this](bool checked) {
        if (filling_)
            return;
        if (checked)
            CheckUseProgramFolder(options_, rememberedFolder_, folders_.Program);
        else
            UncheckUseProgramFolder(options_, rememberedFolder_, folders_.Program, FolderBrowser);
        ShowWorkFolder();
    });
    connect(browse_, &QPushButton::clicked, this, [this] {
        BrowseWorkFolder(options_, folders_.Program, FolderBrowser);
        ShowWorkFolder();
    });
    return tab;
}

QWidget* TOptionForm::PortTab() {
    auto* tab = new QWidget;
    portLabel_ = new QLabel("COM Port", tab);
    portList_ = new QComboBox(tab);
    portList_->setObjectName("CPUPortBox");
    portList_->setMinimumWidth(160);
    auto* row = new QHBoxLayout;
    row->addWidget(portLabel_);
    row->addWidget(portList_);
    row->addStretch();
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(row);
    layout->addStretch();
    connect(portList_, &QComboBox::activated, this, [this](int index) {
        if (!filling_)
            options_.Port.PortIndex = index;
    });
    return tab;
}

QWidget* TOptionForm::PortSettingsTab() {
    auto* tab = new QWidget;
    baseGroup_ = new QGroupBox("Base Settings", tab);
    advancedGroup_ = new QGroupBox("Advanced Settings", tab);
    flowGroup_ = new QGroupBox("Flow Control", advancedGroup_);
    auto* base = new QFormLayout(baseGroup_);
    auto* flow = new QFormLayout(flowGroup_);
    const std::vector<std::string>* entries[] = {
        &PortChoices::Speeds,  &PortChoices::DataBits, &PortChoices::Parities,   &PortChoices::StopBits,
        &PortChoices::HwFlows, &PortChoices::SwFlows,  &PortChoices::DtrControls};
    for (std::size_t n = 0; n < lists_.size(); ++n) {
        lists_[n] = new QComboBox(tab);
        lists_[n]->setObjectName(QString("PortList%1").arg(n + 1));
        lists_[n]->addItems(Items(*entries[n]));
        // Its entries are language texts: it is as wide as the current language's.
        lists_[n]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        listLabels_[n] = new QLabel(ListDesignCaptions[n], tab);
        (n < 4 ? base : flow)->addRow(listLabels_[n], lists_[n]);
        connect(lists_[n], &QComboBox::activated, this, [this, n](int index) {
            if (!filling_)
                options_.Port.*ListFields[n] = index;
        });
    }
    deviceCheck_ = new QCheckBox("Device Check", advancedGroup_);
    keepCopy_ = new QCheckBox(Q(TTextKey("PRG_KEEP_COPY").BuiltInText()), tab);
    keepCopy_->setObjectName("KeepCopyBox");
    auto* advanced = new QVBoxLayout(advancedGroup_);
    advanced->addWidget(deviceCheck_);
    advanced->addWidget(flowGroup_);
    auto* columns = new QHBoxLayout;
    columns->addWidget(baseGroup_);
    columns->addWidget(advancedGroup_);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(columns);
    layout->addWidget(keepCopy_);
    layout->addStretch();
    connect(deviceCheck_, &QCheckBox::clicked, this, [this](bool checked) {
        if (!filling_)
            options_.Port.DeviceCheck = checked;
    });
    connect(keepCopy_, &QCheckBox::clicked, this, [this](bool checked) {
        if (!filling_)
            options_.KeepCopyBeforeWrite = checked;
    });
    return tab;
}

QWidget* TOptionForm::LanguageTab() {
    auto* tab = new QWidget;
    languageLabel_ = new QLabel("Language", tab);
    languageList_ = new QComboBox(tab);
    languageList_->setObjectName("LanguageBox");
    languageList_->setMinimumWidth(200);
    extensionGroup_ = new QGroupBox("Extension Settings Language", tab);
    fileNameLabel_ = new QLabel("Language", extensionGroup_);
    fileName_ = new QLineEdit(extensionGroup_);
    filePathLabel_ = new QLabel("Module Path", extensionGroup_);
    filePath_ = new QLineEdit(extensionGroup_);
    for (QLineEdit* field : {fileName_, filePath_})
        field->setReadOnly(true);
    chooseLanguage_ = new QPushButton("...", extensionGroup_);
    chooseLanguage_->setFixedWidth(32);
    addLanguage_ = new QPushButton("Add Language", extensionGroup_);
    addLanguage_->setEnabled(false);

    auto* row = new QHBoxLayout;
    row->addWidget(languageLabel_);
    row->addWidget(languageList_);
    row->addStretch();
    auto* fields = new QGridLayout(extensionGroup_);
    fields->addWidget(fileNameLabel_, 0, 0);
    fields->addWidget(fileName_, 0, 1);
    fields->addWidget(filePathLabel_, 1, 0);
    fields->addWidget(filePath_, 1, 1);
    fields->addWidget(chooseLanguage_, 1, 2);
    fields->addWidget(addLanguage_, 2, 1, Qt::AlignRight);
    auto* layout = new QVBoxLayout(tab);
    layout->addLayout(row);
    layout->addWidget(extensionGroup_);
    layout->addStretch();

    // A language chosen is stored at once; it takes effect when the dialog closes, OK or Cancel.
    connect(languageList_, &QComboBox::activated, this,
            [this](int index) { StoreLanguageChoice(store_, languages_, index); });
    connect(chooseLanguage_, &QPushButton::clicked, this, [this] {
        if (const auto chosen = ChooseLanguageFile(LanguageFileChooser())) {
            fileName_->setText(Q(chosen->Name));
            filePath_->setText(Q(chosen->Path));
            addLanguage_->setEnabled(true);
        }
    });
    connect(addLanguage_, &QPushButton::clicked, this, [this] {
        if (!fileName_->text().isEmpty() && !filePath_->text().isEmpty()) {
            // The list is refilled newest first: the stored choice, the language that will be
            // applied, is highlighted again by its name, not by its old position.
            if (AddLanguage(store_, languages_, fileName_->text().toStdString(),
                            filePath_->text().toStdString()) == TAddLanguageResult::Added) {
                FillLanguages();
            } else {
                fileName_->clear();
                filePath_->clear();
            }
        }
        addLanguage_->setEnabled(false);
    });
    return tab;
}

void TOptionForm::FillLanguages() {
    const TLanguageList list = FillLanguageList(store_);
    languages_ = list.Entries;
    const QSignalBlocker block(languageList_);
    languageList_->clear();
    for (const TLanguageInfo& language : languages_)
        languageList_->addItem(Q(language.Name));
    languageList_->setCurrentIndex(list.Selected);
}

void TOptionForm::ShowProgramFolderTip(const TLanguageTexts& texts) {
    if (folders_.Program.empty())
        useProgramFolder_->setToolTip(Q(texts.Text("PRG_PROGRAM_FOLDER_SYSTEM")).arg(Q(ProgramFolder())));
}

void TOptionForm::ApplyTexts(const TLanguageTexts& texts) {
    const auto t = [&texts](TTextKey key) { return Q(texts.Text(key)); };
    setWindowTitle(t("F4_OPT_CAPTION"));
    tabs_->setTabText(0, t("F4_OPT_L1_CAPTION"));
    tabs_->setTabText(1, t("F4_OPT_L2_CAPTION"));
    tabs_->setTabText(2, t("F4_OPT_L3_CAPTION"));
    tabs_->setTabText(3, t("F4_OPT_L5_CAPTION"));
    listLengthLabel_->setText(t("F4_OPT_L1_FILE_L"));
    listLengthUpDown_->SetNames(t("F4_OPT_L1_FILE_L").remove('&').trimmed(), texts);
    workGroup_->setTitle(t("F4_OPT_L1_FILE_WD"));
    useProgramFolder_->setText(t("F4_OPT_L1_USE_PD"));
    ShowProgramFolderTip(texts);
    portLabel_->setText(t("F4_OPT_L2_CPU_COM"));
    baseGroup_->setTitle(t("F4_OPT_L3_BASE_S"));
    advancedGroup_->setTitle(t("F4_OPT_L3_ADV_SET"));
    flowGroup_->setTitle(t("F4_OPT_L3_FLOW_C"));
    deviceCheck_->setText(t("F4_OPT_L3_DEV_CH"));
    for (std::size_t n = 0; n < listLabels_.size(); ++n)
        listLabels_[n]->setText(t(ListCaptionKeys[n]));
    // The flow lists' entries are language texts too.
    const QStringList flows[] = {{t("F4_OPT_L3_C_VAR1"), t("F4_OPT_L3_C_VAR2"), t("F4_OPT_L3_C_VAR3")},
                                 {t("F4_OPT_L3_C_VAR1"), t("F4_OPT_L3_C_VAR4")},
                                 {t("F4_OPT_L3_C_VAR5"), t("F4_OPT_L3_C_VAR6")}};
    for (std::size_t n = 0; n < 3; ++n)
        for (int item = 0; item < flows[n].size(); ++item)
            lists_[4 + n]->setItemText(item, flows[n][item]);
    languageLabel_->setText(t("F4_OPT_L5_LANG"));
    extensionGroup_->setTitle(t("F4_OPT_L5_EX_S_L"));
    fileNameLabel_->setText(t("F4_OPT_L5_LANG"));
    filePathLabel_->setText(t("F4_OPT_L5_M_PATH"));
    addLanguage_->setText(t("F4_OPT_L5_ADD_BT"));
    keepCopy_->setText(t("PRG_KEEP_COPY"));
    cancel_->setText(t("PRG_CANCEL"));
    texts_ = texts;
    // The dialog keeps one size while it is open; each language gets the size its texts need.
    setFixedSize(SizeForTexts(*this).expandedTo(QSize(440, 330)));
}

bool TOptionForm::Execute(TTab tab, const TOptSetComm& shown, const TLanguageTexts* captions) {
    if (captions)
        ApplyTexts(*captions);
    // Showing: the port settings as the port runs them, then the stored port choice.
    SetPortControls(shown, options_.Port);
    tabs_->setCurrentIndex(static_cast<int>(tab));
    Activate();
    return exec() == QDialog::Accepted;
}

void TOptionForm::Activate() {
    snapshot_ = options_;
    LoadOptionValues(options_, store_, folders_);
    ShowOptions();
}

void TOptionForm::ShowOptions() {
    Filling([this] {
        listLength_->SetNumber(static_cast<std::uint32_t>(options_.ListLength));
        for (std::size_t n = 0; n < lists_.size(); ++n)
            lists_[n]->setCurrentIndex(options_.Port.*ListFields[n]);
        deviceCheck_->setChecked(options_.Port.DeviceCheck);
        keepCopy_->setChecked(options_.KeepCopyBeforeWrite);
    });
    ShowPortNames();
    ShowWorkFolder();
}

void TOptionForm::ShowPortNames() {
    Filling([this] {
        portList_->clear();
        portList_->addItems(Items(options_.Port.PortNames));
        portList_->setCurrentIndex(options_.Port.PortIndex);
        portList_->setPlaceholderText(Q(AbsentPortText(options_.Port, store_, texts_)));
    });
}

void TOptionForm::ShowWorkFolder() {
    Filling([this] {
        useProgramFolder_->setChecked(options_.UseProgramFolder);
        workFolder_->setText(Q(options_.WorkPath));
        // The program's folder is shown grey.
        QPalette palette = workFolder_->palette();
        palette.setColor(QPalette::Text, options_.UseProgramFolder
                                             ? palette.color(QPalette::Disabled, QPalette::Text)
                                             : QPalette().color(QPalette::Text));
        workFolder_->setPalette(palette);
    });
}

void TOptionForm::done(int result) {
    if (result != QDialog::Accepted) {
        options_ = snapshot_;
        ShowOptions();
    }
    SaveOptionValues(options_, store_);
    QDialog::done(result);
}

} // namespace korvisel
