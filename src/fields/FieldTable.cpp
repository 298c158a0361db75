// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/FieldTable.h"

#include "core/ImageCodes.h"
#include "core/TestPeriod.h"
#include "fields/DeviceImage.h"
#include "fields/FieldAccess.h"
#include "fields/SettableRanges.h"

#include <algorithm>

namespace korvisel {
namespace {

using namespace FieldAccess;
using S = TFieldScope;
using T = TFieldType;
using E = TEncoding;

// The image's own numbering of report kinds, start states and work types: a value's code, a code's
// value, and what any other value goes out as.
struct TCodeOf {
    long long Value;
    std::uint8_t Code;
};
template <std::size_t N> constexpr std::uint8_t CodeIn(const TCodeOf (&codes)[N], long long value) {
    for (const TCodeOf& c : codes)
        if (c.Value == value)
            return c.Code;
    return codes[0].Code;
}
template <std::size_t N> constexpr long long ValueIn(const TCodeOf (&codes)[N], std::uint8_t code) {
    for (const TCodeOf& c : codes)
        if (c.Code == code)
            return c.Value;
    return codes[0].Value;
}
template <typename Enum> constexpr long long AsNumber(Enum value) {
    return static_cast<long long>(value);
}
// Two bits: any kind no other code names goes out as SMS.
constexpr TCodeOf InputKindCodes[] = {{AsNumber(TReportKind::Sms), 0},
                                      {AsNumber(TReportKind::Alarm), 1},
                                      {AsNumber(TReportKind::Clip), 2},
                                      {AsNumber(TReportKind::Data), 3}};
// The test knows no ALARM: any kind but CLIP and DATA goes out as SMS, and so do the codes 1 and 4
// to 7 read back.
constexpr TCodeOf TestKindCodes[] = {
    {AsNumber(TReportKind::Sms), 0}, {AsNumber(TReportKind::Clip), 2}, {AsNumber(TReportKind::Data), 3}};
constexpr TCodeOf StartCodes[] = {{AsNumber(TStartState::Disabled), 0}, {AsNumber(TStartState::Enabled), 1}};
// Bistable and any number no work type has go out as 0, which reads back as bistable; the code 2
// reads back as monostable.
constexpr TCodeOf WorkCodes[] = {{AsNumber(TWorkType::Bistable), 0},
                                 {AsNumber(TWorkType::Monostable), 1},
                                 {AsNumber(TWorkType::Flash), 3},
                                 {AsNumber(TWorkType::Monostable), 2}};

// A level outside 1 to 4 goes out as 1; three bits read back within 1 to 4.
std::uint8_t GsmLevelCode(long long level) {
    return static_cast<std::uint8_t>(level >= 1 && level <= 4 ? level : 1);
}
long long GsmLevelOf(std::uint8_t code) {
    return std::clamp<long long>(code, 1, 4);
}
long long GsmReactionOf(std::uint8_t code) {
    return std::clamp<long long>(code, 1, 6);
}
long long GsmLockoutOf(std::uint8_t code) {
    return std::clamp<long long>(code, 1, 12);
}
// A period of 0 days, 0 hours and 0 minutes reads back as ten minutes, the shortest there is.
void ZeroPeriodIsTenMinutes(TProjectInfo& p) {
    CorrectTestPeriod(p);
}
TDoubt ZeroPeriodDoubt(const TProjectInfo& p) {
    if (p.TestDays == 0 && p.TestHours == 0 && p.TestMinutes == 0)
        return {TDoubtKind::ZeroPeriod, "a test period of 0 days, 0 hours and 0 minutes is shorter than the "
                                        "configurator allows (10 minutes); kept as it is"};
    return {};
}
// A damaged image can give a PIN position the codes of "+" and "-".
TDoubt PinDoubt(const TProjectInfo& p) {
    if (std::any_of(p.Pin.begin(), p.Pin.end(), [](char c) { return c == '+' || c == '-'; }))
        return {TDoubtKind::PinCharacters,
                "holds a character the configurator does not let a PIN have; kept as it is"};
    return {};
}
// An output's time of 0 reads back as half a second.
long long OutputTimeOf(std::uint8_t code) {
    return code == 0 ? 1 : code;
}

constexpr TImagePlace BitsAt(std::uint16_t offset, std::uint8_t shift, std::uint8_t width,
                             std::uint8_t (*encode)(long long) = nullptr,
                             long long (*decode)(std::uint8_t) = nullptr) {
    return {E::Bits, offset, shift, width, false, 0, encode, decode};
}
// Bits that hold a code of `codes` for the field's value.
template <const auto& codes>
constexpr TImagePlace BitsAt(std::uint16_t offset, std::uint8_t shift, std::uint8_t width) {
    return BitsAt(
        offset, shift, width, [](long long value) { return CodeIn(codes, value); },
        [](std::uint8_t code) { return ValueIn(codes, code); });
}
constexpr TImagePlace ByteAt(std::uint16_t offset, long long (*decode)(std::uint8_t) = nullptr) {
    return BitsAt(offset, 0, 8, nullptr, decode);
}
constexpr TImagePlace HighAt(std::uint16_t offset) {
    return {E::Nibble, offset, 4};
}
constexpr TImagePlace LowAt(std::uint16_t offset) {
    return {E::Nibble, offset, 0};
}
constexpr TImagePlace DescriptorAt(std::uint16_t offset, bool first, std::uint8_t kind) {
    return {E::Descriptor, offset, 0, 4, first, kind};
}
// Both descriptors of a report, from the first at `offset`, holding one phone.
constexpr std::array<TImagePlace, 2> PairAt(std::uint16_t offset, std::uint8_t kind) {
    return {DescriptorAt(offset, true, kind),
            DescriptorAt(static_cast<std::uint16_t>(offset + 1), false, kind)};
}
constexpr TImagePlace PlaceAt(TEncoding encoding, std::uint16_t offset) {
    return {encoding, offset};
}

constexpr TFieldLimits Numbers(long long low, long long high) {
    return {low, high, {}};
}
constexpr TFieldLimits Within(TSettableRange range) {
    return {range.Low, range.High, {}};
}
constexpr TFieldLimits SmsLimit = {0, 10, {}};
constexpr TFieldLimits NumberLimit = {0, 32, {}};
constexpr TFieldLimits AnyByte = Numbers(0, 255);
constexpr TFieldLimits PhoneNibble = Numbers(0, 15);
constexpr TFieldLimits Books = Within(PhoneReferenceRange);
constexpr TFieldLimits Kinds =
    Numbers(static_cast<int>(TReportKind::Alarm), static_cast<int>(TReportKind::Data));
constexpr TFieldLimits TestKinds =
    Numbers(static_cast<int>(TReportKind::Sms), static_cast<int>(TReportKind::Data));

// The descriptor pairs of an input (at 4 and 5 of its block) and of the test (4 and 5 of its).
constexpr std::uint16_t FirstDescriptor = 4;
constexpr std::uint16_t SecondDescriptor = 5;

// In the order of the JSON format; an input's or the test's phones in the order each report kind
// lists them, which the gates keep apart.
// One setting a row or two, as a table reads.
// clang-format off
const TFieldRow Rows[] = {
    // The periodic test.
    {"TestEnabled", S::Project, T::Flag, Of<&TProjectInfo::TestEnabled>(), {}, {}, Gate::Always,
     {BitsAt(ImageLayout::Test, 7, 1)}, {}, false, nkPeriodicTest, "TestCheck", "LIST_CAPT_ENTEST"},
    {"TestReportType", S::Project, T::Number, Of<&TProjectInfo::TestReportType>(), TestKinds, TestKinds,
     Gate::Always, {BitsAt<TestKindCodes>(ImageLayout::Test, 4, 3)}, {}, false, nkTestReport,
     "RepPerRButton1", "TREEREPPERTST"},
    {"TestDays", S::Project, T::Number, Of<&TProjectInfo::TestDays>(), AnyByte, Within(TestDaysRange),
     Gate::Always, {ByteAt(ImageLayout::Test + 1)}, {}, false, nkTestTime, "TestComboBox1",
     "REP_INP_TS_DPRM1"},
    {"TestHours", S::Project, T::Number, Of<&TProjectInfo::TestHours>(), AnyByte, Within(TestHoursRange),
     Gate::Always, {ByteAt(ImageLayout::Test + 2)}, {}, false, nkTestTime, "TestComboBox2",
     "REP_INP_TS_DPRM2"},
    {"TestMinutes", S::Project, T::Number, Of<&TProjectInfo::TestMinutes>(), AnyByte,
     Within(TestMinutesRange), Gate::Always, {ByteAt(ImageLayout::Test + 3)}, {}, false, nkTestTime,
     "TestComboBox3", "REP_INP_TS_DPRM3", 0, ZeroPeriodIsTenMinutes, ZeroPeriodDoubt, {},
     TFieldUnit::TensOfMinutes},
    {FieldName::TestClipPhone1, S::Project, T::Phone, Of<&TProjectInfo::TestClipPhone1>(), PhoneNibble, Books,
     Gate::Clip, {DescriptorAt(ImageLayout::Test + FirstDescriptor, true, DescriptorKind::Clip)}, {}, true,
     nkTestClip, "VirtualDrawTree5", "LIST_REPORT_VAL1"},
    {FieldName::TestClipPhone2, S::Project, T::Phone, Of<&TProjectInfo::TestClipPhone2>(), PhoneNibble, Books,
     Gate::Clip, {DescriptorAt(ImageLayout::Test + SecondDescriptor, false, DescriptorKind::Clip)}, {}, true,
     nkTestClip, "VirtualDrawTree5", "LIST_REPORT_VAL1"},
    {FieldName::TestDataPhone, S::Project, T::Phone, Of<&TProjectInfo::TestDataPhone>(), PhoneNibble, Books,
     Gate::Data, PairAt(ImageLayout::Test + FirstDescriptor, DescriptorKind::Data),
     LowAt(ImageLayout::Test + SecondDescriptor), true, nkTestData, "PerDATAPhCBox", "SMS_REP_PHON"},
    {FieldName::TestSmsPhone, S::Project, T::Phone, Of<&TProjectInfo::TestSmsPhone>(), PhoneNibble, Books,
     Gate::Always & ~Gate::Clip & ~Gate::Data,
     PairAt(ImageLayout::Test + FirstDescriptor, DescriptorKind::Sms),
     LowAt(ImageLayout::Test + SecondDescriptor), true, nkTestSms, "PerSMSPhCBox", "SMS_REP_PHON"},
    {"TestSmsText", S::Project, T::SmsText, Of<&TProjectInfo::TestSmsText>(), SmsLimit, SmsLimit,
     Gate::NotData, {PlaceAt(E::Text, ImageLayout::Test + 6)}, {}, false, nkTestSms, "PerSMSMemo",
     "SMS_REP_EVEN"},
    {"TestCid", S::Project, T::ContactId, Of<&TProjectInfo::TestCid>(), {}, {}, Gate::Data,
     {PlaceAt(E::ContactId, ImageLayout::Test + 6)}, {}, false, nkTestData, "PerDATAObj1", "REP_CIDVAL1"},

    // GSM supervision.
    {"GsmEnabled", S::Project, T::Flag, Of<&TProjectInfo::GsmEnabled>(), {}, {}, Gate::Always,
     {BitsAt(ImageLayout::Gsm, 7, 1)}, {}, false, nkGsmTest, "TestCheck", "LIST_CAPT_ENTEST"},
    {"GsmLevel", S::Project, T::Number, Of<&TProjectInfo::GsmLevel>(), Numbers(1, 4), Numbers(1, 4),
     Gate::Always, {BitsAt(ImageLayout::Gsm, 4, 3, GsmLevelCode, GsmLevelOf)}, {}, false, nkGsmLevel,
     "GSMSignRButton1", "LIST_CAPT_GSMLEVEL"},
    {"GsmReactionTime", S::Project, T::Number, Of<&TProjectInfo::GsmReactionTime>(), Numbers(1, 6),
     Numbers(1, 6), Gate::Always, {BitsAt(ImageLayout::Gsm + 1, 0, 3, nullptr, GsmReactionOf)}, {}, false,
     nkGsmTime, "GSMComboBox1", "LIST_TIME_VAL1"},
    {"GsmLockoutTime", S::Project, T::Number, Of<&TProjectInfo::GsmLockoutTime>(), Numbers(1, 12),
     Numbers(1, 12), Gate::Always, {BitsAt(ImageLayout::Gsm + 1, 3, 4, nullptr, GsmLockoutOf)}, {}, false,
     nkGsmTime, "GSMComboBox2", "LIST_TIME_VAL3"},
    {"GsmRestoreSms", S::Project, T::Flag, Of<&TProjectInfo::GsmRestoreSms>(), {}, {}, Gate::Always,
     {BitsAt(ImageLayout::Gsm + 1, 7, 1)}, {}, false, nkGsmSms, "SMSCheckBox", "LIST_GSMSMS_VAL1"},

    // The device reads GSM supervision's phone from the first descriptor.
    {FieldName::GsmSmsPhone, S::Project, T::Phone, Of<&TProjectInfo::GsmSmsPhone>(), PhoneNibble, Books,
     Gate::Always, PairAt(ImageLayout::Gsm + 2, DescriptorKind::Sms), {}, false, nkGsmSms, "GSMSMSComboBox",
     "SMS_REP_PHON"},
    {"GsmEventText", S::Project, T::SmsText, Of<&TProjectInfo::GsmEventText>(), SmsLimit, SmsLimit,
     Gate::Always, {PlaceAt(E::Text, ImageLayout::Gsm + 4)}, {}, false, nkGsmSms, "Memo8", "SMS_REP_EVEN"},
    {"GsmRestoreText", S::Project, T::SmsText, Of<&TProjectInfo::GsmRestoreText>(), SmsLimit, SmsLimit,
     Gate::Always, {PlaceAt(E::Text, ImageLayout::Gsm + 14)}, {}, false, nkGsmSms, "Memo9", "SMS_REP_REST"},

    // The phone book.
    {FieldName::Number, S::Phone, T::PhoneNumber, PhoneNumberAccess(), NumberLimit, NumberLimit, Gate::Always,
     {PlaceAt(E::PhoneDigits, 0)}, {}, false, nkPhones, "VirtualDrawTree4", "LIST_REPORT_VAL1"},
    {"Name", S::Phone, T::Name, Of<&TPhoneInfo::Name>(), {}, {}, Gate::Always, {}, {}, false, nkPhones,
     "VirtualDrawTree4", nullptr},

    // An input.
    {"Enabled", S::Input, T::Flag, Of<&TInputInfo::Enabled>(), {}, {}, Gate::Always, {BitsAt(0, 7, 1)}, {},
     false, nkInput, "InputCheck", "LIST_DESCR_INPUT"},
    {"ReportType", S::Input, T::Number, Of<&TInputInfo::ReportType>(), Kinds, Kinds, Gate::Always,
     {BitsAt<InputKindCodes>(0, 5, 2)}, {}, false, nkInputReport, "ReportRButton1",
     "LIST_CAPT_REPTYPE"},
    {"Signal", S::Input, T::Number, Of<&TInputInfo::Signal>(), Numbers(0, 3), Numbers(0, 3), Gate::Always,
     {BitsAt(0, 3, 2)}, {}, false, nkInputSignal, "RButtonSignal1", "TREESIGNAL"},
    {"ReactionTime", S::Input, T::Number, Of<&TInputInfo::ReactionTime>(), AnyByte, Within(InputTimeRange),
     Gate::Always, {ByteAt(1)}, {}, false, nkInputTime, "EditReactinTime1", "LIST_TIME_VAL1", 0, nullptr,
     nullptr, {}, TFieldUnit::HalfSeconds},
    {"RestoreTime", S::Input, T::Number, Of<&TInputInfo::RestoreTime>(), AnyByte, Within(InputTimeRange),
     Gate::Always, {ByteAt(2)}, {}, false, nkInputTime, "EditReturnTime1", "LIST_TIME_VAL2", 0, nullptr,
     nullptr, {}, TFieldUnit::HalfSeconds},
    {"LockoutTime", S::Input, T::Number, Of<&TInputInfo::LockoutTime>(), AnyByte, Within(InputTimeRange),
     Gate::Always, {ByteAt(3)}, {}, false, nkInputTime, "EditLockoutTime1", "LIST_TIME_VAL3", 0, nullptr,
     nullptr, {}, TFieldUnit::HalfSeconds},

    // The project keeps which input confirms arming; each input's flags byte says whether it is.
    {"ArmConfirm", S::Input, T::Flag, ArmConfirmAccess(), {}, {}, Gate::Always, {BitsAt(0, 2, 1)}, {}, false,
     nkInput, "SetOutCBox", "LIST_CAPT_ENPOSTAN", 0, nullptr, nullptr, "only one input can confirm arming"},

    // One phone fills both descriptors, but CLIP's two; unpacking gives every phone the second's,
    // CLIP's event phone the first's.
    {FieldName::SmsPhone, S::Input, T::Phone, Of<&TInputInfo::SmsPhone>(), PhoneNibble, Books, Gate::Sms,
     PairAt(FirstDescriptor, DescriptorKind::Sms), LowAt(SecondDescriptor), true, nkInputSms, "SMSPhoneCBox",
     "SMS_REP_PHON"},
    {FieldName::ClipEventPhone, S::Input, T::Phone, Of<&TInputInfo::ClipEventPhone>(), PhoneNibble, Books,
     Gate::Clip, {DescriptorAt(FirstDescriptor, true, DescriptorKind::Clip)}, LowAt(FirstDescriptor), true,
     nkInputClip, "VirtualDrawTree3", "LIST_REPORT_VAL1"},
    {FieldName::ClipRestorePhone, S::Input, T::Phone, Of<&TInputInfo::ClipRestorePhone>(), PhoneNibble, Books,
     Gate::Clip, {DescriptorAt(SecondDescriptor, false, DescriptorKind::Clip)}, LowAt(SecondDescriptor), true,
     nkInputClip, "VirtualDrawTree3", "LIST_REPORT_VAL1"},
    {FieldName::DataPhone, S::Input, T::Phone, Of<&TInputInfo::DataPhone>(), PhoneNibble, Books, Gate::Data,
     PairAt(FirstDescriptor, DescriptorKind::Data), LowAt(SecondDescriptor), true, nkInputData,
     "DATAPhoneCBox", "SMS_REP_PHON"},

    // A kind no other row names goes out as ALARM.
    {FieldName::AlarmPhone, S::Input, T::Phone, Of<&TInputInfo::AlarmPhone>(), PhoneNibble, Books,
     Gate::Alarm | Gate::Other, PairAt(FirstDescriptor, DescriptorKind::Alarm), LowAt(SecondDescriptor), true,
     nkInputAlarm, "ALARMPhoneCBox", "SMS_REP_PHON"},

    // The text slots hold the SMS texts, or the Contact ID twice for DATA.
    {FieldName::SmsEventText, S::Input, T::SmsText, Of<&TInputInfo::SmsEventText>(), SmsLimit, SmsLimit,
     Gate::NotData, {PlaceAt(E::Text, 6)}, {}, false, nkInputSms, "Memo1", "SMS_REP_EVEN"},
    {FieldName::SmsRestoreText, S::Input, T::SmsText, Of<&TInputInfo::SmsRestoreText>(), SmsLimit, SmsLimit,
     Gate::NotData, {PlaceAt(E::Text, 16)}, {}, false, nkInputSms, "Memo2", "SMS_REP_REST"},
    {"Cid", S::Input, T::ContactId, Of<&TInputInfo::Cid>(), {}, {}, Gate::Data,
     {PlaceAt(E::ContactId, 6), PlaceAt(E::ContactId, 16)}, {}, false, nkInputData, "DATAObj1",
     "REP_CIDVAL1"},

    // An output.
    {"StartState", S::Output, T::Number, Of<&TOutputInfo::StartState>(), Numbers(0, 1), Numbers(0, 1),
     Gate::Always, {BitsAt<StartCodes>(0, 7, 1)}, {}, false, nkOutputStart, "RButtonState1",
     "LIST_CAPT_SS_OUT"},
    {"WorkType", S::Output, T::Number, Of<&TOutputInfo::WorkType>(), Numbers(0, 2), Numbers(0, 2),
     Gate::Always, {BitsAt<WorkCodes>(0, 5, 2)}, {}, false, nkOutputType, "RButtonType1",
     "LIST_CAPT_MODEOUT"},
    {"Time", S::Output, T::Number, Of<&TOutputInfo::Time>(), Numbers(1, 255), Numbers(1, 255), Gate::Always,
     {ByteAt(2, OutputTimeOf)}, {}, false, nkOutputTime, "EditOutTime1", "LIST_TIMEOUT_VAL"},
    {"ControlPhone", S::Output, T::Phone, Of<&TOutputInfo::ControlPhone>(), PhoneNibble, Books, Gate::Always,
     {HighAt(1)}, {}, false, nkOutputControlSms, "BaseSMSCBox", "SMS_REP_PHON"},
    {"ControlText", S::Output, T::SmsText, Of<&TOutputInfo::ControlText>(), SmsLimit, SmsLimit, Gate::Always,
     {PlaceAt(E::Text, 3)}, {}, false, nkOutputControlSms, "Memo3", "LIST_CONSMS_VAL1"},
    {"QueryText", S::Output, T::SmsText, Of<&TOutputInfo::QueryText>(), SmsLimit, SmsLimit, Gate::Always,
     {PlaceAt(E::Text, 13)}, {}, false, nkOutputControlSms, "Memo5", "LIST_CONSMS_VAL2"},
    {"AnswerPhone", S::Output, T::Phone, Of<&TOutputInfo::AnswerPhone>(), PhoneNibble, Books, Gate::Always,
     {LowAt(1)}, {}, false, nkOutputAnswerSms, "AnswerCBox", "SMS_REP_PHON"},
    {"OnAnswerText", S::Output, T::SmsText, Of<&TOutputInfo::OnAnswerText>(), SmsLimit, SmsLimit,
     Gate::Always, {PlaceAt(E::Text, 23)}, {}, false, nkOutputAnswerSms, "Memo6", "LIST_ANSSMS_VAL1"},
    {"OffAnswerText", S::Output, T::SmsText, Of<&TOutputInfo::OffAnswerText>(), SmsLimit, SmsLimit,
     Gate::Always, {PlaceAt(E::Text, 33)}, {}, false, nkOutputAnswerSms, "Memo7", "LIST_ANSSMS_VAL2"},

    // The audio parameters, a nibble each, in the audio dialog.
    {"", S::Audio, T::Number, AudioAccess(), PhoneNibble, Within(AudioRanges[0]), Gate::Always, {HighAt(0)},
     {}, false, nkInfo, "EditLetNum1", nullptr, 1},
    {"", S::Audio, T::Number, AudioAccess(), PhoneNibble, Within(AudioRanges[1]), Gate::Always, {LowAt(0)},
     {}, false, nkInfo, "EditLetNum2", nullptr, 2},
    {"", S::Audio, T::Number, AudioAccess(), PhoneNibble, Within(AudioRanges[2]), Gate::Always, {HighAt(1)},
     {}, false, nkInfo, "EditLetNum3", nullptr, 3},
    {"", S::Audio, T::Number, AudioAccess(), PhoneNibble, Within(AudioRanges[3]), Gate::Always, {LowAt(1)},
     {}, false, nkInfo, "EditLetNum4", nullptr, 4},

    // The rest of the device.
    {"Pin", S::Project, T::Symbols, Of<&TProjectInfo::Pin>(), {0, 4, "0123456789+-"}, {0, 4, "0123456789"},
     Gate::Always, {PlaceAt(E::DigitPairs, ImageLayout::Pin)}, {}, false, nkPin, "EditPin", "TREEPIN", 0,
     nullptr, PinDoubt},
    {"SmsCentre", S::Project, T::PhoneNumber, Of<&TProjectInfo::SmsCentre>(), NumberLimit, NumberLimit,
     Gate::Always, {PlaceAt(E::PhoneDigits, ImageLayout::SmsCentre)}, {}, false, nkSmsCentre, "EditSMSCentre",
     "LIST_CAPT_SMS_C"},
    {"CrowPhone", S::Project, T::Number, Of<&TProjectInfo::CrowPhone>(), AnyByte, Books, Gate::Always,
     {ByteAt(ImageLayout::Crow)}, {}, false, nkCrow, "CrowPhonCB", "SMS_REP_PHON"},
    {"CrowObject", S::Project, T::Symbols, Of<&TProjectInfo::CrowObject>(), {0, 4, ContactIdSymbols},
     {0, 4, ContactIdSymbols}, Gate::Always, {PlaceAt(E::DtmfPairs, ImageLayout::Crow + 1)}, {}, false,
     nkCrow, "CRObj1", "REP_CIDVAL1"},
};
// clang-format on

} // namespace

bool GateOpen(TReportGate gate, TReportKind kind) {
    switch (kind) {
    case TReportKind::Alarm:
    case TReportKind::Sms:
    case TReportKind::Clip:
    case TReportKind::Data:
        return (gate & (1 << static_cast<int>(kind))) != 0;
    default:
        return (gate & Gate::Other) != 0;
    }
}

std::span<const TFieldRow> FieldRows() {
    return Rows;
}

TRecordRange RecordsOf(const TFieldRow& row) {
    if (row.OnlyRecord != 0)
        return {row.OnlyRecord, row.OnlyRecord};
    return {1, RecordCount(row.Scope)};
}

const TImagePlace& UnpackedPlace(const TFieldRow& row) {
    return row.Unpacked.Encoding != TEncoding::None ? row.Unpacked : row.Packed[0];
}

std::string EmptyText(const TFieldRow& row) {
    return row.Type == T::ContactId ? AsText(TContactId{}) : std::string();
}

std::size_t RecordCount(TFieldScope scope) {
    switch (scope) {
    case S::Input:
        return InputCount;
    case S::Output:
        return OutputCount;
    case S::Phone:
        return PhoneCount;
    case S::Audio:
        return 4;
    default:
        return 1;
    }
}

std::string_view RecordListName(TFieldScope scope) {
    switch (scope) {
    case S::Input:
        return "Inputs";
    case S::Output:
        return "Outputs";
    case S::Phone:
        return "Phones";
    case S::Audio:
        return "AudioParams";
    default:
        return {};
    }
}

std::size_t RecordOffset(TFieldScope scope, std::size_t n) {
    switch (scope) {
    case S::Input:
        return ImageLayout::Input(n);
    case S::Output:
        return ImageLayout::Output(n);
    case S::Phone:
        return ImageLayout::Phone(n);
    case S::Audio:
        return ImageLayout::Audio;
    default:
        return 0;
    }
}

TReportKind GatingKind(const TProjectInfo& project, TFieldScope scope, std::size_t n) {
    return scope == S::Input ? project.Inputs[n].ReportType : project.TestReportType;
}

} // namespace korvisel
