// SPDX-License-Identifier: GPL-3.0-or-later
// What every page of the navigation tree's nodes shares: the context the main window gives it, and
// the two steps of showing a node, filling the page and then being on screen.
#pragma once

#include "core/ContactIdCodes.h"
#include "core/PhoneBook.h"
#include "editor/NavigationTree.h"
#include "editor/PageHost.h"
#include "files/Document.h"
#include "i18n/LanguageTexts.h"

#include <QWidget>

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
    bool& FillingPage;
};

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
};

} // namespace korvisel
