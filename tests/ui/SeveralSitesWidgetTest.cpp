// SPDX-License-Identifier: GPL-3.0-or-later
// Write to Several Devices with a sites table, as a user drives it: the table opened over the open
// project, a site chosen per port, the refusals, the way back to one project for every device, and
// two simulated devices each written with its own site.
#include "ui/dialogs/SeveralDevicesDialog.h"

#include "fields/DeviceImage.h"
#include "files/ProjectFile.h"
#include "ui/SeveralDevicesRows.h"
#include "ui/WindowTest.h"
#include "ui/app/DeviceTransfer.h"

#include "link/DeviceSimulatorProcess.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTreeWidget>

namespace korvisel {
namespace {

using test::RowOf;
using test::SiteColumn;
using test::StateColumn;
using test::TickWithSpace;

// The site each port's list shows, "" for none.
std::vector<std::string> SitesShown(TSeveralDevicesDialog& dialog, const std::vector<std::string>& ports) {
    std::vector<std::string> shown;
    for (const std::string& port : ports)
        shown.push_back(dialog.SiteBox(port)->currentText().toStdString());
    return shown;
}

TSeveralDevicesDialog* OpenWithTable(TApplicationForm& window, const std::string& table) {
    window.Action("ActSeveral")->trigger();
    QApplication::processEvents();
    auto* dialog = test::Part<TSeveralDevicesDialog>(window);
    dialog->SitesFileChooser = [table] { return table; };
    QTest::mouseClick(dialog->SitesButton(), Qt::LeftButton);
    return dialog;
}

class SeveralSitesTest : public test::WindowTest {
protected:
    // A check's report is kept here and not opened with the desktop's opener.
    void SetUp() override {
        WindowTest::SetUp();
        window->Transfer().SetReportPlace({folder.Path(), folder.Path()}, [](const std::string&) {});
    }
};

// The open project has no phone, which the check refuses alone; each site brings its own.
TEST_F(SeveralSitesTest, EachTickedPortGetsASiteOfItsOwnAndClearingTheTableWritesTheProjectAgain) {
    for (int port : {5, 6, 7})
        ports.Add(port);
    const std::string table = folder.File("sites.csv");
    const std::string csv = "Site,Phones[1].Number,Pin\nNorth,111,\nSouth,222,12\nEast,333,\n";
    test::WriteText(table, csv);
    const TProjectInfo before = Project();
    ShowAndActivate();
    TSeveralDevicesDialog* dialog = OpenWithTable(*window, table);
    ASSERT_TRUE(dialog->isVisible());
    ASSERT_TRUE(dialog->WithSites());
    EXPECT_FALSE(dialog->List()->isColumnHidden(SiteColumn));
    EXPECT_TRUE(
        dialog->SitesSummaryLabel()->text().startsWith("Sites table sites.csv (sites: 3, refused: 1)"))
        << dialog->SitesSummaryLabel()->text().toStdString();
    EXPECT_EQ(dialog->SitesNotesBox()->toPlainText(),
              "record 2 (line 3), column Pin: \"12\" must be 4 characters of 0123456789");
    EXPECT_TRUE(dialog->SitesNotesBox()->isVisible());

    for (const char* port : {"COM5", "COM6", "COM7"})
        TickWithSpace(*dialog, port);
    // The rows in order, past the refused one; there are not enough for the third port.
    EXPECT_EQ(SitesShown(*dialog, {"COM5", "COM6", "COM7"}), (std::vector<std::string>{"North", "East", ""}));
    const auto* sites = qobject_cast<QStandardItemModel*>(dialog->SiteBox("COM7")->model());
    ASSERT_NE(sites, nullptr);
    EXPECT_EQ(sites->item(1)->text(), "South (refused)");
    EXPECT_FALSE(sites->item(1)->isEnabled()) << "a refused row cannot be chosen";
    EXPECT_EQ(dialog->SiteBox("COM7")->accessibleName(), "Site COM7");
    // Tab goes from the list through the ports' sites in order.
    dialog->List()->setFocus();
    std::vector<QWidget*> tabbed;
    for (int n = 0; n < 3; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        tabbed.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(tabbed, (std::vector<QWidget*>{dialog->SiteBox("COM5"), dialog->SiteBox("COM6"),
                                             dialog->SiteBox("COM7")}));

    QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->Note()->text(), "COM7 has no site: choose one or untick the port.");
    EXPECT_FALSE(dialog->Running());

    // Down from nothing takes the first site that may be written, which COM5 has.
    dialog->SiteBox("COM7")->setFocus();
    QTest::keyClick(dialog->SiteBox("COM7"), Qt::Key_Down);
    EXPECT_EQ(SitesShown(*dialog, {"COM7"}), std::vector<std::string>{"North"});
    QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->Note()->text(),
              "The site North is chosen for COM5 and COM7: each device needs a site of its own.");
    EXPECT_FALSE(dialog->Running());

