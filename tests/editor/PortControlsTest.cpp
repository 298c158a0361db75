// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/PortControls.h"

#include "link/PtyPorts.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(PortControls, ShownSpeedOfEveryCode) {
    const std::vector<std::string> shown = {"110",   "110",    "300",   "300",   "1200",  "2400",
                                            "4800",  "9600",   "9600",  "19200", "38400", "38400",
                                            "57600", "115200", "57600", "57600"};
    for (int code = brCustom; code <= br256000; ++code)
        EXPECT_EQ(ShownSpeedText(static_cast<TBaudRate>(code)), shown[static_cast<std::size_t>(code)])
            << code;
}

TEST(PortControls, ControlsToPortAndBack) {
    test::PtyPorts ports; // no port present, so the reconnect fails quietly
    TCommPortDriverEx port;
    TPortControls controls; // design values: speed and parity unselected
    controls.PortNames = {"COM1", "COM3"};
    controls.PortIndex = 1;
    ApplyPortSettings(controls, port);
    EXPECT_EQ(port.BaudRateValue(), 9600u);
    EXPECT_EQ(port.DataBits(), db8BITS);
    EXPECT_EQ(port.Parity(), ptNONE);
    EXPECT_EQ(port.HwFlow(), hfRTSCTS);
    EXPECT_TRUE(port.CheckLineStatus());
    EXPECT_TRUE(port.EnableDTROnOpen());
    EXPECT_EQ(port.PortName(), "\\\\.\\COM3");
    EXPECT_FALSE(port.IsConnected());

    controls.SpeedIndex = 6; // 19200
    controls.DataBitsIndex = 2;
    controls.ParityIndex = 1; // Even
    controls.StopBitsIndex = 2;
    controls.HwFlowIndex = 0;
    controls.SwFlowIndex = 1;
    controls.DtrIndex = 1;
    controls.DeviceCheck = false;
    controls.PortIndex = NoSelection;
    ApplyPortSettings(controls, port);
    EXPECT_EQ(port.BaudRate(), br19200);
    EXPECT_EQ(port.Parity(), ptEVEN);
    EXPECT_EQ(port.PortName(), "\\\\.\\") << "no port chosen";

    const TOptSetComm shown = ShowPortSettings(port);
    EXPECT_EQ(shown, (TOptSetComm{"", "19200", 2, 1, 2, false, 0, 1, 1}));
    TPortControls reopened;
    SetPortControls(shown, reopened);
    reopened.PortNames = controls.PortNames;
    reopened.PortIndex = controls.PortIndex;
    EXPECT_EQ(reopened, controls) << "reopening the dialog shows what was accepted";

    port.SetBaudRate(br56000);
    SetPortControls(ShowPortSettings(port), reopened);
    EXPECT_EQ(PortChoices::Speeds[static_cast<std::size_t>(reopened.SpeedIndex)], "38400");
    port.SetBaudRateValue(12345);
    SetPortControls(ShowPortSettings(port), reopened);
    EXPECT_EQ(reopened.SpeedIndex, 0) << "a custom speed shows as 110, the first entry";
}

} // namespace
} // namespace korvisel
