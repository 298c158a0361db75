// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ScanningSerialPort.h"

#include "PtyPorts.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace korvisel {
namespace {

using test::PtyPorts;

// Polls as the owner's timer would until the captured text holds `count` bytes.
void PollFor(TCommPortDriverEx& port, std::size_t count) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (port.CapturedText().size() < count && std::chrono::steady_clock::now() < deadline) {
        port.Poll();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

TEST(SerialDriver, DefaultsAndClamps) {
    TCommPortDriverEx port;
    EXPECT_EQ(port.Port(), pnCOM2);
    EXPECT_EQ(port.PortName(), "\\\\.\\COM2");
    EXPECT_EQ(port.BaudRateValue(), 9600u);
    EXPECT_EQ(port.HwFlow(), hfNONERTSON);
    EXPECT_EQ(port.OutputTimeout(), 500);
    EXPECT_EQ(port.NameAllCom(), "COM");

    struct Case {
        std::uint32_t set, in, out;
    } sizes[] = {{9000, 8192, 8192}, {10, 128, 128}, {1000, 1000, 1000}};
    for (const Case& c : sizes) {
        port.SetInBufSize(c.set);
        port.SetOutBufSize(c.set);
        EXPECT_EQ(port.InBufSize(), c.in);
        EXPECT_EQ(port.OutBufSize(), c.out);
    }
    port.SetPollingDelay(0);
    EXPECT_EQ(port.PollingDelay(), 5);
    port.SetPort(pnCOM12);
    EXPECT_EQ(port.PortName(), "\\\\.\\COM12");
    port.SetBaudRate(br57600);
    EXPECT_EQ(port.BaudRateValue(), 57600u);
    port.SetBaudRateValue(250000);
    EXPECT_EQ(port.BaudRate(), brCustom);
    port.SetPortName("\\\\.\\COM7");
    EXPECT_EQ(port.Port(), pnCustom);
}

TEST(SerialDriver, AClosedPortSendsNothingAtOnce) {
    PtyPorts ports;
    TCommPortDriverEx port;
    port.SetPortName("\\\\.\\COM3");
    EXPECT_FALSE(port.Connect());
    EXPECT_NE(port.LastError().find("no such device"), std::string::npos) << port.LastError();
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(port.SendByte('A'));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(5));
    EXPECT_TRUE(port.LineStatus().empty());
    EXPECT_FALSE(port.FlushBuffers(true, true));
}

TEST(SerialDriver, ADeviceThatGoesAwayClosesThePort) {
    PtyPorts ports;
    ports.Add(3);
    TCommPortDriverEx port;
    port.SetPortName("\\\\.\\COM3");
    port.SetCheckLineStatus(false);
    ASSERT_TRUE(port.Connect());
    EXPECT_FALSE(port.Lost());
    ports.Hangup(3);
    port.Poll();
    EXPECT_TRUE(port.Lost());
    EXPECT_FALSE(port.IsConnected());
    EXPECT_NE(port.LastError().find("the device was lost"), std::string::npos) << port.LastError();
    EXPECT_FALSE(port.SendByte('A'));
}

TEST(SerialDriver, OpenPortKeepsItsIdentityAndIsExclusive) {
    PtyPorts ports;
    ports.Add(3);
    TCommPortDriverEx port;
    port.SetPortName("\\\\.\\COM3");
    ASSERT_TRUE(port.Connect()) << port.LastError();
    int restarts = 0;
    port.OnPollingRestart = [&](std::uint16_t) { ++restarts; };

    port.SetPort(pnCOM5);
    port.SetPortName("\\\\.\\COM4");
    port.SetInBufSize(4096);
    EXPECT_EQ(port.PortName(), "\\\\.\\COM3");
    EXPECT_EQ(port.InBufSize(), 2048u);
    port.SetPollingDelay(20);
    port.SetPollingDelay(20);
    EXPECT_EQ(restarts, 1) << "the same period again does not restart the timer";

    TCommPortDriverEx second;
    second.SetPortName("COM3");
    EXPECT_FALSE(second.Connect());
    EXPECT_NE(second.LastError().find("device busy"), std::string::npos) << second.LastError();
    port.Disconnect();
    EXPECT_TRUE(second.Connect()) << second.LastError();
}

TEST(SerialDriver, CaptureKeepsEveryByteAcrossTicks) {
    PtyPorts ports;
    ports.Add(1);
    TCommPortDriverEx port;
    port.SetPortName("\\\\.\\COM1");
    ASSERT_TRUE(port.Connect()) << port.LastError();
    std::string seenByHandler;
    port.OnReceiveData = [&](TCommPortDriver&, const std::uint8_t* data, std::size_t n) {
        seenByHandler.append(reinterpret_cast<const char*>(data), n);
    };
    port.SetCapture(true);
    ports.WriteToPort(1, std::string("O\0K", 3));
    PollFor(port, 3);
    ports.WriteToPort(1, std::string("\0\xFF", 2));
    PollFor(port, 5);
    EXPECT_EQ(port.CapturedText(), std::string("O\0K\0\xFF", 5));
    EXPECT_EQ(seenByHandler, "") << "capture displaces the handler";

    port.SetCapture(false);
    port.SetCapture(true);
    EXPECT_EQ(port.CapturedText().size(), 5u) << "switching capture does not clear it";
    port.SetCapture(false);
    ports.WriteToPort(1, "z");
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (seenByHandler.empty() && std::chrono::steady_clock::now() < deadline)
        port.Poll();
    EXPECT_EQ(seenByHandler, "z") << "the handler is back";
    port.ClearCaptured();
    EXPECT_EQ(port.CapturedText(), "");
}

TEST(SerialDriver, SendsReachTheDeviceAndTheLineStatusCanStopThem) {
    PtyPorts ports;
    ports.Add(2);
    TCommPortDriverEx port;
    port.SetPortName("\\\\.\\COM2");
    ASSERT_TRUE(port.Connect()) << port.LastError();
    std::string traced;
    port.OnTrace = [&](bool sent, const std::uint8_t* data, std::size_t n) {
        if (sent)
            traced.append(reinterpret_cast<const char*>(data), n);
    };
    EXPECT_TRUE(port.SendByte('A'));
    const std::uint8_t more[] = {'T', '\r'};
    EXPECT_EQ(port.SendData(more, 2), 2u);
    EXPECT_EQ(ports.ReadFromPort(2, 3), "AT\r");
    EXPECT_EQ(traced, "AT\r");

    // A pseudo-terminal has no modem lines: with the check on, nothing goes out.
    port.SetCheckLineStatus(true);
    EXPECT_TRUE(port.LineStatus().empty());
    EXPECT_EQ(port.SendData(more, 2), 0u);
    EXPECT_EQ(ports.ReadFromPort(2, 1, 50), "");
}

TEST(SerialDriver, OneAndAHalfStopBitsAreRefused) {
    PtyPorts ports;
    ports.Add(4);
    TCommPortDriverEx port;
    port.SetPortName("\\\\.\\COM4");
    port.SetStopBits(sb1HALFBITS);
    EXPECT_FALSE(port.Connect());
    EXPECT_FALSE(port.IsConnected());
    EXPECT_NE(port.LastError().find("1.5 stop bits"), std::string::npos);

    port.SetStopBits(sb2BITS);
    ASSERT_TRUE(port.Connect()) << port.LastError();
    for (TParity parity : {ptODD, ptEVEN, ptMARK, ptSPACE, ptNONE})
        port.SetParity(parity);
    port.SetDataBits(db7BITS);
    port.SetSwFlow(sfXONXOFF);
    port.SetBaudRateValue(250000);
    EXPECT_TRUE(port.ApplyLineSettings());
    port.SetStopBits(sb1HALFBITS);
    EXPECT_FALSE(port.ApplyLineSettings());
    EXPECT_TRUE(port.IsConnected()) << "a refused re-apply leaves the port open";
}

TEST(SerialDriver, ScanListsTheOpenPortInItsPlace) {
    PtyPorts ports;
    for (int n : {1, 2, 3, 4})
        ports.Add(n);
    TCommPortDriverEx port;
    port.SetPortName("\\\\.\\COM3");
    ASSERT_TRUE(port.Connect()) << port.LastError();
    port.ScanPorts();
    ASSERT_EQ(port.CommCount(), 4);
    EXPECT_EQ((std::vector<int>{port.PortNumberAt(1), port.PortNumberAt(2), port.PortNumberAt(3),
                                port.PortNumberAt(4)}),
              (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(port.PortNameAt(3), "COM3");
    EXPECT_EQ(port.PortNumberAt(0), 0);
    EXPECT_EQ(port.PortNumberAt(5), 0);
    EXPECT_EQ(port.PortNameAt(5), "");
}

} // namespace
} // namespace korvisel
