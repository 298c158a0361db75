// SPDX-License-Identifier: GPL-3.0-or-later
// The small encodings the device image is built from: digit and DTMF nibbles, text, phone and
// Contact ID fields, and report descriptors.
#pragma once

#include "core/PrjTypes.h"

#include <cstdint>
#include <span>
#include <string>

namespace korvisel {

constexpr std::size_t TextFieldSize = 10;
constexpr std::size_t PhoneFieldSize = 16;
constexpr std::size_t ContactIdBlockSize = 6;
// Two digits per byte, so a phone field holds 32 characters including the "-" terminator.
constexpr std::size_t PhoneFieldDigits = 2 * PhoneFieldSize;

// Phone digits: "1".."9" = 1..9, "+" = 10, "-" = 11, everything else 0.
std::uint8_t DigitCode(char c);
char DigitChar(std::uint8_t code);

// Contact ID and CROW symbols: "1".."9", "A".."D" (either case), "*", "#"; everything else 0.
std::uint8_t DtmfCode(char c);
char DtmfChar(std::uint8_t code);

// The first ten bytes of the text, zero-padded; a ten-byte text has no terminating zero.
void WriteTextField(std::span<std::uint8_t, TextFieldSize> field, const std::string& text);
std::string ReadTextField(std::span<const std::uint8_t, TextFieldSize> field);

// The number with a "-" terminator as digit codes, two per byte, high nibble first.
void WritePhoneField(std::span<std::uint8_t, PhoneFieldSize> field, const std::string& number);
std::string ReadPhoneField(std::span<const std::uint8_t, PhoneFieldSize> field);

void WriteContactIdBlock(std::span<std::uint8_t, ContactIdBlockSize> block, const TContactId& cid);
TContactId ReadContactIdBlock(std::span<const std::uint8_t, ContactIdBlockSize> block);

// Report kinds as the descriptor bytes number them.
namespace DescriptorKind {
constexpr std::uint8_t Sms = 1;
constexpr std::uint8_t Alarm = 2;
constexpr std::uint8_t Data = 3;
constexpr std::uint8_t Clip = 4;
} // namespace DescriptorKind

// One descriptor byte of a report pair: bit 7 marks the first of the pair, bits 6-4 the kind,
// bits 3-0 the phone index (only its low four bits fit).
std::uint8_t ReportDescriptor(bool first, std::uint8_t kind, std::uint8_t phone);

inline std::uint8_t HighNibble(std::uint8_t b) {
    return static_cast<std::uint8_t>(b >> 4);
}
inline std::uint8_t LowNibble(std::uint8_t b) {
    return static_cast<std::uint8_t>(b & 0x0F);
}
inline std::uint8_t Nibbles(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::uint8_t>(((high & 0x0F) << 4) | (low & 0x0F));
}

} // namespace korvisel
