// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ImageCodes.h"

#include <algorithm>

namespace korvisel {

std::uint8_t DigitCode(char c) {
    if (c >= '1' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c == '+')
        return 10;
    if (c == '-')
        return 11;
    return 0;
}

char DigitChar(std::uint8_t code) {
    if (code >= 1 && code <= 9)
        return static_cast<char>('0' + code);
    if (code == 10)
        return '+';
    if (code == 11)
        return '-';
    return '0';
}

std::uint8_t DtmfCode(char c) {
    if (c >= '1' && c <= '9')
        return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'D')
        return static_cast<std::uint8_t>(10 + c - 'A');
    if (c >= 'a' && c <= 'd')
        return static_cast<std::uint8_t>(10 + c - 'a');
    if (c == '*')
        return 14;
    if (c == '#')
        return 15;
    return 0;
}

char DtmfChar(std::uint8_t code) {
    static constexpr char symbols[] = "0123456789ABCD*#";
    return symbols[code & 0x0F];
}

void WriteTextField(std::span<std::uint8_t, TextFieldSize> field, const std::string& text) {
    std::fill(field.begin(), field.end(), 0);
    const std::size_t n = std::min(text.size(), TextFieldSize);
    std::copy_n(reinterpret_cast<const std::uint8_t*>(text.data()), n, field.begin());
}

std::string ReadTextField(std::span<const std::uint8_t, TextFieldSize> field) {
    const auto end = std::find(field.begin(), field.end(), 0);
    return std::string(field.begin(), end);
}

void WritePhoneField(std::span<std::uint8_t, PhoneFieldSize> field, const std::string& number) {
    std::fill(field.begin(), field.end(), 0);
    // A 32-character number fills the field and so loses its terminator.
    const std::string digits = (number + "-").substr(0, PhoneFieldDigits);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::uint8_t code = DigitCode(digits[i]);
        field[i / 2] |= (i % 2 == 0) ? static_cast<std::uint8_t>(code << 4) : code;
    }
}

std::string ReadPhoneField(std::span<const std::uint8_t, PhoneFieldSize> field) {
    std::string number;
    for (std::uint8_t b : field) {
        for (std::uint8_t code : {HighNibble(b), LowNibble(b)}) {
            const char c = DigitChar(code);
            if (c == '-')
                return number;
            number += c;
        }
    }
    return number;
}

void WriteContactIdBlock(std::span<std::uint8_t, ContactIdBlockSize> block, const TContactId& cid) {
    const auto symbols = cid.Symbols();
    for (std::size_t i = 0; i < ContactIdBlockSize; ++i)
        block[i] = Nibbles(DtmfCode(symbols[2 * i]), DtmfCode(symbols[2 * i + 1]));
}

TContactId ReadContactIdBlock(std::span<const std::uint8_t, ContactIdBlockSize> block) {
    std::array<char, TContactId::Length> symbols{};
    for (std::size_t i = 0; i < ContactIdBlockSize; ++i) {
        symbols[2 * i] = DtmfChar(HighNibble(block[i]));
        symbols[2 * i + 1] = DtmfChar(LowNibble(block[i]));
    }
    TContactId cid;
    cid.SetSymbols(symbols);
    return cid;
}

std::uint8_t ReportDescriptor(bool first, std::uint8_t kind, std::uint8_t phone) {
    return static_cast<std::uint8_t>((first ? 0x80 : 0x00) | ((kind & 0x07) << 4) | (phone & 0x0F));
}

} // namespace korvisel
