// SPDX-License-Identifier: GPL-3.0-or-later
// Moving through the tree never changes a setting: walked with the keyboard or clicked node by node,
// a filled project (with references that name no phone) and a file holding every value the controls
// cannot set stay exactly as they were, and a save writes the bytes of the file opened.
#include "ui/widgets/NavigationTreeView.h"
#include "ui/widgets/PhoneSelectorBox.h"

#include "SampleProject.h"
#include "files/ProjectFile.h"
#include "ui/ForeignProject.h"
#include "ui/WindowTest.h"

#include <QScrollBar>

#include <set>

namespace korvisel {
namespace {

enum class TWalked { Busy, Odd };

class TreeWalkTest : public test::WindowTest, public ::testing::WithParamInterface<TWalked> {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        if (GetParam() == TWalked::Odd) {
            test::WriteOddProject(folder.File("walked.KV690"));
        } else {
            TProjectInfo filled = test::BusyProject();
            // Gaps the check reports: showing their pages must not fill them.
            filled.CrowPhone = 0;
            filled.GsmSmsPhone = 0;
            filled.Inputs[4].AlarmPhone = 0;
            filled.Inputs[3].DataPhone = 0;
            filled.Inputs[2].Signal = 0;
            TDeviceImage image{};
            ASSERT_TRUE(WriteProjectFile(folder.File("walked.KV690"), filled, image).Ok());
        }
        window->Commands().OpenRecent(folder.File("walked.KV690"));
        ShowAndActivate();
        before = Project();
        imageBefore = window->Document().KeptImage();
    }

    void ExpectNothingChanged(const char* walk) {
        EXPECT_EQ(window->Document().KeptImage(), imageBefore)
            << walk << ": a save would write another image";
        EXPECT_TRUE(Project() == before) << walk << ": the project changed";
        EXPECT_FALSE(Modified()) << walk;
        window->SetFileChooser(
            [&](bool, const std::string&) { return std::optional(folder.File("again.KV690")); });
        window->Action("ActSaveAs")->trigger();
        EXPECT_EQ(test::ReadBytes(folder.File("again.KV690")), test::ReadBytes(folder.File("walked.KV690")))
            << walk << ": the file saved differs from the one opened";
    }

    int Current() const {
        return test::Part<TNavigationTreeView>(*window)->NodeOf(
            test::Part<TNavigationTreeView>(*window)->currentItem());
    }

    TProjectInfo before;
    TDeviceImage imageBefore{};
};

TEST_P(TreeWalkTest, WalkingTheTreeWithTheKeyboardChangesNothing) {
    TNavigationTreeView* tree = test::Part<TNavigationTreeView>(*window);
    tree->setFocus();
    tree->SelectNode(TopLevel(0));
    std::set<int> visited{Current()};
    const std::size_t nodes = tree->Tree().Nodes().size();
    // Right opens a branch (or enters it), Down goes on, until the last node.
    for (std::size_t step = 0; step < 4 * nodes; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        visited.insert(Current());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        visited.insert(Current());
    }
    EXPECT_EQ(visited.size(), nodes) << "every node was reached from the keyboard";
    EXPECT_EQ(QApplication::focusWidget(), tree) << "the tree kept the focus";
    for (std::size_t step = 0; step < 2 * nodes; ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(Current(), TopLevel(0)) << "and back to the top";
    ExpectNothingChanged("keyboard");
}

TEST_P(TreeWalkTest, ClickingEveryNodeChangesNothing) {
    TNavigationTreeView* tree = test::Part<TNavigationTreeView>(*window);
    tree->expandAll();
    const std::size_t nodes = tree->Tree().Nodes().size();
    for (std::size_t n = 0; n < nodes; ++n) {
        QTreeWidgetItem* item = tree->ItemOf(static_cast<int>(n));
        tree->scrollToItem(item);
        QApplication::processEvents();
        const QRect row = tree->visualItemRect(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, QPoint(row.left() + 40, row.center().y()));
        ASSERT_EQ(Current(), static_cast<int>(n)) << "the click selects node " << n;
    }
    ExpectNothingChanged("mouse");
}

// A phone list whose setting names no phone shows none until the user picks one, and the pick is
// the user's edit.
TEST_P(TreeWalkTest, APhoneListNamingNoPhoneShowsNoneUntilTheUserPicks) {
    Select(nkCrow);
    auto* selector = Find<TPhoneSelectorBox>("CrowPhonCB");
    EXPECT_EQ(selector->currentIndex(), -1);
    EXPECT_EQ(selector->placeholderText(), "(no phone chosen)");
    ExpectNothingChanged("showing the page");
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_Down);
    EXPECT_EQ(selector->currentIndex(), 0);
    EXPECT_EQ(Project().CrowPhone, 1);
    EXPECT_TRUE(Modified());
}

std::string WalkedName(const ::testing::TestParamInfo<TWalked>& walked) {
    return walked.param == TWalked::Odd ? "OddFile" : "BusyProject";
}

INSTANTIATE_TEST_SUITE_P(Projects, TreeWalkTest, ::testing::Values(TWalked::Busy, TWalked::Odd), WalkedName);

} // namespace
} // namespace korvisel