    // Leaving ports out frees their sites; choosing a site for an unticked port ticks it again.
    TickWithSpace(*dialog, "COM7");
    TickWithSpace(*dialog, "COM6");
    EXPECT_EQ(SitesShown(*dialog, {"COM5", "COM6", "COM7"}), (std::vector<std::string>{"North", "", ""}));
    dialog->SiteBox("COM5")->setFocus();
    QTest::keyClick(dialog->SiteBox("COM5"), Qt::Key_Down);
    EXPECT_EQ(SitesShown(*dialog, {"COM5"}), std::vector<std::string>{"East"}) << "South is passed over";
    dialog->SiteBox("COM6")->setFocus();
    QTest::keyClick(dialog->SiteBox("COM6"), Qt::Key_Down);
    const std::vector<std::string> chosen = {"East", "North"};
    EXPECT_EQ(SitesShown(*dialog, {"COM5", "COM6"}), chosen);
    EXPECT_EQ(dialog->TickedPorts(), (std::vector<std::string>{"COM5", "COM6"}));

    // The template's check does not stop a write of sites: the batch starts, and is stopped here.
    QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    ASSERT_TRUE(dialog->Running());
    EXPECT_EQ(SitesShown(*dialog, {"COM5", "COM6"}), chosen) << "each row names the site it is written with";
    EXPECT_FALSE(dialog->SiteBox("COM5")->isEnabled());
    EXPECT_FALSE(dialog->ClearSitesButton()->isEnabled());
    QTest::mouseClick(dialog->StopButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog->Running(); }, 10000));
    EXPECT_EQ(SitesShown(*dialog, {"COM5", "COM6"}), chosen) << "and its result";
    EXPECT_TRUE(dialog->SiteBox("COM5")->isEnabled());

    EXPECT_TRUE(Project() == before) << "the table never edits the open project";
    EXPECT_FALSE(Modified());

    // Back to one project for every device: the check of that project decides again.
    QTest::mouseClick(dialog->ClearSitesButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->WithSites());
    EXPECT_TRUE(dialog->List()->isColumnHidden(SiteColumn));
    EXPECT_EQ(dialog->SiteBox("COM5"), nullptr);
    EXPECT_FALSE(dialog->SitesNotesBox()->isVisible());
    EXPECT_EQ(dialog->SitesSummaryLabel()->text(),
              "No sites table: every ticked device is written with the open project.");
    QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->Note()->text(), "The check refused the write (see its report): nothing was started.");
    dialog->close();
}

