// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SerialPort.h"

#include "link/PortMap.h"

#include <algorithm>
#include <asm/termbits.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace korvisel {
namespace {

std::int64_t NowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

TKeyedText OpenFailure(const std::string& path, int error) {
    switch (error) {
    case EACCES:
    case EPERM:
        return Keyed("PRG_PORT_DENIED", {Literal(path)});
    case EBUSY:
    case EWOULDBLOCK:
        return Keyed("PRG_PORT_BUSY", {Literal(path)});
    case ENOENT:
    case ENXIO:
    case ENODEV:
    case EIO:
        return Keyed("PRG_PORT_ABSENT", {Literal(path)});
    default:
        return Literal(std::string(std::strerror(error)) + ": " + path);
    }
}

// Raises or drops one modem control line. A pseudo-terminal has none, so a refusal is not an error.
void SetModemLine(int fd, int line, bool on) {
    ::ioctl(fd, on ? TIOCMBIS : TIOCMBIC, &line);
}

} // namespace

std::uint32_t BaudRateBits(TBaudRate rate) {
    static constexpr std::uint32_t bits[] = {0,     110,   300,   600,   1200,  2400,   4800,   9600,
                                             14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};
    return rate <= br256000 ? bits[rate] : 0;
}

TCommPortDriver::TCommPortDriver() : receiveBuffer_(inBufSize_, 0) {}

TCommPortDriver::~TCommPortDriver() {
    Disconnect();
}

void TCommPortDriver::SetPort(TPortNumber port) {
    if (IsConnected())
        return;
    port_ = port;
    if (port != pnCustom)
        portName_ = std::string(DevicePathPrefix) + "COM" + std::to_string(static_cast<int>(port));
}

void TCommPortDriver::SetPortName(const std::string& name) {
    if (IsConnected())
        return;
    port_ = pnCustom;
    portName_ = name;
}

void TCommPortDriver::ReapplyIfOpen() {
    if (!IsConnected())
        return;
    refusedSettings_ = ApplyLineSettings() ? TKeyedText{} : lastError_;
}

void TCommPortDriver::SetBaudRate(TBaudRate rate) {
    baudRate_ = rate;
    if (rate != brCustom)
        baudRateValue_ = BaudRateBits(rate);
    ReapplyIfOpen();
}

void TCommPortDriver::SetBaudRateValue(std::uint32_t value) {
    baudRate_ = brCustom;
    baudRateValue_ = value;
    ReapplyIfOpen();
}

void TCommPortDriver::SetDataBits(TDataBits bits) {
    dataBits_ = bits;
    ReapplyIfOpen();
}

void TCommPortDriver::SetStopBits(TStopBits bits) {
    stopBits_ = bits;
    ReapplyIfOpen();
}

void TCommPortDriver::SetParity(TParity parity) {
    parity_ = parity;
    ReapplyIfOpen();
}

void TCommPortDriver::SetHwFlow(THwFlowControl flow) {
    hwFlow_ = flow;
    ReapplyIfOpen();
}

void TCommPortDriver::SetSwFlow(TSwFlowControl flow) {
    swFlow_ = flow;
    ReapplyIfOpen();
}

void TCommPortDriver::SetInBufSize(std::uint32_t size) {
    if (IsConnected())
        return;
    inBufSize_ = std::clamp(size, MinBufSize, MaxBufSize);
    receiveBuffer_.assign(inBufSize_, 0);
}

void TCommPortDriver::SetOutBufSize(std::uint32_t size) {
    if (IsConnected())
        return;
    outBufSize_ = std::clamp(size, MinBufSize, MaxBufSize);
}

void TCommPortDriver::SetPollingDelay(std::uint16_t delay) {
    delay = std::max(delay, MinPollingDelay);
    if (delay == pollingDelay_)
        return;
    pollingDelay_ = delay;
    if (IsConnected() && OnPollingRestart)
        OnPollingRestart(delay);
}

bool TCommPortDriver::Connect() {
    if (IsConnected())
        return true;
    const auto path = ResolvePortPath(portName_);
    if (!path) {
        lastError_ = Keyed("PRG_PORT_NO_SUCH_PORT", {Literal(portName_)});
        return false;
    }
    const int fd = ::open(path->c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        lastError_ = OpenFailure(*path, errno);
        return false;
    }
    lost_ = false;
    // Exclusive: TIOCEXCL keeps other programs out, the lock keeps out even a privileged one.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        lastError_ = OpenFailure(*path, EBUSY);
        ::close(fd);
        return false;
    }
    ::ioctl(fd, TIOCEXCL);
    fd_ = fd;
    if (!ApplyLineSettings()) {
        const TKeyedText reason = lastError_;
        Disconnect();
        lastError_ = reason;
        return false;
    }
    lastError_ = {};
    refusedSettings_ = {};
    return true;
}

