// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/DeviceImage.h"

#include "core/ImageCodes.h"

#include <span>

namespace korvisel {
namespace {

template <std::size_t N> std::span<std::uint8_t, N> At(TDeviceImage& image, std::size_t offset) {
    return std::span<std::uint8_t, N>(image.data() + offset, N);
}
template <std::size_t N> std::span<const std::uint8_t, N> At(const TDeviceImage& image, std::size_t offset) {
    return std::span<const std::uint8_t, N>(image.data() + offset, N);
}

std::uint8_t InputReportCode(TReportKind reportType) {
    switch (reportType) {
    case TReportKind::Alarm:
        return 1;
    case TReportKind::Clip:
        return 2;
    case TReportKind::Data:
        return 3;
    default:
        return 0;
    }
}

TReportKind InputReportTypeFromCode(std::uint8_t code) {
    static constexpr TReportKind types[] = {TReportKind::Sms, TReportKind::Alarm, TReportKind::Clip,
                                            TReportKind::Data};
    return types[code & 0x03];
}

void PackInputDescriptors(const TInputInfo& in, std::uint8_t* pair) {
    auto put = [pair](std::uint8_t kind, std::uint8_t firstPhone, std::uint8_t secondPhone) {
        pair[0] = ReportDescriptor(true, kind, firstPhone);
        pair[1] = ReportDescriptor(false, kind, secondPhone);
    };
    switch (in.ReportType) {
    case TReportKind::Sms:
        put(DescriptorKind::Sms, in.SmsPhone, in.SmsPhone);
        break;
    case TReportKind::Clip:
        put(DescriptorKind::Clip, in.ClipEventPhone, in.ClipRestorePhone);
        break;
    case TReportKind::Data:
        put(DescriptorKind::Data, in.DataPhone, in.DataPhone);
        break;
    default:
        put(DescriptorKind::Alarm, in.AlarmPhone, in.AlarmPhone);
        break;
    }
}

void PackInput(const TProjectInfo& project, std::size_t i, TDeviceImage& image) {
    const TInputInfo& in = project.Inputs[i];
    const std::size_t b = ImageLayout::Input(i);
    image[b] =
        static_cast<std::uint8_t>((in.Enabled ? 0x80 : 0) | (InputReportCode(in.ReportType) << 5) |
                                  ((in.Signal & 0x03) << 3) | (project.ArmConfirmInput == i ? 0x04 : 0));
    image[b + 1] = in.ReactionTime;
    image[b + 2] = in.RestoreTime;
    image[b + 3] = in.LockoutTime;
    PackInputDescriptors(in, &image[b + 4]);
    if (in.ReportType == TReportKind::Data) {
        WriteContactIdBlock(At<ContactIdBlockSize>(image, b + 6), in.Cid);
        WriteContactIdBlock(At<ContactIdBlockSize>(image, b + 16), in.Cid);
    } else {
        WriteTextField(At<TextFieldSize>(image, b + 6), in.SmsEventText);
        WriteTextField(At<TextFieldSize>(image, b + 16), in.SmsRestoreText);
    }
}

std::uint8_t OutputModeCode(TWorkType workType) {
    switch (workType) {
    case TWorkType::Monostable:
        return 1;
    case TWorkType::Flash:
        return 3;
    default:
        return 0;
    }
}

void PackOutput(const TOutputInfo& out, std::size_t b, TDeviceImage& image) {
    image[b] = static_cast<std::uint8_t>((out.StartState == TStartState::Enabled ? 0x80 : 0) |
                                         (OutputModeCode(out.WorkType) << 5));
    image[b + 1] = Nibbles(out.ControlPhone, out.AnswerPhone);
    image[b + 2] = static_cast<std::uint8_t>(out.Time & 0xFF);
    WriteTextField(At<TextFieldSize>(image, b + 3), out.ControlText);
    WriteTextField(At<TextFieldSize>(image, b + 13), out.QueryText);
    WriteTextField(At<TextFieldSize>(image, b + 23), out.OnAnswerText);
    WriteTextField(At<TextFieldSize>(image, b + 33), out.OffAnswerText);
}

void PackGsm(const TProjectInfo& p, TDeviceImage& image) {
    const std::size_t b = ImageLayout::Gsm;
    const std::uint8_t level =
        (p.GsmLevel >= 2 && p.GsmLevel <= 4) ? static_cast<std::uint8_t>(p.GsmLevel) : 1;
    image[b] = static_cast<std::uint8_t>((p.GsmEnabled ? 0x80 : 0) | (level << 4));
    image[b + 1] = static_cast<std::uint8_t>((p.GsmRestoreSms ? 0x80 : 0) | ((p.GsmLockoutTime & 0x0F) << 3) |
                                             (p.GsmReactionTime & 0x07));
    image[b + 2] = ReportDescriptor(true, DescriptorKind::Sms, p.GsmSmsPhone);
    image[b + 3] = ReportDescriptor(false, DescriptorKind::Sms, p.GsmSmsPhone);
    WriteTextField(At<TextFieldSize>(image, b + 4), p.GsmEventText);
    WriteTextField(At<TextFieldSize>(image, b + 14), p.GsmRestoreText);
}

void PackTest(const TProjectInfo& p, TDeviceImage& image) {
    const std::size_t b = ImageLayout::Test;
    std::uint8_t code = 0;
    std::uint8_t kind = DescriptorKind::Sms;
    std::uint8_t first = p.TestSmsPhone;
    std::uint8_t second = p.TestSmsPhone;
    if (p.TestReportType == TReportKind::Clip) {
        code = 2;
        kind = DescriptorKind::Clip;
        first = p.TestClipPhone1;
        second = p.TestClipPhone2;
    } else if (p.TestReportType == TReportKind::Data) {
        code = 3;
        kind = DescriptorKind::Data;
        first = second = p.TestDataPhone;
    }
    image[b] = static_cast<std::uint8_t>((p.TestEnabled ? 0x80 : 0) | (code << 4));
    image[b + 1] = p.TestDays;
    image[b + 2] = p.TestHours;
    image[b + 3] = p.TestMinutes;
    image[b + 4] = ReportDescriptor(true, kind, first);
    image[b + 5] = ReportDescriptor(false, kind, second);
    if (p.TestReportType == TReportKind::Data)
        WriteContactIdBlock(At<ContactIdBlockSize>(image, b + 6), p.TestCid);
    else
        WriteTextField(At<TextFieldSize>(image, b + 6), p.TestSmsText);
}

void UnpackInput(const TDeviceImage& image, std::size_t i, TProjectInfo& project) {
    TInputInfo& in = project.Inputs[i];
    const std::size_t b = ImageLayout::Input(i);
    const std::uint8_t flags = image[b];
    in.Enabled = (flags & 0x80) != 0;
    in.ReportType = InputReportTypeFromCode(static_cast<std::uint8_t>(flags >> 5));
    in.Signal = static_cast<std::uint8_t>((flags >> 3) & 0x03);
    if (flags & 0x04)
        project.ArmConfirmInput = static_cast<std::uint8_t>(i);
    in.ReactionTime = image[b + 1];
    in.RestoreTime = image[b + 2];
    in.LockoutTime = image[b + 3];
    const std::uint8_t p1 = LowNibble(image[b + 4]);
    const std::uint8_t p2 = LowNibble(image[b + 5]);
    in.ClipEventPhone = p1;
    in.ClipRestorePhone = p2;
    in.SmsPhone = in.AlarmPhone = in.DataPhone = p2;
    if (in.ReportType == TReportKind::Data) {
        in.Cid = ReadContactIdBlock(At<ContactIdBlockSize>(image, b + 6));
        in.SmsEventText.clear();
        in.SmsRestoreText.clear();
    } else {
        in.SmsEventText = ReadTextField(At<TextFieldSize>(image, b + 6));
        in.SmsRestoreText = ReadTextField(At<TextFieldSize>(image, b + 16));
        in.Cid = TContactId{};
    }
}

void UnpackOutput(const TDeviceImage& image, std::size_t b, TOutputInfo& out) {
    const std::uint8_t flags = image[b];
    out.StartState = (flags & 0x80) ? TStartState::Enabled : TStartState::Disabled;
    switch ((flags >> 5) & 0x03) {
    case 0:
        out.WorkType = TWorkType::Bistable;
        break;
    case 3:
        out.WorkType = TWorkType::Flash;
        break;
    default:
        out.WorkType = TWorkType::Monostable;
        break;
    }
    out.ControlPhone = HighNibble(image[b + 1]);
    out.AnswerPhone = LowNibble(image[b + 1]);
    out.Time = image[b + 2] == 0 ? 1 : image[b + 2];
    out.ControlText = ReadTextField(At<TextFieldSize>(image, b + 3));
    out.QueryText = ReadTextField(At<TextFieldSize>(image, b + 13));
    out.OnAnswerText = ReadTextField(At<TextFieldSize>(image, b + 23));
    out.OffAnswerText = ReadTextField(At<TextFieldSize>(image, b + 33));
}

template <typename T> T Clamp(T value, T low, T high) {
    return value < low ? low : (value > high ? high : value);
}

void UnpackGsm(const TDeviceImage& image, TProjectInfo& p) {
    const std::size_t b = ImageLayout::Gsm;
    p.GsmEnabled = (image[b] & 0x80) != 0;
    p.GsmLevel = Clamp<std::uint16_t>((image[b] >> 4) & 0x07, 1, 4);
    p.GsmRestoreSms = (image[b + 1] & 0x80) != 0;
    p.GsmReactionTime = Clamp<std::uint8_t>(image[b + 1] & 0x07, 1, 6);
    p.GsmLockoutTime = Clamp<std::uint8_t>((image[b + 1] >> 3) & 0x0F, 1, 12);
    p.GsmSmsPhone = LowNibble(image[b + 2]);
    p.GsmEventText = ReadTextField(At<TextFieldSize>(image, b + 4));
    p.GsmRestoreText = ReadTextField(At<TextFieldSize>(image, b + 14));
}

void UnpackTest(const TDeviceImage& image, TProjectInfo& p) {
    const std::size_t b = ImageLayout::Test;
    p.TestEnabled = (image[b] & 0x80) != 0;
    switch ((image[b] >> 4) & 0x07) {
    case 2:
        p.TestReportType = TReportKind::Clip;
        break;
    case 3:
        p.TestReportType = TReportKind::Data;
        break;
    default:
        p.TestReportType = TReportKind::Sms;
        break;
    }
    p.TestDays = image[b + 1];
    p.TestHours = image[b + 2];
    p.TestMinutes = image[b + 3];
    if (p.TestDays == 0 && p.TestHours == 0 && p.TestMinutes == 0)
        p.TestMinutes = 1;
    const std::uint8_t p1 = LowNibble(image[b + 4]);
    const std::uint8_t p2 = LowNibble(image[b + 5]);
    p.TestClipPhone1 = p1;
    p.TestClipPhone2 = p2;
    p.TestSmsPhone = p.TestDataPhone = p2;
    p.TestSmsText.clear();
    if (p.TestReportType == TReportKind::Data) {
        p.TestCid = ReadContactIdBlock(At<ContactIdBlockSize>(image, b + 6));
    } else {
        p.TestSmsText = ReadTextField(At<TextFieldSize>(image, b + 6));
        p.TestCid = TContactId{};
    }
}

} // namespace

void PackImage(const TProjectInfo& project, TDeviceImage& outgoing) {
    outgoing.fill(0);
    for (std::size_t i = 1; i <= InputCount; ++i)
        PackInput(project, i, outgoing);
    for (std::size_t o = 1; o <= OutputCount; ++o)
        PackOutput(project.Outputs[o], ImageLayout::Output(o), outgoing);
    PackGsm(project, outgoing);
    PackTest(project, outgoing);

    outgoing[ImageLayout::Crow] = project.CrowPhone;
    outgoing[ImageLayout::Crow + 1] =
        Nibbles(DtmfCode(project.CrowObject[0]), DtmfCode(project.CrowObject[1]));
    outgoing[ImageLayout::Crow + 2] =
        Nibbles(DtmfCode(project.CrowObject[2]), DtmfCode(project.CrowObject[3]));

    for (std::size_t k = 1; k <= PhoneCount; ++k) {
        const TPhoneInfo& phone = project.Phones[k];
        WritePhoneField(At<PhoneFieldSize>(outgoing, ImageLayout::Phone(k)), phone.Empty ? "" : phone.Number);
    }
    WritePhoneField(At<PhoneFieldSize>(outgoing, ImageLayout::SmsCentre), project.SmsCentre);

    outgoing[ImageLayout::Pin] = Nibbles(DigitCode(project.Pin[0]), DigitCode(project.Pin[1]));
    outgoing[ImageLayout::Pin + 1] = Nibbles(DigitCode(project.Pin[2]), DigitCode(project.Pin[3]));
    outgoing[ImageLayout::Audio] = Nibbles(project.AudioParams[1], project.AudioParams[2]);
    outgoing[ImageLayout::Audio + 1] = Nibbles(project.AudioParams[3], project.AudioParams[4]);
}

void UnpackImage(const TDeviceImage& incoming, TProjectInfo& project) {
    // The image is the whole project: nothing of the one open before may survive into it.
    project = TProjectInfo{};
    for (std::size_t i = 1; i <= InputCount; ++i)
        UnpackInput(incoming, i, project);
    for (std::size_t o = 1; o <= OutputCount; ++o)
        UnpackOutput(incoming, ImageLayout::Output(o), project.Outputs[o]);
    UnpackGsm(incoming, project);
    UnpackTest(incoming, project);

    project.CrowPhone = incoming[ImageLayout::Crow];
    const std::uint8_t crowHigh = incoming[ImageLayout::Crow + 1];
    const std::uint8_t crowLow = incoming[ImageLayout::Crow + 2];
    project.CrowObject = {DtmfChar(HighNibble(crowHigh)), DtmfChar(LowNibble(crowHigh)),
                          DtmfChar(HighNibble(crowLow)), DtmfChar(LowNibble(crowLow))};

    for (std::size_t k = 1; k <= PhoneCount; ++k) {
        TPhoneInfo& phone = project.Phones[k];
        phone.Number = ReadPhoneField(At<PhoneFieldSize>(incoming, ImageLayout::Phone(k)));
        phone.Empty = phone.Number.empty();
    }
    project.SmsCentre = ReadPhoneField(At<PhoneFieldSize>(incoming, ImageLayout::SmsCentre));

    const std::uint8_t pinHigh = incoming[ImageLayout::Pin];
    const std::uint8_t pinLow = incoming[ImageLayout::Pin + 1];
    project.Pin = {DigitChar(HighNibble(pinHigh)), DigitChar(LowNibble(pinHigh)),
                   DigitChar(HighNibble(pinLow)), DigitChar(LowNibble(pinLow))};
    project.AudioParams[1] = HighNibble(incoming[ImageLayout::Audio]);
    project.AudioParams[2] = LowNibble(incoming[ImageLayout::Audio]);
    project.AudioParams[3] = HighNibble(incoming[ImageLayout::Audio + 1]);
    project.AudioParams[4] = LowNibble(incoming[ImageLayout::Audio + 1]);
}

} // namespace korvisel
