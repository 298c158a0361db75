// SPDX-License-Identifier: GPL-3.0-or-later
// Write to Several Devices as a user drives it: the ports offered, the tick boxes, the check before
// anything starts, and three simulated devices written at once, one of them faulty and one that
// never answers, then a batch stopped.
#include "ui/dialogs/SeveralDevicesDialog.h"

#include "fields/DeviceImage.h"
#include "files/ProjectFile.h"
#include "ui/SeveralDevicesRows.h"
#include "ui/WindowTest.h"
#include "ui/app/DeviceTransfer.h"
#include "ui/app/SettingsDialog.h"
#include "ui/widgets/ElidedLabel.h"

#include "link/DeviceSimulatorProcess.h"
#include "link/PortMap.h"
#include "markup/ReadableColor.h"

#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <functional>
#include <unistd.h>

namespace korvisel {
namespace {

using test::DeviceColumn;
using test::FirmwareColumn;
using test::PortColumn;
using test::RowOf;
using test::StateColumn;
using test::TickWithSpace;

class SeveralDevicesTest : public test::WindowTest {};

TEST_F(SeveralDevicesTest, OffersEveryPortAndStartsOnlyWithATickAndAProjectTheCheckAccepts) {
    ports.Add(1);
    ports.Add(2);
    store.WriteString(RegistryKey::Settings, "CPUPort", "COM1");
    std::vector<std::string> reports;
    window->Transfer().SetReportPlace({folder.Path(), folder.Path()},
                                      [&](const std::string& path) { reports.push_back(path); });
    ShowAndActivate();
    ASSERT_TRUE(window->Action("ActSeveral")->isEnabled());
    window->Action("ActSeveral")->trigger();
    QApplication::processEvents();
    auto* dialog = test::Part<TSeveralDevicesDialog>(*window);
    ASSERT_TRUE(dialog->isVisible());
    ASSERT_EQ(dialog->List()->topLevelItemCount(), 16);
    const struct {
        const char* port;
        bool usable;
        const char* note;
    } rows[] = {
        {"COM1", true, "the CPU port: closed while the devices are written"},
        {"COM2", true, ""},
        {"COM3", false, "no device"},
        {"COM16", false, "no device"},
    };
    for (const auto& r : rows) {
        QTreeWidgetItem* item = RowOf(*dialog, r.port);
        ASSERT_NE(item, nullptr) << r.port;
        EXPECT_EQ(!item->isDisabled(), r.usable) << r.port;
        EXPECT_EQ(item->text(StateColumn), r.note) << r.port;
    }
    EXPECT_TRUE(
        dialog->findChild<QLabel*>("SeveralLine")->text().contains("9600, 8-N-1, RTS/CTS, Device Check"))
        << dialog->findChild<QLabel*>("SeveralLine")->text().toStdString();
    EXPECT_FALSE(dialog->StartButton()->isEnabled()) << "nothing ticked";

    TickWithSpace(*dialog, "COM2");
    EXPECT_EQ(dialog->TickedPorts(), std::vector<std::string>{"COM2"});
    ASSERT_TRUE(dialog->StartButton()->isEnabled());

    // The phone book is empty: the check refuses, as it refuses Write, and nothing starts.
    QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    EXPECT_EQ(reports.size(), 1u) << "the check's report is shown";
    EXPECT_EQ(dialog->Note()->text(), "The check refused the write (see its report): nothing was started.");
    EXPECT_FALSE(dialog->Running());
    EXPECT_TRUE(window->CpuPort().IsConnected()) << "the CPU port was not lent";

    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog->isVisible());
}

// Waits up to `ms` for `condition`, as long as a user would look for a change on the screen.
bool Within(int ms, const std::function<bool()>& condition) {
    for (int waited = 0; !condition(); waited += 10) {
        if (waited > ms)
            return false;
        QTest::qWait(10);
    }
    return true;
}

// Adapters plugged in and pulled out while the list is open are followed as the other port lists
// follow them; a row changes only when its port did, so the other rows keep their ticks.
TEST_F(SeveralDevicesTest, TheListFollowsPortsThatComeAndGo) {
    ports.Add(1);
    ports.Add(2);
    store.WriteString(RegistryKey::Settings, "CPUPort", "COM1");
    ShowAndActivate();
    window->Action("ActSeveral")->trigger();
    QApplication::processEvents();
    auto* dialog = test::Part<TSeveralDevicesDialog>(*window);
    ASSERT_TRUE(dialog->isVisible());
    TickWithSpace(*dialog, "COM2");

    ports.Add(5);
    EXPECT_TRUE(Within(1000, [&] { return !RowOf(*dialog, "COM5")->isDisabled(); }));
    EXPECT_EQ(RowOf(*dialog, "COM5")->text(StateColumn), "");
    EXPECT_EQ(dialog->TickedPorts(), std::vector<std::string>{"COM2"}) << "the other rows keep their ticks";
    TickWithSpace(*dialog, "COM5");

    ports.Remove(2);
    EXPECT_TRUE(Within(1000, [&] { return RowOf(*dialog, "COM2")->isDisabled(); }));
    EXPECT_EQ(RowOf(*dialog, "COM2")->text(StateColumn), "no device");
    EXPECT_EQ(dialog->TickedPorts(), std::vector<std::string>{"COM5"});
    EXPECT_TRUE(dialog->StartButton()->isEnabled());
    ports.Remove(5);
    EXPECT_TRUE(Within(1000, [&] { return !dialog->StartButton()->isEnabled(); })) << "nothing left ticked";

    // A simulator that ends takes its link out of the port map: the port is the usual node again.
    ASSERT_EQ(::unlink((PortMapFolder() + "/COM12").c_str()), 0);
    EXPECT_TRUE(Within(1000, [&] { return RowOf(*dialog, "COM12")->text(DeviceColumn) == "/dev/ttyUSB7"; }))
        << RowOf(*dialog, "COM12")->text(DeviceColumn).toStdString();
    dialog->close();
}

// A failed device's row reads on a dark desktop theme as the info lists do: its red is lightened
// until it stands out from the list's background; on a light theme it keeps its designed red.
TEST(SeveralDevicesDialog, AFailureReadsOnALightAndOnADarkPalette) {
    const struct {
        const char* theme;
        QColor base, text;
    } themes[] = {{"light", Qt::white, Qt::black},
                  {"dark", QColor(0x2B, 0x2B, 0x2B), QColor(0xE0, 0xE0, 0xE0)}};
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    const TDocument document;
    for (const auto& theme : themes) {
        TSeveralDevicesDialog dialog(texts, document, nullptr);
        QPalette palette = dialog.palette();
        palette.setColor(QPalette::Base, theme.base);
        palette.setColor(QPalette::Text, theme.text);
        dialog.setPalette(palette);
        dialog.Offer({{"/nonexistent/tty-several", "", true, ""}}, "9600", false);
        dialog.List()->topLevelItem(0)->setCheckState(PortColumn, Qt::Checked);
        TBatchJob job;
        job.Configure = [](TCommPortDriverEx&) {};
        dialog.Run(job);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.Running(); }, 5000)) << theme.theme;
        QApplication::processEvents();
        const QTreeWidgetItem* row = dialog.List()->topLevelItem(0);
        ASSERT_TRUE(row->text(StateColumn).startsWith("failed")) << row->text(StateColumn).toStdString();
        const QColor shown = row->foreground(StateColumn).color();
        const auto rgb = [](const QColor& c) { return static_cast<TRgb>(c.rgb() & 0xFFFFFF); };
        EXPECT_GE(ContrastRatio(rgb(shown), rgb(theme.base)), 4.5) << theme.theme;
        if (std::string_view(theme.theme) == "light") {
            EXPECT_EQ(rgb(shown), 0xB00020u) << "the designed red";
        }
        dialog.close();
    }
}

