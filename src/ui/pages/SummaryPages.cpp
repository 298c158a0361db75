// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/SummaryPages.h"

#include "markup/Panels.h"
#include "markup/PrintInfoRows.h"
#include "i18n/LanguageFile.h"

#include <QSignalBlocker>
#include <QVBoxLayout>

namespace korvisel {
namespace {

QString Text(const TLanguageTexts& texts, TTextKey key) {
    return QString::fromStdString(texts.Text(key));
}

} // namespace

TInfoPage::TInfoPage(const QString& pageName, int pointSize, bool takesFocusOnHover, TSummarySource source,
                     QWidget* parent)
    : TNodePage(pageName, parent), source_(source), list_(new TExtensionList(this)) {
    QFont font = list_->font();
    font.setPointSize(pointSize);
    list_->setFont(font);
    list_->SetItemHeight(16);
    list_->SetTakesFocusOnHover(takesFocusOnHover);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
}

void TInfoPage::DisableClipboardActions() const {
    if (source_.Host)
        source_.Host->DisableClipboardActions();
}

TProjectSummaryPage::TProjectSummaryPage(TSummarySource source, QWidget* parent)
    : TInfoPage("Info", 8, true, source, parent) {
    list_->setObjectName("ExtensionList1");
}

void TProjectSummaryPage::ShowNode(const TTreeNodeData&) {
    DisableClipboardActions();
    Fill(source_.Document.Project(), source_.Texts);
}

void TProjectSummaryPage::Fill(const TProjectInfo& project, const TLanguageTexts& texts) {
    list_->SetRows(ProjectSummaryRows(project, texts));
}

TInputSummaryPage::TInputSummaryPage(TSummarySource source, QWidget* parent)
    : TInfoPage("Input", 8, false, source, parent), inputCheck_(new QCheckBox(this)),
      setOutCBox_(new QCheckBox(this)) {
    list_->setObjectName("ExtensionList2");
    inputCheck_->setObjectName("InputCheck");
    setOutCBox_->setObjectName("SetOutCBox");
    layout()->addWidget(inputCheck_);
    layout()->addWidget(setOutCBox_);
}

void TInputSummaryPage::ShowNode(const TTreeNodeData& node) {
    DisableClipboardActions();
    Fill(source_.Document.Project(), node.Input, source_.Texts);
}

void TInputSummaryPage::Fill(const TProjectInfo& project, int input, const TLanguageTexts& texts) {
    if (input < 1 || input > static_cast<int>(InputCount))
        return;
    const TInputChecks checks = InputSummaryChecks(project, input);
    {
        // Setting the boxes is not a user's edit.
        const QSignalBlocker blockInput(inputCheck_);
        const QSignalBlocker blockArm(setOutCBox_);
        inputCheck_->setText(Text(texts, "LIST_DESCR_INPUT"));
        setOutCBox_->setText(Text(texts, "LIST_CAPT_ENPOSTAN"));
        inputCheck_->setChecked(checks.InputChecked);
        setOutCBox_->setEnabled(checks.ArmEnabled);
        setOutCBox_->setChecked(checks.ArmChecked);
        inputCheck_->setEnabled(true);
    }
    list_->SetRows(InputSummaryRows(project, input, texts));
}

TOutputSummaryPage::TOutputSummaryPage(TSummarySource source, QWidget* parent)
    : TInfoPage("Output", 9, false, source, parent) {
    list_->setObjectName("ExtensionList3");
}

void TOutputSummaryPage::ShowNode(const TTreeNodeData& node) {
    Fill(source_.Document.Project(), node.Output, source_.Texts);
}

void TOutputSummaryPage::Fill(const TProjectInfo& project, int output, const TLanguageTexts& texts) {
    if (output < 1 || output > static_cast<int>(OutputCount))
        return;
    list_->SetRows(OutputSummaryRows(project, output, texts));
}

TTestBlockSummaryPage::TTestBlockSummaryPage(TSummarySource source, QWidget* parent)
    : TInfoPage("TestBlockInfo", 8, true, source, parent) {
    list_->setObjectName("ExtensionList4");
}

void TTestBlockSummaryPage::ShowNode(const TTreeNodeData&) {
    Fill(source_.Document.Project(), source_.Texts);
}

void TTestBlockSummaryPage::Fill(const TProjectInfo& project, const TLanguageTexts& texts) {
    list_->SetRows(TestBlockSummaryRows(project, texts));
}

TTestInformationPage::TTestInformationPage(TSummarySource source, QWidget* parent)
    : TInfoPage("TestInformation", 8, false, source, parent), testCheck_(new QCheckBox(this)) {
    list_->setObjectName("ExtensionList8");
    testCheck_->setObjectName("TestCheck");
    layout()->addWidget(testCheck_);
}

void TTestInformationPage::ShowNode(const TTreeNodeData& node) {
    if (node.Kind == nkGsmTest)
        FillGsmSupervision(source_.Document.Project(), node.Output, source_.Texts);
    else
        FillPeriodicTest(source_.Document.Project(), node.Output, source_.Texts);
}

void TTestInformationPage::FillGsmSupervision(const TProjectInfo& project, int currentOutput,
                                              const TLanguageTexts& texts) {
    const QSignalBlocker block(testCheck_);
    testCheck_->setText(Text(texts, "LIST_CAPT_ENTEST"));
    list_->clear();
    if (currentOutput != 1)
        return;
    testCheck_->setChecked(project.GsmEnabled);
    list_->SetRows(GsmSupervisionRows(project, texts));
}

void TTestInformationPage::FillPeriodicTest(const TProjectInfo& project, int currentOutput,
                                            const TLanguageTexts& texts) {
    const QSignalBlocker block(testCheck_);
    testCheck_->setChecked(project.TestEnabled);
    testCheck_->setText(Text(texts, "LIST_CAPT_ENTEST"));
    list_->clear();
    if (currentOutput != 2)
        return;
    list_->SetRows(PeriodicTestRows(project, texts));
}

TPrintInfoSummaryPage::TPrintInfoSummaryPage(TSummarySource source, QWidget* parent)
    : TInfoPage("PrintInfo_Rep", 8, true, source, parent) {
    list_->setObjectName("ExtensionList5");
}

void TPrintInfoSummaryPage::ShowNode(const TTreeNodeData&) {
    Fill(source_.Document.Print(), source_.Texts);
}

void TPrintInfoSummaryPage::Fill(const TDopPrintInfo& print, const TLanguageTexts& texts) {
    list_->SetRows(PrintInfoRows(print, texts));
}

TDescriptionList::TDescriptionList(QWidget* parent) : TExtensionList(parent) {
    QFont f = font();
    f.setPointSize(10);
    setFont(f);
    SetItemHeight(17);
    setFixedHeight(100);
    SetTakesFocusOnHover(true);
}

void TDescriptionList::Fill(const std::string& text) {
    SetRows(SplitDescriptionText(text));
}

} // namespace korvisel
