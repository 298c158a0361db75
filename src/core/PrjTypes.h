// SPDX-License-Identifier: GPL-3.0-or-later
// The project records: one device's complete configuration and the print-only data beside it.
#pragma once

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>

namespace korvisel {

// The device numbers its inputs, outputs and phones from 1, and a phone index of 0 means "no phone";
// indexing the records the same way keeps every rule readable against the device's numbering.
template <typename T, std::size_t N> class OneBased {
public:
    static constexpr std::size_t Count = N;

    T& operator[](std::size_t k) {
        assert(k >= 1 && k <= N);
        return items_[k - 1];
    }
    const T& operator[](std::size_t k) const {
        assert(k >= 1 && k <= N);
        return items_[k - 1];
    }
    static constexpr bool Contains(std::size_t k) { return k >= 1 && k <= N; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const OneBased&) const = default;

private:
    std::array<T, N> items_{};
};

constexpr std::size_t InputCount = 4;
constexpr std::size_t OutputCount = 3;
constexpr std::size_t PhoneCount = 9;

// The number of an input (1..4) or an output (1..3) as the user sees it: types of their own, so that
// an input cannot be passed where an output, a signal or a phone entry is meant.
struct TInputNumber {
    int Value = 0;
    bool Valid() const { return Value >= 1 && Value <= static_cast<int>(InputCount); }
    std::size_t Index() const { return static_cast<std::size_t>(Value); }
    bool operator==(const TInputNumber&) const = default;
};

struct TOutputNumber {
    int Value = 0;
    bool Valid() const { return Value >= 1 && Value <= static_cast<int>(OutputCount); }
    std::size_t Index() const { return static_cast<std::size_t>(Value); }
    bool operator==(const TOutputNumber&) const = default;
};

// Report kinds as the project stores them (ReportType, TestReportType). A file may hold another
// number: it is kept as it is, and the editor shows it as SMS.
enum class TReportKind : std::uint8_t { Alarm = 1, Sms = 2, Clip = 3, Data = 4 };

enum class TWorkType : std::uint8_t { Monostable = 0, Bistable = 1, Flash = 2 };

enum class TStartState : std::uint8_t { Enabled = 0, Disabled = 1 };

// The sixteen symbols a Contact ID position may hold.
inline constexpr char ContactIdSymbols[] = "1234567890ABCD*#";

// Contact ID fields are fixed-width symbol arrays, every position always holding one symbol.
struct TContactId {
    std::array<char, 4> Object{'0', '0', '0', '0'};
    std::array<char, 3> Code{'0', '0', '0'};
    std::array<char, 3> Zone{'0', '0', '0'};
    std::array<char, 2> Partition{'0', '0'};

    static constexpr std::size_t Length = 12;
    // The twelve symbols in device order: object, code, zone, partition.
    std::array<char, Length> Symbols() const;
    void SetSymbols(const std::array<char, Length>& symbols);

    bool operator==(const TContactId&) const = default;
};

struct TPhoneInfo {
    std::string Number;
    std::string Name;
    bool Empty = true;

    bool operator==(const TPhoneInfo&) const = default;
};

// Times are half seconds, 1..255; short texts are SMS texts of which the device keeps ten bytes.
struct TInputInfo {
    std::int32_t Number = 0;
    bool Enabled = false;
    TReportKind ReportType = TReportKind::Sms;
    std::uint8_t Signal = 0;
    std::uint8_t ReactionTime = 11;
    std::uint8_t RestoreTime = 13;
    std::uint8_t LockoutTime = 15;
    std::uint8_t SmsPhone = 0;
    std::string SmsEventText;
    std::string SmsRestoreText;
    std::uint8_t AlarmPhone = 0;
    std::uint8_t ClipEventPhone = 0;
    std::uint8_t ClipRestorePhone = 0;
    std::uint8_t DataPhone = 0;
    TContactId Cid;

