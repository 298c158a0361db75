// SPDX-License-Identifier: GPL-3.0-or-later
// What every page of the navigation tree's nodes shares: the context the main window gives it, and
// the steps of showing a node: filling the page, being on screen, and showing it again after the
// project changed.
#pragma once

#include "core/ContactIdCodes.h"
#include "core/PhoneBook.h"
#include "editor/Document.h"
#include "fields/NavigationTree.h"
#include "editor/PageHost.h"
#include "i18n/LanguageTexts.h"

#include <QWidget>

#include <type_traits>

namespace korvisel {

class TClipboardCommands;
class TPhoneBookActions;

// What every page works with; the main window owns all of it.
struct TPageContext {
    TDocument& Document;
    const TLanguageTexts& Texts;
    IPhoneDialog& PhoneDialog;
    ICodeLibraryDialog& CodeLibrary;
    TPhoneBookActions& PhoneBook;
    TClipboardCommands& Clipboard;
    IPageHost& Host;
};

// A page reads the project it is handed and cannot write it: every change is a named edit on the
// document.
static_assert(
    std::is_same_v<decltype(std::declval<TPageContext&>().Document.Project()), const TProjectInfo&>);
static_assert(std::is_same_v<decltype(std::declval<TPageContext&>().Document.Print()), const TDopPrintInfo&>);

class TNodePage : public QWidget {
    Q_OBJECT
public:
    TNodePage(const QString& pageName, QWidget* parent);

    // Fills the page for the node, before it is brought up.
    virtual void ShowNode(const TTreeNodeData& node) = 0;
    // The page is on screen. While the user walks the tree with the keyboard (`mayTakeFocus` false)
    // the focus stays in the tree, so that the next arrow key moves there instead of editing a
    // control of the page.
    virtual void OnScreen(bool mayTakeFocus);
    // The project changed while the page is shown. `editedControl` names the control whose edit it
    // was, which keeps what the user typed; it is empty for any other change.
    virtual void Refresh(const TTreeNodeData& node, const std::string& editedControl);
};

} // namespace korvisel
