// SPDX-License-Identifier: GPL-3.0-or-later
// The Contact ID event codes with what they mean, in English and in Russian: the code library that
// the DATA pages pick from and that the summaries, the report and the command line explain codes by.
#pragma once

#include "core/PrjTypes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvisel {

struct TContactIdCode {
    std::string_view Code; // three digits
    std::string_view English;
    std::string_view Russian;
};

enum class TCodeLanguage { English, Russian };

// Every code, sorted by code.
std::span<const TContactIdCode> ContactIdCodes();

// The entry of a code; nullptr for a code the list does not have (it stays a valid code to send).
const TContactIdCode* FindContactIdCode(std::string_view code);

// What a code means in a language; empty for an unknown code.
std::string_view ContactIdCodeMeaning(std::string_view code, TCodeLanguage language);

// The three code symbols of a Contact ID field.
std::string ContactIdCodeOf(const TContactId& field);

// "130 Burglary": the code of a field and what it means; the code alone when it is unknown.
std::string ContactIdCodeWithMeaning(const TContactId& field, TCodeLanguage language);

// The entries a filter text leaves, in code order. Every blank-separated word of the filter must
// match: a code that begins with it, or either description that holds it, without regard to case.
std::vector<const TContactIdCode*> FilterContactIdCodes(std::string_view filter);

// The code library dialog as the DATA pages use it: shown with a code selected, it returns the code
// the user chose, or nothing.
class ICodeLibraryDialog {
public:
    virtual ~ICodeLibraryDialog() = default;
    virtual std::optional<std::string> ChooseCode(const std::string& current) = 0;
};

} // namespace korvisel
