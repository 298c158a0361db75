// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortList.h"

#include "link/PortMap.h"

#include "core/AsciiText.h"

#include <filesystem>
#include <optional>
#include <set>

namespace korvisel {

namespace {

// The number of a plain port name ("COM5", any case), nothing for anything else.
std::optional<int> PlainPortNumber(std::string_view name) {
    const auto number = PortNumberOfName(name);
    if (number && AsciiUpper(name) == "COM" + std::to_string(*number))
        return number;
    return std::nullopt;
}

} // namespace

TResult<std::vector<std::string>> ExpandPortRange(std::string_view text) {
    using TPorts = TResult<std::vector<std::string>>;
    const std::size_t dash = text.find('-');
    const std::string_view first = text.substr(0, dash);
    const std::string_view last = dash == std::string_view::npos ? first : text.substr(dash + 1);
    const auto from = PlainPortNumber(first);
    const auto to = PlainPortNumber(last);
    if (!from || !to)
        return TPorts::Failure(std::string(text) + ": not a range of ports such as COM5-COM12");
    if (*to < *from)
        return TPorts::Failure(std::string(text) + ": the range runs backwards");
    if (const std::string outside = PortOutOfRange({std::string(first), std::string(last)}); !outside.empty())
        return TPorts::Failure(std::string(text) + ": " + outside +
                               " is no port; ports run from COM1 to COM" + std::to_string(PortCount));
    std::vector<std::string> ports;
    for (int n = *from; n <= *to; ++n)
        ports.push_back("COM" + std::to_string(n));
    return ports;
}

std::string PortOutOfRange(const std::vector<std::string>& ports) {
    for (const std::string& port : ports)
        if (const auto number = PlainPortNumber(port); number && (*number < 1 || *number > PortCount))
            return port;
    return {};
}

std::string PortNamedTwice(const std::vector<std::string>& ports) {
    std::set<int> numbers;
    std::set<std::string> devices;
    for (const std::string& port : ports) {
        const auto number = PortNumberOfName(port);
        if (number && !port.starts_with("/") && !numbers.insert(*number).second)
            return port;
        const auto path = ResolvePortPath(port);
        if (!path)
            continue;
        std::error_code ignored;
        const std::filesystem::path device = std::filesystem::weakly_canonical(*path, ignored);
        if (!devices.insert(device.empty() ? *path : device.string()).second)
            return port;
    }
    return {};
}

} // namespace korvisel
