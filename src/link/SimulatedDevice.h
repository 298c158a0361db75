// SPDX-License-Identifier: GPL-3.0-or-later
// The device's side of the CPU block exchange, for the simulator and the tests: it answers the link
// test, stores a written block when committed, returns it on request and reports a version. Each way
// of misbehaving that the host must survive can be switched on.
#pragma once

#include "fields/DeviceImage.h"

#include <cstdint>
#include <optional>
#include <string>

namespace korvisel {

struct TDeviceFaults {
    bool NoAnswer = false;      // says nothing at all
    bool OneByteAnswer = false; // "O" to the link test
    bool LowerCaseOk = false;   // "ok" to the link test
    bool OThenLowerK = false;   // "Ok" to the link test
    bool EchoDropsPlus = false; // the echo lacks its first "+"
    bool NoVersion = false;     // no answer to the version request
    bool WrongChecksum = false; // the stored block is returned with a damaged checksum
    std::size_t ExtraData = 0;  // bytes added after the 466 of the stored block
    // When set, only this many bytes of the stored block are returned: 0 leaves the "@@@@@" alone.
    std::optional<std::size_t> ShortData;
};

class TSimulatedDevice {
public:
    TSimulatedDevice(std::string storedPayload, TDeviceFaults faults, std::string version = "2.59");

    // Feeds bytes from the host; returns what the device answers to them.
    std::string Receive(std::string_view bytes);

    const std::string& StoredPayload() const { return stored_; }
    int Commits() const { return commits_; }

private:
    std::string Answer(char byte);
    std::string ReadReply() const;

    std::string stored_;
    TDeviceFaults faults_;
    std::string version_;
    std::string recent_;  // the last few bytes outside a block, for spotting markers
    std::string block_;   // a block being received, from its first "+"
    std::string pending_; // the last complete block, until committed
    bool inBlock_ = false;
    int commits_ = 0;
};

} // namespace korvisel