TEST(SeveralDevicesSlow, WritesThreeDevicesAtOnceThenStopsABatch) {
    test::TempFolder folder;
    const std::string stored = folder.File("stored9.KV690");
    test::DeviceSimulatorProcess simulator({"--port", "COM9", "--save", stored, "--firmware", "3.14",
                                            "--port", "COM10", "--echo-drop-plus", "--port", "COM11",
                                            "--no-answer"},
                                           {"COM9", "COM10", "COM11"});
    ASSERT_TRUE(simulator.Ready());
    ::setenv("XDG_DATA_HOME", folder.Path().c_str(), 1);
    TSettingsStore store(folder.File("registry.reg"));
    store.WriteString(RegistryKey::Settings, "CPUPort", "COM9");
    store.WriteDword(RegistryKey::Settings, "KeepDeviceCopy", 1);
    test::ScriptedBoxes boxes;
    {
        TApplicationForm window(boxes, store);
        window.Transfer().SetReportPlace({folder.Path(), folder.Path()}, [](const std::string&) {});
        window.show();
        QTest::qWait(20);
        // A pseudo-terminal has no modem lines: Device Check goes off in the settings dialog.
        test::WhenDialogShows<TOptionForm>(test::Part<TOptionForm>(window), [](TOptionForm& form) {
            form.DeviceCheckBox()->click();
            form.OkButton()->click();
        });
        window.Action("ActSetting")->trigger();
        window.Document().Edit({}, [](TProjectInfo& project) {
            project.Phones[1] = {"+79001234567", "", false};
            project.Inputs[2].Enabled = true;
            project.Inputs[2].SmsPhone = 1;
            project.Inputs[2].SmsEventText = "GATE";
        });

        window.Action("ActSeveral")->trigger();
        QApplication::processEvents();
        auto* dialog = test::Part<TSeveralDevicesDialog>(window);
        ASSERT_TRUE(dialog->isVisible());
        for (const char* port : {"COM9", "COM10", "COM11"})
            TickWithSpace(*dialog, port);
        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        ASSERT_TRUE(dialog->Running());
        EXPECT_FALSE(window.CpuPort().IsConnected()) << "the CPU port is lent to the batch";
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->Running(); }, 120000));

        const auto state = [&](const char* port) {
            return RowOf(*dialog, port)->text(StateColumn).toStdString();
        };
        EXPECT_TRUE(state("COM9").starts_with("written in ")) << state("COM9");
        EXPECT_EQ(RowOf(*dialog, "COM9")->text(FirmwareColumn), "3.14") << "told by the copy read first";
        EXPECT_TRUE(state("COM10").starts_with("failed: ")) << state("COM10");
        EXPECT_NE(state("COM11").find("nothing written, the copy before writing could not be read: "),
                  std::string::npos)
            << state("COM11");
        EXPECT_EQ(dialog->Note()->text(), "1 of 3 devices written.");
        // The status bar names the newest copy this run kept, not an older transfer's.
        const QString note = window.Transfer().BackupNote()->text();
        EXPECT_TRUE(note.startsWith("3 copies kept, the last: backup-")) << note.toStdString();
        EXPECT_TRUE(note.endsWith("-written-COM9.KV690")) << note.toStdString();
        EXPECT_TRUE(window.CpuPort().IsConnected()) << "the CPU port is taken back";
        TDeviceImage image{};
        TProjectInfo written;
        ASSERT_TRUE(ReadProjectFile(stored, image, written).Ok());
        TProjectInfo sent;
        UnpackImage(window.Document().Images.Outgoing, sent);
        EXPECT_TRUE(written == sent);
        EXPECT_EQ(written.Inputs[2].SmsEventText, "GATE");

        // Stop ends every transfer within its current wait and names the devices left unwritten.
        store.WriteDword(RegistryKey::Settings, "KeepDeviceCopy", 0);
        window.Options().KeepCopyBeforeWrite = false;
        TickWithSpace(*dialog, "COM11");
        ASSERT_EQ(dialog->TickedPorts(), (std::vector<std::string>{"COM9", "COM10"}));
        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        QTest::qWait(2000);
        window.close();
        EXPECT_TRUE(window.isVisible()) << "never closed over running transfers";
        QTest::keyClick(dialog, Qt::Key_Escape);
        EXPECT_TRUE(dialog->isVisible());
        QTest::mouseClick(dialog->StopButton(), Qt::LeftButton);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->Running(); }, 3000)) << "ended within the wait";
        EXPECT_EQ(dialog->Note()->text(), "Stopped. Left unwritten: COM9, COM10");
        EXPECT_EQ(window.Transfer().BackupNote()->text(), "No copy kept") << "the stopped run kept none";
        EXPECT_EQ(state("COM10"), "stopped: the device was left unwritten");
        EXPECT_EQ(state("COM11"), "") << "no result of the earlier run beside a port left out";
        dialog->close();
    }
    const std::vector<std::string> backups = test::FilesIn(folder.File("korvisel/backups"));
    const auto count = [&](const std::string& end) {
        return std::count_if(backups.begin(), backups.end(),
                             [&](const std::string& b) { return b.ends_with(end); });
    };
    EXPECT_EQ(count("-before-write-COM9.KV690"), 1);
    EXPECT_EQ(count("-written-COM9.KV690"), 1);
    EXPECT_EQ(count("-before-write-COM10.KV690"), 1);
    EXPECT_EQ(backups.size(), 3u);
    ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace korvisel
