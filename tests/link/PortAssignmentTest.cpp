// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortAssignment.h"

#include "settings/Settings.h"

#include "PtyPorts.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

const TLanguageTexts English = TLanguageTexts::BuiltInEnglish();

TEST(PortAssignment, SummaryLine) {
    TCommPortDriverEx port;
    port.SetHwFlow(hfRTSCTS);
    EXPECT_EQ(ShowPortSummary("CPU Port: ", port), "CPU Port: COM2, 9600, 8, N, 1   Hw: RTS/CTS  Sw: NONE");
    port.SetPortName("\\\\.\\COM12");
    port.SetBaudRate(br115200);
    port.SetDataBits(db7BITS);
    port.SetParity(ptSPACE);
    port.SetStopBits(sb1HALFBITS);
    port.SetHwFlow(hfNONERTSON);
    port.SetSwFlow(sfXONXOFF);
    EXPECT_EQ(ShowPortSummary("CPU Port: ", port),
              "CPU Port: COM12, 115200, 7, S, 1.5 Hw: RTS   SW: XON/XOFF");
    port.SetPortName("\\\\.\\COMPORT7");
    port.SetHwFlow(hfNONE);
    port.SetStopBits(sb2BITS);
    EXPECT_EQ(ShowPortSummary("", port), "COMPO, 115200, 7, S, 2   Hw: NONE  Sw: XON/XOFF");
}

TEST(PortAssignment, StoredChoice) {
    test::TempFolder folder;
    TSettingsStore store(folder.File("registry.reg"));
    const std::vector<std::string> names = {"COM1", "COM3"};
    struct Case {
        const char* what;
        std::optional<std::string> stored;
        std::vector<std::string> list;
        int choice;
        std::string written;
    } cases[] = {
        {"first run", std::nullopt, names, NoSelection, ""},
        {"empty value takes the first", "", names, 0, "COM1"},
        {"stored port present", "COM3", names, 1, "COM3"},
        {"stored port gone: kept for when it is back", "COM7", names, NoSelection, "COM7"},
        {"no port at all: kept", "COM3", {}, NoSelection, "COM3"},
    };
    for (const Case& c : cases) {
        store.DeleteValue(RegistryKey::Settings, "CPUPort");
        if (c.stored)
            store.WriteString(RegistryKey::Settings, "CPUPort", *c.stored);
        EXPECT_EQ(LoadPortChoice(store, c.list), c.choice) << c.what;
        EXPECT_EQ(ReadCpuPort(store), c.written) << c.what;
    }
}

TEST(PortAssignment, PortListAndAvailability) {
    test::PtyPorts ports;
    ports.Add(1);
    ports.Add(3);
    TCommPortDriverEx port;
    port.SetPortName("\\\\.\\COM3");
    ASSERT_TRUE(port.Connect()) << port.LastError();
    const std::vector<std::string> names = BuildPortList(port);
    EXPECT_EQ(names, (std::vector<std::string>{"COM1", "COM3"})) << "the open port, found by the scan, once";

    int availability = 1; // as at start
    EXPECT_EQ(UpdateReadWrite(availability, PortAvailabilityOf(names)), std::optional(true));
    EXPECT_EQ(availability, 2);
    EXPECT_EQ(UpdateReadWrite(availability, 2), std::nullopt);

    // A port another program holds is listed still: the user's choice of it survives, and connecting
    // says why it cannot be used.
    TCommPortDriverEx other;
    EXPECT_EQ(BuildPortList(other), (std::vector<std::string>{"COM1", "COM3"}));
    EXPECT_EQ(PortState(3), TPortState::Busy);
    EXPECT_EQ(PortState(1), TPortState::Free);
    EXPECT_EQ(PortState(2), TPortState::Absent);
    other.SetPortName("\\\\.\\COM3");
    EXPECT_FALSE(other.Connect());
    EXPECT_NE(PortProblemText(other, English).find("COM3: device busy: "), std::string::npos)
        << PortProblemText(other, English);
    EXPECT_NE(PortProblemText(other, English).find("in use by another program"), std::string::npos);
    EXPECT_EQ(UpdateReadWrite(availability, PortAvailabilityOf({})), std::optional(false));
}

TEST(PortAssignment, WhyThePortIsNotOpen) {
    test::PtyPorts ports;
    ports.Add(3);
    TCommPortDriverEx port;
    port.SetPortName("\\\\.\\COM5"); // mapped to nothing
    port.SetCheckLineStatus(false);
    EXPECT_FALSE(port.Connect());
    EXPECT_EQ(PortProblemText(port, English).rfind("COM5: no such device", 0), 0u)
        << PortProblemText(port, English);

    port.SetPortName("\\\\.\\COM3");
    ASSERT_TRUE(port.Connect());
    EXPECT_EQ(PortProblemText(port, English), "") << "an open port has no problem";
    // Settings the system refuses leave the port working as it was, and the panel says so at once.
    port.SetStopBits(sb1HALFBITS);
    EXPECT_TRUE(port.IsConnected());
    EXPECT_EQ(PortProblemText(port, English),
              "COM3: the line settings could not be applied (1.5 stop bits cannot be "
              "set on this system); the port keeps working with the settings it has");
    port.SetStopBits(sb1BITS);
    EXPECT_EQ(PortProblemText(port, English), "");
    port.Disconnect();
    port.SetPortName("\\\\.\\");
    EXPECT_EQ(PortProblemText(port, English), "") << "no port chosen";
}

TEST(PortAssignment, DisplayNameDropsTheDevicePrefix) {
    const std::pair<const char*, const char*> cases[] = {
        {"\\\\.\\COM12", "COM12"}, {"\\\\.\\", ""}, {"", ""}};
    for (const auto& [path, shown] : cases) {
        TCommPortDriver port;
        port.SetPortName(path);
        EXPECT_EQ(PortDisplayName(port), shown) << path;
    }
}

} // namespace
} // namespace korvisel
