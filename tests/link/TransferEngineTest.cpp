// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TransferEngine.h"

#include "link/SimulatedDevice.h"
#include "link/TransferProtocol.h"

#include <gtest/gtest.h>

#include <deque>

namespace korvisel {
namespace {

// Port, clock and pump in virtual time, with a simulated device at the other end of the line.
// A pass of the pump takes up to a millisecond, as it does in real time; the device's answers
// arrive 3 ms after the byte that asked for them.
class VirtualLine : public ITransferPort, public ITransferClock, public IEventPump {
public:
    explicit VirtualLine(TSimulatedDevice& device) : device_(device) {}

    struct Sent {
        std::int64_t Us;
        char Byte;
    };
    std::vector<Sent> sent;
    // The line goes away at this virtual time (a pulled adapter, a killed device).
    std::int64_t lostAtUs = -1;
    // Sends after this many fail (a write error), the line itself staying.
    std::size_t sendsThatWork = SIZE_MAX;

    void SetCapture(bool on) override { capture_ = on; }
    void ClearCaptured() override { captured_.clear(); }
    std::string CapturedText() const override { return captured_; }
    bool Lost() const override { return lostAtUs >= 0 && now_ >= lostAtUs; }
    bool SendByte(std::uint8_t byte) override {
        if (Lost() || sent.size() >= sendsThatWork)
            return false;
        sent.push_back({now_, static_cast<char>(byte)});
        const std::string answer = device_.Receive(std::string(1, static_cast<char>(byte)));
        if (!answer.empty())
            inFlight_.push_back({now_ + 3000, answer});
        return true;
    }
    std::int64_t NowUs() override { return now_; }
    void ProcessEvents(std::int64_t remainingUs) override {
        now_ += std::min<std::int64_t>(remainingUs, 1000);
        while (!inFlight_.empty() && inFlight_.front().Us <= now_) {
            // Without capture the dialog's own handler takes the bytes and keeps nothing.
            if (capture_)
                captured_ += inFlight_.front().Bytes;
            inFlight_.pop_front();
        }
    }

    std::string SentText() const {
        std::string text;
        for (const Sent& s : sent)
            text += s.Byte;
        return text;
    }

private:
    struct Arrival {
        std::int64_t Us;
        std::string Bytes;
    };
    TSimulatedDevice& device_;
    std::int64_t now_ = 0;
    bool capture_ = false;
    std::string captured_;
    std::deque<Arrival> inFlight_;
};

class RecordingView : public ITransferView {
public:
    bool confirm = true;
    std::vector<std::string> messages;
    std::vector<int> overall;
    std::vector<std::string> steps;
    std::string caption;

