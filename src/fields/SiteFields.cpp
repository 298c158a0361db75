// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/SiteFields.h"

#include "core/SafeText.h"
#include "core/SmsText.h"
#include "i18n/CodePage.h"

#include <algorithm>

namespace korvisel {
namespace {

// Numbers, flags and phone-book references shape the standard the template sets, not the site;
// phone names are no device's.
bool SetPerSite(const TFieldRow& row) {
    switch (row.Type) {
    case TFieldType::PhoneNumber:
    case TFieldType::SmsText:
    case TFieldType::ContactId:
    case TFieldType::Symbols:
        return true;
    default:
        return false;
    }
}

std::string RecordName(const TFieldRow& row, std::size_t n) {
    if (row.Scope == TFieldScope::Project)
        return std::string(row.Name);
    return std::string(RecordListName(row.Scope)) + "[" + std::to_string(n) + "]." + std::string(row.Name);
}

TResult<> Refused(std::string_view cell, const std::string& why) {
    return TResult<>::Failure(QuotedValue(cell) + " " + why);
}

TResult<> SetPhoneNumber(const TSiteField& field, TProjectInfo& p, std::string_view cell) {
    const auto limit = static_cast<std::size_t>(field.Row->Settable.High);
    for (std::size_t i = 0; i < cell.size(); ++i)
        if (!(cell[i] >= '0' && cell[i] <= '9') && !(cell[i] == '+' && i == 0))
            return Refused(cell, "may hold only digits and a leading +");
    if (cell.size() > limit)
        return Refused(cell, "is longer than " + std::to_string(limit) + " characters");
    field.Row->Access.SetText(p, field.Record, cell);
    return {};
}

TResult<> SetSmsText(const TSiteField& field, TProjectInfo& p, std::string_view cell) {
    const std::optional<std::string> bytes = Utf8ToLatin1(cell);
    if (!bytes || !IsSmsText(*bytes))
        return Refused(cell, "holds a character the SMS table does not have");
    if (bytes->size() > SmsTextLimit)
        return Refused(cell, "is longer than " + std::to_string(SmsTextLimit) + " characters");
    field.Row->Access.SetText(p, field.Record, *bytes);
    return {};
}

// The page takes a symbol typed in lower case as its capital.
TResult<> SetContactIdGroup(const TSiteField& field, TProjectInfo& p, std::string_view cell) {
    const TContactIdGroup& group = *field.Group;
    std::string symbols(cell);
    std::transform(symbols.begin(), symbols.end(), symbols.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    const std::string_view allowed = ContactIdSymbols;
    if (symbols.size() != group.Length ||
        !std::all_of(symbols.begin(), symbols.end(), [&](char c) { return allowed.find(c) != allowed.npos; }))
        return Refused(cell,
                       "must be " + std::to_string(group.Length) + " characters of " + std::string(allowed));
    std::string whole = field.Row->Access.GetText(p, field.Record);
    whole.replace(group.Offset, group.Length, symbols);
    field.Row->Access.SetText(p, field.Record, whole);
    return {};
}

TResult<> SetSymbols(const TSiteField& field, TProjectInfo& p, std::string_view cell) {
    const TFieldLimits& rule = field.Row->Settable;
    const auto length = static_cast<std::size_t>(rule.High);
    if (cell.size() != length || !std::all_of(cell.begin(), cell.end(), [&](char c) {
            return rule.Allowed.find(c) != rule.Allowed.npos;
        }))
        return Refused(cell,
                       "must be " + std::to_string(length) + " characters of " + std::string(rule.Allowed));
    field.Row->Access.SetText(p, field.Record, cell);
    return {};
}

} // namespace

std::vector<TSiteField> SiteFields() {
    std::vector<TSiteField> fields;
    for (const TFieldRow& row : FieldRows()) {
        if (!SetPerSite(row))
            continue;
        const TRecordRange records = RecordsOf(row);
        for (std::size_t n = records.First; n <= records.Last; ++n) {
            if (row.Type != TFieldType::ContactId) {
                fields.push_back({RecordName(row, n), &row, n, nullptr});
                continue;
            }
            for (const TContactIdGroup& group : ContactIdGroups)
                fields.push_back({RecordName(row, n) + "." + std::string(group.Name), &row, n, &group});
        }
    }
    return fields;
}

std::optional<TSiteField> FindSiteField(std::string_view name) {
    static const std::vector<TSiteField> fields = SiteFields();
    for (const TSiteField& field : fields)
        if (field.Name == name)
            return field;
    return std::nullopt;
}

bool SiteFieldUsed(const TSiteField& field, const TProjectInfo& project) {
    return GateOpen(field.Row->When, GatingKind(project, field.Row->Scope, field.Record));
}

std::string SiteFieldValue(const TSiteField& field, const TProjectInfo& project) {
    const std::string text = field.Row->Access.GetText(project, field.Record);
    if (field.Group)
        return text.substr(field.Group->Offset, field.Group->Length);
    return field.Row->Type == TFieldType::SmsText ? Latin1ToUtf8(text) : text;
}

TResult<> SetSiteField(const TSiteField& field, TProjectInfo& project, std::string_view cell) {
    const bool clears = cell == ClearingCell;
    switch (field.Row->Type) {
    case TFieldType::PhoneNumber:
        return SetPhoneNumber(field, project, clears ? std::string_view() : cell);
    case TFieldType::SmsText:
        return SetSmsText(field, project, clears ? std::string_view() : cell);
    case TFieldType::ContactId:
        // An empty Contact ID edit holds a zero.
        return SetContactIdGroup(field, project, clears ? std::string(field.Group->Length, '0') : cell);
    default:
        // A PIN has no empty value: its page always holds four digits.
        return SetSymbols(field, project, cell);
    }
}

} // namespace korvisel
