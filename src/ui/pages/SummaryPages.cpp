// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/SummaryPages.h"

#include "editor/NodeCaption.h"
#include "i18n/LanguageFile.h"
#include "markup/Panels.h"
#include "markup/PrintInfoRows.h"
#include "markup/WrappedLines.h"

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
    list_->SetDesignedLook(pointSize, 16);
    list_->SetTakesFocusOnHover(takesFocusOnHover);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
}

void TInfoPage::DisableClipboardActions() const {
    if (source_.Host)
        source_.Host->DisableClipboardActions();
}

TSummaryPage::TSummaryPage(const TSummaryLook& look, TSummarySource source, QWidget* parent)
    : TInfoPage(look.Page, look.PointSize, look.TakesFocusOnHover, source, parent), look_(look) {
    list_->setObjectName(look.List);
}

void TSummaryPage::ShowNode(const TTreeNodeData& node) {
    if (look_.DisablesClipboard)
        DisableClipboardActions();
    list_->setAccessibleName(QString::fromStdString(NodeCaption(node, source_.Texts)));
    list_->SetRows(look_.Rows(source_.Document, node, source_.Texts), source_.Texts);
}

const TSummaryLook ProjectSummary{"Info",
                                  "ExtensionList1",
                                  8,
                                  true,
                                  true,
                                  [](const TDocument& d, const TTreeNodeData&, const TLanguageTexts& t) {
                                      return ProjectSummaryRows(d.Project(), t);
                                  }};
const TSummaryLook OutputSummary{"Output",
                                 "ExtensionList3",
                                 9,
                                 false,
                                 false,
                                 [](const TDocument& d, const TTreeNodeData& node, const TLanguageTexts& t) {
                                     return TOutputNumber{node.Output}.Valid()
                                                ? OutputSummaryRows(d.Project(), node.Output, t)
                                                : TRows{};
                                 }};
const TSummaryLook TestBlockSummary{"TestBlockInfo",
                                    "ExtensionList4",
                                    8,
                                    true,
                                    false,
                                    [](const TDocument& d, const TTreeNodeData&, const TLanguageTexts& t) {
                                        return TestBlockSummaryRows(d.Project(), t);
                                    }};
const TSummaryLook PrintInfoSummary{"PrintInfo_Rep",
                                    "ExtensionList5",
                                    8,
                                    true,
                                    false,
                                    [](const TDocument& d, const TTreeNodeData&, const TLanguageTexts& t) {
                                        return PrintInfoRows(d.Print(), t);
                                    }};

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
    list_->setAccessibleName(QString::fromStdString(NodeCaption(node, source_.Texts)));
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
    list_->SetRows(InputSummaryRows(project, input, texts), texts);
}

TTestInformationPage::TTestInformationPage(TSummarySource source, QWidget* parent)
    : TInfoPage("TestInformation", 8, false, source, parent), testCheck_(new QCheckBox(this)) {
    list_->setObjectName("ExtensionList8");
    testCheck_->setObjectName("TestCheck");
    layout()->addWidget(testCheck_);
}

void TTestInformationPage::ShowNode(const TTreeNodeData& node) {
    list_->setAccessibleName(QString::fromStdString(NodeCaption(node, source_.Texts)));
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
    list_->SetRows(GsmSupervisionRows(project, texts), texts);
}

void TTestInformationPage::FillPeriodicTest(const TProjectInfo& project, int currentOutput,
                                            const TLanguageTexts& texts) {
    const QSignalBlocker block(testCheck_);
    testCheck_->setChecked(project.TestEnabled);
    testCheck_->setText(Text(texts, "LIST_CAPT_ENTEST"));
    list_->clear();
    if (currentOutput != 2)
        return;
    list_->SetRows(PeriodicTestRows(project, texts), texts);
}

TDescriptionList::TDescriptionList(QWidget* parent) : TExtensionList(parent) {
    constexpr int DesignedRow = 17;
    SetDesignedLook(10, DesignedRow);
    // About six rows, however tall a larger font makes them.
    setFixedHeight(100 * ItemHeight() / DesignedRow);
    SetTakesFocusOnHover(true);
}

void TDescriptionList::Fill(const std::string& text, const TLanguageTexts& texts) {
    text_ = text;
    texts_ = &texts;
    ShowWrapped();
}

void TDescriptionList::resizeEvent(QResizeEvent* event) {
    TExtensionList::resizeEvent(event);
    if (isVisible() && viewport()->width() != wrappedWidth_)
        ShowWrapped();
}

void TDescriptionList::showEvent(QShowEvent* event) {
    TExtensionList::showEvent(event);
    if (viewport()->width() != wrappedWidth_)
        ShowWrapped();
}

void TDescriptionList::ShowWrapped() {
    if (!texts_)
        return; // nothing to show before the first fill
    // Until it is shown the list has no width of its own: its lines stay whole.
    wrappedWidth_ = isVisible() ? viewport()->width() : 0;
    TQtFontMetrics metrics(font());
    SetRows(WrappedLines(SplitDescriptionText(text_), wrappedWidth_, ListMarkupFont(), metrics), *texts_);
}

} // namespace korvisel
