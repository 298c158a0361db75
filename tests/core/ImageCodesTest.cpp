// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/ImageCodes.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvisel {
namespace {

std::vector<std::uint8_t> PhoneField(const std::string& number) {
    std::array<std::uint8_t, PhoneFieldSize> field{};
    field.fill(0xEE);
    WritePhoneField(field, number);
    return {field.begin(), field.end()};
}

std::vector<std::uint8_t> Padded(std::vector<std::uint8_t> head, std::size_t size) {
    head.resize(size, 0);
    return head;
}

TEST(PhoneField, PacksDigitsTwoPerByteWithATerminator) {
    const std::string digits31(31, '7');
    const std::string digits32(32, '7');
    struct Case {
        std::string number;
        std::vector<std::uint8_t> field;
    } cases[] = {
        {"+12", Padded({0xA1, 0x2B}, 16)},
        {"", Padded({0xB0}, 16)},
        {"5", Padded({0x5B}, 16)},
        {"05", Padded({0x05, 0xB0}, 16)},
        {"1a2", Padded({0x10, 0x2B}, 16)}, // a letter packs as 0
        {digits31, Padded(std::vector<std::uint8_t>(15, 0x77), 15)},
        {digits32, std::vector<std::uint8_t>(16, 0x77)},
        {digits32 + "99", std::vector<std::uint8_t>(16, 0x77)},
    };
    cases[5].field.push_back(0x7B);
    for (const Case& c : cases)
        EXPECT_EQ(PhoneField(c.number), c.field) << '"' << c.number << '"';
}

TEST(PhoneField, DecodesUpToTheTerminator) {
    struct Case {
        std::vector<std::uint8_t> field;
        std::string number;
    } cases[] = {
        {Padded({0xA1, 0x2B}, 16), "+12"},
        {Padded({0xB0}, 16), ""},
        {Padded({}, 16), std::string(32, '0')}, // a zero field has no terminator
        {Padded({0x1C, 0xDE, 0xFB}, 16), "10000"},
        {Padded({0x12, 0xB3, 0x45}, 16), "12"},
        {std::vector<std::uint8_t>(16, 0x99), std::string(32, '9')},
    };
    for (const Case& c : cases) {
        std::array<std::uint8_t, PhoneFieldSize> field{};
        std::copy(c.field.begin(), c.field.end(), field.begin());
        EXPECT_EQ(ReadPhoneField(field), c.number);
    }
}

TEST(NibbleCodes, MapEverySymbol) {
    const std::string input = "0123456789+-ABCDabcd*#xZ ";
    const std::vector<int> digit = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0,
                                    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,  0};
    const std::vector<int> dtmf = {0,  1,  2,  3,  4,  5,  6,  7,  8,  9, 0, 0, 10,
                                   11, 12, 13, 10, 11, 12, 13, 14, 15, 0, 0, 0};
    for (std::size_t i = 0; i < input.size(); ++i) {
        EXPECT_EQ(DigitCode(input[i]), digit[i]) << input[i];
        EXPECT_EQ(DtmfCode(input[i]), dtmf[i]) << input[i];
    }
    std::string digits, symbols;
    for (std::uint8_t code = 0; code < 16; ++code) {
        digits += DigitChar(code);
        symbols += DtmfChar(code);
    }
    EXPECT_EQ(digits, "0123456789+-0000");
    EXPECT_EQ(symbols, "0123456789ABCD*#");
}

TEST(TextField, KeepsTenBytesAndStopsAtZero) {
    struct Case {
        std::string text;
        std::vector<std::uint8_t> field;
        std::string back;
    } cases[] = {
        {"", Padded({}, 10), ""},
        {"ALARM", Padded({'A', 'L', 'A', 'R', 'M'}, 10), "ALARM"},
        {"0123456789", {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}, "0123456789"},
        {"0123456789X", {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}, "0123456789"},
        {"\xE4\xF6", Padded({0xE4, 0xF6}, 10), "\xE4\xF6"},
    };
    for (const Case& c : cases) {
        std::array<std::uint8_t, TextFieldSize> field{};
        field.fill(0xEE);
        WriteTextField(field, c.text);
        EXPECT_EQ(std::vector<std::uint8_t>(field.begin(), field.end()), c.field) << c.text;
        EXPECT_EQ(ReadTextField(field), c.back);
    }
}

TEST(ContactIdBlock, PacksTwelveSymbolsInDeviceOrder) {
    TContactId cid;
    cid.SetSymbols({'1', '2', '3', '4', '5', 'a', 'B', '*', '#', '0', '1', '2'});
    std::array<std::uint8_t, ContactIdBlockSize> block{};
    WriteContactIdBlock(block, cid);
    EXPECT_EQ(block, (std::array<std::uint8_t, 6>{0x12, 0x34, 0x5A, 0xBE, 0xF0, 0x12}));
    const auto back = ReadContactIdBlock(block).Symbols();
    EXPECT_EQ(std::string(back.begin(), back.end()), "12345AB*#012"); // lower case comes back upper
}

} // namespace
} // namespace korvisel
