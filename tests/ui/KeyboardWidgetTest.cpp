// SPDX-License-Identifier: GPL-3.0-or-later
// The window driven by the keyboard alone: access keys in every menu, Tab through every control of a
// page of each kind and of every dialog, and the keys that stand for the mouse on grids, Contact ID
// characters and times.
#include "ui/app/ProblemsPanel.h"

#include "OnDemandDialogs.h"
#include "ui/dialogs/AudioDialog.h"
#include "ui/pages/PhoneBookActions.h"
#include "ui/pages/PhoneBookPage.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/PhoneGrid.h"

#include "ui/ChosenLanguage.h"
#include "ui/WindowTest.h"

#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>

#include <set>

namespace korvisel {
namespace {

// The character after a caption's access-key mark, in lower case; 0 for none.
QChar AccessKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == '&' && caption[i + 1] == '&')
            ++i;
        else if (caption[i] == '&')
            return caption[i + 1].toLower();
    }
    return {};
}

// The widgets Tab reaches from `start` until it comes back or leaves `within`.
std::set<QWidget*> TabbedThrough(QWidget* start, QWidget* within, int limit = 200) {
    std::set<QWidget*> reached;
    start->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
    for (int n = 0; n < limit; ++n) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus || !within->isAncestorOf(focus) || !reached.insert(focus).second)
            if (n > 0)
                break;
        QTest::keyClick(focus ? focus : within, Qt::Key_Tab);
        QApplication::processEvents();
    }
    return reached;
}

// The controls of `root` a user works with: shown, enabled and taking the focus from Tab.
std::vector<QWidget*> Reachable(QWidget* root) {
    std::vector<QWidget*> controls;
    for (QWidget* w : root->findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() &&
            !w->inherits("QScrollBar"))
            controls.push_back(w);
    return controls;
}

using KeyboardTest = test::LanguageWindowTest;

