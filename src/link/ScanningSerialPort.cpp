// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/ScanningSerialPort.h"

#include "link/PortMap.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace korvisel {

TPortState PortState(int n) {
    const auto path = ResolvePortPath("COM" + std::to_string(n));
    if (!path)
        return TPortState::Absent;
    // A port another program holds is still there: it stays on the list (and the user's choice), and
    // connecting to it says who has it.
    const int fd = ::open(path->c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno == EBUSY)
            return TPortState::Busy;
        return errno == EACCES || errno == EPERM ? TPortState::Denied : TPortState::Absent;
    }
    TPortState state = TPortState::Absent;
    if (::isatty(fd))
        state = ::flock(fd, LOCK_EX | LOCK_NB) == 0 ? TPortState::Free : TPortState::Busy;
    ::close(fd);
    return state;
}

void TCommPortDriverEx::ScanPorts() {
    portList_.clear();
    int open = 0; // the open port's number, 0 for none
    if (IsConnected()) {
        open = Port() != pnCustom ? static_cast<int>(Port()) : PortNumberOfName(PortName()).value_or(0);
        if (open < 0 || open > 255)
            open = 0;
        if (open > 0)
            portList_.push_back(static_cast<std::uint8_t>(open));
    }
    for (int n = 1; n <= PortCount; ++n)
        if (n != open && ProbePort(n))
            portList_.push_back(static_cast<std::uint8_t>(n));
    std::sort(portList_.begin(), portList_.end());
}

std::uint8_t TCommPortDriverEx::PortNumberAt(int k) const {
    if (k < 1 || k > static_cast<int>(portList_.size()))
        return 0;
    return portList_[static_cast<std::size_t>(k - 1)];
}

std::string TCommPortDriverEx::PortNameAt(int k) const {
    const std::uint8_t n = PortNumberAt(k);
    return n == 0 ? std::string{} : nameAllCom_ + std::to_string(n);
}

void TCommPortDriverEx::SetCapture(bool on) {
    if (on == capturing_)
        return;
    capturing_ = on;
    if (on) {
        savedHandler_ = OnReceiveData;
        OnReceiveData = [this](TCommPortDriver&, const std::uint8_t* data, std::size_t count) {
            captured_.append(reinterpret_cast<const char*>(data), count);
        };
    } else {
        OnReceiveData = savedHandler_;
        savedHandler_ = nullptr;
    }
}

} // namespace korvisel
