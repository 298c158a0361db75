// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/CommandTable.h"

#include "ui/widgets/Icons.h"
#include "ui/widgets/MenuAccessKeys.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ToolBarNames.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

#include <vector>

namespace korvisel {
namespace {

struct TCommand {
    const char* Name;
    const char* Caption; // the design caption, until the language's texts apply
    const char* Key;
    const char* Icon;
    TTextKey CaptionKey;
    TTextKey HintKey; // nullptr: no hint
    bool Offered = true;
};

// Undo and Redo start disabled and follow the edit history; Print and Printer Setup are done from
// the preview, whose PDF output is a printer on every machine. Cut, Copy, Paste and Delete follow
// their clipboard target.
const TCommand Commands[] = {
    {"ActNew", "&New", "Ctrl+N", "NEW", "LM_FILE_A_NEW", "LH_FILE_A_NEW"},
    {"ActOpen", "&Open", "Ctrl+O", "OPEN", "LM_FILE_A_OPEN", "LH_FILE_A_OPEN"},
    {"ActSave", "&Save", "Ctrl+S", "SAVE", "LM_FILE_A_SAVE", "LH_FILE_A_SAVE"},
    {"ActSaveAs", "Save &As ...", "Ctrl+A", nullptr, "LM_FILE_A_SAVEAS ", nullptr},
    {"ActNewTemplate", "New from Template ...", nullptr, nullptr, "PRG_TEMPLATE_NEW", "PRG_TEMPLATE_NEW_TIP"},
    {"ActSaveTemplate", "Save as Template ...", nullptr, nullptr, "PRG_TEMPLATE_SAVE_AS",
     "PRG_TEMPLATE_SAVE_AS_TIP"},
    {"ActClose", "Close", nullptr, nullptr, "LM_FILE_A_CLOSE", "LH_FILE_A_CLOSE"},
    {"ActExit", "E&xit", "Ctrl+Q", nullptr, "LM_FILE_A_EXIT ", "LH_FILE_A_EXIT"},
    {"ActUndo", "Undo", "Ctrl+Z", "UNDO", "LM_EDIT_A_UNDO ", "LH_EDIT_A_UNDO", false},
    {"ActRedo", "Redo", "Ctrl+Y", "REDO", "LM_EDIT_A_REDO ", "LH_EDIT_A_REDO", false},
    {"ActCut", "Cu&t", "Ctrl+X", "CUT", "LM_EDIT_A_CUT ", "LH_EDIT_A_CUT"},
    {"ActCopy", "&Copy", "Ctrl+C", "COPY", "LM_EDIT_A_COPY ", "LH_EDIT_A_COPY"},
    {"ActPaste", "&Paste", "Ctrl+V", "PASTE", "LM_EDIT_A_PASTE ", "LH_EDIT_A_PASTE"},
    {"ActDelete", "Delete", "Ctrl+Del", "DELETE", "LM_EDIT_A_DELETE ", "LH_EDIT_A_DELETE"},
    {"ActPrintSet", "Printer Setup", nullptr, nullptr, "LM_FILE_A_PRINTSET ", nullptr, false},
    {"ActPrntPrev", "Print Preview", nullptr, "PREVIEW", "LM_FILE_A_RPINTPRV ", "LH_FILE_A_RPINTPRV"},
    {"ActPrint", "&Print", "Ctrl+P", "PRINT", "LM_FILE_A_PRINT ", "LH_FILE_A_PRINT", false},
    {"ActRead", "Read", nullptr, "READ", "LM_OPTION_A_READ", "LH_OPTION_A_READ"},
    {"ActWrite", "Write", nullptr, "WRITE", "LM_OPTION_A_WRITE", "LH_OPTION_A_WRITE"},
    {"ActSeveral", "Write to Several Devices ...", nullptr, nullptr, "PRG_SEVERAL", "PRG_SEVERAL_TIP"},
    {"ActCompare", "Compare with Device", nullptr, nullptr, "PRG_COMPARE", "PRG_COMPARE_TIP"},
    {"ActBackups", "Backups ...", nullptr, nullptr, "PRG_BACKUPS", "PRG_BACKUPS_TIP"},
    {"ActLanguage", "Language ...", nullptr, "LANGUAGE", "LM_OPTION_A_LANGUAG", "LH_OPTION_A_LANGUAG"},
    {"ActSetting", "Settings ...", nullptr, "SETTINGS", "LM_OPTION_A_SETTING", "LH_OPTION_A_SETTING"},
    {"ActAudio", "Audio Parameters ...", nullptr, nullptr, "PRG_AUDIO", "PRG_AUDIO_TIP"},
    {"ActContents", "Contents", "F1", nullptr, "LM_HELP_A_CONTENS", "LH_HELP_A_CONTENS"},
    {"ActHelp", "Korvisel Help", nullptr, "HELP", "LM_HELP_A_HELP", "LH_HELP_A_HELP"},
    {"ActAbout", "&About", "Ctrl+U", "ABOUT", "LM_HELP_A_ABOUT", "LH_HELP_A_ABOUT"},
    {"ActPanelFile", "Panel File", nullptr, nullptr, "LM_VIEW_A_PNFILE", nullptr},
    {"ActPanelEdit", "Panel Edit", nullptr, nullptr, "LM_VIEW_A_PNEDIT", nullptr},
    {"ActPanelTools", "Panel Tools", nullptr, nullptr, "LM_VIEW_A_PNTOOL", nullptr},
    {"ActPanelOptions", "Panel Options", nullptr, nullptr, "LM_VIEW_A_PNOPT", nullptr},
    {"ActPanelHelp", "Panel Help", nullptr, nullptr, "LM_VIEW_A_PNHELP", nullptr},
    {"ActProblems", "Problems", nullptr, nullptr, "PRG_PROBLEMS", "PRG_PROBLEMS_TIP"},
};

// "" is a separator; "Recent" is where the recently used files go.
struct TMenu {
    const char* Name;
    TTextKey TitleKey;
    std::vector<const char*> Items;
};

const TMenu Menus[] = {
    {"File",
     "LM_FILE__",
     {"ActNew", "ActNewTemplate", "ActOpen", "ActSave", "ActSaveAs", "ActSaveTemplate", "ActClose", "",
      "ActPrintSet", "ActPrntPrev", "ActPrint", "Recent", "", "ActExit"}},
    {"Edit", "LM_EDIT__ ", {"ActUndo", "ActRedo", "", "ActCut", "ActCopy", "ActPaste", "ActDelete"}},
    {"View",
     "LM_VIEW__",
     {"ActPanelFile", "ActPanelEdit", "ActPanelTools", "ActPanelOptions", "ActPanelHelp", "", "ActProblems"}},
    {"Tools", "LM_TOOLS__ ", {"ActRead", "ActWrite", "ActSeveral", "", "ActCompare", "ActBackups"}},
    {"Options", "LM_OPTION__", {"ActLanguage", "", "ActSetting", "ActAudio"}},
    {"Help", "LM_HELP__", {"ActContents", "ActHelp", "", "ActAbout"}},
};

struct TBar {
    const char* Name;
    const char* Switch; // the View menu's command that shows and hides it
    std::vector<const char*> Items;
};

const TBar Bars[] = {
    {"File", "ActPanelFile", {"ActNew", "ActOpen", "ActSave", "", "ActPrntPrev", "ActPrint"}},
    {"Edit", "ActPanelEdit", {"ActUndo", "ActRedo", "", "ActCut", "ActCopy", "ActPaste", "ActDelete"}},
    {"Tools", "ActPanelTools", {"ActRead", "ActWrite"}},
    {"Options", "ActPanelOptions", {"ActLanguage", "ActSetting"}},
    {"Help", "ActPanelHelp", {"ActHelp", "ActAbout"}},
};

} // namespace

TCommandTable::TCommandTable(QMainWindow& window) {
    for (const TCommand& c : Commands) {
        auto* action = new QAction(c.Caption, &window);
        action->setObjectName(c.Name);
        if (c.Key)
            action->setShortcut(QKeySequence(c.Key));
        if (c.Icon)
            action->setIcon(CommandIcon(c.Icon));
        action->setEnabled(c.Offered);
        actions_.insert(c.Name, action);
    }
    for (const TMenu& m : Menus) {
        menuBar_ = window.menuBar();
        QMenu* menu = menuBar_->addMenu(m.Name);
        for (const char* item : m.Items)
            if (std::string_view(item) == "Recent")
                recentSeparator_ = menu->addSeparator();
            else if (*item)
                menu->addAction(Action(item));
            else
                menu->addSeparator();
        menus_.insert(m.Name, menu);
    }
    for (const TBar& b : Bars) {
        QToolBar* bar = window.addToolBar(b.Name);
        bar->setObjectName(QString("ToolBar") + b.Name);
        bar->setMovable(false);
        bar->setIconSize(QSize(16, 16));
        bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
        for (const char* item : b.Items)
            if (*item)
                bar->addAction(Action(item));
            else
                bar->addSeparator();
        toolBars_.insert(b.Name, bar);
        QAction* toggle = Action(b.Switch);
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
}

QList<std::pair<QAction*, QToolBar*>> TCommandTable::ToolBarSwitches() const {
    QList<std::pair<QAction*, QToolBar*>> switches;
    for (const TBar& b : Bars)
        switches.append({Action(b.Switch), ToolBar(b.Name)});
    return switches;
}

void TCommandTable::ApplyCaptions(const TLanguageTexts& texts) {
    for (const TCommand& c : Commands) {
        QAction* action = Action(c.Name);
        action->setText(Q(texts.Text(c.CaptionKey)).trimmed());
        if (c.HintKey)
            action->setToolTip(Q(texts.Text(c.HintKey)));
    }
    for (const TMenu& m : Menus)
        Menu(m.Name)->setTitle(Q(texts.Text(m.TitleKey)).trimmed());
    // Access keys chosen for the captions of the language shown, titles and items alike.
    GiveAccessKeys(*menuBar_);
    for (QMenu* menu : menus_)
        GiveAccessKeys(*menu);
    for (QToolBar* bar : toolBars_)
        NameExtensionButton(*bar, Q(texts.Text("PRG_A11Y_MORE_COMMANDS")));
}

} // namespace korvisel
