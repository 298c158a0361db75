// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands as one table: each command's name, design caption, key, icon and the
// text keys of its caption and hint, and the menus and toolbars that show them. The window's
// actions, menus, toolbars and their captions in the current language are all made from it.
#pragma once

#include "i18n/LanguageTexts.h"

#include <QHash>
#include <QString>

class QAction;
class QMainWindow;
class QMenu;
class QMenuBar;
class QToolBar;

namespace korvisel {

class TCommandTable {
public:
    // Creates every action, the menu bar's menus and the toolbars in `window`.
    explicit TCommandTable(QMainWindow& window);

    QAction* Action(const QString& name) const { return actions_.value(name); }
    QToolBar* ToolBar(const QString& name) const { return toolBars_.value(name); }
    QMenu* Menu(const QString& name) const { return menus_.value(name); }
    // The File menu's place for the recently used files: they go after this separator.
    QAction* RecentSeparator() const { return recentSeparator_; }
    // The action of the View menu that shows or hides a toolbar, with the toolbar it stands for.
    QList<std::pair<QAction*, QToolBar*>> ToolBarSwitches() const;

    void ApplyCaptions(const TLanguageTexts& texts);

private:
    QHash<QString, QAction*> actions_;
    QHash<QString, QToolBar*> toolBars_;
    QHash<QString, QMenu*> menus_;
    QAction* recentSeparator_ = nullptr;
    QMenuBar* menuBar_ = nullptr;
};

} // namespace korvisel
