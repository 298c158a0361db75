// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/ProblemsPanel.h"
#include "ui/dialogs/AudioDialog.h"
#include "ui/widgets/FilteredEdit.h"

#include "files/ProjectFile.h"
#include "settings/Settings.h"
#include "ui/ForeignProject.h"
#include "ui/WindowTest.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

namespace korvisel {
namespace {

class ProblemsTest : public test::WindowTest {
protected:
    TProblemsPanel* Panel() { return test::Part<TProblemsPanel>(*window); }
    QListWidget* List() { return Find<QListWidget>("ProblemList"); }
    QToolButton* Count() { return Find<QToolButton>("ProblemCount"); }
    QStringList Rows() {
        QStringList rows;
        for (int n = 0; n < List()->count(); ++n)
            rows << List()->item(n)->text();
        return rows;
    }
    int PageHeight() { return window->centralWidget()->height(); }
    TTreeNodeData Selected() {
        auto* view = test::Part<TNavigationTreeView>(*window);
        return view->Tree().Node(view->SelectedNode()).Data;
    }
    void OpenForeignFile() {
        TProjectInfo p = test::ForeignProjectWithThreeProblems();
        TDeviceImage image{};
        ASSERT_TRUE(WriteProjectFile(folder.File("foreign.KV690"), p, image).Ok());
        window->Commands().OpenRecent(folder.File("foreign.KV690"));
        QApplication::processEvents();
    }
    void DoubleClickRow(int row) {
        const QRect rect = List()->visualItemRect(List()->item(row));
        // What a user's double click sends: a click, then the second press as a double click.
        QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, rect.center());
        QApplication::processEvents();
    }
};

TEST_F(ProblemsTest, TheFirstStartShowsThePanelAndItsCloseButtonAndCountHideAndShowIt) {
    ShowAndActivate();
    ASSERT_TRUE(Panel()->isVisible()) << "shown at the first start";
    EXPECT_EQ(Rows(), QStringList{"ERROR : Phone count = 0"});
    EXPECT_EQ(Count()->text(), "1 problem");
    EXPECT_TRUE(window->Action("ActProblems")->isChecked());

    const int pages = PageHeight();
    const int height = window->height();
    auto* close = Panel()->findChild<QAbstractButton*>("qt_dockwidget_closebutton");
    ASSERT_NE(close, nullptr);
    QTest::mouseClick(close, Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(Panel()->isVisible());
    EXPECT_FALSE(window->Action("ActProblems")->isChecked());
    EXPECT_FALSE(ReadProblemsPanelShown(store)) << "kept for the next start";
    EXPECT_GT(PageHeight(), pages) << "the pages take the panel's room";
    EXPECT_EQ(window->height(), height) << "the window keeps the size the user gave it";

    QTest::mouseClick(Count(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_TRUE(Panel()->isVisible());
    EXPECT_TRUE(window->Action("ActProblems")->isChecked());
    EXPECT_TRUE(ReadProblemsPanelShown(store));
    EXPECT_EQ(PageHeight(), pages);
    EXPECT_EQ(window->height(), height);
}

TEST_F(ProblemsTest, AHiddenPanelStaysHiddenAtTheNextStart) {
    WriteProblemsPanelShown(store, false);
    window = std::make_unique<TApplicationForm>(boxes, store);
    ShowAndActivate();
    EXPECT_FALSE(Panel()->isVisible());
    EXPECT_FALSE(window->Action("ActProblems")->isChecked());
    EXPECT_EQ(Count()->text(), "1 problem") << "the count is there without the panel";
}

TEST_F(ProblemsTest, ADoubleClickOrEnterGoesToTheControlThatFixesTheProblem) {
    ShowAndActivate();
    OpenForeignFile();
    ASSERT_EQ(List()->count(), 3) << Rows().join("\n").toStdString();
    EXPECT_EQ(Rows()[0], "ERROR : Input 3 Report: ALARM; Phone EMPTY");
    EXPECT_EQ(Count()->text(), "3 problems");

    DoubleClickRow(0);
    EXPECT_EQ(Selected().Kind, nkInputAlarm);
    EXPECT_EQ(Selected().Input, 3);
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "ALARMPhoneCBox");

    List()->setFocus();
    List()->setCurrentRow(1);
    QTest::keyClick(List(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(Selected().Kind, nkInputTime);
    EXPECT_EQ(Selected().Input, 1);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "EditReactinTime1");
}

TEST_F(ProblemsTest, AnEditThatFixesAProblemRemovesItsRowAndUndoBringsItBack) {
    ShowAndActivate();
    OpenForeignFile();
    ASSERT_EQ(List()->count(), 3);
    DoubleClickRow(1); // input 1 reacts after 0.0 seconds
    QWidget* edit = QApplication::focusWidget();
    ASSERT_EQ(edit->objectName(), "EditReactinTime1");
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, "3");
    QApplication::processEvents();
    ASSERT_NE(Project().Inputs[1].ReactionTime, 0);
    EXPECT_EQ(List()->count(), 2);
    EXPECT_EQ(Count()->text(), "2 problems");

    List()->setFocus();
    QTest::keyClick(List(), Qt::Key_Z, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(List()->count(), 3) << "undone: the problem is back";
}

TEST_F(ProblemsTest, AnEntryOrAnAudioParameterIsShownWhereItIsFixed) {
    ShowAndActivate();
    TProjectInfo p = test::ForeignProjectWithThreeProblems();
    p.Phones[5] = {"555+0005", "", false};
    p.AudioParams[4] = 0;
    TDeviceImage image{};
    ASSERT_TRUE(WriteProjectFile(folder.File("entries.KV690"), p, image).Ok());
    window->Commands().OpenRecent(folder.File("entries.KV690"));
    QApplication::processEvents();
    ASSERT_EQ(List()->count(), 5) << Rows().join("\n").toStdString();
    EXPECT_TRUE(Rows()[3].startsWith("Phone numbers 5: ")) << Rows()[3].toStdString();

    DoubleClickRow(3);
    EXPECT_EQ(Selected().Kind, nkPhones);
    auto* grid = Find<QAbstractItemView>("VirtualDrawTree4");
    EXPECT_EQ(QApplication::focusWidget(), grid);
    EXPECT_EQ(grid->currentIndex().row(), 4) << "entry 5";

    QString focused;
    test::WhenDialogShows<TAudioForm>(test::Part<TAudioForm>(*window), [&](TAudioForm& dialog) {
        // The dialog's own focus: the desktop may hand it the keyboard a moment after it shows.
        focused = dialog.focusWidget() ? dialog.focusWidget()->objectName() : QString();
        dialog.CancelButton()->click();
    });
    DoubleClickRow(4);
    EXPECT_EQ(focused, "EditLetNum4");
    EXPECT_EQ(Project().AudioParams[4], 0) << "looking changes nothing";
}

} // namespace
} // namespace korvisel
