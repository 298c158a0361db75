// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/PhoneBookActions.h"

#include "ui/widgets/MenuAccessKeys.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

namespace korvisel {
namespace {

struct TPhoneCommand {
    const char* Name;
    TTextKey Caption;
};

constexpr TPhoneCommand Commands[] = {
    {"ActPhEdit", "LM_PHONE_A_PHEDIT"},   {"ActPhInfo", "LM_PHONE_A_PHINFO"},
    {"ActPhCut", "LM_PHONE_A_PHCUT"},     {"ActPhCopy", "LM_PHONE_A_PHCOPY"},
    {"ActPhPaste", "LM_PHONE_A_PHPASTE"}, {"ActPhDelete", "LM_PHONE_A_PHDELETE"},
};

bool ClipboardHoldsText() {
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

} // namespace

TPhoneBookActions::TPhoneBookActions(TDocument& document, const TLanguageTexts& texts, IPhoneDialog& dialog,
                                     IMessageBoxes& boxes, TWhere where, QWidget* parent)
    : QObject(parent), document_(document), texts_(texts), dialog_(dialog), boxes_(boxes),
      where_(std::move(where)), popup_(new QMenu(parent)) {
    popup_->setObjectName("PhonePopupMenu");
    for (const auto& [name, key] : Commands) {
        auto* action = new QAction(QString(name).mid(5), this);
        action->setObjectName(name);
        action->setEnabled(false);
        popup_->addAction(action);
        if (QString(name) == "ActPhInfo")
            popup_->addSeparator();
    }
    connect(Action("ActPhEdit"), &QAction::triggered, this, &TPhoneBookActions::Edit);
    connect(Action("ActPhCopy"), &QAction::triggered, this, &TPhoneBookActions::Copy);
    connect(Action("ActPhPaste"), &QAction::triggered, this, &TPhoneBookActions::Paste);
    connect(Action("ActPhDelete"), &QAction::triggered, this, &TPhoneBookActions::Delete);
}

QAction* TPhoneBookActions::Action(const char* name) const {
    return findChild<QAction*>(name, Qt::FindDirectChildrenOnly);
}

QList<QAction*> TPhoneBookActions::Actions() const {
    return findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly);
}

void TPhoneBookActions::EnableForRow() {
    for (QAction* action : Actions())
        action->setEnabled(true);
    Action("ActPhPaste")->setEnabled(ClipboardHoldsText());
}

void TPhoneBookActions::ApplyCaptions() {
    for (const auto& [name, key] : Commands)
        Action(name)->setText(QString::fromStdString(texts_.Text(key)));
    GiveAccessKeys(*PopupMenu());
}

void TPhoneBookActions::Edit() {
    // The dialog and the question run inside the edit: the number and the references it moves are
    // one step.
    document_.Edit(where_(), [this](TProjectInfo& project) {
        PhoneBookEdit(project, dialog_, Row(), texts_.Text("F7_EPHON_CAPTION"),
                      texts_.Text("F7_EPHON_ENT_PHON"), texts_.Text("F7_EPHON_EDT_PHON"),
                      MayEmpty(TEmptyingCommand::Edit, Row()));
    });
}

TEmptyingCheck TPhoneBookActions::MayEmpty(TEmptyingCommand command, int k) {
    return [this, command, k](const TProjectInfo& before, const TProjectInfo& after) {
        return ConfirmPhoneMoves(boxes_, texts_, command, before, after, k);
    };
}

void TPhoneBookActions::Copy() {
    QGuiApplication::clipboard()->setText(QString::fromLatin1(PhoneBookCopy(document_.Project(), Row())));
}

void TPhoneBookActions::Paste() {
    if (!ClipboardHoldsText())
        return;
    const std::string text = QGuiApplication::clipboard()->text().toStdString();
    document_.Edit(where_(), [&](TProjectInfo& project) { PhoneBookPaste(project, Row(), text); });
}

void TPhoneBookActions::Delete() {
    if (selectedRow_ == 0)
        return;
    document_.Edit(where_(), [this](TProjectInfo& project) {
        PhoneBookDelete(project, selectedRow_, MayEmpty(TEmptyingCommand::Delete, selectedRow_));
    });
}

} // namespace korvisel
