// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/MainWindow.h"
#include "files/ProjectFile.h"
#include "files/StandardPaths.h"
#include "ui/app/DeviceTransfer.h"
#include "ui/app/SettingsDialog.h"
#include "ui/dialogs/ComparisonDialog.h"
#include "ui/pages/SummaryPages.h"
#include "ui/report/ReportPreview.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/NavigationTreeView.h"

#include "RandomImages.h"
#include "TempFolder.h"
#include "link/DeviceSimulatorProcess.h"
#include "link/PtyPorts.h"
#include "ui/ScriptedBoxes.h"
#include "ui/WindowTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <random>
#include <sys/stat.h>

namespace korvisel {
namespace {

using test::ScriptedBoxes;

class MainWindowTest : public test::WindowTest {};

TEST_F(MainWindowTest, CreationThenFirstActivation) {
    EXPECT_EQ(test::ShownTitle(*window), "KORvisel PRO [Untitled]");
    EXPECT_EQ(test::Part<TPageStack>(*window)->currentWidget()->objectName(), "Info");
    // Every kind has a page of its own type, which it may share with kinds alike.
    const auto* stack = test::Part<TPageStack>(*window);
    for (const TNodeKindEntry& kind : NodeKinds()) {
        const TNodePage* page = stack->PageOfKind(kind.Kind);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(stack->Page(page->objectName()), page);
    }
    EXPECT_EQ(stack->PageOfKind(nkGsmTest), stack->PageOfKind(nkPeriodicTest));
    EXPECT_EQ(stack->PageOfKind(nkOutputTime)->objectName(), "OUT_TIME");
    EXPECT_EQ(stack->PageOfKind(nkCrow)->objectName(), "CROW Adapter");
    EXPECT_FALSE(store.ReadString(RegistryKey::Language, "2Lang_TREEINFO"))
        << "creation publishes the PL texts only";
    EXPECT_EQ(store.ReadString(RegistryKey::Language, "PLTestSIM"), "Test SIM Card");
    EXPECT_FALSE(store.ReadString(RegistryKey::Settings, "CPUPort"));

    ShowAndActivate();
    EXPECT_EQ(store.ReadString(RegistryKey::Settings, "CPUPort"), "")
        << "no port: the choice is stored empty";
    EXPECT_TRUE(store.ReadString(RegistryKey::Settings, "WorkPath"));
    EXPECT_EQ(store.ReadString(RegistryKey::Language, "2Lang_TREEINFO"), "Settings")
        << "the built-in language applied";
    EXPECT_EQ(window->Action("ActNew")->text(), "&New");
    EXPECT_EQ(window->Action("ActExit")->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(window->Action("ActCut")->shortcut(), QKeySequence("Ctrl+X"));
}

TEST_F(MainWindowTest, EachSelectionDispatchesOnce) {
    ShowAndActivate();
    auto* tree = test::Part<TNavigationTreeView>(*window);
    QSignalSpy dispatched(tree, &TNavigationTreeView::NodeSelected);
    tree->SelectNode(TopLevel(6)); // output 1
    EXPECT_EQ(dispatched.count(), 1);
    EXPECT_EQ(test::Part<TPageStack>(*window)->currentWidget()->objectName(), "Output");
    tree->SelectNode(TopLevel(6));
    EXPECT_EQ(dispatched.count(), 1) << "the same node again does not refill";
    tree->SelectNode(TopLevel(0));
    tree->SelectNode(TopLevel(6));
    EXPECT_EQ(dispatched.count(), 3);
}

TEST_F(MainWindowTest, SpaceOnAnInputNodeTogglesIt) {
    ShowAndActivate();
    test::Part<TNavigationTreeView>(*window)->setFocus();
    test::Part<TNavigationTreeView>(*window)->SelectNode(TopLevel(2)); // input 1
    ASSERT_EQ(window->CurrentNodeKind(), nkInput);
    QTest::keyClick(test::Part<TNavigationTreeView>(*window), Qt::Key_Space);
    EXPECT_TRUE(Project().Inputs[1].Enabled);
    EXPECT_TRUE(Modified());
    EXPECT_TRUE(test::Part<TInputSummaryPage>(*window)->InputCheck()->isChecked());

    Put(Project());
    test::Part<TNavigationTreeView>(*window)->SelectNode(TopLevel(6));
    QTest::keyClick(test::Part<TNavigationTreeView>(*window), Qt::Key_Space);
    EXPECT_FALSE(Modified()) << "Space on any other node does nothing";
}

TEST_F(MainWindowTest, HidingTheToolbarsGivesTheirRoomToThePages) {
    ShowAndActivate();
    const QSize frame = window->size();
    const int workArea = window->centralWidget()->height();
    const char* const switches[] = {"ActPanelEdit", "ActPanelTools", "ActPanelFile", "ActPanelOptions",
                                    "ActPanelHelp"};
    for (const char* toggle : switches)
        window->Action(toggle)->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(window->ToolBar("Edit")->isVisible());
    EXPECT_EQ(window->size(), frame) << "the window keeps the size the user gave it";
    EXPECT_GT(window->centralWidget()->height(), workArea);
    for (const char* toggle : switches)
        window->Action(toggle)->trigger();
    QApplication::processEvents();
    EXPECT_EQ(window->centralWidget()->height(), workArea);
}

TEST_F(MainWindowTest, DocumentCommandsThroughTheWindow) {
    ShowAndActivate();
    std::deque<std::string> files = {folder.File("site.KV690"), folder.File("gone/other.KV690")};
    window->SetFileChooser([&](bool, const std::string&) -> std::optional<std::string> {
        if (files.empty())
            return std::nullopt;
        std::string f = files.front();
        files.pop_front();
        return f;
    });
    Edit([](TProjectInfo& p) { p.TestDays = 9; });
    EXPECT_EQ(test::ShownTitle(*window), "KORvisel PRO [Untitled]*") << "unsaved changes are marked";
    window->Action("ActSaveAs")->trigger();
    EXPECT_EQ(test::ShownTitle(*window), "KORvisel PRO [site.KV690]");
    EXPECT_FALSE(Modified());
    LoadMainWindowSettings(store, window->Settings(), [](const std::string&) { return true; });
    EXPECT_EQ(window->Settings().RecentFiles.Entries().front(), folder.File("site.KV690"))
        << "a saved file is among the recent files at once";

    Edit([](TProjectInfo& p) { p.TestDays = 10; });
    window->Action("ActSaveAs")->trigger();
    EXPECT_EQ(boxes.shown.back(), "error: Error File Path !");
    EXPECT_TRUE(Modified()) << "a failed save keeps the changes marked";
    EXPECT_EQ(test::ShownTitle(*window), "KORvisel PRO [site.KV690]*") << "and the project its name";

    // New with unsaved changes asks as closing does; Cancel leaves everything as it was.
    Edit([](TProjectInfo& p) { p.Pin = {'1', '2', '3', '4'}; });
    boxes.answers = {"cancel"};
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(boxes.shown.back(), "Save file : " + folder.File("site.KV690") + " ?");
    EXPECT_EQ(Project().Pin, (std::array<char, 4>{'1', '2', '3', '4'}));
    EXPECT_TRUE(Modified());
    EXPECT_EQ(test::ShownTitle(*window), "KORvisel PRO [site.KV690]*");
    // No discards them.
    boxes.answers = {"no"};
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(Project(), TProjectInfo{});
    EXPECT_FALSE(Modified());
    EXPECT_EQ(test::ShownTitle(*window), "KORvisel PRO [Untitled]");

    const std::size_t asked = boxes.shown.size();
    window->Commands().OpenRecent(folder.File("deleted.KV690"));
    EXPECT_EQ(boxes.shown.size(), asked) << "a recent file that was deleted does nothing";

    boxes.answers = {"no"};
    EXPECT_FALSE(window->close()) << "closing asks, and No keeps the window";
    EXPECT_EQ(boxes.shown.back(), "Application close?");
}

// The file dialogs start where the user last opened or saved a project, or in the folder chosen in
// the settings dialog, and the next run starts there too.
TEST_F(MainWindowTest, TheFileDialogsFollowTheLastFolderAcrossRuns) {
    std::filesystem::create_directories(folder.File("sites"));
    std::filesystem::create_directories(folder.File("chosen"));
    test::SaveProjectOfImage(folder.File("sites/a.KV690"), TDeviceImage{});
    std::vector<std::string> startedIn;
    std::optional<std::string> next;
    const auto chooser = [&](bool, const std::string& start) {
        startedIn.push_back(start);
        return next;
    };
    ShowAndActivate();
    window->SetFileChooser(chooser);
    next = folder.File("sites/a.KV690");
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    ActivateAgain(); // as after the file dialog closed
    next.reset();
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(startedIn.back(), folder.File("sites"));

    test::Part<TOptionForm>(*window)->FolderBrowser = [&] { return folder.File("chosen"); };
    test::WhenDialogShows<TOptionForm>(test::Part<TOptionForm>(*window), [&](TOptionForm& form) {
        EXPECT_EQ(form.WorkFolderField()->text().toStdString(), folder.File("sites"))
            << "the settings show the folder the dialogs use";
        form.BrowseButton()->click();
        form.OkButton()->click();
    });
    window->Action("ActSetting")->trigger();
    ActivateAgain();
    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    ASSERT_EQ(startedIn.size(), 3u);
    EXPECT_EQ(startedIn.back(), folder.File("chosen"));

    window.reset();
    window = std::make_unique<TApplicationForm>(boxes, store);
    ShowAndActivate();
    window->SetFileChooser(chooser);
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(startedIn.back(), folder.File("chosen")) << "remembered across runs";
}

// What a file gives never depends on what was open before: an arm confirmation of the last project
// does not survive into the next one, neither on screen nor in what a save writes.
TEST_F(MainWindowTest, OpeningAFileKeepsNothingOfTheProjectBefore) {
    ShowAndActivate();
    std::mt19937 random(2);
    std::string next;
    window->SetFileChooser([&](bool, const std::string&) { return std::optional(next); });
    for (int pair = 0; pair < 20; ++pair) {
        TDeviceImage previous = test::RandomImage(random);
        TDeviceImage opened = test::RandomImage(random);
        for (std::size_t input = 0; input < InputCount; ++input) {
            previous[26 * input] &= 0xFB;
            opened[26 * input] &= 0xFB; // no input of the file opened confirms arming
        }
        previous[26] |= 0x04; // input 2 of the one before does
        test::SaveProjectOfImage(folder.File("previous.KV690"), previous);
        const TProjectInfo expected = test::SaveProjectOfImage(folder.File("opened.KV690"), opened);
        const std::vector<std::uint8_t> openedBytes = test::ReadBytes(folder.File("opened.KV690"));

        next = folder.File("previous.KV690");
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        ASSERT_EQ(Project().ArmConfirmInput, 2);
        Select(nkInput, 2);
        Edit([](TProjectInfo& p) { p.Phones[3].Name = "Guard"; });
        next = folder.File("opened.KV690");
        QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
        ASSERT_TRUE(Project() == expected) << "pair " << pair;
        EXPECT_FALSE(test::Part<TInputSummaryPage>(*window)->SetOutCBox()->isChecked()) << "pair " << pair;
        EXPECT_FALSE(Modified()) << "a project just opened equals its file";
        QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
        ASSERT_EQ(test::ReadBytes(folder.File("opened.KV690")), openedBytes) << "pair " << pair;
    }
}

// The report's caption names the device of the model module whose file is open.
TEST(MainWindowModules, PrintPreviewCaptionNamesTheModulesDevice) {
    test::TempFolder folder;
    test::PtyPorts ports;
    ::setenv("XDG_DATA_HOME", folder.Path().c_str(), 1);
    TSettingsStore store(folder.File("registry.reg"));
    test::WriteBytes(folder.File("model.bin"), {'x'});
    store.WriteString(RegistryKey::Settings, "DEVICE_NAME_A", "Model A");
    store.WriteString(RegistryKey::Settings, "DEVICE_PATH_A", folder.File("model.bin"));
    store.WriteString(RegistryKey::Settings, "DEVICE_TYPE_A", "KORvisel 700");
    store.WriteString(RegistryKey::Settings, "DEVICE_EXTN_A", ".KV700");
    TProjectInfo project;
    TDeviceImage image{};
    ASSERT_TRUE(WriteProjectFile(folder.File("site.KV700"), project, image).Ok());
    ScriptedBoxes boxes;
    {
        TApplicationForm window(boxes, store);
        window.SetFileChooser(
            [&](bool, const std::string&) { return std::optional(folder.File("site.KV700")); });
        window.show();
        QTest::qWait(20);
        QTest::keyClick(&window, Qt::Key_O, Qt::ControlModifier);
        ASSERT_EQ(test::ShownTitle(window), "KORvisel PRO [site.KV700]");
        bool found = false;
        test::WhenDialogShows<TReportPreview>(test::Part<TReportPreview>(window),
                                              [&](TReportPreview& preview) {
                                                  found = preview.Find("KORvisel 700");
                                                  preview.reject();
                                              });
        window.Action("ActPrntPrev")->trigger();
        EXPECT_TRUE(found);
    }
    ::unsetenv("XDG_DATA_HOME");
}

TEST_F(MainWindowTest, BistableOutputShowsItsTimeNodeInactive) {
    TProjectInfo bistable;
    bistable.Outputs[2].WorkType = TWorkType::Bistable;
    Put(bistable);
    ShowAndActivate();
    const TNavigationTree& tree = test::Part<TNavigationTreeView>(*window)->Tree();
    const int output2 = TopLevel(7);
    const int time = tree.Node(output2).Children[2];
    EXPECT_TRUE(tree.Node(time).Disabled);
    EXPECT_EQ(NodeIconName(tree.Node(time).Data, Project()), "OUTTIME_D");
}

TEST_F(MainWindowTest, AnEmptyPhoneBookStopsTheWriteBeforeTheDialog) {
    ShowAndActivate();
    std::string opened;
    window->Transfer().SetReportPlace({folder.Path(), folder.Path()},
                                      [&](const std::string& path) { opened = path; });
    Edit([](TProjectInfo& p) { p.Phones[1].Empty = true; });
    EXPECT_FALSE(window->Action("ActWrite")->isEnabled()) << "no serial port: Read and Write are disabled";
    window->WriteToDevice();
    EXPECT_EQ(opened, folder.File("Errors.txt"));
    EXPECT_TRUE(boxes.shown.empty()) << "no confirmation: the dialog never opened";
}

TEST_F(MainWindowTest, AReportThatCannotBePlacedIsSaid) {
    ShowAndActivate();
    test::WriteBytes(folder.File("file"), {'x'});
    window->Transfer().SetReportPlace({folder.File("file"), folder.File("file/data")},
                                      [](const std::string&) {});
    window->WriteToDevice();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].starts_with("info: The check report Errors.txt could not be written: "))
        << boxes.shown[0];
    EXPECT_TRUE(boxes.shown[0].ends_with("It found:\n\nERROR : Phone count = 0\nWARNINGS : 0\nERRORS   : 1"))
        << boxes.shown[0];
}

TEST_F(MainWindowTest, ADamagedSettingsFileIsSaidAtActivation) {
    std::vector<std::uint8_t> bytes = test::ReadBytes(folder.File("registry.reg"));
    const std::string damage = "damaged line\n";
    bytes.insert(bytes.end(), damage.begin(), damage.end());
    test::WriteBytes(folder.File("registry.reg"), bytes);
    ShowAndActivate();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].find("now set aside in " + folder.File("registry.reg.1.bad")), std::string::npos)
        << boxes.shown[0];
}

