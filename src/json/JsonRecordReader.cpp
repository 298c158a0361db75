// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/JsonRecordReader.h"

#include "core/PrjTypes.h"
#include "core/SafeText.h"
#include "core/SmsText.h"
#include "fields/FieldTable.h"
#include "i18n/CodePage.h"

#include <optional>

namespace korvisel {

TJsonRecordReader::TJsonRecordReader(const Json& object, std::string path, TWarnings& warnings)
    : object_(object), path_(std::move(path)), warnings_(warnings) {
    if (!object_.is_object())
        Fail(path_.empty() ? "the project" : path_, "must be an object");
}

TJsonRecordReader TJsonRecordReader::Record(const Json& object, const std::string& path) const {
    return TJsonRecordReader(object, path, warnings_);
}

void TJsonRecordReader::Warn(const std::string& key, const std::string& why) const {
    warnings_.push_back(Name(key) + ": " + why);
}

void TJsonRecordReader::Done() const {
    for (const auto& [key, value] : object_.items())
        if (!used_.count(key))
            Fail(Name(key), "is not a field of this record");
}

bool TJsonRecordReader::Has(const std::string& key) {
    used_.insert(key);
    return object_.contains(key);
}

const Json& TJsonRecordReader::Field(const std::string& key) {
    used_.insert(key);
    if (!object_.contains(key))
        Fail(Name(key), "is missing");
    return object_.at(key);
}

bool TJsonRecordReader::Flag(const std::string& key) {
    const Json& v = Field(key);
    if (!v.is_boolean())
        Fail(Name(key), "must be true or false");
    return v.get<bool>();
}

long long TJsonRecordReader::NumberOf(const Json& v, const std::string& name, long long low, long long high) {
    if (!v.is_number_integer())
        Fail(name, "must be a whole number");
    const long long n = v.get<long long>();
    if (n < low)
        Fail(name, std::to_string(n) + " is below " + std::to_string(low));
    if (n > high)
        Fail(name, std::to_string(n) + " is above " + std::to_string(high));
    return n;
}

long long TJsonRecordReader::Number(const std::string& key, long long low, long long high) {
    return NumberOf(Field(key), Name(key), low, high);
}

long long TJsonRecordReader::KeptValue(const Json& value, const std::string& name, long long low,
                                       long long high, long long allowedLow, long long allowedHigh) const {
    const long long n = NumberOf(value, name, low, high);
    if (n < allowedLow || n > allowedHigh)
        warnings_.push_back(name + ": " + std::to_string(n) + " is outside what the configurator sets (" +
                            std::to_string(allowedLow) + " to " + std::to_string(allowedHigh) +
                            "); kept as it is");
    return n;
}

long long TJsonRecordReader::Kept(const std::string& key, long long low, long long high, long long allowedLow,
                                  long long allowedHigh) {
    return KeptValue(Field(key), Name(key), low, high, allowedLow, allowedHigh);
}

std::string TJsonRecordReader::String(const std::string& key) {
    const Json& v = Field(key);
    if (!v.is_string())
        Fail(Name(key), "must be text");
    return v.get<std::string>();
}

std::string TJsonRecordReader::SmsText(const std::string& key) {
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

std::string TJsonRecordReader::PhoneNumber(const std::string& key, std::size_t limit) {
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

std::string TJsonRecordReader::Symbols(const std::string& key, std::size_t count, std::string_view allowed) {
    const std::string text = String(key);
    if (text.size() != count)
        Fail(Name(key), QuotedValue(text) + " must be " + std::to_string(count) + " characters");
    for (const char c : text)
        if (allowed.find(c) == std::string_view::npos)
            Fail(Name(key), QuotedValue(text) + " may hold only " + std::string(allowed));
    return text;
}

std::string TJsonRecordReader::ContactIdSymbols(const std::string& key) {
    TJsonRecordReader r = Record(Field(key), Name(key));
    std::string symbols;
    for (const TContactIdGroup& group : ContactIdGroups)
        symbols += r.Symbols(std::string(group.Name), group.Length, korvisel::ContactIdSymbols);
    r.Done();
    return symbols;
}

const Json& TJsonRecordReader::List(const std::string& key, std::size_t count) {
    const Json& v = Field(key);
    if (!v.is_array() || v.size() != count)
        Fail(Name(key), "must be a list of " + std::to_string(count) + " entries");
    return v;
}

void TJsonRecordReader::Fail(const std::string& field, const std::string& why) {
    throw TJsonError{field + ": " + why};
}

} // namespace korvisel
