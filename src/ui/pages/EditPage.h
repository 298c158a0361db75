// SPDX-License-Identifier: GPL-3.0-or-later
// The base of every editing page: a centred title, the page's controls, and the description list at
// the bottom. A page is refilled from the project each time its node is selected and after every
// change of the project; it reads the project and changes it only through named edits on the
// document, which refuses them while the page is being filled.
#pragma once

#include "ui/pages/NodePage.h"

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class QBoxLayout;
class QLabel;
class QRadioButton;
class QVBoxLayout;

namespace korvisel {

class TDescriptionList;
class TPhoneSelectorBox;

class TEditPage : public TNodePage {
    Q_OBJECT
public:
    TEditPage(const QString& pageName, TPageContext& context, QWidget* parent = nullptr);

    // Fills the page for the node while the document is only looked at.
    void ShowNode(const TTreeNodeData& node) override;
    // Runs the page's step after it is on screen.
    void OnScreen(bool mayTakeFocus) override;
    // Fills the page again; the control the user is typing into keeps its text and caret.
    void Refresh(const TTreeNodeData& node, const std::string& editedControl) override;
    TDescriptionList* Description() const { return description_; }

protected:
    // The step after the page is on screen (focus, mostly).
    virtual void AfterShown() {}
    // Gives `control` the focus unless the tree keeps it; true when it did.
    bool TakeFocus(QWidget* control);
    // The user moved the mouse onto the page: a control may take the focus again.
    void AllowFocus() { mayTakeFocus_ = true; }

    virtual void FillPage() = 0;
    // What a change of the project shows again; the whole fill unless a page keeps more of its own
    // state (a grid's selection).
    virtual void RefreshPage() { FillPage(); }
    // Pages whose fill switches the clipboard actions off until a target takes the focus.
    void DisableClipboardActionsOnFill() { disablesClipboard_ = true; }

    // The area between the title and the description list, for the page's controls.
    QWidget* Body() const { return body_; }
    // The usual arrangement of the body: controls one under another from the top left.
    QVBoxLayout* ColumnLayout();
    void SetTitle(const QString& title);
    QString Text(TTextKey key) const;
    QString Format(TTextKey key, const QString& argument) const;
    // The input's caption "Input %d" within page titles.
    QString InputCaption() const;

    // Where an edit through `control` is made: this page's node and the control's name. Typing into
    // a text control merges into one step.
    TEditPlace PlaceOf(const QWidget* control) const;
    // One edit of the project (or of the print data) made through `control`.
    template <typename Change> void Edit(const QWidget* control, Change&& change) {
        Document().Edit(PlaceOf(control), std::forward<Change>(change));
    }
    template <typename Change> void EditPrint(const QWidget* control, Change&& change) {
        Document().EditPrint(PlaceOf(control), std::forward<Change>(change));
    }
    // Runs a write of the program itself into its controls: the change handlers it sets off cannot
    // edit the document meanwhile.
    template <typename Show> void WhileShowing(Show&& show) {
        const TDocument::TViewing viewing(Document());
        show();
    }

    // Radio buttons one under another, named `prefix` followed by 1, 2, ...; a click by the user
    // reports the button and its index.
    std::vector<QRadioButton*> AddRadioButtons(QBoxLayout* layout, const QString& prefix, int count,
                                               std::function<void(QRadioButton* button, int index)> clicked);
    // Checks button `index`, or none for an index outside the buttons.
    static void CheckOnly(const std::vector<QRadioButton*>& buttons, int index);

    // A phone selector for the reference that `reference` finds in a project (nothing while no
    // field applies): the user's pick is one edit, and entering it without phones moves to the
    // phone book.
    using TPhoneField = std::function<std::uint8_t*(TProjectInfo& project)>;
    TPhoneSelectorBox* AddPhoneSelector(const char* name, TPhoneField reference);
    // Lists the phones with the reference's entry selected; showing it never changes the reference.
    void ShowPhoneSelector(TPhoneSelectorBox* box);

    TDocument& Document() const { return context_.Document; }
    const TProjectInfo& Project() const { return context_.Document.Project(); }
    const TTreeNodeData& Node() const { return node_; }
    // The input or output of the node shown, nullptr for a node of none.
    const TInputInfo* NodeInput() const;
    const TOutputInfo* NodeOutput() const;
    // The same within the project an edit changes.
    TInputInfo* NodeInputIn(TProjectInfo& project) const;
    TOutputInfo* NodeOutputIn(TProjectInfo& project) const;

    bool eventFilter(QObject* watched, QEvent* event) override;

    TPageContext& context_;

private:
    void PlaceTitle();
    void NameSettingsControls();

    TTreeNodeData node_;
    std::map<TPhoneSelectorBox*, TPhoneField> selectors_;
    bool disablesClipboard_ = false;
    bool mayTakeFocus_ = true;
    QWidget* header_;
    QLabel* title_;
    QWidget* body_;
    TDescriptionList* description_;
};

// A page of one input (1..4); its fill does nothing for a node of no input.
class TInputPage : public TEditPage {
    Q_OBJECT
public:
    using TEditPage::TEditPage;

protected:
    TInputNumber InputNumber() const { return {Node().Input}; }
    bool HasInput() const { return InputNumber().Valid(); }
    const TInputInfo& In() const { return Project().Inputs[InputNumber().Index()]; }
};

// A page of one output (1..3).
class TOutputPage : public TEditPage {
    Q_OBJECT
public:
    using TEditPage::TEditPage;

protected:
    TOutputNumber OutputNumber() const { return {Node().Output}; }
    bool HasOutput() const { return OutputNumber().Valid(); }
    const TOutputInfo& Out() const { return Project().Outputs[OutputNumber().Index()]; }
};

// A page of the test block: the GSM supervision branch carries 1 as its input and output number,
// the periodic test branch 2; a node whose two numbers differ belongs to neither.
class TTestBranchPage : public TEditPage {
    Q_OBJECT
public:
    using TEditPage::TEditPage;

protected:
    int Branch() const { return Node().Input == Node().Output ? Node().Input : 0; }
    QString CycleTest() const { return Text("CAPTIONPAGESMSTEXTEx2"); }
};

} // namespace korvisel