TEST_F(MainWindowTest, ASettingsFileThatCannotBeWrittenIsSaidOnceAtActivation) {
    ::chmod(folder.File("registry.reg").c_str(), 0444);
    ShowAndActivate();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_TRUE(boxes.shown[0].starts_with("info: The settings file " + folder.File("registry.reg") +
                                           " cannot be written"))
        << boxes.shown[0];
    QEvent again(QEvent::ActivationChange);
    QApplication::sendEvent(window.get(), &again);
    EXPECT_EQ(boxes.shown.size(), 1u) << "once";
}

TEST_F(MainWindowTest, NoCopyOfTheDeviceNoWrite) {
    ports.Add(2); // a port where no device answers
    store.WriteString(RegistryKey::Settings, "CPUPort", "COM2");
    ShowAndActivate();
    window->Transfer().SetReportPlace({folder.Path(), folder.Path()}, [](const std::string&) {});
    Edit([](TProjectInfo& p) { p.Phones[1] = {"+79001234567", "NAME1", false}; });
    window->Options().Port.DeviceCheck = false;
    window->Options().KeepCopyBeforeWrite = true;
    ApplyPortSettings(window->Options().Port, window->CpuPort());
    window->WriteToDevice();
    ASSERT_FALSE(boxes.shown.empty());
    EXPECT_EQ(std::count(boxes.shown.begin(), boxes.shown.end(), "To write the Data into CPU Module?"), 0)
        << "nothing was asked: the write never started";
    EXPECT_TRUE(boxes.shown.back().starts_with("error: The device's settings could not be read"))
        << boxes.shown.back();
}

