// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/SimulatedDevice.h"

#include "link/TransferProtocol.h"

namespace korvisel {
namespace {

constexpr std::size_t MarkerSize = 5;
// A block on the wire: start marker, payload, trailer, end marker.
constexpr std::size_t WireBlockSize = MarkerSize + PayloadSize + BlockTrailerSize + MarkerSize;

} // namespace

TSimulatedDevice::TSimulatedDevice(std::string storedPayload, TDeviceFaults faults, std::string version)
    : stored_(std::move(storedPayload)), faults_(faults), version_(std::move(version)) {}

std::string TSimulatedDevice::Receive(std::string_view bytes) {
    std::string answer;
    for (char byte : bytes)
        answer += Answer(byte);
    return faults_.NoAnswer ? std::string{} : answer;
}

std::string TSimulatedDevice::ReadReply() const {
    std::string data = stored_;
    if (faults_.WrongChecksum && data.size() >= PayloadSize)
        data[PayloadSize - 1] = static_cast<char>(data[PayloadSize - 1] ^ 0x5A);
    data += std::string(faults_.ExtraData, '\x77');
    if (faults_.ShortData && *faults_.ShortData < data.size())
        data.resize(*faults_.ShortData);
    return data + Marker::BlockEnd;
}

std::string TSimulatedDevice::Answer(char byte) {
    if (inBlock_) {
        // The payload may hold any byte, "@" included: only a whole block can end here.
        block_ += byte;
        if (block_.size() >= WireBlockSize && std::string_view(block_).ends_with(Marker::BlockEnd)) {
            pending_ = block_;
            inBlock_ = false;
            recent_.clear();
        }
        return {};
    }
    recent_ += byte;
    if (recent_.size() > MarkerSize)
        recent_.erase(0, recent_.size() - MarkerSize);
    const std::string_view seen = recent_;

    if (seen.ends_with(Marker::LinkTest)) {
        recent_.clear();
        if (faults_.OneByteAnswer)
            return "O";
        if (faults_.LowerCaseOk)
            return "ok";
        if (faults_.OThenLowerK)
            return "Ok";
        return "OK";
    }
    if (seen == Marker::BlockStart) {
        inBlock_ = true;
        block_ = Marker::BlockStart;
        return {};
    }
    if (seen == Marker::EchoRequest) {
        recent_.clear();
        return faults_.EchoDropsPlus && !pending_.empty() ? pending_.substr(1) : pending_;
    }
    if (seen == Marker::Commit) {
        recent_.clear();
        if (pending_.size() == WireBlockSize) {
            stored_ = pending_.substr(MarkerSize, PayloadSize);
            ++commits_;
        }
        pending_.clear();
        return {};
    }
    if (seen == Marker::ReadRequest) {
        recent_.clear();
        return ReadReply();
    }
    if (seen == Marker::VersionRequest) {
        recent_.clear();
        return faults_.NoVersion ? std::string{} : version_;
    }
    return {};
}

} // namespace korvisel
