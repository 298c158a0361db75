// SPDX-License-Identifier: GPL-3.0-or-later
// Every setting of a project described once: its name in the JSON format, where and how the device
// image holds it, the range the editor sets, and the node and control that edit it. The image codec,
// the JSON format, the Problems panel and the comparison all read these rows. Rows of an input, an
// output, a phone entry and an audio parameter stand once for every record of their kind.
#pragma once

#include "core/PrjTypes.h"
#include "fields/NodeKinds.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace korvisel {

// The record a field belongs to.
enum class TFieldScope : std::uint8_t { Project, Input, Output, Phone, Audio };

// What a field holds, and so how it is written and read.
enum class TFieldType : std::uint8_t {
    Flag,        // true or false
    Number,      // a whole number
    Phone,       // a phone-book entry, 0 for none
    SmsText,     // the device's bytes, an SMS text of ten at most
    PhoneNumber, // digits with a leading "+"
    Name,        // the user's own text, which no image carries
    ContactId,   // twelve Contact ID symbols: object, code, zone and partition
    Symbols,     // a fixed number of characters of an allowed set
};

// The report kinds for which a field is the device's (written, read and packed): a mask of
// TReportKind bits, with one bit more for any other number a file may hold. The input's fields
// follow its ReportType, the periodic test's its TestReportType.
using TReportGate = std::uint8_t;
namespace Gate {
constexpr TReportGate Alarm = 1 << 1;
constexpr TReportGate Sms = 1 << 2;
constexpr TReportGate Clip = 1 << 3;
constexpr TReportGate Data = 1 << 4;
constexpr TReportGate Other = 1 << 0;
constexpr TReportGate Always = Alarm | Sms | Clip | Data | Other;
constexpr TReportGate NotData = Always & ~Data;
} // namespace Gate
bool GateOpen(TReportGate gate, TReportKind kind);

// How a place of the image holds a field's value.
enum class TEncoding : std::uint8_t {
    None,        // not in the image
    Bits,        // Width bits from bit Shift of the byte, through Encode and Decode where given
    Nibble,      // four bits: Shift 4 for the high half, 0 for the low
    Descriptor,  // a report descriptor byte: First, Kind and the phone in the low four bits
    Text,        // ten bytes, zero-padded
    PhoneDigits, // sixteen bytes of digit codes, two a byte, ended by "-"
    ContactId,   // six bytes of DTMF codes
    DigitPairs,  // four digit codes in two bytes (the PIN)
    DtmfPairs,   // four DTMF codes in two bytes (the CROW object)
};

struct TImagePlace {
    TEncoding Encoding = TEncoding::None;
    std::uint16_t Offset = 0; // from the start of the record's block
    std::uint8_t Shift = 0;
    std::uint8_t Width = 8;
    bool First = false;    // Descriptor: the first of its pair
    std::uint8_t Kind = 0; // Descriptor: the report kind as descriptors number it
    // The code a value takes in the bits, and the value a code gives, where they differ.
    std::uint8_t (*Encode)(long long value) = nullptr;
    long long (*Decode)(std::uint8_t code) = nullptr;
};

// What a field counts in, as a page shows it.
enum class TFieldUnit : std::uint8_t {
    Plain,
    HalfSeconds,   // shown as seconds with one decimal, 0.5 to 127.5
    TensOfMinutes, // shown as minutes
};

// What may be doubted of a field once read from a file, and the warning's words.
enum class TDoubtKind : std::uint8_t { None, ZeroPeriod, PinCharacters };
struct TDoubt {
    TDoubtKind Kind = TDoubtKind::None;
    std::string_view Words;
};

// Reading and writing a field of record `n` (1-based; ignored for the project's own fields).
struct TFieldAccess {
    long long (*GetNumber)(const TProjectInfo&, std::size_t n) = nullptr;
    void (*SetNumber)(TProjectInfo&, std::size_t n, long long value) = nullptr;
    std::string (*GetText)(const TProjectInfo&, std::size_t n) = nullptr;
    void (*SetText)(TProjectInfo&, std::size_t n, std::string_view value) = nullptr;
};

// The values a field may take: numbers from Low to High; texts up to High characters (a Symbols
// field exactly High, of the characters in Allowed).
struct TFieldLimits {
    long long Low = 0;
    long long High = 0;
    std::string_view Allowed;
};

