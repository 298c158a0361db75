// SPDX-License-Identifier: GPL-3.0-or-later
// One record of a JSON project as the reader takes it: each field checked as it is read, every
// failure naming the field with the records' own numbering ("Inputs[2].Cid"), and values that a
// device image can hold but the configurator would not set kept with a warning, so that every JSON
// written from an image reads back into the same image.
#pragma once

#include "json/JsonShape.h"

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

struct TJsonError {
    std::string Message;
};

using TWarnings = std::vector<std::string>;

class TJsonRecordReader {
public:
    TJsonRecordReader(const Json& object, std::string path, TWarnings& warnings);
    // A record within this one, sharing its warnings.
    TJsonRecordReader Record(const Json& object, const std::string& path) const;
    void Warn(const std::string& key, const std::string& why) const;
    // After the last field: anything not read is a field this record does not have.
    void Done() const;

    // An optional field: whether it is there (and taken as read).
    bool Has(const std::string& key);
    const Json& Field(const std::string& key);

    bool Flag(const std::string& key);
    long long Number(const std::string& key, long long low, long long high);
    // A number the image holds in `low` .. `high`; outside `allowedLow` .. `allowedHigh` it is kept
    // with a warning. `value` may be a bare entry of a list, named `name`.
    long long Kept(const std::string& key, long long low, long long high, long long allowedLow,
                   long long allowedHigh);
    long long KeptValue(const Json& value, const std::string& name, long long low, long long high,
                        long long allowedLow, long long allowedHigh) const;
    std::string String(const std::string& key);
    // The device keeps an SMS text as ten single bytes, shown as Latin-1.
    std::string SmsText(const std::string& key);
    std::string PhoneNumber(const std::string& key, std::size_t limit);
    // Exactly `count` characters of `allowed`.
    std::string Symbols(const std::string& key, std::size_t count, std::string_view allowed);
    // A Contact ID record: its twelve symbols in device order.
    std::string ContactIdSymbols(const std::string& key);
    // A list of exactly `count` entries.
    const Json& List(const std::string& key, std::size_t count);

    std::string Name(const std::string& key) const { return path_.empty() ? key : path_ + "." + key; }
    [[noreturn]] static void Fail(const std::string& field, const std::string& why);

private:
    static long long NumberOf(const Json& value, const std::string& name, long long low, long long high);

    const Json& object_;
    std::string path_;
    std::set<std::string> used_;
    TWarnings& warnings_;
};

} // namespace korvisel