    bool operator==(const TInputInfo&) const = default;
};

struct TOutputInfo {
    std::int32_t Number = 0;
    TStartState StartState = TStartState::Disabled;
    TWorkType WorkType = TWorkType::Monostable;
    std::uint16_t Time = 10;
    std::uint8_t ControlPhone = 0;
    std::string ControlText;
    std::string QueryText;
    std::uint8_t AnswerPhone = 0;
    std::string OnAnswerText;
    std::string OffAnswerText;

    bool operator==(const TOutputInfo&) const = default;
};

struct TProjectInfo {
    bool TestEnabled = false;
    TReportKind TestReportType = TReportKind::Sms;
    std::uint8_t TestDays = 0;
    std::uint8_t TestHours = 0;
    std::uint8_t TestMinutes = 1; // tens of minutes, 0..5
    std::uint8_t TestSmsPhone = 0;
    std::string TestSmsText;
    std::uint8_t TestClipPhone1 = 0;
    std::uint8_t TestClipPhone2 = 0;
    std::uint8_t TestDataPhone = 0;
    TContactId TestCid{{'0', '0', '0', '0'}, {'6', '0', '2'}, {'0', '0', '0'}, {'0', '1'}};

    bool GsmEnabled = false;
    std::uint16_t GsmLevel = 1;
    std::uint8_t GsmReactionTime = 2; // tens of seconds, 1..6
    std::uint8_t GsmLockoutTime = 6;  // tens of seconds, 1..12
    bool GsmRestoreSms = false;
    std::uint8_t GsmSmsPhone = 0;
    std::string GsmEventText;
    std::string GsmRestoreText;

    OneBased<TPhoneInfo, PhoneCount> Phones;
    OneBased<TInputInfo, InputCount> Inputs;
    OneBased<TOutputInfo, OutputCount> Outputs;
    OneBased<std::uint8_t, 4> AudioParams;
    std::array<char, 4> Pin{'9', '4', '8', '1'};
    std::string SmsCentre;
    std::uint8_t ArmConfirmInput = 0;
    std::uint8_t CrowPhone = 0;
    std::array<char, 4> CrowObject{'0', '0', '0', '0'};

    // Every field at its default: numbered inputs, outputs and phone names, audio 1, 1, 6, 2.
    TProjectInfo();

    bool operator==(const TProjectInfo&) const = default;
};

namespace PowerKind {
constexpr std::uint8_t PowerUnit = 0;
constexpr std::uint8_t Accumulator = 1;
constexpr std::uint8_t Other = 2;
} // namespace PowerKind

struct TPowerSupplyInfo {
    std::uint8_t Kind = PowerKind::PowerUnit;
    std::string OtherText;

    bool operator==(const TPowerSupplyInfo&) const = default;
};

// Data that is only printed: neither the device image nor a project file carries it.
struct TDopPrintInfo {
    std::string SerialNumber;
    TPowerSupplyInfo PowerSupply;
    std::string Comment; // every line followed by a carriage return
    std::string SimPhone;
    std::string RegNumber;
    std::string FirmwareVersion;

    bool operator==(const TDopPrintInfo&) const = default;
};

// What the print-data editors let the user type.
namespace PrintLimits {
constexpr std::size_t SerialNumber = 40;
constexpr std::size_t Comment = 300;
constexpr std::size_t SimPhone = 30;
constexpr std::size_t RegNumber = 40;
constexpr std::size_t FirmwareVersion = 15;
constexpr std::size_t PowerOtherText = 40;
} // namespace PrintLimits

inline constexpr char UntitledFileName[] = "Untitled";

// Puts the project, the print data and the document name back to their defaults. The caller then
// leaves modem mode and re-marks the test report's tree nodes.
void ResetProject(TProjectInfo& project, TDopPrintInfo& print, std::string& fileName);

// "NAME" followed by the entry number: the label of a phone-book entry that was never named.
std::string DefaultPhoneName(std::size_t k);

} // namespace korvisel