// The groups of a Contact ID's twelve symbols in device order, under the names the JSON format and
// the comparison give them.
struct TContactIdGroup {
    std::string_view Name;
    std::size_t Offset;
    std::size_t Length;
};
inline constexpr TContactIdGroup ContactIdGroups[] = {
    {"Object", 0, 4}, {"Code", 4, 3}, {"Zone", 7, 3}, {"Partition", 10, 2}};

// The JSON names of the fields that other code finds rows by (the check's findings point at them).
namespace FieldName {
constexpr std::string_view Number = "Number";
constexpr std::string_view AlarmPhone = "AlarmPhone";
constexpr std::string_view SmsPhone = "SmsPhone";
constexpr std::string_view ClipEventPhone = "ClipEventPhone";
constexpr std::string_view ClipRestorePhone = "ClipRestorePhone";
constexpr std::string_view DataPhone = "DataPhone";
constexpr std::string_view GsmSmsPhone = "GsmSmsPhone";
constexpr std::string_view TestSmsPhone = "TestSmsPhone";
constexpr std::string_view TestClipPhone1 = "TestClipPhone1";
constexpr std::string_view TestClipPhone2 = "TestClipPhone2";
constexpr std::string_view TestDataPhone = "TestDataPhone";
constexpr std::string_view SmsEventText = "SmsEventText";
constexpr std::string_view SmsRestoreText = "SmsRestoreText";
} // namespace FieldName

struct TFieldRow {
    std::string_view Name; // in its record of the JSON format
    TFieldScope Scope;
    TFieldType Type;
    TFieldAccess Access;
    TFieldLimits Limits;   // what a file may hold at all
    TFieldLimits Settable; // what the editor sets; the rest is kept and pointed out
    TReportGate When = Gate::Always;
    std::array<TImagePlace, 2> Packed = {}; // where packing writes it; a phone fills both descriptors
    // Where unpacking reads it, when not Packed[0]. A field of a slot that others share (the phones
    // of an input's descriptors) is unpacked whatever its report kind; any other field whose gate is
    // shut is unpacked empty.
    TImagePlace Unpacked = {};
    bool SharesItsSlot = false;
    // The page and the control that edit it, and the key of the text that labels the control there
    // (its label, its column or its page's title). None for a field no page labels with a text of
    // the language: a phone's name, which no page shows, and the audio dialog's fixed captions.
    TNodeKind Node = nkInfo;
    std::string_view Control;
    TTextKey Caption = nullptr;
    std::uint8_t OnlyRecord = 0; // the one record the row stands for (an audio parameter); 0: all
    // What unpacking does after the row's field: a rule that reads other fields too.
    void (*AfterUnpack)(TProjectInfo& project) = nullptr;
    // A doubt about the field, and the fields before it, once read from a file (or none).
    TDoubt (*Doubt)(const TProjectInfo& project) = nullptr;
    // Why no more than one record may hold it (the input that confirms arming); empty for any.
    std::string_view OnlyOne = {};
    TFieldUnit Unit = TFieldUnit::Plain;
};

// The records row `row` stands for: each record of its scope, or its one.
struct TRecordRange {
    std::size_t First;
    std::size_t Last;
};
TRecordRange RecordsOf(const TFieldRow& row);
// The value a field is unpacked as where its report kind does not use it: no text, or a Contact ID
// of zeros.
std::string EmptyText(const TFieldRow& row);
// Where unpacking reads a row's field: its own place, or the first it is packed into.
const TImagePlace& UnpackedPlace(const TFieldRow& row);

std::span<const TFieldRow> FieldRows();

// The records of a scope: 1 for the project, InputCount inputs, ...
std::size_t RecordCount(TFieldScope scope);
// The JSON list a scope's records are kept in ("Inputs", ...); empty for the project itself.
std::string_view RecordListName(TFieldScope scope);
// Where record `n` of a scope starts in the image.
std::size_t RecordOffset(TFieldScope scope, std::size_t n);
// The report kind that opens a gate of record `n`.
TReportKind GatingKind(const TProjectInfo& project, TFieldScope scope, std::size_t n);

} // namespace korvisel
