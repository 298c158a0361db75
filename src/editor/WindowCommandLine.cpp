// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/WindowCommandLine.h"

#include <algorithm>
#include <string_view>

namespace korvisel {
namespace {

// Qt's own options (QGuiApplication, QApplication and the X11 platform), with one or two dashes,
// which Qt takes out of the command line itself; those of the first list take a value, after a blank
// or an equals sign.
constexpr std::string_view QtOptionsWithValue[] = {"platform",
                                                   "platformpluginpath",
                                                   "platformtheme",
                                                   "plugin",
                                                   "qwindowgeometry",
                                                   "geometry",
                                                   "qwindowtitle",
                                                   "title",
                                                   "qwindowicon",
                                                   "icon",
                                                   "session",
                                                   "display",
                                                   "name",
                                                   "style",
                                                   "stylesheet"};
constexpr std::string_view QtFlags[] = {"reverse", "widgetcount", "qmljsdebugger", "nograb",
                                        "dograb",  "sync",        "testability"};

bool OneOf(std::string_view name, const auto& names) {
    return std::find(std::begin(names), std::end(names), name) != std::end(names);
}

TWindowArguments UsageError(const std::string& argument, const char* why) {
    return {TWindowCommand::UsageError, std::nullopt, argument + ": " + why};
}

} // namespace

TWindowArguments ParseWindowArguments(const std::vector<std::string>& arguments) {
    TWindowArguments parsed;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h")
            return {TWindowCommand::Help, std::nullopt, {}};
        if (argument == "--version")
            return {TWindowCommand::Version, std::nullopt, {}};
        if (argument.size() > 1 && argument[0] == '-') {
            std::string_view name(argument);
            name.remove_prefix(name.starts_with("--") ? 2 : 1);
            const std::size_t equals = name.find('=');
            if (OneOf(name.substr(0, equals), QtOptionsWithValue)) {
                if (equals == std::string_view::npos)
                    ++i;
                continue;
            }
            if (OneOf(name.substr(0, equals), QtFlags))
                continue;
            return UsageError(argument, "unknown option");
        }
        if (parsed.File)
            return UsageError(argument, "only one file can be opened");
        parsed.File = argument;
    }
    return parsed;
}

} // namespace korvisel
