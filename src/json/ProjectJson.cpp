// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/ProjectJson.h"

#include "core/ImageCodes.h"
#include "editor/PrintDataEdits.h"
#include "fields/DeviceImage.h"
#include "fields/FieldTable.h"
#include "i18n/CodePage.h"
#include "json/JsonRecordReader.h"
#include "json/PrintData.h"
#include "json/SiteTemplateJson.h"

#include <span>

namespace korvisel {
namespace {

using Reader = TJsonRecordReader;

// What the device keeps as bytes (SMS texts, numbers, symbols) is shown as Latin-1.
std::string Text(const std::string& deviceBytes) {
    return Latin1ToUtf8(deviceBytes);
}

Json FieldJson(const TFieldRow& row, const TProjectInfo& p, std::size_t n) {
    switch (row.Type) {
    case TFieldType::Flag:
        return row.Access.GetNumber(p, n) != 0;
    case TFieldType::Number:
    case TFieldType::Phone:
        return row.Access.GetNumber(p, n);
    case TFieldType::Name:
        return row.Access.GetText(p, n);
    case TFieldType::ContactId: {
        const std::string symbols = row.Access.GetText(p, n);
        Json cid = Json::object();
        for (const TContactIdGroup& group : ContactIdGroups)
            cid[std::string(group.Name)] = symbols.substr(group.Offset, group.Length);
        return cid;
    }
    default:
        return Text(row.Access.GetText(p, n));
    }
}

// The fields of record n that its report kind uses, in the table's order; an audio parameter, a
// record of one unnamed field, is its bare value.
Json RecordJson(std::span<const TFieldRow> rows, const TProjectInfo& p, std::size_t n) {
    Json j = Json::object();
    for (const TFieldRow& row : rows) {
        const TRecordRange records = RecordsOf(row);
        if (n < records.First || n > records.Last || !GateOpen(row.When, GatingKind(p, row.Scope, n)))
            continue;
        if (row.Name.empty())
            return FieldJson(row, p, n);
        j[std::string(row.Name)] = FieldJson(row, p, n);
    }
    return j;
}

// Each run of rows of one scope, as they follow each other in the table: the project's own fields
// at the top of the format, a list of records for the rest.
template <typename Visit> void ForEachRun(Visit&& visit) {
    const std::span<const TFieldRow> rows = FieldRows();
    for (std::size_t at = 0; at < rows.size();) {
        std::size_t end = at;
        while (end < rows.size() && rows[end].Scope == rows[at].Scope)
            ++end;
        visit(rows.subspan(at, end - at), rows[at].Scope);
        at = end;
    }
}

// A field read into record n: checked against what a file may hold, and kept with a warning where
// the configurator would not set it.
void ReadField(Reader& r, const TFieldRow& row, TProjectInfo& p, std::size_t n) {
    const std::string key(row.Name);
    const TFieldAccess& to = row.Access;
    switch (row.Type) {
    case TFieldType::Flag: {
        const bool set = r.Flag(key);
        for (std::size_t other = 1; set && !row.OnlyOne.empty() && other <= RecordCount(row.Scope); ++other)
            if (other != n && to.GetNumber(p, other) != 0)
                Reader::Fail(r.Name(key), std::string(row.OnlyOne));
        to.SetNumber(p, n, set);
        break;
    }
    case TFieldType::Number:
    case TFieldType::Phone:
        to.SetNumber(p, n, r.Kept(key, row.Limits.Low, row.Limits.High, row.Settable.Low, row.Settable.High));
        break;
    case TFieldType::SmsText:
        to.SetText(p, n, r.SmsText(key));
        break;
    case TFieldType::PhoneNumber:
        to.SetText(p, n, r.PhoneNumber(key, static_cast<std::size_t>(row.Limits.High)));
        break;
    case TFieldType::Name:
        to.SetText(p, n, r.String(key));
        break;
    case TFieldType::ContactId:
        to.SetText(p, n, r.ContactIdSymbols(key));
        break;
    case TFieldType::Symbols:
        to.SetText(p, n, r.Symbols(key, static_cast<std::size_t>(row.Limits.High), row.Limits.Allowed));
        break;
    }
    if (row.Doubt)
        if (const TDoubt doubt = row.Doubt(p); doubt.Kind != TDoubtKind::None)
            r.Warn(key, std::string(doubt.Words));
}

// Record n's fields of its report kind, then the others as an image would give them: a phone that
// shares a descriptor takes the phone written there, any other field its empty value.
void ReadRecord(Reader& r, std::span<const TFieldRow> rows, TProjectInfo& p, std::size_t n) {
    TDeviceImage slots{};
    for (const TFieldRow& row : rows)
        if (GateOpen(row.When, GatingKind(p, row.Scope, n))) {
            ReadField(r, row, p, n);
            if (row.SharesItsSlot)
                for (const TImagePlace& at : row.Packed)
                    if (at.Encoding == TEncoding::Descriptor)
                        slots[at.Offset] = ReportDescriptor(
                            at.First, at.Kind, static_cast<std::uint8_t>(row.Access.GetNumber(p, n)));
        }
    for (const TFieldRow& row : rows) {
        if (GateOpen(row.When, GatingKind(p, row.Scope, n)))
            continue;
        if (row.SharesItsSlot)
            row.Access.SetNumber(p, n, LowNibble(slots[UnpackedPlace(row).Offset]));
        else if (row.Access.SetText)
            row.Access.SetText(p, n, EmptyText(row));
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
        print.PowerSupply.Kind =
            static_cast<std::uint8_t>(supply.Number("Kind", PowerKind::PowerUnit, PowerKind::Other));
        print.PowerSupply.OtherText = supply.Has("OtherText") ? supply.String("OtherText") : std::string{};
        if (Utf8Length(print.PowerSupply.OtherText) > PrintLimits::PowerOtherText)
            Reader::Fail(supply.Name("OtherText"),
                         "is longer than " + std::to_string(PrintLimits::PowerOtherText) + " characters");
        supply.Done();
    }
    r.Done();
}

void ReadProject(const Json& root, TProjectInfo& p, TDopPrintInfo* print, TSiteOrigin& origin,
                 TWarnings& warnings) {
    Reader r(root, "", warnings);
    if (r.Has("Template"))
        origin = SiteOriginFromJson(r.Field("Template"), "Template");
    if (r.Has("PrintData")) {
        Reader data = r.Record(r.Field("PrintData"), "PrintData");
        TDopPrintInfo read;
        ReadPrintData(data, read);
        if (print)
            *print = std::move(read);
    }
    ForEachRun([&](std::span<const TFieldRow> run, TFieldScope scope) {
        if (scope == TFieldScope::Project) {
            ReadRecord(r, run, p, 1);
            return;
        }
        const std::string list(RecordListName(scope));
        const Json& entries = r.List(list, RecordCount(scope));
        for (std::size_t n = 1; n <= RecordCount(scope); ++n) {
            const std::string name = list + "[" + std::to_string(n) + "]";
            // An audio parameter is its bare value.
            if (run.front().Name.empty()) {
                const TFieldRow& row = run[n - 1];
                row.Access.SetNumber(p, n,
                                     r.KeptValue(entries[n - 1], name, row.Limits.Low, row.Limits.High,
                                                 row.Settable.Low, row.Settable.High));
                continue;
            }
            Reader entry = r.Record(entries[n - 1], name);
            ReadRecord(entry, run, p, n);
            entry.Done();
        }
    });
    r.Done();
}

} // namespace

std::string ProjectToJson(const TProjectInfo& p, const TSiteOrigin& origin) {
    Json j = Json::object();
    if (!origin.Template.empty())
        j["Template"] = SiteOriginJson(origin);
    ForEachRun([&](std::span<const TFieldRow> run, TFieldScope scope) {
        if (scope == TFieldScope::Project) {
            const Json fields = RecordJson(run, p, 1);
            for (const auto& [key, value] : fields.items())
                j[key] = value;
            return;
        }
        Json& list = j[std::string(RecordListName(scope))] = Json::array();
        for (std::size_t n = 1; n <= RecordCount(scope); ++n)
            list.push_back(RecordJson(run, p, n));
    });
    // A site's values were typed, not checked as the fields are: whatever they hold is written out.
    return j.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::optional<std::string> ProjectFromJson(const std::string& text, TProjectInfo& project,
                                           TDopPrintInfo* print, std::vector<std::string>* warnings,
                                           TSiteOrigin* origin) {
    // The parser takes a NUL for the end of the text: whatever follows one would pass unread.
    if (const std::size_t nul = text.find('\0'); nul != std::string::npos)
        return "a NUL byte at byte " + std::to_string(nul + 1) + " of the text";
    JsonShape shape;
    if (!Json::sax_parse(text, &shape))
        return shape.Problem.empty() ? std::string("not valid JSON") : shape.Problem;
    const Json root = Json::parse(text, nullptr, false);
    if (root.is_discarded())
        return std::string("not valid JSON");
    TProjectInfo read;
    TDopPrintInfo readPrint;
    TSiteOrigin readOrigin;
    TWarnings found;
    try {
        ReadProject(root, read, &readPrint, readOrigin, found);
    } catch (const TJsonError& error) {
        return error.Message;
    }
    project = std::move(read);
    if (print)
        *print = std::move(readPrint);
    if (warnings)
        *warnings = std::move(found);
    if (origin)
        *origin = std::move(readOrigin);
    return std::nullopt;
}

} // namespace korvisel
