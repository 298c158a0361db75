// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/ProjectJson.h"

#include "core/SafeText.h"
#include "core/SmsText.h"
#include "editor/PrintDataEdits.h"
#include "fields/SettableRanges.h"
#include "i18n/CodePage.h"
#include "json/PrintData.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <set>
#include <vector>

namespace korvisel {
namespace {

using Json = nlohmann::ordered_json;

// The editors stop at 31 digits, but a field holds 32 (then without its terminator) and so does a file.
constexpr std::size_t PhoneBookNumberLimit = 32;
constexpr std::size_t SmsCentreNumberLimit = 32;

Json ContactIdJson(const TContactId& cid) {
    const auto text = [](const auto& field) { return std::string(field.begin(), field.end()); };
    return {{"Object", text(cid.Object)},
            {"Code", text(cid.Code)},
            {"Zone", text(cid.Zone)},
            {"Partition", text(cid.Partition)}};
}

std::string Text(const std::string& deviceBytes) {
    return Latin1ToUtf8(deviceBytes);
}

Json InputJson(const TInputInfo& in, bool armConfirm) {
    Json j = {{"Enabled", in.Enabled},         {"ReportType", in.ReportType},
              {"Signal", in.Signal},           {"ReactionTime", in.ReactionTime},
              {"RestoreTime", in.RestoreTime}, {"LockoutTime", in.LockoutTime},
              {"ArmConfirm", armConfirm}};
    // Only the phones and texts of the report kind in use reach the device.
    switch (in.ReportType) {
    case TReportKind::Sms:
        j["SmsPhone"] = in.SmsPhone;
        j["SmsEventText"] = Text(in.SmsEventText);
        j["SmsRestoreText"] = Text(in.SmsRestoreText);
        break;
    case TReportKind::Clip:
        j["ClipEventPhone"] = in.ClipEventPhone;
        j["ClipRestorePhone"] = in.ClipRestorePhone;
        j["SmsEventText"] = Text(in.SmsEventText);
        j["SmsRestoreText"] = Text(in.SmsRestoreText);
        break;
    case TReportKind::Data:
        j["DataPhone"] = in.DataPhone;
        j["Cid"] = ContactIdJson(in.Cid);
        break;
    default:
        j["AlarmPhone"] = in.AlarmPhone;
        j["SmsEventText"] = Text(in.SmsEventText);
        j["SmsRestoreText"] = Text(in.SmsRestoreText);
        break;
    }
    return j;
}

// Reading: every failure names the field with the records' own numbering.
struct JsonError {
    std::string Message;
};

// Deeper than any project goes, and far shallower than would take the reader's stack.
constexpr std::size_t MaximumDepth = 8;

// A first look at the text before it is read: no nesting deeper than a project has, and no key twice
// in one object (a reader would silently keep one of them). Walks the text without building it.
class JsonShape : public nlohmann::json_sax<Json> {
public:
    std::string Problem;

