// SPDX-License-Identifier: GPL-3.0-or-later
// The 450-byte device image: what the device's CPU block stores and what a project file carries.
#pragma once

#include "core/PrjTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace korvisel {

constexpr std::size_t DeviceImageSize = 450;
using TDeviceImage = std::array<std::uint8_t, DeviceImageSize>;

namespace ImageLayout {
constexpr std::size_t InputBase = 0;
constexpr std::size_t InputBlockSize = 26;
constexpr std::size_t OutputBase = 104;
constexpr std::size_t OutputBlockSize = 43;
constexpr std::size_t Gsm = 233;
constexpr std::size_t Test = 257;
constexpr std::size_t Crow = 273;
constexpr std::size_t PhoneBase = 276;
constexpr std::size_t SmsCentre = 420;
constexpr std::size_t Pin = 436;
constexpr std::size_t Audio = 438;

constexpr std::size_t Input(std::size_t i) {
    return InputBase + InputBlockSize * (i - 1);
}
constexpr std::size_t Output(std::size_t o) {
    return OutputBase + OutputBlockSize * (o - 1);
}
constexpr std::size_t Phone(std::size_t k) {
    return PhoneBase + 16 * (k - 1);
}
} // namespace ImageLayout

// The main window's two image buffers. Only packing writes the outgoing one, which the file writer
// and the device write send; only the file readers and a device read fill the incoming one, which
// only unpacking reads. Both are zero at start-up.
struct TImageBuffers {
    TDeviceImage Outgoing{};
    TDeviceImage Incoming{};
};

// Rewrites the outgoing image from the project. A test report type outside SMS..DATA goes out as SMS,
// since the device knows no other; the project itself is left as it is.
void PackImage(const TProjectInfo& project, TDeviceImage& outgoing);

// Makes the project the one the image describes, whatever it held before: every field the image
// does not carry (phone names among them) returns to its default. The caller re-marks the tree's
// report-type nodes afterwards. Accepts any bytes.
void UnpackImage(const TDeviceImage& incoming, TProjectInfo& project);

} // namespace korvisel
