// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TransferEngine.h"

#include "link/TransferProtocol.h"

#include <algorithm>
#include <array>

namespace korvisel {

enum class TTransferEngine::LinkResult { NoAnswer, Ok, Other };

namespace {

constexpr int Mark15 = OverallMark(15);
constexpr int Mark30 = OverallMark(30);
constexpr int Mark90 = OverallMark(90);
constexpr int Mark100 = OverallMark(100);

// The read run's check step: 446 ticks of 20 ms.
constexpr int CheckTicks = 446;

} // namespace

TTransferEngine::TTransferEngine(ITransferPort& port, ITransferClock& clock, IEventPump& pump,
                                 ITransferView& view)
    : port_(port), clock_(clock), pump_(pump), view_(view) {}

void TTransferEngine::Wait(int ms, const Share* share, const std::function<void()>& eachPass) {
    const std::int64_t start = clock_.NowUs();
    const std::int64_t duration = std::int64_t{ms} * 1000;
    for (;;) {
        const std::int64_t elapsed = clock_.NowUs() - start;
        if (share) {
            const std::int64_t done = std::min(elapsed, duration);
            view_.SetStepBar(share->stepFrom + static_cast<int>(done * share->stepSpan / duration));
            view_.SetOverallBar(share->overallFrom + static_cast<int>(done * share->overallSpan / duration));
        }
        if (elapsed >= duration || port_.Lost())
            return;
        if (eachPass)
            eachPass();
        pump_.ProcessEvents(duration - elapsed);
    }
}

void TTransferEngine::TimedStep(int ms, int overallFrom, int overallTo) {
    const Share share{0, BarMaximum, overallFrom, overallTo - overallFrom};
    Wait(ms, &share);
}

bool TTransferEngine::SendWithGaps(std::string_view bytes, int gapMs) {
    for (char c : bytes) {
        if (!port_.SendByte(static_cast<std::uint8_t>(c)))
            return false;
        Wait(gapMs);
    }
    return true;
}

void TTransferEngine::BothBarsToMaximum() {
    view_.SetStepBar(BarMaximum);
    view_.SetOverallBar(BarMaximum);
}

TTransferEngine::LinkResult TTransferEngine::LinkTest() {
    port_.ClearCaptured();
    port_.SetCapture(true);
    SendWithGaps(Marker::LinkTest, 50);
    view_.SetStepText("F2_TEST_CONNECT");
    TimedStep(1500, Mark15, Mark30);
    const std::string reply = port_.CapturedText();
    port_.SetCapture(false);
    port_.ClearCaptured();
    view_.SetOverallBar(Mark30);
    if (Lost())
        return LinkResult::NoAnswer;
    switch (ClassifyLinkAnswer(reply)) {
    case TLinkAnswer::NoAnswer:
        return LinkResult::NoAnswer;
    case TLinkAnswer::Ok:
        return LinkResult::Ok;
    default:
        return LinkResult::Other;
    }
}

bool TTransferEngine::ReadRequest() {
    TransferData.clear();
    view_.SetStepText("F2_L_READ_DATA");
    port_.ClearCaptured();
    port_.SetCapture(true);
    Pump();
    SendWithGaps(Marker::ReadRequest, 10);
    TimedStep(4000, Mark30, Mark90);
    if (Lost())
        return false;
    const std::string reply = port_.CapturedText();
    const std::string_view end = Marker::BlockEnd;
    if (reply.size() <= end.size() || !std::string_view(reply).ends_with(end))
        return false;
    TransferData = reply.substr(0, reply.size() - end.size());
    VersionAnswer.clear();
    port_.ClearCaptured();
    SendWithGaps(Marker::VersionRequest, 10);
    Wait(50);
    VersionAnswer = port_.CapturedText();
    return true;
}

bool TTransferEngine::BlockWrite() {
    const int stepSpan = BarMaximum;
    const int overallSpan = Mark90 - Mark30;
    const auto shares = [](int span) {
        const int twenty = span * 2 / 10;
        const int ten = span / 10;
        return std::array<int, 3>{span - twenty - ten, ten, twenty};
    };
    const auto [stepSeventy, stepTen, stepTwenty] = shares(stepSpan);
    const auto [overallSeventy, overallTen, overallTwenty] = shares(overallSpan);

    view_.SetStepText("F2_L_WRITE_DATA");
    view_.SetStepBar(0);
    port_.SetCapture(true);
    const std::string block = Marker::BlockStart + TransferData + Marker::BlockEnd;
    const auto length = static_cast<std::int64_t>(block.size());
    for (std::int64_t i = 1; i <= length; ++i) {
        if (!port_.SendByte(static_cast<std::uint8_t>(block[static_cast<std::size_t>(i - 1)])) || Lost())
            return false;
        view_.SetStepBar(static_cast<int>(i * stepSeventy / length));
        view_.SetOverallBar(Mark30 + static_cast<int>(i * overallSeventy / length));
        Wait(10);
    }
    const Share settle{stepSeventy, stepTen, Mark30 + overallSeventy, overallTen};
    Wait(600, &settle);

    port_.ClearCaptured();
    const Share echo{stepSeventy + stepTen, stepTwenty, Mark30 + overallSeventy + overallTen, overallTwenty};
    // One byte of the echo request on each pass of the wait, without gaps.
    std::size_t requested = 0;
    Wait(1400, &echo, [&] {
        if (requested < 5)
            port_.SendByte(static_cast<std::uint8_t>(Marker::EchoRequest[requested++]));
    });
    if (Lost() || port_.CapturedText() != block)
        return false;
    // The block is stored only by the commit: every byte of it must go out.
    if (!SendWithGaps(Marker::Commit, 10))
        return false;
    CommitSent = true;
    Wait(300);
    port_.ClearCaptured();
    CommitUnconfirmed = Lost();
    return !CommitUnconfirmed;
}

bool TTransferEngine::WriteRun() {
    view_.SetStepText("F2_PREP_DATA_WRITE");
    view_.SetStepBar(0);
    TimedStep(1500, 0, Mark15);

    if (LinkTest() == LinkResult::NoAnswer) {
        view_.ShowMessage(TMessageKind::Information, "F2_DEVICE_N_LINK");
        BothBarsToMaximum();
        return false;
    }

    view_.SetStepBar(BarMaximum);
    Pump();
    TransferData += BlockTrailer;
    if (!BlockWrite()) {
        // A write that went out whole is no failure: the closing message says what is known.
        if (!CommitUnconfirmed)
            view_.ShowMessage(TMessageKind::Error, "F2_WRITE_ERR");
        BothBarsToMaximum();
        return false;
    }

    view_.SetStepText("F2_DATA_CHECK");
    view_.SetStepBar(BarMaximum);
    Pump();
    view_.SetStepBar(0);
    TimedStep(9000, Mark90, Mark100);
    return true;
}

bool TTransferEngine::ReadRun() {
    view_.SetStepText("F2_PR_DATA_READ");
    view_.SetStepBar(0);
    TimedStep(1000, 0, Mark15);
    view_.SetOverallBar(Mark15);

    switch (LinkTest()) {
    case LinkResult::NoAnswer:
        view_.ShowMessage(TMessageKind::Information, "F2_DEVICE_N_LINK");
        BothBarsToMaximum();
        return false;
    case LinkResult::Other:
        view_.ShowMessage(TMessageKind::Error, "F2_DEVICE_SET_ERR");
        BothBarsToMaximum();
        return false;
    case LinkResult::Ok:
        break;
    }

    if (!ReadRequest()) {
        view_.ShowMessage(TMessageKind::Information, "F2_ERR_READ");
        return false;
    }

    view_.SetStepText("F2_DATA_CHECK");
    view_.SetStepBar(0);
    for (int i = 1; i <= CheckTicks; ++i) {
        view_.SetStepBar(i * BarMaximum / CheckTicks);
        view_.SetOverallBar(Mark90 + i * (Mark100 - Mark90) / CheckTicks);
        Wait(20);
    }
    return PayloadChecksumMatches(TransferData);
}

TTransferOutcome TTransferEngine::Run(TTransferMode mode) {
    const bool reading = mode == TTransferMode::Read;
    view_.SetOverallText("F2_PROCES_PROGRES");
    view_.SetStepBar(0);
    view_.SetOverallBar(0);
    Pump();
    view_.SetStepText(reading ? TTextKey("F2_PR_DATA_READ") : TTextKey("F2_PREP_DATA_WRITE"));
    view_.SetCaption(reading ? TTextKey("F2_MESSAGE_R_DATA") : TTextKey("F2_MESSAGE_W_DATA"));
    Pump();
    if (!view_.ShowMessage(TMessageKind::Confirmation,
                           reading ? TTextKey("F2_MESSAGE_Q_R_D") : TTextKey("F2_MESSAGE_Q_W_D")))
        return TTransferOutcome::Cancelled;

    const bool succeeded = reading ? ReadRun() : WriteRun();
    // The closing message comes from a 20 ms one-shot timer, after the run has returned.
    Wait(20);
    if (CommitUnconfirmed) {
        view_.ShowMessage(TMessageKind::Plain, "PRG_WRITE_UNCONFIRMED");
        return TTransferOutcome::Unconfirmed;
    }
    if (succeeded)
        view_.ShowMessage(TMessageKind::Plain, reading ? TTextKey("F2_READ_OK") : TTextKey("F2_WRITE_OK"));
    else
        view_.ShowMessage(TMessageKind::Plain, reading ? TTextKey("F2_ERR_READ") : TTextKey("F2_WRITE_ERR"));
    return succeeded ? TTransferOutcome::Success : TTransferOutcome::Failure;
}

} // namespace korvisel
