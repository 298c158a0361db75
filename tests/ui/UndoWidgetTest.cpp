// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/FilteredEdit.h"

#include "editor/NodeCaption.h"
#include "i18n/Registrations.h"
#include "ui/WindowTest.h"
#include "ui/app/SettingsDialog.h"
#include "ui/widgets/QtText.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace korvisel {
namespace {

class UndoTest : public test::WindowTest {
protected:
    TNodeKind SelectedKind() {
        auto* view = test::Part<TNavigationTreeView>(*window);
        return view->Tree().Node(view->SelectedNode()).Data.Kind;
    }
};

TEST_F(UndoTest, ARadioClickIsTakenBackAndMadeAgainByTheKeys) {
    ShowAndActivate();
    EXPECT_FALSE(Undo()->isEnabled()) << "nothing to undo in a new project";
    Select(nkInputSignal, 2);
    const std::uint8_t before = Project().Inputs[2].Signal;
    auto* third = Find<QRadioButton>("RButtonSignal3");
    QTest::mouseClick(third, Qt::LeftButton, {}, QPoint(6, third->height() / 2));
    QApplication::processEvents();
    ASSERT_EQ(Project().Inputs[2].Signal, 2);
    ASSERT_TRUE(Undo()->isEnabled());
    EXPECT_TRUE(Undo()->text().startsWith("&Undo: ")) << Undo()->text().toStdString();
    EXPECT_EQ(Undo()->toolTip(), QString(Undo()->text()).remove('&'));

    // From another node: Undo shows the node where the edit was made, its page in step.
    Select(nkPin);
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(Project().Inputs[2].Signal, before);
    EXPECT_EQ(SelectedKind(), nkInputSignal);
    EXPECT_FALSE(Find<QRadioButton>("RButtonSignal3")->isChecked());
    EXPECT_FALSE(Modified()) << "back where the project started";
    EXPECT_FALSE(Undo()->isEnabled());
    ASSERT_TRUE(Redo()->isEnabled());

    Press(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(Project().Inputs[2].Signal, 2);
    EXPECT_TRUE(Find<QRadioButton>("RButtonSignal3")->isChecked());
    EXPECT_TRUE(Modified());
    Press(Qt::CTRL | Qt::Key_Z);
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(Project().Inputs[2].Signal, 2) << "Ctrl+Shift+Z redoes too";
}

// A step keeps where it was made, not the words: made in English, it is named in Russian once the
// window is.
TEST_F(UndoTest, AStepIsNamedInTheLanguageOfTheWindow) {
    ShowAndActivate();
    Select(nkInputSignal, 2);
    auto* third = Find<QRadioButton>("RButtonSignal3");
    QTest::mouseClick(third, Qt::LeftButton, {}, QPoint(6, third->height() / 2));
    QApplication::processEvents();
    const auto named = [this] {
        const TLanguageTexts& texts = window->Texts();
        return Q(texts.Text("LM_EDIT_A_UNDO ")).trimmed() + ": " +
               Q(NodeCaption({nkInputSignal, 2, 0}, texts));
    };
    EXPECT_EQ(Undo()->toolTip(), named());
    const QString english = Undo()->toolTip();

    const std::string russian = std::string(KORVISEL_SOURCE_DIR) + "/languages/Russian.ini";
    AddLanguage(store, LoadLanguages(store), "Russian", russian);
    const TLanguageList list = FillLanguageList(store);
    StoreLanguageChoice(store, list.Entries, static_cast<int>(list.Entries.size()) - 1);
    auto* options = test::Part<TOptionForm>(*window);
    QTimer::singleShot(0, options, [options] { options->OkButton()->click(); });
    window->OpenSettings(TOptionForm::TTab::Language);
    QApplication::processEvents();
    EXPECT_EQ(Undo()->toolTip(), named());
    EXPECT_NE(Undo()->toolTip(), english);
}

TEST_F(UndoTest, TypingIsOneStepAndCtrlZIsNotTheFieldsOwn) {
    ShowAndActivate();
    Select(nkPin);
    const auto pin = Project().Pin;
    auto* edit = Find<QLineEdit>("EditPin");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "2468");
    QApplication::processEvents();
    ASSERT_EQ(std::string(Project().Pin.begin(), Project().Pin.end()), "2468");
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(Project().Pin, pin) << "the four keys were one step";
    EXPECT_EQ(edit->text().toStdString(), std::string(pin.begin(), pin.end()));
    EXPECT_FALSE(Undo()->isEnabled());
}

TEST_F(UndoTest, NewStartsAFreshHistory) {
    ShowAndActivate();
    Select(nkInputSignal, 1);
    auto* second = Find<QRadioButton>("RButtonSignal2");
    QTest::mouseClick(second, Qt::LeftButton, {}, QPoint(6, second->height() / 2));
    QApplication::processEvents();
    ASSERT_TRUE(Undo()->isEnabled());
    boxes.answers = {"no"}; // do not save
    window->Action("ActNew")->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(Undo()->isEnabled());
    EXPECT_FALSE(Redo()->isEnabled());
}

} // namespace
} // namespace korvisel