TEST_P(KeyboardTest, EveryMenuTitleAndItemHasAnAccessKeyOfItsOwn) {
    std::set<QChar> titles;
    for (QAction* title : window->menuBar()->actions()) {
        const QChar key = AccessKey(title->menu()->title());
        EXPECT_FALSE(key.isNull()) << title->menu()->title().toStdString();
        EXPECT_TRUE(titles.insert(key).second) << title->menu()->title().toStdString();
        std::set<QChar> items;
        for (QAction* item : title->menu()->actions()) {
            if (item->isSeparator())
                continue;
            const QChar itemKey = AccessKey(item->text());
            EXPECT_FALSE(itemKey.isNull()) << item->text().toStdString();
            EXPECT_TRUE(items.insert(itemKey).second) << item->text().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, KeyboardTest, ::testing::Values("English", "Russian"));

class KeysAloneTest : public test::WindowTest {};

TEST_F(KeysAloneTest, TheWindowStartsInTheTreeAndTabRunsThroughThePageToTheProblems) {
    ShowAndActivate();
    auto* tree = test::Part<TNavigationTreeView>(*window);
    EXPECT_EQ(QApplication::focusWidget(), tree);
    // With a phone in the book: entering a phone list of an empty book moves to the phone book.
    Opened([](TProjectInfo& project) {
        project.Phones[1].Empty = false;
        project.Phones[1].Number = "5551234";
    });
    // A page of each kind: times, SMS texts, Contact ID, a grid, radio buttons, the print data.
    for (const auto& [kind, input] :
         {std::pair{nkInputTime, 1}, std::pair{nkInputSms, 1}, std::pair{nkInputData, 2},
          std::pair{nkPhones, 0}, std::pair{nkInputClip, 3}, std::pair{nkInputReport, 1}, std::pair{nkPin, 0},
          std::pair{nkOutputTime, 0}}) {
        Select(kind, input);
        QWidget* page = test::Part<TPageStack>(*window)->currentWidget();
        SCOPED_TRACE(page->objectName().toStdString());
        tree->setFocus();
        std::vector<QWidget*> order;
        for (int n = 0; n < 80; ++n) {
            Press(Qt::Key_Tab);
            QWidget* focus = QApplication::focusWidget();
            if (!focus || focus == test::Part<TProblemsPanel>(*window)->List() || focus == tree)
                break;
            order.push_back(focus);
        }
        ASSERT_FALSE(order.empty());
        EXPECT_TRUE(page->isAncestorOf(order.front()))
            << "the page comes right after the tree, not " << order.front()->metaObject()->className() << " "
            << order.front()->objectName().toStdString();
        EXPECT_EQ(QApplication::focusWidget(),
                  static_cast<QWidget*>(test::Part<TProblemsPanel>(*window)->List()))
            << "the Problems panel comes after the page";
        for (QWidget* control : Reachable(page))
            EXPECT_NE(std::find(order.begin(), order.end(), control), order.end())
                << control->metaObject()->className() << " " << control->objectName().toStdString();
    }
}

TEST_F(KeysAloneTest, EveryDialogIsWorkedThroughByTab) {
    ShowAndActivate();
    test::MakeOnDemandDialogs(*window);
    for (QDialog* dialog : window->findChildren<QDialog*>()) {
        dialog->show();
        QApplication::processEvents();
        const std::vector<QWidget*> controls = Reachable(dialog);
        if (controls.empty()) {
            dialog->hide();
            continue;
        }
        const std::set<QWidget*> reached = TabbedThrough(controls.front(), dialog);
        for (QWidget* control : controls)
            EXPECT_TRUE(reached.count(control))
                << dialog->metaObject()->className() << ": " << control->metaObject()->className() << " "
                << control->objectName().toStdString();
        dialog->hide();
    }
}

TEST_F(KeysAloneTest, AContactIdIsTypedThroughItsCharacters) {
    ShowAndActivate();
    Select(nkInputData, 2);
    auto* first = Find<TEditLetCh>("DATAObj1");
    first->setFocus();
    first->selectAll();
    for (const char* key : {"1", "2", "3", "4", "6"})
        QTest::keyClicks(QApplication::focusWidget(), key);
    QApplication::processEvents();
    EXPECT_EQ(Find<TEditLetCh>("DATAObj4")->text(), "4");
    EXPECT_EQ(Find<TEditLetCh>("DATACode1")->text(), "6");
    EXPECT_EQ(QApplication::focusWidget(), Find<TEditLetCh>("DATACode2"));
    EXPECT_EQ(Project().Inputs[2].Cid.Object, (std::array<char, 4>{'1', '2', '3', '4'}));
    Press(Qt::Key_Backspace);
    EXPECT_EQ(QApplication::focusWidget(), Find<TEditLetCh>("DATACode1")) << "Backspace goes back";
}

TEST_F(KeysAloneTest, UpAndDownStepATimeAsItsButtonsDo) {
    ShowAndActivate();
    Select(nkInputTime, 1);
    const int before = Project().Inputs[1].ReactionTime;
    Find<TEditLetNum>("EditReactinTime1")->setFocus();
    Press(Qt::Key_Up);
    EXPECT_GT(Project().Inputs[1].ReactionTime, before);
    Find<TEditLetCh>("EditReactinTime2")->setFocus();
    Press(Qt::Key_Down);
    Press(Qt::Key_Down);
    EXPECT_LT(Project().Inputs[1].ReactionTime, before + 1);
}

TEST_F(KeysAloneTest, AnSmsTextSaysHowManyCharactersAreLeft) {
    ShowAndActivate();
    Select(nkInputSms, 1);
    auto* memo = Find<QPlainTextEdit>("Memo1");
    auto* left = Find<QLabel>("Memo1Left");
    memo->setFocus();
    memo->selectAll();
    QTest::keyClicks(memo, "ALARM");
    EXPECT_EQ(left->text(), "Characters left: 5 of 10");
    QTest::keyClicks(memo, "ABCDEFG");
    EXPECT_EQ(left->text(), "Characters left: 0 of 10");
    EXPECT_EQ(memo->accessibleDescription(), left->text());
}

TEST_F(KeysAloneTest, EnterAndF2EditThePhoneBookAndShiftF10OpensItsMenu) {
    ShowAndActivate();
    Select(nkPhones);
    TPhoneGrid* grid = Shown<TPhoneBookPage>()->Grid();
    grid->setFocus();
    grid->setCurrentItem(grid->topLevelItem(2));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F2}) {
        bool asked = false;
        test::WhenPhoneDialogShows(test::Part<TPhoneDialog>(*window), [&](TPhoneDialog& dialog) {
            asked = true;
            dialog.reject();
        });
        Press(key);
        EXPECT_TRUE(asked) << "key " << key;
        ActivateAgain();
        grid->setFocus();
    }
    QMenu* menu = test::Part<TPhoneBookActions>(*window)->PopupMenu();
    bool shown = false;
    QTimer::singleShot(50, [&] {
        shown = menu->isVisible();
        menu->close();
    });
    Press(QKeyCombination(Qt::ShiftModifier, Qt::Key_F10));
    EXPECT_TRUE(shown) << "Shift+F10 opens the grid's menu";
}

TEST_F(KeysAloneTest, TheAudioParametersHaveAMenuCommand) {
    ShowAndActivate();
    QAction* command = window->Action("ActAudio");
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(window->menuBar()->actions()[4]->menu()->actions().contains(command));
    bool opened = false;
    test::WhenDialogShows<TAudioForm>(test::Part<TAudioForm>(*window), [&](TAudioForm& dialog) {
        opened = true;
        dialog.reject();
    });
    command->trigger();
    EXPECT_TRUE(opened);
}

} // namespace
} // namespace korvisel