TEST_F(SeveralSitesTest, APortColumnTicksItsPortsAndATableThatCannotBeReadIsTold) {
    for (int port : {5, 6})
        ports.Add(port);
    const std::string table = folder.File("ports.csv");
    const std::string csv = "Site,Port,Phones[1].Number\nNorth,com6,111\nSouth,COM3,222\n";
    test::WriteText(table, csv);
    ShowAndActivate();
    TSeveralDevicesDialog* dialog = OpenWithTable(*window, table);
    EXPECT_EQ(dialog->TickedPorts(), std::vector<std::string>{"COM6"});
    EXPECT_EQ(RowOf(*dialog, "COM6")->text(SiteColumn), "North");
    EXPECT_EQ(dialog->SiteBox("COM6"), nullptr) << "the table, not the user, chooses";
    EXPECT_EQ(dialog->SitesNotesBox()->toPlainText(), "record 2 (line 3): port COM3 cannot be written here");
    TickWithSpace(*dialog, "COM5");
    QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
    EXPECT_EQ(dialog->Note()->text(), "The sites table gives COM5 no site.");

    dialog->SitesFileChooser = [&] { return folder.File("missing.csv"); };
    QTest::mouseClick(dialog->SitesButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog->WithSites());
    EXPECT_EQ(dialog->SitesSummaryLabel()->text().toStdString(),
              "The sites table cannot be used: " + folder.File("missing.csv") + ": not found");
    dialog->close();
}

TEST(SeveralSitesSlow, TwoDevicesAreEachWrittenWithTheirOwnSite) {
    test::TempFolder folder;
    const std::string stored9 = folder.File("stored9.KV690"), stored10 = folder.File("stored10.KV690");
    test::DeviceSimulatorProcess simulator(
        {"--port", "COM9", "--save", stored9, "--port", "COM10", "--save", stored10}, {"COM9", "COM10"});
    ASSERT_TRUE(simulator.Ready());
    ::setenv("XDG_DATA_HOME", folder.Path().c_str(), 1);
    const std::string table = folder.File("sites.csv");
    const std::string csv = "Site,Phones[1].Number,Pin\nNorth,+79001111111,1111\nSouth,+79002222222,12\n"
                            "East,+79003333333,3333\n";
    test::WriteText(table, csv);
    TSettingsStore store(folder.File("registry.reg"));
    test::ScriptedBoxes boxes;
    {
        TApplicationForm window(boxes, store);
        window.show();
        QTest::qWait(20);
        // A pseudo-terminal has no modem lines.
        window.CpuPort().SetCheckLineStatus(false);
        TSeveralDevicesDialog* dialog = OpenWithTable(window, table);
        for (const char* port : {"COM9", "COM10"})
            TickWithSpace(*dialog, port);
        // The sites the other way round from the table's order.
        QTest::keyClick(dialog->SiteBox("COM9"), Qt::Key_Down);
        QTest::keyClick(dialog->SiteBox("COM10"), Qt::Key_Up);
        ASSERT_EQ(SitesShown(*dialog, {"COM9", "COM10"}), (std::vector<std::string>{"East", "North"}));
        QTest::mouseClick(dialog->StartButton(), Qt::LeftButton);
        ASSERT_TRUE(dialog->Running()) << dialog->Note()->text().toStdString();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !dialog->Running(); }, 120000));
        for (const char* port : {"COM9", "COM10"})
            EXPECT_TRUE(RowOf(*dialog, port)->text(StateColumn).startsWith("written in "))
                << port << ": " << RowOf(*dialog, port)->text(StateColumn).toStdString();
        EXPECT_EQ(SitesShown(*dialog, {"COM9", "COM10"}), (std::vector<std::string>{"East", "North"}));
        EXPECT_EQ(dialog->Note()->text(), "2 of 2 devices written.");
        dialog->close();
    }
    const struct {
        std::string file, phone;
        std::array<char, 4> pin;
    } written[] = {{stored9, "+79003333333", {'3', '3', '3', '3'}},
                   {stored10, "+79001111111", {'1', '1', '1', '1'}}};
    for (const auto& w : written) {
        TDeviceImage image{};
        TProjectInfo device;
        ASSERT_TRUE(ReadProjectFile(w.file, image, device).Ok()) << w.file;
        EXPECT_EQ(device.Phones[1].Number, w.phone) << w.file;
        EXPECT_EQ(device.Pin, w.pin) << w.file;
    }
    ::unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace korvisel
