// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/PortOpening.h"

#include "link/PortMap.h"

namespace korvisel {
namespace {

std::string PortDescription(const std::string& port) {
    const auto path = ResolvePortPath(port);
    return path && *path != port ? port + " (" + *path + ")" : port;
}

} // namespace

TResult<> OpenPort(TCommPortDriverEx& port, const std::string& name, const TLanguageTexts* texts) {
    const std::string display =
        name.starts_with("/") ? name : name.substr(name.starts_with("\\\\.\\") ? 4 : 0);
    port.SetPortName(name.starts_with("/") ? name : std::string(DevicePathPrefix) + display);
    if (!port.Connect())
        return TResult<>::Failure(PortDescription(display) + ": " +
                                  (texts ? TextOf(port.LastFailure(), *texts) : port.LastError()));
    return {};
}

} // namespace korvisel
