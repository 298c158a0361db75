// SPDX-License-Identifier: GPL-3.0-or-later
// The byte-level exchange with the device's CPU block: markers, the payload and its trailer, and the
// judgement of the device's answers.
#pragma once

#include "fields/DeviceImage.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace korvisel {

namespace Marker {
inline constexpr char LinkTest[] = "AT\r";
inline constexpr char BlockStart[] = "+++++";
inline constexpr char BlockEnd[] = "@@@@@";
inline constexpr char EchoRequest[] = "*****";
inline constexpr char Commit[] = "$$$$$";
inline constexpr char ReadRequest[] = "#####";
inline constexpr char VersionRequest[] = "%%%%%";
} // namespace Marker

// Every block written carries this signature after the payload.
inline constexpr char BlockTrailer[] = " This driver writing in Company \"KORvisel 2004\"";
constexpr std::size_t BlockTrailerSize = sizeof(BlockTrailer) - 1; // 47
constexpr std::size_t PayloadSize = DeviceImageSize + 16;          // 466

// The image followed by its checksum words, each most significant byte first.
std::string BuildPayload(const TDeviceImage& image);

// Whether the first 466 bytes of read data are an image and its matching checksum.
bool PayloadChecksumMatches(std::string_view data);

enum class TLinkAnswer { NoAnswer, Ok, Other };

// Fewer than two bytes is no answer; otherwise the two bytes from the first "O", upper-cased, must
// read "OK" (so "xxOKxx" and "Ok" pass, a lone "ok" does not).
TLinkAnswer ClassifyLinkAnswer(std::string_view reply);

} // namespace korvisel