    bool null() override { return Value(); }
    bool boolean(bool) override { return Value(); }
    bool number_integer(number_integer_t) override { return Value(); }
    bool number_unsigned(number_unsigned_t) override { return Value(); }
    bool number_float(number_float_t, const string_t&) override { return Value(); }
    bool string(string_t&) override { return Value(); }
    bool binary(binary_t&) override { return Value(); }
    bool start_object(std::size_t) override { return Open(true); }
    bool start_array(std::size_t) override { return Open(false); }
    bool end_object() override { return Close(); }
    bool end_array() override { return Close(); }
    bool key(string_t& name) override {
        Frame& frame = frames_.back();
        frame.Key = name;
        if (!frame.Keys.insert(name).second) {
            Problem = Path() + ": given twice, so which value is meant cannot be told";
            return false;
        }
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

private:
    struct Frame {
        bool Object = false;
        std::set<std::string> Keys;
        std::string Key;
        long Index = -1;
    };

    bool Value() {
        if (!frames_.empty() && !frames_.back().Object)
            ++frames_.back().Index;
        return true;
    }
    bool Open(bool object) {
        Value();
        if (frames_.size() >= MaximumDepth) {
            Problem = (Path().empty() ? "the project" : Path()) + ": nested more than " +
                      std::to_string(MaximumDepth) + " levels deep, deeper than any project";
            return false;
        }
        frames_.push_back({object, {}, {}, -1});
        return true;
    }
    bool Close() {
        frames_.pop_back();
        return true;
    }
    // Where the walk is, as the field names of the errors read ("Inputs[2].Cid").
    std::string Path() const {
        std::string path;
        for (const Frame& frame : frames_) {
            if (frame.Object && !frame.Key.empty())
                path += (path.empty() ? "" : ".") + frame.Key;
            else if (!frame.Object && frame.Index >= 0)
                path += "[" + std::to_string(frame.Index + 1) + "]";
        }
        return path;
    }

    std::vector<Frame> frames_;
};

// Values that a device image can hold but the configurator would not set are kept, with a warning:
// every JSON that convert writes from an image reads back into the same image.
using TWarnings = std::vector<std::string>;

class Reader {
public:
    Reader(const Json& object, std::string path, TWarnings& warnings)
        : object_(object), path_(std::move(path)), warnings_(warnings) {
        if (!object_.is_object())
            Fail(path_.empty() ? "the project" : path_, "must be an object");
    }
    // A record within this one, sharing its warnings.
    Reader Record(const Json& object, const std::string& path) const {
        return Reader(object, path, warnings_);
    }
    void Warn(const std::string& key, const std::string& why) const {
        warnings_.push_back(Name(key) + ": " + why);
    }
    // After the last field: anything not read is a field this record does not have.
    void Done() const {
        for (const auto& [key, value] : object_.items())
            if (!used_.count(key))
                Fail(Name(key), "is not a field of this record");
    }

    // An optional field: whether it is there (and taken as read).
    bool Has(const std::string& key) {
        used_.insert(key);
        return object_.contains(key);
    }

    const Json& Field(const std::string& key) {
        used_.insert(key);
        if (!object_.contains(key))
            Fail(Name(key), "is missing");
        return object_.at(key);
    }

    long long Number(const std::string& key, long long low, long long high) {
        const Json& v = Field(key);
        if (!v.is_number_integer())
            Fail(Name(key), "must be a whole number");
        const long long n = v.get<long long>();
        if (n < low)
            Fail(Name(key), std::to_string(n) + " is below " + std::to_string(low));
        if (n > high)
            Fail(Name(key), std::to_string(n) + " is above " + std::to_string(high));
        return n;
    }
    std::uint8_t Byte(const std::string& key, int low, int high) {
        return static_cast<std::uint8_t>(Number(key, low, high));
    }
    // One of an enumeration's values, `low` .. `high` by number.
    template <typename E> E Kind(const std::string& key, E low, E high) {
        return static_cast<E>(Byte(key, static_cast<int>(low), static_cast<int>(high)));
    }
    // A number the image holds in `low` .. `high`; outside `allowedLow` .. `allowedHigh` it is kept
    // with a warning.
    long long Kept(const std::string& key, long long low, long long high, long long allowedLow,
                   long long allowedHigh) {
        const long long n = Number(key, low, high);
        if (n < allowedLow || n > allowedHigh)
            Warn(key, std::to_string(n) + " is outside what the configurator sets (" +
                          std::to_string(allowedLow) + " to " + std::to_string(allowedHigh) +
                          "); kept as it is");
        return n;
    }
    std::uint8_t KeptByte(const std::string& key, int low, int high, TSettableRange allowed) {
        return static_cast<std::uint8_t>(Kept(key, low, high, allowed.Low, allowed.High));
    }
    // A phone index fills four bits of the image.
    std::uint8_t Phone(const std::string& key) { return KeptByte(key, 0, 15, PhoneReferenceRange); }

    bool Flag(const std::string& key) {
        const Json& v = Field(key);
        if (!v.is_boolean())
            Fail(Name(key), "must be true or false");
        return v.get<bool>();
    }

    std::string String(const std::string& key) {
        const Json& v = Field(key);
        if (!v.is_string())
            Fail(Name(key), "must be text");
        return v.get<std::string>();
    }

