// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/BackupsDialog.h"
#include "ui/dialogs/ComparisonDialog.h"
#include "ui/dialogs/SeveralDevicesDialog.h"

#include "files/BackupList.h"
#include "ui/WindowTest.h"
#include "ui/app/DeviceTransfer.h"
#include "ui/widgets/ElidedLabel.h"

#include <QPushButton>
#include <QTreeWidget>

namespace korvisel {
namespace {

using namespace std::chrono_literals;

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

// Open asks about the unsaved changes first; Cancel there leaves the list open on the chosen backup,
// so that the user can go on choosing.
TEST_F(DeviceToolsTest, CancelInTheSaveQuestionKeepsTheBackupsListOpen) {
    ShowAndActivate();
    KeepTwoBackups();
    Edit([](TProjectInfo& p) { p.Inputs[1].ReactionTime = 30; });
    window->Action("ActBackups")->trigger();
    QApplication::processEvents();
    QTreeWidget* list = Backups()->List();
    ClickRow(list, 1);
    boxes.answers = {"cancel"};
    // The question belongs to the main window, which the desktop activates as it closes.
    boxes.afterAnswer = [this] { window->activateWindow(); };
    QTest::mouseClick(Backups()->OpenButton(), Qt::LeftButton);
    QApplication::processEvents();
    boxes.afterAnswer = nullptr;
    EXPECT_EQ(boxes.shown.size(), 1u) << "the save question";
    EXPECT_TRUE(Backups()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), Backups()) << "the keys go on to the list";
    EXPECT_EQ(list->currentItem(), list->topLevelItem(1));
    EXPECT_EQ(Project().Inputs[1].ReactionTime, 30);

    boxes.answers = {"no"};
    QTest::mouseClick(Backups()->OpenButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_FALSE(Backups()->isVisible());
    EXPECT_EQ(Project().Pin, (std::array<char, 4>{'2', '4', '6', '8'}));
}

TEST_F(DeviceToolsTest, AnEmptyFolderSaysWhereBackupsComeFrom) {
    ShowAndActivate();
    window->Action("ActBackups")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Backups()->List()->topLevelItemCount(), 0);
    EXPECT_FALSE(Backups()->CompareButton()->isEnabled());
    Backups()->close();
}

// Compare with Device asks its own question: the read's would sound as if the project were replaced.
TEST_F(DeviceToolsTest, CompareAsksWhetherToReadForAComparison) {
    ports.Add(3);
    store.WriteString(RegistryKey::Settings, "CPUPort", "COM3");
    ShowAndActivate();
    boxes.answers = {"cancel"};
    window->Action("ActCompare")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(boxes.shown, (std::vector<std::string>{"Read the device's settings to compare them with the "
                                                     "project? The project is not changed."}));
    EXPECT_FALSE(Comparison()->isVisible());
}

// The note of the copies a run on several devices kept names its newest one, in a section of its own,
// until that file is deleted.
TEST_F(DeviceToolsTest, TheBackupNoteFollowsTheLastRunAndTheFilesOnDisk) {
    ShowAndActivate();
    TDeviceImage image{};
    PackImage(Project(), image);
    const auto now = std::chrono::system_clock::now();
    TBatchResult com5, com6;
    com5.Backups = {KeepBackup(BackupFolder(), TBackupKind::Written, "COM5", image, now).Value()};
    com6.Backups = {KeepBackup(BackupFolder(), TBackupKind::Written, "COM6", image, now + 1s).Value()};
    emit test::Part<TSeveralDevicesDialog>(*window)->Finished({com5, com6});
    TElidedLabel* note = window->Transfer().BackupNote();
    ASSERT_TRUE(note->isVisible());
    EXPECT_TRUE(note->FullText().startsWith("2 copies kept, the last: backup-"))
        << note->FullText().toStdString();
    EXPECT_TRUE(note->FullText().endsWith("-written-COM6.KV690")) << note->FullText().toStdString();
    test::ExpectStatusBarItemsApart(*window->statusBar());

    std::remove(com6.Backups.front().c_str());
    ActivateAgain();
    EXPECT_TRUE(note->FullText().endsWith("-written-COM5.KV690")) << note->FullText().toStdString();
    std::remove(com5.Backups.front().c_str());
    ActivateAgain();
    EXPECT_FALSE(note->isVisible()) << note->FullText().toStdString();
}

// The chosen port's adapter is unplugged while another one is present: the status bar names the port
// and why it is not open, and Read, Write and Compare say so at once rather than, after the link
// test, that no device answered.
TEST_F(DeviceToolsTest, AnUnpluggedCpuPortIsNamedWithItsReason) {
    ports.Add(3);
    store.WriteString(RegistryKey::Settings, "CPUPort", "COM9");
    window->Transfer().SetReportPlace({folder.Path(), folder.Path()}, [](const std::string&) {});
    Opened([](TProjectInfo& p) {
        p.Phones[1] = {"+79001234567", "NAME1", false};
    }); // a project the check lets through
    ShowAndActivate();
    const QString summary = window->findChild<QLabel*>("PortSummary")->text();
    EXPECT_TRUE(summary.contains(": COM9, 9600")) << summary.toStdString();
    const QString problem = window->findChild<TElidedLabel*>("PortProblem")->FullText();
    EXPECT_TRUE(problem.startsWith("COM9: no such device")) << problem.toStdString();

    for (const char* command : {"ActRead", "ActWrite", "ActCompare"}) {
        boxes.shown.clear();
        window->Action(command)->trigger();
        QApplication::processEvents();
        ASSERT_FALSE(boxes.shown.empty()) << command;
        EXPECT_TRUE(boxes.shown.back().starts_with("error: COM9: no such device")) << boxes.shown.back();
        EXPECT_EQ(std::count(boxes.shown.begin(), boxes.shown.end(), "info: The device not linked up"), 0);
    }
}

} // namespace
} // namespace korvisel
