// SPDX-License-Identifier: GPL-3.0-or-later
// The phone book's commands Edit, Info, Cut, Copy, Paste and Delete with their context menu. They act
// on the phone book's selected row, entry 1 when none is selected; each is one edit, made where the
// user is (the phone book, or a CLIP page whose grid offered the menu). Delete, and Edit to no
// number, first ask when something uses the phone.
#pragma once

#include "core/MessageBoxes.h"
#include "core/PhoneBook.h"
#include "editor/Document.h"
#include "editor/PhoneMoveQuestion.h"
#include "i18n/LanguageTexts.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;
class QWidget;

namespace korvisel {

class TPhoneBookActions : public QObject {
    Q_OBJECT
public:
    using TWhere = std::function<TEditPlace()>;
    TPhoneBookActions(TDocument& document, const TLanguageTexts& texts, IPhoneDialog& dialog,
                      IMessageBoxes& boxes, TWhere where, QWidget* parent);

    QAction* Action(const char* name) const;
    QList<QAction*> Actions() const;
    QMenu* PopupMenu() const { return popup_; }

    // The phone book's selected row, 0 for none.
    int SelectedRow() const { return selectedRow_; }
    void SelectRow(int k) { selectedRow_ = k; }

    // A row of a phone grid got the focus: every command is offered, Paste while the clipboard
    // holds text.
    void EnableForRow();
    void ApplyCaptions();

    void Edit();
    void Copy();
    void Paste();
    void Delete();

private:
    int Row() const { return selectedRow_ != 0 ? selectedRow_ : 1; }
    TEmptyingCheck MayEmpty(TEmptyingCommand command, int k);

    TDocument& document_;
    const TLanguageTexts& texts_;
    IPhoneDialog& dialog_;
    IMessageBoxes& boxes_;
    TWhere where_;
    QMenu* popup_;
    int selectedRow_ = 0;
};

} // namespace korvisel