    // The device keeps an SMS text as ten single bytes, shown as Latin-1.
    std::string SmsText(const std::string& key) {
        const std::string text = String(key);
        const std::optional<std::string> bytes = Utf8ToLatin1(text);
        if (!bytes || bytes->find('\0') != std::string::npos)
            Fail(Name(key), QuotedValue(text) + " holds a character an SMS cannot carry");
        if (bytes->size() > SmsTextLimit)
            Fail(Name(key),
                 QuotedValue(text) + " is longer than " + std::to_string(SmsTextLimit) + " characters");
        if (!IsSmsText(*bytes))
            Warn(key, QuotedValue(text) +
                          " holds characters the configurator does not let an SMS have; kept as it is");
        return *bytes;
    }

    std::string PhoneNumber(const std::string& key, std::size_t limit) {
        const std::string number = String(key);
        bool innerPlus = false;
        for (std::size_t i = 0; i < number.size(); ++i) {
            if (!(number[i] >= '0' && number[i] <= '9') && number[i] != '+')
                Fail(Name(key), QuotedValue(number) + " may hold only digits and a leading +");
            innerPlus = innerPlus || (i > 0 && number[i] == '+');
        }
        if (innerPlus)
            Warn(key, QuotedValue(number) + " has a + after its first character; kept as it is");
        if (number.size() > limit)
            Fail(Name(key), QuotedValue(number) + " is longer than " + std::to_string(limit) + " characters");
        return number;
    }

    template <std::size_t N> std::array<char, N> Symbols(const std::string& key, std::string_view allowed) {
        const std::string text = String(key);
        if (text.size() != N)
            Fail(Name(key), QuotedValue(text) + " must be " + std::to_string(N) + " characters");
        std::array<char, N> out{};
        for (std::size_t i = 0; i < N; ++i) {
            if (allowed.find(text[i]) == std::string_view::npos)
                Fail(Name(key), QuotedValue(text) + " may hold only " + std::string(allowed));
            out[i] = text[i];
        }
        return out;
    }

    TContactId ContactId(const std::string& key) {
        Reader r = Record(Field(key), Name(key));
        TContactId cid;
        cid.Object = r.Symbols<4>("Object", ContactIdSymbols);
        cid.Code = r.Symbols<3>("Code", ContactIdSymbols);
        cid.Zone = r.Symbols<3>("Zone", ContactIdSymbols);
        cid.Partition = r.Symbols<2>("Partition", ContactIdSymbols);
        r.Done();
        return cid;
    }

    // A list of exactly `count` entries.
    const Json& List(const std::string& key, std::size_t count) {
        const Json& v = Field(key);
        if (!v.is_array() || v.size() != count)
            Fail(Name(key), "must be a list of " + std::to_string(count) + " entries");
        return v;
    }

    std::string Name(const std::string& key) const { return path_.empty() ? key : path_ + "." + key; }

