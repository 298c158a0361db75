// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PortListing.h"

#include "core/SafeText.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace korvisel::cli {
namespace {

const char* const DialoutHint =
    "add the user to the dialout group (sudo usermod -aG dialout $USER) and log in again";

const char* StateName(TPortState state) {
    switch (state) {
    case TPortState::Free:
        return "available";
    case TPortState::Busy:
        return "busy";
    case TPortState::Denied:
        return "denied";
    case TPortState::Absent:
        break;
    }
    return "absent";
}

std::string StateText(const TPortRow& row) {
    switch (row.State) {
    case TPortState::Busy:
        return row.Holder.empty() ? "busy: another program holds it" : "busy: held by " + row.Holder;
    case TPortState::Denied:
        return std::string("permission denied: ") + DialoutHint;
    default:
        return StateName(row.State);
    }
}

std::string Padded(std::string text, std::size_t width) {
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

} // namespace

std::string PortRowsText(const std::vector<TPortRow>& rows) {
    std::size_t width = 1;
    for (const TPortRow& row : rows)
        width = std::max(width, EscapedText(row.Device).size());
    std::string text;
    for (const TPortRow& row : rows) {
        const std::string device = row.Device.empty() ? "-" : EscapedText(row.Device);
        text += Padded(row.Port, 6) + " " + Padded(device, width) + "  " + StateText(row) + "\n";
    }
    return text;
}

std::string PortRowsJson(const std::vector<TPortRow>& rows) {
    nlohmann::json list = nlohmann::json::array();
    for (const TPortRow& row : rows) {
        nlohmann::json entry = {
            {"port", row.Port},
            {"device", row.Device.empty() ? nlohmann::json() : nlohmann::json(row.Device)},
            {"state", StateName(row.State)}};
        if (!row.Holder.empty())
            entry["holder"] = row.Holder;
        if (row.State == TPortState::Denied)
            entry["hint"] = DialoutHint;
        list.push_back(std::move(entry));
    }
    // A device path is the user's own link target: bytes that are not UTF-8 are replaced, not fatal.
    return list.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
}

} // namespace korvisel::cli