// Waits up to `ms` for `condition`, as long as a user would look for a change on the screen.
bool Within(int ms, const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// An adapter plugged in or pulled out while the window runs is seen within a second, by the status
// bar, Read and Write, and the settings dialog while it is open.
TEST_F(MainWindowTest, PortsThatComeAndGoAreFollowedWhileTheWindowRuns) {
    ShowAndActivate();
    QLabel* summary = window->findChild<QLabel*>("PortSummary");
    ASSERT_FALSE(window->Action("ActRead")->isEnabled());
    ports.Add(3);
    EXPECT_TRUE(Within(1000, [&] { return window->Action("ActRead")->isEnabled(); }));
    EXPECT_TRUE(window->Action("ActWrite")->isEnabled());
    EXPECT_TRUE(summary->text().contains("COM3")) << summary->text().toStdString();
    EXPECT_TRUE(window->CpuPort().IsConnected());

    ports.Remove(3);
    EXPECT_TRUE(Within(1000, [&] { return !window->Action("ActRead")->isEnabled(); }));
    EXPECT_FALSE(window->CpuPort().IsConnected()) << "the port of a device that went away is closed";
    EXPECT_TRUE(summary->text().contains("COM3"))
        << "still the chosen port: " << summary->text().toStdString();
    EXPECT_TRUE(
        window->findChild<TElidedLabel*>("PortProblem")->FullText().startsWith("COM3: no such device"));

    std::vector<int> listed;
    test::WhenDialogShows<TOptionForm>(test::Part<TOptionForm>(*window), [&](TOptionForm& form) {
        listed.push_back(form.PortList()->count());
        ports.Add(5);
        Within(1000, [&] { return form.PortList()->count() == 1; });
        listed.push_back(form.PortList()->count());
        form.CancelButton()->click();
    });
    window->Action("ActSetting")->trigger();
    EXPECT_EQ(listed, (std::vector<int>{0, 1}));
}

// A port another program holds stays the chosen port, is said to be busy, and stays stored. The
// panel's reason is never cut off for good: it ends with "..." and shows whole on hover and click.
TEST_F(MainWindowTest, ABusyPortStaysChosenAndSaysWhy) {
    ports.Add(1);
    ports.Add(2);
    TCommPortDriverEx otherProgram;
    otherProgram.SetPortName("\\\\.\\COM2");
    ASSERT_TRUE(otherProgram.Connect()) << otherProgram.LastError();
    store.WriteString(RegistryKey::Settings, "CPUPort", "COM2");
    ShowAndActivate();
    EXPECT_TRUE(window->findChild<QLabel*>("PortSummary")->text().contains("COM2, 9600"))
        << window->findChild<QLabel*>("PortSummary")->text().toStdString();
    EXPECT_TRUE(window->findChild<TElidedLabel*>("PortProblem")->text().contains("in use by another program"))
        << window->findChild<TElidedLabel*>("PortProblem")->text().toStdString();
    TElidedLabel* problem = window->findChild<TElidedLabel*>("PortProblem");
    problem->setFixedWidth(120);
    QApplication::processEvents();
    const QString whole = problem->FullText();
    EXPECT_TRUE(problem->ShownText().endsWith(QChar(0x2026))) << problem->ShownText().toStdString();
    EXPECT_EQ(problem->toolTip(), whole);
    QTest::mouseClick(problem, Qt::LeftButton);
    EXPECT_EQ(QToolTip::text(), whole);
    window.reset();
    EXPECT_EQ(store.ReadString(RegistryKey::Settings, "CPUPort"), "COM2")
        << "the choice survives the busy port";
}

TEST(MainWindowSlow, WriteAndReadTheSimulatedDevice) {
    test::TempFolder folder;
    test::DeviceSimulatorProcess simulator;
    ASSERT_TRUE(simulator.Ready());
    ::setenv("XDG_DATA_HOME", folder.Path().c_str(), 1);
    TSettingsStore store(folder.File("registry.reg"));
    store.WriteString(RegistryKey::Settings, "CPUPort", "COM9");
    ScriptedBoxes boxes;
    {
        TApplicationForm window(boxes, store);
        window.Transfer().SetReportPlace({folder.Path(), folder.Path()}, [](const std::string&) {});
        window.show();
        QTest::qWait(20);
        ASSERT_TRUE(window.Action("ActWrite")->isEnabled());
        // A pseudo-terminal has no modem lines: Device Check goes off in the settings dialog.
        test::WhenDialogShows<TOptionForm>(test::Part<TOptionForm>(window), [](TOptionForm& form) {
            form.DeviceCheckBox()->click();
            form.OkButton()->click();
        });
        window.Action("ActSetting")->trigger();
        ASSERT_FALSE(window.Options().Port.DeviceCheck);
        // A new project completed in the window: input 2 on, its first phone through the dialog.
        window.Action("ActNew")->trigger();
        test::SelectNode(window, nkInput, 2);
        test::WhenPhoneDialogShows(test::Part<TPhoneDialog>(window), [](TPhoneDialog& dialog) {
            QTest::keyClicks(dialog.Edit(), "+79001234567");
            QTest::keyClick(dialog.Edit(), Qt::Key_Return);
        });
        test::Tick(test::Part<TInputSummaryPage>(window)->InputCheck());
        test::SelectNode(window, nkInputSms, 2);
        QTest::keyClicks(window.findChild<QWidget*>("Memo1"), "GATE");
        const TProjectInfo& project = window.Document().Project();
        ASSERT_EQ(project.Inputs[2].SmsPhone, 1);
        const TProjectInfo written = project;

        boxes.answers = {"ok", "ok"};
        window.Action("ActWrite")->trigger();
        // Whatever is open before a read never reaches what the read gives.
        TProjectInfo before;
        before.ArmConfirmInput = 3;
        before.Phones[4].Name = "Previous";
        window.Document().Replace(before, window.Document().Print());
        window.Action("ActRead")->trigger();
        TProjectInfo deviceHolds;
        UnpackImage(window.Document().Images.Outgoing, deviceHolds);
        EXPECT_TRUE(project == deviceHolds);
        EXPECT_TRUE(window.Document().Modified()) << "the device's settings are not saved in any file yet";

        EXPECT_EQ(boxes.shown, (std::vector<std::string>{
                                   "To write the Data into CPU Module?", "info: Write Data - complete",
                                   "To read the Data of CPU Module?", "info: Read - complite"}));
        EXPECT_EQ(project.Inputs[2].SmsEventText, "GATE");
        EXPECT_EQ(project.Phones[1].Number, written.Phones[1].Number);
        EXPECT_EQ(window.Document().Print().FirmwareVersion, "2.59");
        EXPECT_TRUE(window.Transfer().BackupNote()->text().startsWith("Copy kept: backup-"));

        // The read is a step of its own: Undo puts back the project it replaced.
        QAction* undo = window.Action("ActUndo");
        ASSERT_TRUE(undo->isEnabled());
        EXPECT_TRUE(undo->toolTip().endsWith(": " + window.Action("ActRead")->iconText()))
            << undo->toolTip().toStdString();
        EXPECT_EQ(window.Transfer().ResultNote()->text(), "Read - complite")
            << "the status bar tells a screen reader how the transfer ended";
        undo->trigger();
        EXPECT_TRUE(project == before);
        EXPECT_EQ(window.Document().Print().FirmwareVersion, "") << "the print data as it was, too";
        window.Action("ActRedo")->trigger();

        // Compare with Device lists exactly the fields in which the project differs, and changes none.
        window.Document().Edit({}, [](TProjectInfo& p) {
            p.Inputs[2].SmsEventText = "DOOR";
            p.Pin = {'1', '1', '1', '1'};
            p.Phones[1].Name = "Office"; // no device keeps a name
        });
        const TProjectInfo compared = project;
        boxes.answers = {"ok", "ok"};
        window.Action("ActCompare")->trigger();
        auto* comparison = test::Part<TComparisonDialog>(window);
        ASSERT_TRUE(comparison->isVisible());
        QStringList rows;
        for (int n = 0; n < comparison->List()->topLevelItemCount(); ++n)
            rows << comparison->List()->topLevelItem(n)->text(1) + " " +
                        comparison->List()->topLevelItem(n)->text(2) + " " +
                        comparison->List()->topLevelItem(n)->text(3);
        EXPECT_EQ(rows, (QStringList{"Inputs[2].SmsEventText \"DOOR\" \"GATE\"", "Pin \"1111\" \"9481\""}));
        EXPECT_TRUE(project == compared) << "a comparison never changes the project";
        comparison->close();

        // The note of the last backup keeps to its own section, and never names a file deleted since.
        QLabel* note = window.Transfer().BackupNote();
        const QString kept = note->text().section(' ', -1);
        EXPECT_TRUE(kept.endsWith("-read-COM9.KV690")) << note->text().toStdString();
        test::ExpectStatusBarItemsApart(*window.statusBar());
        const std::string keptFile = folder.File("korvisel/backups/" + kept.toStdString());
        ASSERT_EQ(std::rename(keptFile.c_str(), folder.File("set-aside").c_str()), 0);
        window.activateWindow();
        QApplication::processEvents();
        ASSERT_TRUE(window.isActiveWindow());
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(&window, &activation);
        EXPECT_FALSE(note->isVisible() && note->text().contains(kept)) << note->text().toStdString();
        ASSERT_EQ(std::rename(folder.File("set-aside").c_str(), keptFile.c_str()), 0);
    }
    // The written image and the two read back are all kept.
    const std::vector<std::string> backups = test::FilesIn(folder.File("korvisel/backups"));
    ASSERT_EQ(backups.size(), 3u);
    EXPECT_TRUE(backups[0].ends_with("-written-COM9.KV690")) << backups[0];
    EXPECT_TRUE(backups[1].ends_with("-read-COM9.KV690")) << backups[1];
    EXPECT_TRUE(backups[2].ends_with("-read-COM9.KV690")) << backups[2];
    ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace korvisel
