// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer run behind the device dialog: confirmation, the timed protocol steps with their
// progress, the message boxes, and the closing message. It talks only to small interfaces, so the
// dialog, the command-line tool and the tests each bring their own port, clock, pump and view.
#pragma once

#include "texts/TextKey.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace korvisel {

// What the engine needs of the CPU port.
class ITransferPort {
public:
    virtual ~ITransferPort() = default;
    virtual void SetCapture(bool on) = 0;
    virtual void ClearCaptured() = 0;
    virtual std::string CapturedText() const = 0;
    virtual bool SendByte(std::uint8_t byte) = 0;
    // The line is gone for good (input/output error, hang-up): nothing more will come or go.
    virtual bool Lost() const = 0;
};

class ITransferClock {
public:
    virtual ~ITransferClock() = default;
    virtual std::int64_t NowUs() = 0;
};

// One pass of event processing while the engine waits; received bytes reach the port's captured
// text here. `remainingUs` is how long the current wait still has to run: a real pump sleeps at most
// that long, and at most a millisecond, so that it neither spins nor overshoots.
class IEventPump {
public:
    virtual ~IEventPump() = default;
    virtual void ProcessEvents(std::int64_t remainingUs) = 0;
};

enum class TMessageKind { Information, Error, Plain, Confirmation };

// The dialog as the engine sees it. Texts are language keys; the view shows their current texts.
class ITransferView {
public:
    virtual ~ITransferView() = default;
    virtual void SetCaption(TTextKey key) = 0;
    virtual void SetStepText(TTextKey key) = 0;
    virtual void SetOverallText(TTextKey key) = 0;
    virtual void SetStepBar(int value) = 0;    // 0 ... 1000
    virtual void SetOverallBar(int value) = 0; // 0 ... 1000
    // True for OK. Information, error and plain boxes have only OK.
    virtual bool ShowMessage(TMessageKind kind, TTextKey key) = 0;
};

enum class TTransferMode { Read = 0, Write = 1 };
// Unconfirmed: a write whose whole commit went out, so the device stored the project, but whose line
// was lost before the device could confirm it; neither a success nor a failure, it wants a verify.
enum class TTransferOutcome { Success = 0, Failure = 1, Cancelled = 2, Unconfirmed = 3 };

constexpr int BarMaximum = 1000;

class TTransferEngine {
public:
    TTransferEngine(ITransferPort& port, ITransferClock& clock, IEventPump& pump, ITransferView& view);

    // Write: the payload to send (the engine appends the trailer). Read: the data part of the reply.
    std::string TransferData;
    // Read: what the device answered to the version request.
    std::string VersionAnswer;
    // Write: every byte of the commit went out, so the device stored the block whatever follows.
    bool CommitSent = false;
    // Write: the line was lost after the whole commit went out, before the device confirmed it.
    bool CommitUnconfirmed = false;

    // One showing of the dialog: asks for confirmation, runs, and reports the result.
    TTransferOutcome Run(TTransferMode mode);

private:
    bool WriteRun();
    bool ReadRun();
    enum class LinkResult;
    LinkResult LinkTest();
    bool ReadRequest();
    bool BlockWrite();

    // Waits `ms`, moving both bars through their shares of the wait and doing `eachPass` on every
    // pass of the loop. A lost line ends the wait at once.
    struct Share {
        int stepFrom, stepSpan, overallFrom, overallSpan;
    };
    void Wait(int ms, const Share* share = nullptr, const std::function<void()>& eachPass = {});
    void TimedStep(int ms, int overallFrom, int overallTo);
    // False when a byte could not be sent.
    bool SendWithGaps(std::string_view bytes, int gapMs);
    bool Lost() const { return port_.Lost(); }
    void BothBarsToMaximum();
    void Pump() { pump_.ProcessEvents(0); }

    ITransferPort& port_;
    ITransferClock& clock_;
    IEventPump& pump_;
    ITransferView& view_;
};

// The marks that divide the overall bar: the ends of the four steps of a run.
constexpr int OverallMark(int percent) {
    return 0 + (BarMaximum - 0) * percent / 100;
}

} // namespace korvisel