    [[noreturn]] static void Fail(const std::string& field, const std::string& why) {
        throw JsonError{field + ": " + why};
    }

private:
    const Json& object_;
    std::string path_;
    std::set<std::string> used_;
    TWarnings& warnings_;
};

void ReadInput(Reader& r, TInputInfo& in) {
    in.Enabled = r.Flag("Enabled");
    in.ReportType = r.Kind("ReportType", TReportKind::Alarm, TReportKind::Data);
    in.Signal = r.Byte("Signal", 0, 3);
    in.ReactionTime = r.KeptByte("ReactionTime", 0, 255, InputTimeRange);
    in.RestoreTime = r.KeptByte("RestoreTime", 0, 255, InputTimeRange);
    in.LockoutTime = r.KeptByte("LockoutTime", 0, 255, InputTimeRange);
    std::uint8_t phone = 0;
    std::uint8_t eventPhone = 0;
    switch (in.ReportType) {
    case TReportKind::Sms:
        phone = eventPhone = r.Phone("SmsPhone");
        break;
    case TReportKind::Clip:
        eventPhone = r.Phone("ClipEventPhone");
        phone = r.Phone("ClipRestorePhone");
        break;
    case TReportKind::Data:
        phone = eventPhone = r.Phone("DataPhone");
        break;
    default:
        phone = eventPhone = r.Phone("AlarmPhone");
        break;
    }
    // As the device keeps them: one phone for every kind, CLIP's event phone apart.
    in.SmsPhone = in.AlarmPhone = in.DataPhone = in.ClipRestorePhone = phone;
    in.ClipEventPhone = eventPhone;
    if (in.ReportType == TReportKind::Data) {
        in.Cid = r.ContactId("Cid");
        in.SmsEventText.clear();
        in.SmsRestoreText.clear();
    } else {
        in.SmsEventText = r.SmsText("SmsEventText");
        in.SmsRestoreText = r.SmsText("SmsRestoreText");
        in.Cid = TContactId{};
    }
}

void ReadOutput(Reader& r, TOutputInfo& out) {
    out.StartState = r.Kind("StartState", TStartState::Enabled, TStartState::Disabled);
    out.WorkType = r.Kind("WorkType", TWorkType::Monostable, TWorkType::Flash);
    out.Time = r.Byte("Time", 1, 255);
    out.ControlPhone = r.Phone("ControlPhone");
    out.ControlText = r.SmsText("ControlText");
    out.QueryText = r.SmsText("QueryText");
    out.AnswerPhone = r.Phone("AnswerPhone");
    out.OnAnswerText = r.SmsText("OnAnswerText");
    out.OffAnswerText = r.SmsText("OffAnswerText");
}

void ReadTest(Reader& r, TProjectInfo& p) {
    p.TestEnabled = r.Flag("TestEnabled");
    p.TestReportType = r.Kind("TestReportType", TReportKind::Sms, TReportKind::Data);
    p.TestDays = r.KeptByte("TestDays", 0, 255, TestDaysRange);
    p.TestHours = r.KeptByte("TestHours", 0, 255, TestHoursRange);
    p.TestMinutes = r.KeptByte("TestMinutes", 0, 255, TestMinutesRange);
    if (p.TestDays == 0 && p.TestHours == 0 && p.TestMinutes == 0)
        r.Warn("TestMinutes",
               "a test period of 0 days, 0 hours and 0 minutes is shorter than the configurator "
               "allows (10 minutes); kept as it is");
    p.TestSmsText.clear();
    p.TestCid = TContactId{};
    switch (p.TestReportType) {
    case TReportKind::Clip:
        p.TestClipPhone1 = r.Phone("TestClipPhone1");
        p.TestClipPhone2 = p.TestSmsPhone = p.TestDataPhone = r.Phone("TestClipPhone2");
        p.TestSmsText = r.SmsText("TestSmsText");
        break;
    case TReportKind::Data:
        p.TestClipPhone1 = p.TestClipPhone2 = p.TestSmsPhone = p.TestDataPhone = r.Phone("TestDataPhone");
        p.TestCid = r.ContactId("TestCid");
        break;
    default:
        p.TestClipPhone1 = p.TestClipPhone2 = p.TestSmsPhone = p.TestDataPhone = r.Phone("TestSmsPhone");
        p.TestSmsText = r.SmsText("TestSmsText");
        break;
    }
}

// Each field of the print data may be left out; the comment's lines are separated by line breaks.
void ReadPrintData(Reader& r, TDopPrintInfo& print) {
    for (const char* field : {"SerialNumber", "FirmwareVersion", "SimPhone", "RegNumber", "Comment"})
        if (r.Has(field))
            if (const auto error = SetPrintDataField(print, field, r.String(field)))
                Reader::Fail(r.Name(field), *error);
    if (r.Has("PowerSupply")) {
        Reader supply = r.Record(r.Field("PowerSupply"), r.Name("PowerSupply"));
        print.PowerSupply.Kind = supply.Byte("Kind", PowerKind::PowerUnit, PowerKind::Other);
        print.PowerSupply.OtherText = supply.Has("OtherText") ? supply.String("OtherText") : std::string{};
        if (Utf8Length(print.PowerSupply.OtherText) > PrintLimits::PowerOtherText)
            Reader::Fail(supply.Name("OtherText"),
                         "is longer than " + std::to_string(PrintLimits::PowerOtherText) + " characters");
        supply.Done();
    }
    r.Done();
}

void ReadProject(const Json& root, TProjectInfo& p, TDopPrintInfo* print, TWarnings& warnings) {
    Reader r(root, "", warnings);
    if (r.Has("PrintData")) {
        Reader data = r.Record(r.Field("PrintData"), "PrintData");
        TDopPrintInfo read;
        ReadPrintData(data, read);
        if (print)
            *print = std::move(read);
    }
    ReadTest(r, p);

    p.GsmEnabled = r.Flag("GsmEnabled");
    p.GsmLevel = r.Byte("GsmLevel", 1, 4);
    p.GsmReactionTime = r.Byte("GsmReactionTime", 1, 6);
    p.GsmLockoutTime = r.Byte("GsmLockoutTime", 1, 12);
    p.GsmRestoreSms = r.Flag("GsmRestoreSms");
    p.GsmSmsPhone = r.Phone("GsmSmsPhone");
    p.GsmEventText = r.SmsText("GsmEventText");
    p.GsmRestoreText = r.SmsText("GsmRestoreText");

    const Json& phones = r.List("Phones", PhoneCount);
    for (std::size_t k = 1; k <= PhoneCount; ++k) {
        Reader entry = r.Record(phones[k - 1], "Phones[" + std::to_string(k) + "]");
        TPhoneInfo& phone = p.Phones[k];
        phone.Number = entry.PhoneNumber("Number", PhoneBookNumberLimit);
        phone.Name = entry.String("Name");
        phone.Empty = phone.Number.empty();
        entry.Done();
    }

    const Json& inputs = r.List("Inputs", InputCount);
    p.ArmConfirmInput = 0;
    for (std::size_t i = 1; i <= InputCount; ++i) {
        Reader entry = r.Record(inputs[i - 1], "Inputs[" + std::to_string(i) + "]");
        ReadInput(entry, p.Inputs[i]);
        if (entry.Flag("ArmConfirm")) {
            if (p.ArmConfirmInput != 0)
                Reader::Fail(entry.Name("ArmConfirm"), "only one input can confirm arming");
            p.ArmConfirmInput = static_cast<std::uint8_t>(i);
        }
        entry.Done();
    }

    const Json& outputs = r.List("Outputs", OutputCount);
    for (std::size_t o = 1; o <= OutputCount; ++o) {
        Reader entry = r.Record(outputs[o - 1], "Outputs[" + std::to_string(o) + "]");
        ReadOutput(entry, p.Outputs[o]);
        entry.Done();
    }

    // Each audio parameter fills four bits of the image.
    const Json& audio = r.List("AudioParams", 4);
    for (std::size_t a = 1; a <= 4; ++a) {
        const std::string name = "AudioParams[" + std::to_string(a) + "]";
        const Json& v = audio[a - 1];
        if (!v.is_number_integer())
            Reader::Fail(name, "must be a whole number");
        const long long n = v.get<long long>();
        if (n < 0 || n > 15)
            Reader::Fail(name, std::to_string(n) + " is " + (n < 0 ? "below 0" : "above 15"));
        if (const TSettableRange range = AudioRanges[a - 1]; !range.Holds(n))
            warnings.push_back(name + ": " + std::to_string(n) + " is outside what the configurator sets (" +
                               std::to_string(range.Low) + " to " + std::to_string(range.High) +
                               "); kept as it is");
        p.AudioParams[a] = static_cast<std::uint8_t>(n);
    }

    // A damaged image can give a PIN position the codes of "+" and "-".
    p.Pin = r.Symbols<4>("Pin", "0123456789+-");
    if (std::any_of(p.Pin.begin(), p.Pin.end(), [](char c) { return c == '+' || c == '-'; }))
        r.Warn("Pin", "holds a character the configurator does not let a PIN have; kept as it is");
    p.SmsCentre = r.PhoneNumber("SmsCentre", SmsCentreNumberLimit);
    p.CrowPhone = r.KeptByte("CrowPhone", 0, 255, PhoneReferenceRange); // a whole byte
    p.CrowObject = r.Symbols<4>("CrowObject", ContactIdSymbols);
    r.Done();
}

} // namespace

std::string ProjectToJson(const TProjectInfo& p) {
    Json j;
    j["TestEnabled"] = p.TestEnabled;
    j["TestReportType"] = p.TestReportType;
    j["TestDays"] = p.TestDays;
    j["TestHours"] = p.TestHours;
    j["TestMinutes"] = p.TestMinutes;
    switch (p.TestReportType) {
    case TReportKind::Clip:
        j["TestClipPhone1"] = p.TestClipPhone1;
        j["TestClipPhone2"] = p.TestClipPhone2;
        j["TestSmsText"] = Text(p.TestSmsText);
        break;
    case TReportKind::Data:
        j["TestDataPhone"] = p.TestDataPhone;
        j["TestCid"] = ContactIdJson(p.TestCid);
        break;
    default:
        j["TestSmsPhone"] = p.TestSmsPhone;
        j["TestSmsText"] = Text(p.TestSmsText);
        break;
    }
    j["GsmEnabled"] = p.GsmEnabled;
    j["GsmLevel"] = p.GsmLevel;
    j["GsmReactionTime"] = p.GsmReactionTime;
    j["GsmLockoutTime"] = p.GsmLockoutTime;
    j["GsmRestoreSms"] = p.GsmRestoreSms;
    j["GsmSmsPhone"] = p.GsmSmsPhone;
    j["GsmEventText"] = Text(p.GsmEventText);
    j["GsmRestoreText"] = Text(p.GsmRestoreText);
    j["Phones"] = Json::array();
    for (const TPhoneInfo& phone : p.Phones)
        j["Phones"].push_back({{"Number", phone.Empty ? "" : Text(phone.Number)}, {"Name", phone.Name}});
    j["Inputs"] = Json::array();
    for (std::size_t i = 1; i <= InputCount; ++i)
        j["Inputs"].push_back(InputJson(p.Inputs[i], p.ArmConfirmInput == i));
    j["Outputs"] = Json::array();
    for (const TOutputInfo& out : p.Outputs)
        j["Outputs"].push_back({{"StartState", out.StartState},
                                {"WorkType", out.WorkType},
                                {"Time", out.Time},
                                {"ControlPhone", out.ControlPhone},
                                {"ControlText", Text(out.ControlText)},
                                {"QueryText", Text(out.QueryText)},
                                {"AnswerPhone", out.AnswerPhone},
                                {"OnAnswerText", Text(out.OnAnswerText)},
                                {"OffAnswerText", Text(out.OffAnswerText)}});
    j["AudioParams"] = {p.AudioParams[1], p.AudioParams[2], p.AudioParams[3], p.AudioParams[4]};
    j["Pin"] = Text(std::string(p.Pin.begin(), p.Pin.end()));
    j["SmsCentre"] = Text(p.SmsCentre);
    j["CrowPhone"] = p.CrowPhone;
    j["CrowObject"] = Text(std::string(p.CrowObject.begin(), p.CrowObject.end()));
    return j.dump(2) + "\n";
}

std::optional<std::string> ProjectFromJson(const std::string& text, TProjectInfo& project,
                                           TDopPrintInfo* print, std::vector<std::string>* warnings) {
    // The parser takes a NUL for the end of the text: whatever follows one would pass unread.
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos)
        return "a NUL byte at byte " + std::to_string(nul + 1) + " of the text";
    JsonShape shape;
    if (!Json::sax_parse(text, &shape))
        return shape.Problem.empty() ? std::string("not valid JSON") : shape.Problem;
    const Json root = Json::parse(text, nullptr, false);
    if (root.is_discarded())
        return std::string("not valid JSON");
    TProjectInfo read = project;
    TDopPrintInfo readPrint;
    TWarnings found;
    try {
        ReadProject(root, read, &readPrint, found);
    } catch (const JsonError& error) {
        return error.Message;
    }
    project = std::move(read);
    if (print)
        *print = std::move(readPrint);
    if (warnings)
        *warnings = std::move(found);
    return std::nullopt;
}

} // namespace korvisel