    void SetCaption(TTextKey key) override { caption = key.Name(); }
    void SetStepText(TTextKey key) override { steps.push_back(key.Name()); }
    void SetOverallText(TTextKey) override {}
    void SetStepBar(int value) override { EXPECT_TRUE(value >= 0 && value <= BarMaximum) << value; }
    void SetOverallBar(int value) override { overall.push_back(value); }
    bool ShowMessage(TMessageKind kind, TTextKey key) override {
        static const char* const kinds[] = {"info ", "error ", "plain ", "confirm "};
        messages.push_back(kinds[static_cast<int>(kind)] + std::string(key.Name()));
        return kind != TMessageKind::Confirmation || confirm;
    }
};

std::string StoredPayload() {
    TProjectInfo project;
    project.Phones[1] = {"+79001234567", "", false};
    project.Inputs[1].Enabled = true;
    TDeviceImage image{};
    PackImage(project, image);
    return BuildPayload(image);
}

struct RunResult {
    TTransferOutcome outcome;
    std::vector<std::string> messages;
    std::string sent;
    std::string data;
    std::string version;
    int commits;
};

RunResult RunTransfer(TTransferMode mode, TDeviceFaults faults, bool confirm = true,
                      std::string stored = StoredPayload()) {
    TSimulatedDevice device(stored, faults);
    VirtualLine line(device);
    RecordingView view;
    view.confirm = confirm;
    TTransferEngine engine(line, line, line, view);
    if (mode == TTransferMode::Write) {
        TDeviceImage image{};
        image[0] = 0x80;
        engine.TransferData = BuildPayload(image);
    }
    const TTransferOutcome outcome = engine.Run(mode);
    return {outcome,         view.messages, line.SentText(), engine.TransferData, engine.VersionAnswer,
            device.Commits()};
}

const std::string ReadSequence = std::string("AT\r") + "#####" + "%%%%%";

TEST(TransferEngine, ReadRunsAgainstEveryKindOfDevice) {
    TDeviceFaults none, silent, oneByte, lowerOk, oThenK, extra, shortData, markerOnly, wrongSum, noVersion;
    silent.NoAnswer = true;
    oneByte.OneByteAnswer = true;
    lowerOk.LowerCaseOk = true;
    oThenK.OThenLowerK = true;
    extra.ExtraData = 20;
    shortData.ShortData = 465;
    markerOnly.ShortData = 0;
    wrongSum.WrongChecksum = true;
    noVersion.NoVersion = true;
    struct Case {
        const char* what;
        TDeviceFaults faults;
        TTransferOutcome outcome;
        std::vector<std::string> messages;
        std::string sent;
        std::string version;
    } cases[] = {
        {"good device",
         none,
         TTransferOutcome::Success,
         {"confirm F2_MESSAGE_Q_R_D", "plain F2_READ_OK"},
         ReadSequence,
         "2.59"},
        {"silent",
         silent,
         TTransferOutcome::Failure,
         {"confirm F2_MESSAGE_Q_R_D", "info F2_DEVICE_N_LINK", "plain F2_ERR_READ"},
         "AT\r",
         ""},
        {"one byte",
         oneByte,
         TTransferOutcome::Failure,
         {"confirm F2_MESSAGE_Q_R_D", "info F2_DEVICE_N_LINK", "plain F2_ERR_READ"},
         "AT\r",
         ""},
        {"lower-case ok",
         lowerOk,
         TTransferOutcome::Failure,
         {"confirm F2_MESSAGE_Q_R_D", "error F2_DEVICE_SET_ERR", "plain F2_ERR_READ"},
         "AT\r",
         ""},
        {"O then k",
         oThenK,
         TTransferOutcome::Success,
         {"confirm F2_MESSAGE_Q_R_D", "plain F2_READ_OK"},
         ReadSequence,
         "2.59"},
        {"more data",
         extra,
         TTransferOutcome::Success,
         {"confirm F2_MESSAGE_Q_R_D", "plain F2_READ_OK"},
         ReadSequence,
         "2.59"},
        {"too little data",
         shortData,
         TTransferOutcome::Failure,
         {"confirm F2_MESSAGE_Q_R_D", "plain F2_ERR_READ"},
         ReadSequence,
         "2.59"},
        {"only the end marker",
         markerOnly,
         TTransferOutcome::Failure,
         {"confirm F2_MESSAGE_Q_R_D", "info F2_ERR_READ", "plain F2_ERR_READ"},
         "AT\r#####",
         ""},
        {"wrong checksum",
         wrongSum,
         TTransferOutcome::Failure,
         {"confirm F2_MESSAGE_Q_R_D", "plain F2_ERR_READ"},
         ReadSequence,
         "2.59"},
        {"no version",
         noVersion,
         TTransferOutcome::Success,
         {"confirm F2_MESSAGE_Q_R_D", "plain F2_READ_OK"},
         ReadSequence,
         ""},
    };
    for (const Case& c : cases) {
        const RunResult run = RunTransfer(TTransferMode::Read, c.faults);
        EXPECT_EQ(run.outcome, c.outcome) << c.what;
        EXPECT_EQ(run.messages, c.messages) << c.what;
        EXPECT_EQ(run.sent, c.sent) << c.what;
        EXPECT_EQ(run.version, c.version) << c.what;
    }
    EXPECT_EQ(RunTransfer(TTransferMode::Read, none).data, StoredPayload());
    EXPECT_EQ(RunTransfer(TTransferMode::Read, extra).data.size(), 466u + 20u);
}

TEST(TransferEngine, AReplyOfOnlyTheEndMarkerFails) {
    const RunResult run = RunTransfer(TTransferMode::Read, {}, true, "");
    EXPECT_EQ(run.outcome, TTransferOutcome::Failure);
    EXPECT_EQ(run.messages, (std::vector<std::string>{"confirm F2_MESSAGE_Q_R_D", "info F2_ERR_READ",
                                                      "plain F2_ERR_READ"}));
    EXPECT_EQ(run.sent, "AT\r#####") << "no version request after a failed read";
}

TEST(TransferEngine, WriteRunsAgainstEveryKindOfDevice) {
    TDeviceFaults none, silent, lowerOk, dropPlus;
    silent.NoAnswer = true;
    lowerOk.LowerCaseOk = true;
    dropPlus.EchoDropsPlus = true;
    TDeviceImage image{};
    image[0] = 0x80;
    const std::string block = "+++++" + BuildPayload(image) + BlockTrailer + "@@@@@";
    struct Case {
        const char* what;
        TDeviceFaults faults;
        TTransferOutcome outcome;
        std::vector<std::string> messages;
        std::string sent;
        int commits;
    } cases[] = {
        {"good device",
         none,
         TTransferOutcome::Success,
         {"confirm F2_MESSAGE_Q_W_D", "plain F2_WRITE_OK"},
         "AT\r" + block + "*****$$$$$",
         1},
        {"lower-case ok is still written to",
         lowerOk,
         TTransferOutcome::Success,
         {"confirm F2_MESSAGE_Q_W_D", "plain F2_WRITE_OK"},
         "AT\r" + block + "*****$$$$$",
         1},
        {"silent",
         silent,
         TTransferOutcome::Failure,
         {"confirm F2_MESSAGE_Q_W_D", "info F2_DEVICE_N_LINK", "plain F2_WRITE_ERR"},
         "AT\r",
         0},
        {"echo without its first +",
         dropPlus,
         TTransferOutcome::Failure,
         {"confirm F2_MESSAGE_Q_W_D", "error F2_WRITE_ERR", "plain F2_WRITE_ERR"},
         "AT\r" + block + "*****",
         0},
    };
    for (const Case& c : cases) {
        const RunResult run = RunTransfer(TTransferMode::Write, c.faults);
        EXPECT_EQ(run.outcome, c.outcome) << c.what;
        EXPECT_EQ(run.messages, c.messages) << c.what;
        EXPECT_EQ(run.sent, c.sent) << c.what;
        EXPECT_EQ(run.commits, c.commits) << c.what;
    }
}

TEST(TransferEngine, CancellingEitherConfirmationTouchesNothing) {
    for (TTransferMode mode : {TTransferMode::Read, TTransferMode::Write}) {
        const RunResult run = RunTransfer(mode, {}, false);
        EXPECT_EQ(run.outcome, TTransferOutcome::Cancelled);
        EXPECT_EQ(run.messages.size(), 1u);
        EXPECT_EQ(run.sent, "");
    }
}

TEST(TransferEngine, WriteTimingAndProgress) {
    TSimulatedDevice device(StoredPayload(), {});
    VirtualLine line(device);
    RecordingView view;
    TTransferEngine engine(line, line, line, view);
    engine.TransferData = StoredPayload();
    ASSERT_EQ(engine.Run(TTransferMode::Write), TTransferOutcome::Success);

    const auto& sent = line.sent;
    ASSERT_EQ(sent.size(), 3u + 523u + 5u + 5u);
    const auto gapMs = [&](std::size_t i) {
        return static_cast<double>(sent[i + 1].Us - sent[i].Us) / 1000.0;
    };
    EXPECT_EQ(sent[0].Us, 1500 * 1000) << "the link test follows 1.5 s of preparation";
    EXPECT_DOUBLE_EQ(gapMs(0), 50);
    EXPECT_DOUBLE_EQ(gapMs(1), 50);
    for (std::size_t i = 3; i + 1 < 3 + 523; ++i)
        ASSERT_DOUBLE_EQ(gapMs(i), 10) << "block byte " << i - 3;
    const std::size_t firstEcho = 3 + 523;
    EXPECT_DOUBLE_EQ(gapMs(firstEcho - 1), 10 + 600);
    for (std::size_t i = firstEcho; i < firstEcho + 4; ++i)
        EXPECT_LE(gapMs(i), 1) << "the echo request has no gaps";
    const std::size_t firstCommit = firstEcho + 5;
    EXPECT_NEAR(static_cast<double>(sent[firstCommit].Us - sent[firstEcho].Us) / 1000.0, 1400, 1);
    EXPECT_DOUBLE_EQ(gapMs(firstCommit), 10);

    // The whole run: the protocol's fixed waits and the closing message's 20 ms.
    EXPECT_NEAR(static_cast<double>(line.NowUs()) / 1000.0, 19730 + 20, 2);
    EXPECT_EQ(view.caption, "F2_MESSAGE_W_DATA");
    EXPECT_EQ(view.steps, (std::vector<std::string>{"F2_PREP_DATA_WRITE", "F2_PREP_DATA_WRITE",
                                                    "F2_TEST_CONNECT", "F2_L_WRITE_DATA", "F2_DATA_CHECK"}));
    EXPECT_TRUE(std::is_sorted(view.overall.begin(), view.overall.end()))
        << "the overall bar never goes back";
    EXPECT_EQ(view.overall.back(), 1000);
    for (int mark : {150, 300, 900})
        EXPECT_NE(std::find(view.overall.begin(), view.overall.end(), mark), view.overall.end()) << mark;
}

TEST(TransferEngine, ReadTiming) {
    TSimulatedDevice device(StoredPayload(), {});
    VirtualLine line(device);
    RecordingView view;
    TTransferEngine engine(line, line, line, view);
    ASSERT_EQ(engine.Run(TTransferMode::Read), TTransferOutcome::Success);
    EXPECT_EQ(line.sent[0].Us, 1000 * 1000);
    EXPECT_EQ(line.sent[3].Us, (1000 + 150 + 1500) * 1000) << "the read request follows the link test";
    EXPECT_NEAR(static_cast<double>(line.NowUs()) / 1000.0, 15720 + 20, 2);
    EXPECT_TRUE(std::is_sorted(view.overall.begin(), view.overall.end()));
    EXPECT_EQ(view.overall.back(), 1000);
}

TEST(TransferEngine, ACommitThatCannotGoOutIsAFailedWrite) {
    TSimulatedDevice device(StoredPayload(), {});
    VirtualLine line(device);
    line.sendsThatWork = 3 + 523 + 5 + 2; // the device stops taking bytes in the middle of the commit
    RecordingView view;
    TTransferEngine engine(line, line, line, view);
    engine.TransferData = StoredPayload();
    EXPECT_EQ(engine.Run(TTransferMode::Write), TTransferOutcome::Failure);
    EXPECT_EQ(view.messages, (std::vector<std::string>{"confirm F2_MESSAGE_Q_W_D", "error F2_WRITE_ERR",
                                                       "plain F2_WRITE_ERR"}));
    EXPECT_EQ(device.Commits(), 0);
    EXPECT_FALSE(engine.CommitSent);
}

TEST(TransferEngine, ALineLostAfterTheCommitStillLeavesTheDeviceWritten) {
    TSimulatedDevice device(StoredPayload(), {});
    VirtualLine line(device);
    line.lostAtUs = 12'000'000; // in the data check step, after the commit
    RecordingView view;
    TTransferEngine engine(line, line, line, view);
    engine.TransferData = StoredPayload();
    engine.Run(TTransferMode::Write);
    EXPECT_EQ(device.Commits(), 1);
    EXPECT_TRUE(engine.CommitSent);
}

// A line lost between the last byte of the commit and the device's confirmation is neither a
// success nor a failure: the device stored the project, and only a verify can tell.
TEST(TransferEngine, ALineLostAfterTheWholeCommitIsAnUnconfirmedWrite) {
    std::int64_t commitEndUs = 0;
    {
        TSimulatedDevice device(StoredPayload(), {});
        VirtualLine line(device);
        RecordingView view;
        TTransferEngine engine(line, line, line, view);
        engine.TransferData = StoredPayload();
        ASSERT_EQ(engine.Run(TTransferMode::Write), TTransferOutcome::Success);
        for (const auto& s : line.sent)
            if (s.Byte == '$')
                commitEndUs = s.Us;
    }
    for (const std::int64_t afterUs : {1'000, 150'000, 290'000}) {
        TSimulatedDevice device(StoredPayload(), {});
        VirtualLine line(device);
        line.lostAtUs = commitEndUs + afterUs;
        RecordingView view;
        TTransferEngine engine(line, line, line, view);
        engine.TransferData = StoredPayload();
        EXPECT_EQ(engine.Run(TTransferMode::Write), TTransferOutcome::Unconfirmed) << afterUs;
        EXPECT_EQ(view.messages,
                  (std::vector<std::string>{"confirm F2_MESSAGE_Q_W_D", "plain PRG_WRITE_UNCONFIRMED"}))
            << afterUs;
        EXPECT_EQ(device.Commits(), 1);
    }
}

TEST(TransferEngine, ALostLineEndsTheRunWithinTheCurrentWait) {
    const struct {
        TTransferMode mode;
        std::int64_t lostAtMs;
        const char* message;
    } cases[] = {
        {TTransferMode::Write, 1600, "info F2_DEVICE_N_LINK"}, // during the link test
        {TTransferMode::Write, 5000, "error F2_WRITE_ERR"},    // during the block
        {TTransferMode::Write, 8000, "error F2_WRITE_ERR"},    // during the echo wait
        {TTransferMode::Read, 4000, "info F2_ERR_READ"},       // during the read request's wait
    };
    for (const auto& c : cases) {
        TSimulatedDevice device(StoredPayload(), {});
        VirtualLine line(device);
        line.lostAtUs = c.lostAtMs * 1000;
        RecordingView view;
        TTransferEngine engine(line, line, line, view);
        if (c.mode == TTransferMode::Write)
            engine.TransferData = StoredPayload();
        EXPECT_EQ(engine.Run(c.mode), TTransferOutcome::Failure) << c.lostAtMs;
        EXPECT_EQ(view.messages.at(1), c.message) << c.lostAtMs;
        EXPECT_LT(line.NowUs() / 1000, c.lostAtMs + 100) << "noticed at once, not after the remaining waits";
    }
}

} // namespace
} // namespace korvisel
