// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer engine's port, clock and pump on a real serial port in real time.
#pragma once

#include "link/ScanningSerialPort.h"
#include "link/TransferEngine.h"

#include <atomic>
#include <functional>

namespace korvisel {

class TSteadyClock : public ITransferClock {
public:
    std::int64_t NowUs() override;
};

// A stop request counts as a lost line, so that every wait of the engine ends at once.
class TDriverTransferPort : public ITransferPort {
public:
    explicit TDriverTransferPort(TCommPortDriverEx& port, const std::atomic<bool>* stop = nullptr)
        : port_(port), stop_(stop) {}
    void SetCapture(bool on) override { port_.SetCapture(on); }
    void ClearCaptured() override { port_.ClearCaptured(); }
    std::string CapturedText() const override { return port_.CapturedText(); }
    bool SendByte(std::uint8_t byte) override { return port_.SendByte(byte); }
    bool Lost() const override { return port_.Lost() || (stop_ && stop_->load()); }

private:
    TCommPortDriverEx& port_;
    const std::atomic<bool>* stop_;
};

// Each pass polls the port (so received bytes reach the capture at once), runs the owner's own event
// processing if it has any, and sleeps for the rest of the wait but never longer than a millisecond.
class TPollingPump : public IEventPump {
public:
    explicit TPollingPump(TCommPortDriver& port, std::function<void()> processEvents = {})
        : port_(port), processEvents_(std::move(processEvents)) {}
    void ProcessEvents(std::int64_t remainingUs) override;

private:
    TCommPortDriver& port_;
    std::function<void()> processEvents_;
};

} // namespace korvisel
