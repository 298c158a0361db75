#include "cli/ProjectJson.h"

#include "cli/PrintData.h"
#include "core/SmsText.h"
#include "editor/PrintDataEdits.h"
#include "i18n/CodePage.h"

#include <nlohmann/json.hpp>

#include <set>

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
    case Report::Sms:
        j["SmsPhone"] = in.SmsPhone;
        j["SmsEventText"] = Text(in.SmsEventText);
        j["SmsRestoreText"] = Text(in.SmsRestoreText);
        break;
    case Report::Clip:
        j["ClipEventPhone"] = in.ClipEventPhone;
        j["ClipRestorePhone"] = in.ClipRestorePhone;
        j["SmsEventText"] = Text(in.SmsEventText);
        j["SmsRestoreText"] = Text(in.SmsRestoreText);
        break;
    case Report::Data:
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

class Reader {
public:
    Reader(const Json& object, std::string path) : object_(object), path_(std::move(path)) {
        if (!object_.is_object())
            Fail(path_.empty() ? "the project" : path_, "must be an object");
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
    std::uint8_t Phone(const std::string& key) { return Byte(key, 0, static_cast<int>(PhoneCount)); }

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

    std::string SmsText(const std::string& key) {
        const std::string text = String(key);
        for (char c : text)
            if (!IsSmsCharacter(c))
                Fail(Name(key), "\"" + text + "\" holds a character an SMS cannot carry");
        if (text.size() > SmsTextLimit)
            Fail(Name(key),
                 "\"" + text + "\" is longer than " + std::to_string(SmsTextLimit) + " characters");
        return text;
    }

    std::string PhoneNumber(const std::string& key, std::size_t limit) {
        const std::string number = String(key);
        for (std::size_t i = 0; i < number.size(); ++i)
            if (!(number[i] >= '0' && number[i] <= '9') && !(i == 0 && number[i] == '+'))
                Fail(Name(key), "\"" + number + "\" may hold only digits and a leading +");
        if (number.size() > limit)
            Fail(Name(key), "\"" + number + "\" is longer than " + std::to_string(limit) + " characters");
        return number;
    }

    template <std::size_t N> std::array<char, N> Symbols(const std::string& key, std::string_view allowed) {
        const std::string text = String(key);
        if (text.size() != N)
            Fail(Name(key), "\"" + text + "\" must be " + std::to_string(N) + " characters");
        std::array<char, N> out{};
        for (std::size_t i = 0; i < N; ++i) {
            if (allowed.find(text[i]) == std::string_view::npos)
                Fail(Name(key), "\"" + text + "\" may hold only " + std::string(allowed));
            out[i] = text[i];
        }
        return out;
    }

    TContactId ContactId(const std::string& key) {
        Reader r(Field(key), Name(key));
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
};

void ReadInput(Reader& r, TInputInfo& in) {
    in.Enabled = r.Flag("Enabled");
    in.ReportType = r.Byte("ReportType", Report::Alarm, Report::Data);
    in.Signal = r.Byte("Signal", 0, 3);
    in.ReactionTime = r.Byte("ReactionTime", 1, 255);
    in.RestoreTime = r.Byte("RestoreTime", 1, 255);
    in.LockoutTime = r.Byte("LockoutTime", 1, 255);
    std::uint8_t phone = 0;
    std::uint8_t eventPhone = 0;
    switch (in.ReportType) {
    case Report::Sms:
        phone = eventPhone = r.Phone("SmsPhone");
        break;
    case Report::Clip:
        eventPhone = r.Phone("ClipEventPhone");
        phone = r.Phone("ClipRestorePhone");
        break;
    case Report::Data:
        phone = eventPhone = r.Phone("DataPhone");
        break;
    default:
        phone = eventPhone = r.Phone("AlarmPhone");
        break;
    }
    // As the device keeps them: one phone for every kind, CLIP's event phone apart.
    in.SmsPhone = in.AlarmPhone = in.DataPhone = in.ClipRestorePhone = phone;
    in.ClipEventPhone = eventPhone;
    if (in.ReportType == Report::Data) {
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
    out.StartState = r.Byte("StartState", StartState::Enabled, StartState::Disabled);
    out.WorkType = r.Byte("WorkType", WorkType::Monostable, WorkType::Flash);
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
    p.TestReportType = r.Byte("TestReportType", Report::Sms, Report::Data);
    p.TestDays = r.Byte("TestDays", 0, 30);
    p.TestHours = r.Byte("TestHours", 0, 23);
    p.TestMinutes = r.Byte("TestMinutes", 0, 5);
    if (p.TestDays == 0 && p.TestHours == 0 && p.TestMinutes == 0)
        Reader::Fail("TestMinutes", "a test period of 0 days, 0 hours and 0 minutes is not possible");
    p.TestSmsText.clear();
    p.TestCid = TContactId{};
    switch (p.TestReportType) {
    case Report::Clip:
        p.TestClipPhone1 = r.Phone("TestClipPhone1");
        p.TestClipPhone2 = p.TestSmsPhone = p.TestDataPhone = r.Phone("TestClipPhone2");
        p.TestSmsText = r.SmsText("TestSmsText");
        break;
    case Report::Data:
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
        Reader supply(r.Field("PowerSupply"), r.Name("PowerSupply"));
        print.PowerSupply.Kind = supply.Byte("Kind", PowerKind::PowerUnit, PowerKind::Other);
        print.PowerSupply.OtherText = supply.Has("OtherText") ? supply.String("OtherText") : std::string{};
        if (Utf8Length(print.PowerSupply.OtherText) > PrintLimits::PowerOtherText)
            Reader::Fail(supply.Name("OtherText"),
                         "is longer than " + std::to_string(PrintLimits::PowerOtherText) + " characters");
        supply.Done();
    }
    r.Done();
}

void ReadProject(const Json& root, TProjectInfo& p, TDopPrintInfo* print) {
    Reader r(root, "");
    if (r.Has("PrintData")) {
        Reader data(r.Field("PrintData"), "PrintData");
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
        Reader entry(phones[k - 1], "Phones[" + std::to_string(k) + "]");
        TPhoneInfo& phone = p.Phones[k];
        phone.Number = entry.PhoneNumber("Number", PhoneBookNumberLimit);
        phone.Name = entry.String("Name");
        phone.Empty = phone.Number.empty();
        entry.Done();
    }

    const Json& inputs = r.List("Inputs", InputCount);
    p.ArmConfirmInput = 0;
    for (std::size_t i = 1; i <= InputCount; ++i) {
        Reader entry(inputs[i - 1], "Inputs[" + std::to_string(i) + "]");
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
        Reader entry(outputs[o - 1], "Outputs[" + std::to_string(o) + "]");
        ReadOutput(entry, p.Outputs[o]);
        entry.Done();
    }

    const Json& audio = r.List("AudioParams", 4);
    static constexpr int highs[] = {4, 4, 9, 9};
    for (std::size_t a = 1; a <= 4; ++a) {
        const Json& v = audio[a - 1];
        const std::string name = "AudioParams[" + std::to_string(a) + "]";
        if (!v.is_number_integer())
            Reader::Fail(name, "must be a whole number");
        const long long n = v.get<long long>();
        const int low = a == 4 ? 1 : 0;
        if (n < low || n > highs[a - 1])
            Reader::Fail(name, std::to_string(n) + " is " +
                                   (n < low ? "below " + std::to_string(low)
                                            : "above " + std::to_string(highs[a - 1])));
        p.AudioParams[a] = static_cast<std::uint8_t>(n);
    }

    p.Pin = r.Symbols<4>("Pin", "0123456789");
    p.SmsCentre = r.PhoneNumber("SmsCentre", SmsCentreNumberLimit);
    p.CrowPhone = r.Phone("CrowPhone");
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
    case Report::Clip:
        j["TestClipPhone1"] = p.TestClipPhone1;
        j["TestClipPhone2"] = p.TestClipPhone2;
        j["TestSmsText"] = Text(p.TestSmsText);
        break;
    case Report::Data:
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
                                           TDopPrintInfo* print) {
    const Json root = Json::parse(text, nullptr, false);
    if (root.is_discarded())
        return std::string("not valid JSON");
    TProjectInfo read = project;
    TDopPrintInfo readPrint;
    try {
        ReadProject(root, read, &readPrint);
    } catch (const JsonError& error) {
        return error.Message;
    }
    project = std::move(read);
    if (print)
        *print = std::move(readPrint);
    return std::nullopt;
}

} // namespace korvisel