void TCommPortDriver::Disconnect() {
    if (!IsConnected())
        return;
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

void TCommPortDriver::LoseLine(int error) {
    lastError_ = Keyed("PRG_PORT_LOST", {Literal(std::strerror(error)),
                                         Literal(ResolvePortPath(portName_).value_or(portName_))});
    Disconnect();
    lost_ = true;
}

bool TCommPortDriver::ApplyLineSettings() {
    if (!IsConnected())
        return false;
    if (stopBits_ == sb1HALFBITS) {
        lastError_ = Keyed("PRG_PORT_HALF_STOP_BITS");
        return false;
    }
    termios2 tio{};
    tio.c_cflag = BOTHER | CREAD | CLOCAL;
    tio.c_ispeed = tio.c_ospeed = baudRateValue_;
    static constexpr tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    tio.c_cflag |= sizes[dataBits_ & 3];
    switch (parity_) {
    case ptODD:
        tio.c_cflag |= PARENB | PARODD;
        break;
    case ptEVEN:
        tio.c_cflag |= PARENB;
        break;
    case ptMARK:
        tio.c_cflag |= PARENB | CMSPAR | PARODD;
        break;
    case ptSPACE:
        tio.c_cflag |= PARENB | CMSPAR;
        break;
    default:
        break;
    }
    if (stopBits_ == sb2BITS)
        tio.c_cflag |= CSTOPB;
    if (hwFlow_ == hfRTSCTS)
        tio.c_cflag |= CRTSCTS;
    if (swFlow_ == sfXONXOFF) {
        tio.c_iflag |= IXON | IXOFF;
        tio.c_cc[VSTART] = 17;
        tio.c_cc[VSTOP] = 19;
    }
    // Reads never wait: the polling asks how much is there first.
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    if (::ioctl(fd_, TCSETS2, &tio) != 0) {
        lastError_ = Keyed("PRG_PORT_SETTINGS_FAILED", {Literal(std::strerror(errno))});
        return false;
    }
    SetModemLine(fd_, TIOCM_DTR, enableDtrOnOpen_);
    if (hwFlow_ != hfRTSCTS)
        SetModemLine(fd_, TIOCM_RTS, hwFlow_ == hfNONERTSON);
    // The kernel sizes its own queues; there is nothing to request.
    return FlushBuffers(true, true);
}

bool TCommPortDriver::FlushBuffers(bool input, bool output) {
    if (!IsConnected())
        return false;
    if (!input && !output)
        return true;
    const int which = input && output ? TCIOFLUSH : (input ? TCIFLUSH : TCOFLUSH);
    return ::ioctl(fd_, TCFLSH, which) == 0;
}

TLineStatus TCommPortDriver::LineStatus() const {
    TLineStatus status;
    int lines = 0;
    if (!IsConnected() || ::ioctl(fd_, TIOCMGET, &lines) != 0)
        return status;
    if (lines & TIOCM_CTS)
        status.insert(TModemLine::CTS);
    if (lines & TIOCM_DSR)
        status.insert(TModemLine::DSR);
    if (lines & TIOCM_RNG)
        status.insert(TModemLine::RING);
    if (lines & TIOCM_CD)
        status.insert(TModemLine::CD);
    return status;
}

std::uint16_t TCommPortDriver::OutputFreeSpace() const {
    int queued = 0;
    if (!IsConnected() || ::ioctl(fd_, TIOCOUTQ, &queued) != 0)
        return 0;
    const std::int64_t free = static_cast<std::int64_t>(outBufSize_) - queued;
    return static_cast<std::uint16_t>(std::clamp<std::int64_t>(free, 0, outBufSize_));
}

std::size_t TCommPortDriver::SendData(const std::uint8_t* data, std::size_t count, std::uint32_t limitMs) {
    if (!IsConnected())
        return 0;
    std::size_t sent = 0;
    std::int64_t progressAt = NowMs();
    while (sent < count) {
        const std::uint16_t free = OutputFreeSpace();
        ssize_t accepted = 0;
        if (free > 0) {
            if (checkLineStatus_ && LineStatus().empty())
                break;
            accepted = ::write(fd_, data + sent, std::min<std::size_t>(free, count - sent));
            if (accepted < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                LoseLine(errno);
                break;
            }
        }
        if (accepted > 0) {
            if (OnTrace)
                OnTrace(true, data + sent, static_cast<std::size_t>(accepted));
            sent += static_cast<std::size_t>(accepted);
            progressAt = NowMs();
            continue;
        }
        if (NowMs() - progressAt > limitMs)
            break;
        ::usleep(1000);
    }
    return sent;
}

std::size_t TCommPortDriver::SendData(const std::uint8_t* data, std::size_t count) {
    return SendData(data, count, outputTimeout_);
}

bool TCommPortDriver::SendByte(std::uint8_t byte) {
    return SendData(&byte, 1) == 1;
}

void TCommPortDriver::Poll() {
    if (!IsConnected())
        return;
    pollfd line{fd_, POLLIN, 0};
    const bool hungUp = ::poll(&line, 1, 0) > 0 && (line.revents & (POLLHUP | POLLERR | POLLNVAL));
    int waiting = 0;
    const bool counted = ::ioctl(fd_, FIONREAD, &waiting) == 0;
    // A device that went away (adapter pulled, the other end closed) ends the port's use at once,
    // once whatever it sent before has been taken.
    if (hungUp && (!counted || waiting <= 0)) {
        LoseLine((line.revents & POLLHUP) ? EIO : ENODEV);
        return;
    }
    if (!counted || waiting <= 0)
        return;
    const std::size_t wanted =
        std::min<std::size_t>(static_cast<std::size_t>(waiting), receiveBuffer_.size());
    const ssize_t n = ::read(fd_, receiveBuffer_.data(), wanted);
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR)
        LoseLine(errno);
    if (n <= 0)
        return;
    if (OnTrace)
        OnTrace(false, receiveBuffer_.data(), static_cast<std::size_t>(n));
    if (OnReceiveData)
        OnReceiveData(*this, receiveBuffer_.data(), static_cast<std::size_t>(n));
}

} // namespace korvisel
