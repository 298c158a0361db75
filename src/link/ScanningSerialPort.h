// SPDX-License-Identifier: GPL-3.0-or-later
// The serial port with a scan of the numbered ports and a capture mode that collects every received
// byte, which the transfer protocol reads after each of its waits.
#pragma once

#include "link/SerialPort.h"

#include <string>
#include <vector>

namespace korvisel {

class TCommPortDriverEx : public TCommPortDriver {
public:
    static constexpr std::size_t MaxPortListEntries = 17; // the open port and the 16 probed ones

    const std::string& NameAllCom() const { return nameAllCom_; }
    void SetNameAllCom(const std::string& prefix) { nameAllCom_ = prefix; }
    std::uint8_t CommCount() const { return static_cast<std::uint8_t>(portList_.size()); }

    // Lists the open port and every numbered port that can be opened, in ascending order.
    void ScanPorts();
    std::uint8_t PortNumberAt(int k) const;
    std::string PortNameAt(int k) const;

    void SetCapture(bool on);
    bool Capturing() const { return capturing_; }
    void ClearCaptured() { captured_.clear(); }
    std::string CapturedText() const { return captured_; }

private:
    std::string nameAllCom_ = "COM";
    std::vector<std::uint8_t> portList_;
    bool capturing_ = false;
    std::string captured_;
    TReceiveHandler savedHandler_;
};

// Denied: the device is there but this user may not open it (not in the dialout group).
enum class TPortState { Absent, Free, Busy, Denied };

// Whether port n is a serial port right now, and whether another program holds it.
TPortState PortState(int n);

// Whether port n is there to be offered: free, held by another program, or denied to this user (so
// that connecting to it says why).
inline bool ProbePort(int n) {
    return PortState(n) != TPortState::Absent;
}

} // namespace korvisel
