// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/DeviceImage.h"

#include "core/ImageCodes.h"

#include "RandomImages.h"
#include "RandomProjects.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

namespace korvisel {
namespace {

TDeviceImage Packed(TProjectInfo project) {
    TDeviceImage image;
    image.fill(0xEE);
    PackImage(project, image);
    return image;
}

std::vector<std::uint8_t> Slice(const TDeviceImage& image, std::size_t offset, std::size_t count) {
    return {image.begin() + static_cast<long>(offset), image.begin() + static_cast<long>(offset + count)};
}

TProjectInfo FullProject() {
    TProjectInfo p;
    p.TestEnabled = true;
    p.TestReportType = TReportKind::Clip;
    p.TestDays = 30;
    p.TestHours = 23;
    p.TestMinutes = 5;
    p.TestClipPhone1 = 2;
    p.TestClipPhone2 = 2;
    p.TestSmsPhone = p.TestDataPhone = 2;
    p.TestCid = TContactId{}; // only a DATA test report carries it
    p.GsmEnabled = true;
    p.GsmLevel = 3;
    p.GsmReactionTime = 6;
    p.GsmLockoutTime = 12;
    p.GsmRestoreSms = true;
    p.GsmSmsPhone = 9;
    p.GsmEventText = "GSM LOST";
    p.GsmRestoreText = "GSM OK";
    for (std::size_t k = 1; k <= PhoneCount; ++k)
        p.Phones[k] = {"+7900" + std::to_string(k * 1111), "Name " + std::to_string(k), false};
    p.Phones[4] = {"", "NAME4", true};
    p.Inputs[1].Enabled = true;
    p.Inputs[1].ReportType = TReportKind::Sms;
    p.Inputs[1].Signal = 3;
    p.Inputs[1].SmsPhone = p.Inputs[1].AlarmPhone = p.Inputs[1].DataPhone = 1;
    p.Inputs[1].ClipEventPhone = p.Inputs[1].ClipRestorePhone = 1;
    p.Inputs[1].SmsEventText = "DOOR OPEN";
    p.Inputs[1].SmsRestoreText = "DOOR SHUT";
    p.Inputs[2].ReportType = TReportKind::Alarm;
    p.Inputs[2].ReactionTime = 1;
    p.Inputs[2].RestoreTime = 255;
    p.Inputs[2].SmsPhone = p.Inputs[2].AlarmPhone = p.Inputs[2].DataPhone = 7;
    p.Inputs[2].ClipEventPhone = p.Inputs[2].ClipRestorePhone = 7;
    p.Inputs[3].Enabled = true;
    p.Inputs[3].ReportType = TReportKind::Clip;
    p.Inputs[3].ClipEventPhone = 3;
    p.Inputs[3].ClipRestorePhone = 5;
    p.Inputs[3].SmsPhone = p.Inputs[3].AlarmPhone = p.Inputs[3].DataPhone = 5;
    p.Inputs[4].ReportType = TReportKind::Data;
    p.Inputs[4].DataPhone = p.Inputs[4].SmsPhone = p.Inputs[4].AlarmPhone = 8;
    p.Inputs[4].ClipEventPhone = p.Inputs[4].ClipRestorePhone = 8;
    p.Inputs[4].Cid.SetSymbols({'1', '2', '3', '4', '1', '3', '0', '0', '0', '7', '0', '1'});
    p.ArmConfirmInput = 2;
    p.Outputs[1] = {1, TStartState::Enabled, TWorkType::Bistable, 1, 2, "ON", "STATE?", 3, "IS ON", "IS OFF"};
    p.Outputs[2] = {2, TStartState::Disabled, TWorkType::Flash, 255, 9, "FLASH", "", 9, "", ""};
    p.AudioParams[1] = 4;
    p.AudioParams[2] = 0;
    p.AudioParams[3] = 9;
    p.AudioParams[4] = 1;
    p.Pin = {'0', '0', '1', '9'};
    p.SmsCentre = "+" + std::string(31, '5');
    p.CrowPhone = 6;
    p.CrowObject = {'1', 'D', '*', '#'};
    return p;
}

TEST(PackImage, DefaultProjectBytes) {
    const TDeviceImage image = Packed(TProjectInfo{});
    for (std::size_t i = 1; i <= InputCount; ++i) {
        const std::size_t b = ImageLayout::Input(i);
        EXPECT_EQ(Slice(image, b, 6), (std::vector<std::uint8_t>{0x00, 11, 13, 15, 0x90, 0x10}))
            << "input " << i;
        EXPECT_EQ(Slice(image, b + 6, 20), std::vector<std::uint8_t>(20, 0));
    }
    for (std::size_t o = 1; o <= OutputCount; ++o)
        EXPECT_EQ(Slice(image, ImageLayout::Output(o), 43), ([] {
                      std::vector<std::uint8_t> v(43, 0);
                      v[0] = 0x20;
                      v[2] = 10;
                      return v;
                  }()));
    EXPECT_EQ(Slice(image, 233, 4), (std::vector<std::uint8_t>{0x10, 0x32, 0x90, 0x10}));
    EXPECT_EQ(Slice(image, 257, 6), (std::vector<std::uint8_t>{0x00, 0, 0, 1, 0x90, 0x10}));
    for (std::size_t k = 1; k <= PhoneCount; ++k)
        EXPECT_EQ(image[ImageLayout::Phone(k)], 0xB0);
    EXPECT_EQ(image[420], 0xB0);
    EXPECT_EQ(Slice(image, 436, 4), (std::vector<std::uint8_t>{0x94, 0x81, 0x11, 0x62}));
    EXPECT_EQ(Slice(image, 440, 10), std::vector<std::uint8_t>(10, 0));
}

TEST(PackImage, InputFlagsAndDescriptorPairs) {
    struct Case {
        TReportKind reportType;
        std::uint8_t flags; // input enabled, signal 2
        std::uint8_t first, second;
    } cases[] = {
        {TReportKind::Alarm, 0xB0, 0xA1, 0x21}, {TReportKind::Sms, 0x90, 0x92, 0x12},
        {TReportKind::Clip, 0xD0, 0xC3, 0x44},  {TReportKind::Data, 0xF0, 0xB5, 0x35},
        {TReportKind{0}, 0x90, 0xA1, 0x21},     {TReportKind{9}, 0x90, 0xA1, 0x21},
    };
    for (const Case& c : cases) {
        TProjectInfo p;
        TInputInfo& in = p.Inputs[2];
        in.Enabled = true;
        in.Signal = 2;
        in.ReportType = c.reportType;
        in.AlarmPhone = 1;
        in.SmsPhone = 2;
        in.ClipEventPhone = 3;
        in.ClipRestorePhone = 4;
        in.DataPhone = 5;
        const TDeviceImage image = Packed(p);
        EXPECT_EQ(Slice(image, 26, 1), std::vector<std::uint8_t>{c.flags}) << static_cast<int>(c.reportType);
        EXPECT_EQ(Slice(image, 30, 2), (std::vector<std::uint8_t>{c.first, c.second}))
            << static_cast<int>(c.reportType);
    }
}

TEST(PackImage, PhoneIndexesKeepOnlyTheirLowNibble) {
    TProjectInfo p;
    p.Inputs[1].SmsPhone = 0x13;
    p.GsmSmsPhone = 0x1A;
    const TDeviceImage image = Packed(p);
    EXPECT_EQ(Slice(image, 4, 2), (std::vector<std::uint8_t>{0x93, 0x13}));
    EXPECT_EQ(Slice(image, 235, 2), (std::vector<std::uint8_t>{0x9A, 0x1A}));
}

TEST(PackImage, OutputFlags) {
    struct Case {
        TStartState startState;
        TWorkType workType;
        std::uint8_t flags;
    } cases[] = {
        {TStartState::Enabled, TWorkType::Monostable, 0xA0},
        {TStartState::Disabled, TWorkType::Monostable, 0x20},
        {TStartState::Enabled, TWorkType::Bistable, 0x80},
        {TStartState::Disabled, TWorkType::Flash, 0x60},
    };
    for (const Case& c : cases) {
        TProjectInfo p;
        p.Outputs[3].StartState = c.startState;
        p.Outputs[3].WorkType = c.workType;
        p.Outputs[3].Time = 0x1FF; // only the low byte fits
        p.Outputs[3].ControlPhone = 7;
        p.Outputs[3].AnswerPhone = 2;
        const TDeviceImage image = Packed(p);
        EXPECT_EQ(Slice(image, 190, 3), (std::vector<std::uint8_t>{c.flags, 0x72, 0xFF}));
    }
}

TEST(PackImage, TestBlockByReportType) {
    struct Case {
        TReportKind reportType, packedAs;
        std::uint8_t flags, first, second;
    } cases[] = {
        {TReportKind::Sms, TReportKind::Sms, 0x80, 0x91, 0x11},
        {TReportKind::Clip, TReportKind::Clip, 0xA0, 0xC2, 0x43},
        {TReportKind::Data, TReportKind::Data, 0xB0, 0xB4, 0x34},
        {TReportKind::Alarm, TReportKind::Sms, 0x80, 0x91, 0x11},
        {TReportKind{0}, TReportKind::Sms, 0x80, 0x91, 0x11},
    };
    for (const Case& c : cases) {
        TProjectInfo p;
        p.TestEnabled = true;
        p.TestReportType = c.reportType;
        p.TestSmsPhone = 1;
        p.TestClipPhone1 = 2;
        p.TestClipPhone2 = 3;
        p.TestDataPhone = 4;
        p.TestSmsText = "TEST";
        TDeviceImage image{};
        PackImage(p, image);
        EXPECT_EQ(p.TestReportType, c.reportType) << "packing reads the project, never writes it";
        EXPECT_EQ(Slice(image, 257, 1), std::vector<std::uint8_t>{c.flags});
        EXPECT_EQ(Slice(image, 261, 2), (std::vector<std::uint8_t>{c.first, c.second}));
        const std::vector<std::uint8_t> slot =
            c.packedAs == TReportKind::Data
                ? std::vector<std::uint8_t>{0x00, 0x00, 0x60, 0x20, 0x00, 0x01, 0, 0, 0, 0}
                : std::vector<std::uint8_t>{'T', 'E', 'S', 'T', 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(Slice(image, 263, 10), slot);
    }
}

TEST(PackImage, DataInputCarriesItsContactIdInBothSlots) {
    TProjectInfo p;
    p.Inputs[1].ReportType = TReportKind::Data;
    p.Inputs[1].SmsEventText = "IGNORED";
    p.Inputs[1].Cid.SetSymbols({'1', '2', '3', '4', '5', 'A', 'B', '*', '#', '0', '1', '2'});
    const TDeviceImage image = Packed(p);
    const std::vector<std::uint8_t> block = {0x12, 0x34, 0x5A, 0xBE, 0xF0, 0x12, 0, 0, 0, 0};
    EXPECT_EQ(Slice(image, 6, 10), block);
    EXPECT_EQ(Slice(image, 16, 10), block);
}

TEST(PackImage, ArmConfirmationMarksOnlyItsInput) {
    TProjectInfo p;
    p.ArmConfirmInput = 3;
    const TDeviceImage image = Packed(p);
    EXPECT_EQ((std::vector<std::uint8_t>{image[0], image[26], image[52], image[78]}),
              (std::vector<std::uint8_t>{0x00, 0x00, 0x04, 0x00}));
}

TEST(UnpackImage, RestoresEveryFieldTheImageCarries) {
    TProjectInfo original = FullProject();
    const TDeviceImage image = Packed(original);
    TProjectInfo loaded;
    UnpackImage(image, loaded);
    for (std::size_t k = 1; k <= PhoneCount; ++k)
        loaded.Phones[k].Name = original.Phones[k].Name; // names are not in the image
    EXPECT_EQ(loaded, original);
}

TEST(UnpackImage, NothingOfTheProjectOpenBeforeSurvives) {
    TProjectInfo p;
    p.Phones[2].Name = "Guard";
    p.ArmConfirmInput = 2;
    UnpackImage(Packed(TProjectInfo{}), p);
    EXPECT_EQ(p.Phones[2].Name, "NAME2");
    EXPECT_EQ(p.ArmConfirmInput, 0);
}

// Any image unpacked over any previous project gives the project it gives a fresh one.
TEST(UnpackImage, GivesTheSameProjectWhateverWasOpenBefore) {
    std::mt19937 random(2026);
    for (int pair = 0; pair < 1000; ++pair) {
        const TDeviceImage previousImage = test::RandomImage(random);
        const TDeviceImage image = test::RandomImage(random);
        TProjectInfo fresh;
        UnpackImage(image, fresh);
        TProjectInfo reused;
        UnpackImage(previousImage, reused);
        reused.Phones[static_cast<std::size_t>(1 + pair % 9)].Name = "Previous";
        UnpackImage(image, reused);
        ASSERT_EQ(reused, fresh) << "pair " << pair;
    }
}

TEST(UnpackImage, ClipPhonesSpreadToTheOtherReportKinds) {
    TProjectInfo p;
    p.Inputs[1].ReportType = TReportKind::Clip;
    p.Inputs[1].ClipEventPhone = 3;
    p.Inputs[1].ClipRestorePhone = 5;
    const TDeviceImage image = Packed(p);
    EXPECT_EQ(Slice(image, 4, 2), (std::vector<std::uint8_t>{0xC3, 0x45}));
    TProjectInfo loaded;
    UnpackImage(image, loaded);
    const TInputInfo& in = loaded.Inputs[1];
    EXPECT_EQ(
        std::make_tuple(in.ClipEventPhone, in.ClipRestorePhone, in.SmsPhone, in.AlarmPhone, in.DataPhone),
        std::make_tuple(3, 5, 5, 5, 5));
}

TEST(UnpackImage, ClampsAndDefaults) {
    struct Case {
        const char* what;
        std::size_t offset;
        std::uint8_t byte;
        std::function<int(const TProjectInfo&)> field;
        int expected;
    } cases[] = {
        {"reaction time 0", 234, 0x00, [](auto& p) { return p.GsmReactionTime; }, 1},
        {"lockout time 0", 234, 0x00, [](auto& p) { return p.GsmLockoutTime; }, 1},
        {"reaction time 7", 234, 0x7F, [](auto& p) { return p.GsmReactionTime; }, 6},
        {"lockout time 15", 234, 0x7F, [](auto& p) { return p.GsmLockoutTime; }, 12},
        {"level 0", 233, 0x80, [](auto& p) { return p.GsmLevel; }, 1},
        {"level 7", 233, 0x70, [](auto& p) { return p.GsmLevel; }, 4},
        {"output time 0", 106, 0, [](auto& p) { return p.Outputs[1].Time; }, 1},
        {"output mode 0", 104, 0x00, [](auto& p) { return static_cast<int>(p.Outputs[1].WorkType); },
         static_cast<int>(TWorkType::Bistable)},
        {"output mode 1", 104, 0x20, [](auto& p) { return static_cast<int>(p.Outputs[1].WorkType); },
         static_cast<int>(TWorkType::Monostable)},
        {"output mode 2", 104, 0x40, [](auto& p) { return static_cast<int>(p.Outputs[1].WorkType); },
         static_cast<int>(TWorkType::Monostable)},
        {"output mode 3", 104, 0x60, [](auto& p) { return static_cast<int>(p.Outputs[1].WorkType); },
         static_cast<int>(TWorkType::Flash)},
        {"input time 0 stays", 1, 0, [](auto& p) { return p.Inputs[1].ReactionTime; }, 0},
        {"phone index 15 stays", 147 + 1, 0xF0, [](auto& p) { return p.Outputs[2].ControlPhone; }, 15},
        {"test code 1", 257, 0x10, [](auto& p) { return static_cast<int>(p.TestReportType); },
         static_cast<int>(TReportKind::Sms)},
        {"test code 7", 257, 0x70, [](auto& p) { return static_cast<int>(p.TestReportType); },
         static_cast<int>(TReportKind::Sms)},
        {"test days 200 stays", 258, 200, [](auto& p) { return p.TestDays; }, 200},
    };
    for (const Case& c : cases) {
        TDeviceImage image = Packed(TProjectInfo{});
        image[c.offset] = c.byte;
        TProjectInfo p;
        UnpackImage(image, p);
        EXPECT_EQ(c.field(p), c.expected) << c.what;
    }
}

TEST(UnpackImage, AllZeroTestPeriodBecomesTenMinutes) {
    TProjectInfo p;
    p.TestMinutes = 0;
    TDeviceImage image = Packed(p);
    EXPECT_EQ(Slice(image, 258, 3), (std::vector<std::uint8_t>{0, 0, 0}));
    UnpackImage(image, p);
    EXPECT_EQ(p.TestMinutes, 1);
}

TEST(UnpackImage, TextsAreCutToTenCharacters) {
    TProjectInfo p;
    p.Inputs[1].SmsEventText = "0123456789";
    p.Inputs[1].SmsRestoreText = "0123456789AB";
    TProjectInfo loaded;
    UnpackImage(Packed(p), loaded);
    EXPECT_EQ(loaded.Inputs[1].SmsEventText, "0123456789");
    EXPECT_EQ(loaded.Inputs[1].SmsRestoreText, "0123456789");
}

TEST(UnpackImage, WhatARoundTripDoesNotKeep) {
    TProjectInfo p;
    p.Inputs[1].ReportType = TReportKind::Data;
    p.Inputs[1].SmsEventText = "LOST";
    p.Inputs[2].Cid.Code = {'1', '3', '0'};
    p.Phones[1] = {"8-800", "", false};
    p.SmsCentre = "+7 (912)";
    p.CrowObject = {'a', 'b', 'c', 'd'};
    TProjectInfo loaded;
    UnpackImage(Packed(p), loaded);
    EXPECT_EQ(loaded.Inputs[1].SmsEventText, "");
    EXPECT_EQ(loaded.Inputs[2].Cid, TContactId{});
    EXPECT_EQ(loaded.Phones[1].Number, "8");
    EXPECT_EQ(loaded.SmsCentre, "+7009120");
    EXPECT_EQ(std::string(loaded.CrowObject.begin(), loaded.CrowObject.end()), "ABCD");
}

// Ten thousand random projects, holding any value: once a project has been through an image, it
// and its image stay as they are through every further pack and unpack.
TEST(DeviceImage, RandomProjectsPackAndUnpackToAFixedPoint) {
    for (std::uint32_t seed = 1; seed <= 10000; ++seed) {
        TDeviceImage first{};
        PackImage(test::RandomProjectMaker(seed).Make(), first);
        TProjectInfo unpacked;
        UnpackImage(first, unpacked);
        TDeviceImage second{};
        PackImage(unpacked, second);
        TProjectInfo again;
        UnpackImage(second, again);
        TDeviceImage third{};
        PackImage(again, third);
        ASSERT_TRUE(again == unpacked) << "seed " << seed;
        ASSERT_EQ(second, third) << "seed " << seed;
    }
}

} // namespace
} // namespace korvisel
