// SPDX-License-Identifier: GPL-3.0-or-later
#include "json/PrintData.h"

#include "core/SafeText.h"
#include "editor/PrintDataEdits.h"

namespace korvisel {
namespace {

std::optional<std::string> Check(const std::string& value, std::size_t limit, std::string_view allowed = {},
                                 bool leadingPlus = false) {
    if (Utf8Length(value) > limit)
        return QuotedValue(value) + " is longer than " + std::to_string(limit) + " characters";
    if (!allowed.empty())
        for (std::size_t i = 0; i < value.size(); ++i)
            if (allowed.find(value[i]) == std::string_view::npos &&
                !(leadingPlus && i == 0 && value[i] == '+'))
                return QuotedValue(value) + " may hold only " + std::string(allowed) +
                       (leadingPlus ? " and a leading +" : "");
    return std::nullopt;
}

} // namespace

std::optional<std::string> SetPrintDataField(TDopPrintInfo& print, std::string_view field,
                                             const std::string& value) {
    std::optional<std::string> error;
    if (field == "SerialNumber") {
        if (!(error = Check(value, PrintLimits::SerialNumber)))
            ChangeSerialNumber(print, value);
    } else if (field == "FirmwareVersion") {
        if (!(error = Check(value, PrintLimits::FirmwareVersion, "0123456789.")))
            print.FirmwareVersion = value;
    } else if (field == "SimPhone") {
        if (!(error = Check(value, PrintLimits::SimPhone, "0123456789", true)))
            print.SimPhone = value;
    } else if (field == "RegNumber") {
        if (!(error = Check(value, PrintLimits::RegNumber)))
            print.RegNumber = value;
    } else if (field == "Comment") {
        if (!(error = Check(value, PrintLimits::Comment)))
            print.Comment = CommentFromText(value);
    } else {
        error = "not a field of the print data";
    }
    return error;
}

void SetPowerSupply(TDopPrintInfo& print, const std::string& value) {
    if (value == "unit")
        print.PowerSupply = {PowerKind::PowerUnit, print.PowerSupply.OtherText};
    else if (value == "accumulator")
        print.PowerSupply = {PowerKind::Accumulator, print.PowerSupply.OtherText};
    else
        print.PowerSupply = {PowerKind::Other, ApplyFortyCharacterRule(value).Text};
}

} // namespace korvisel
