// SPDX-License-Identifier: GPL-3.0-or-later
// The pages that show a summary instead of an editor, and the description lists under editing
// pages. Each fills its list from the rows the core builds.
#pragma once

#include "core/PrjTypes.h"
#include "i18n/LanguageTexts.h"
#include "ui/pages/NodePage.h"
#include "ui/widgets/InfoList.h"

#include <QCheckBox>

namespace korvisel {

// What a summary shows and whom it tells that the clipboard has no target (nobody, in tests).
struct TSummarySource {
    const TDocument& Document;
    const TLanguageTexts& Texts;
    IPageHost* Host = nullptr;
};

class TInfoPage : public TNodePage {
    Q_OBJECT
public:
    TInfoPage(const QString& pageName, int pointSize, bool takesFocusOnHover, TSummarySource source,
              QWidget* parent);
    TExtensionList* List() const { return list_; }

protected:
    // Cut, Copy, Paste and Delete off: a summary holds nothing to cut or paste.
    void DisableClipboardActions() const;

    TSummarySource source_;
    TExtensionList* list_;
};

// A summary that is a list and nothing else: its names, its font, and the rows it shows for a node.
struct TSummaryLook {
    const char* Page;
    const char* List;
    int PointSize;
    bool TakesFocusOnHover;
    bool DisablesClipboard;
    std::vector<std::string> (*Rows)(const TDocument& document, const TTreeNodeData& node,
                                     const TLanguageTexts& texts);
};

class TSummaryPage : public TInfoPage {
    Q_OBJECT
public:
    TSummaryPage(const TSummaryLook& look, TSummarySource source, QWidget* parent = nullptr);
    void ShowNode(const TTreeNodeData& node) override;

private:
    const TSummaryLook& look_;
};

// The project, an output, the test block and the print data.
extern const TSummaryLook ProjectSummary;
extern const TSummaryLook OutputSummary;
extern const TSummaryLook TestBlockSummary;
extern const TSummaryLook PrintInfoSummary;

// The input summary, with "Input Enabled" and "Confirmation of Arm" below it.
class TInputSummaryPage : public TInfoPage {
    Q_OBJECT
public:
    TInputSummaryPage(TSummarySource source, QWidget* parent = nullptr);
    void ShowNode(const TTreeNodeData& node) override;
    void Fill(const TProjectInfo& project, int input, const TLanguageTexts& texts);
    QCheckBox* InputCheck() const { return inputCheck_; }
    QCheckBox* SetOutCBox() const { return setOutCBox_; }

private:
    QCheckBox* inputCheck_;
    QCheckBox* setOutCBox_;
};

// GSM supervision (group 1) and the periodic test (group 2) share one page with "Test Enable".
class TTestInformationPage : public TInfoPage {
    Q_OBJECT
public:
    TTestInformationPage(TSummarySource source, QWidget* parent = nullptr);
    void ShowNode(const TTreeNodeData& node) override;
    void FillGsmSupervision(const TProjectInfo& project, int currentOutput, const TLanguageTexts& texts);
    void FillPeriodicTest(const TProjectInfo& project, int currentOutput, const TLanguageTexts& texts);
    QCheckBox* TestCheck() const { return testCheck_; }

private:
    QCheckBox* testCheck_;
};

// The 100-pixel list at the bottom of an editing page: 10 points, item height 17. Its lines wrap
// at the list's width.
class TDescriptionList : public TExtensionList {
    Q_OBJECT
public:
    explicit TDescriptionList(QWidget* parent = nullptr);
    void Fill(const std::string& text, const TLanguageTexts& texts);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowWrapped();

    std::string text_;
    const TLanguageTexts* texts_ = nullptr;
    int wrappedWidth_ = -1;
};

} // namespace korvisel
