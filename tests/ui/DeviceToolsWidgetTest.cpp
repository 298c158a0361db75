// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/BackupsDialog.h"
#include "ui/dialogs/ComparisonDialog.h"

#include "files/BackupList.h"
#include "ui/WindowTest.h"

#include <QPushButton>
#include <QTreeWidget>

namespace korvisel {
namespace {

class DeviceToolsTest : public test::WindowTest {
protected:
    TBackupsDialog* Backups() { return test::Part<TBackupsDialog>(*window); }
    TComparisonDialog* Comparison() { return test::Part<TComparisonDialog>(*window); }
    // A backup of a device whose input 3 reacts later and whose PIN is 2468, and a newer one cut short.
    void KeepTwoBackups() {
        TProjectInfo device = Project();
        device.Inputs[3].ReactionTime = 40;
        device.Pin = {'2', '4', '6', '8'};
        TDeviceImage image{};
        PackImage(device, image);
        const auto now = std::chrono::system_clock::now();
        ASSERT_TRUE(
            KeepBackup(BackupFolder(), TBackupKind::Read, "COM5", image, now - std::chrono::hours(1)).Ok());
        const TResult<std::string> cut = KeepBackup(BackupFolder(), TBackupKind::Written, "COM5", image, now);
        ASSERT_TRUE(cut.Ok());
        test::WriteBytes(cut.Value(), {'K', 'V'});
    }
    void ClickRow(QTreeWidget* list, int row, bool twice = false) {
        const QPoint at = list->visualItemRect(list->topLevelItem(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        if (twice)
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QApplication::processEvents();
    }
    TTreeNodeData Selected() {
        auto* view = test::Part<TNavigationTreeView>(*window);
        return view->Tree().Node(view->SelectedNode()).Data;
    }
};

TEST_F(DeviceToolsTest, BackupsListsTheFolderAndComparesOrOpensTheChosenOne) {
    ShowAndActivate();
    KeepTwoBackups();
    window->Action("ActBackups")->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(Backups()->isVisible());
    QTreeWidget* list = Backups()->List();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(1), "written");
    EXPECT_TRUE(list->topLevelItem(0)->text(4).startsWith("damaged: "))
        << list->topLevelItem(0)->text(4).toStdString();
    EXPECT_FALSE(Backups()->OpenButton()->isEnabled()) << "a damaged file is never opened";
    EXPECT_EQ(list->topLevelItem(1)->text(1), "read");
    EXPECT_EQ(list->topLevelItem(1)->text(2), "COM5");

    ClickRow(list, 1);
    ASSERT_TRUE(Backups()->OpenButton()->isEnabled());
    QTest::mouseClick(Backups()->CompareButton(), Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_TRUE(Comparison()->isVisible());
    QTreeWidget* rows = Comparison()->List();
    ASSERT_EQ(rows->topLevelItemCount(), 2);
    EXPECT_EQ(rows->topLevelItem(0)->text(1), "Inputs[3].ReactionTime");
    EXPECT_EQ(rows->topLevelItem(1)->text(1), "Pin");
    EXPECT_EQ(rows->headerItem()->text(3), "In the backup");

    ClickRow(rows, 0, true);
    EXPECT_EQ(Selected().Kind, nkInputTime);
    EXPECT_EQ(Selected().Input, 3);
    EXPECT_NE(Project().Inputs[3].ReactionTime, 40) << "a comparison changes nothing";
    Comparison()->close();

    QTest::mouseClick(Backups()->OpenButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(Backups()->isVisible());
    EXPECT_EQ(Project().Pin, (std::array<char, 4>{'2', '4', '6', '8'}));
    EXPECT_EQ(window->Document().FileName, UntitledFileName) << "a save asks for a name";
}

TEST_F(DeviceToolsTest, AnEmptyFolderSaysWhereBackupsComeFrom) {
    ShowAndActivate();
    window->Action("ActBackups")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Backups()->List()->topLevelItemCount(), 0);
    EXPECT_FALSE(Backups()->CompareButton()->isEnabled());
    Backups()->close();
}

} // namespace
} // namespace korvisel
