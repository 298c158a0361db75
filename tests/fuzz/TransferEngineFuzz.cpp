// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as what a device answers: the first byte chooses read or write and the answer to the
// confirmation; then, after each byte the engine sends, a length (two bytes, low first) and that many
// bytes arrive 3 ms later. A run always ends, and a read that succeeds holds a block whose checksum
// matches.
#include "fields/DeviceImage.h"
#include "link/TransferEngine.h"
#include "link/TransferProtocol.h"

#include <algorithm>
#include <cstdlib>
#include <deque>

namespace {

using namespace korvisel;

class FuzzedLine : public ITransferPort, public ITransferClock, public IEventPump {
public:
    FuzzedLine(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    void SetCapture(bool on) override { capture_ = on; }
    void ClearCaptured() override { captured_.clear(); }
    std::string CapturedText() const override { return captured_; }
    bool Lost() const override { return false; }
    bool SendByte(std::uint8_t) override {
        if (size_ - used_ >= 2) {
            const std::size_t wanted = data_[used_] | static_cast<std::size_t>(data_[used_ + 1]) << 8;
            used_ += 2;
            const std::size_t length = std::min(wanted, size_ - used_);
            if (length > 0)
                inFlight_.push_back(
                    {now_ + 3000, std::string(reinterpret_cast<const char*>(data_ + used_), length)});
            used_ += length;
        }
        return true;
    }
    std::int64_t NowUs() override { return now_; }
    void ProcessEvents(std::int64_t remainingUs) override {
        now_ += std::clamp<std::int64_t>(remainingUs, 1, 1000);
        while (!inFlight_.empty() && inFlight_.front().first <= now_) {
            if (capture_)
                captured_ += inFlight_.front().second;
            inFlight_.pop_front();
        }
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t used_ = 0;
    std::int64_t now_ = 0;
    bool capture_ = false;
    std::string captured_;
    std::deque<std::pair<std::int64_t, std::string>> inFlight_;
};

class SilentView : public ITransferView {
public:
    explicit SilentView(bool confirm) : confirm_(confirm) {}
    void SetCaption(TTextKey) override {}
    void SetStepText(TTextKey) override {}
    void SetOverallText(TTextKey) override {}
    void SetStepBar(int value) override { Check(value); }
    void SetOverallBar(int value) override { Check(value); }
    bool ShowMessage(TMessageKind kind, TTextKey) override {
        return kind != TMessageKind::Confirmation || confirm_;
    }

private:
    static void Check(int value) {
        if (value < 0 || value > BarMaximum)
            std::abort();
    }
    bool confirm_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const TTransferMode mode = (data[0] & 1) ? TTransferMode::Write : TTransferMode::Read;
    FuzzedLine line(data + 1, size - 1);
    SilentView view((data[0] & 2) == 0);
    TTransferEngine engine(line, line, line, view);
    if (mode == TTransferMode::Write)
        engine.TransferData = BuildPayload(TDeviceImage{});
    const TTransferOutcome outcome = engine.Run(mode);
    if (mode == TTransferMode::Read && outcome == TTransferOutcome::Success &&
        !PayloadChecksumMatches(engine.TransferData))
        std::abort();
    return 0;
}
