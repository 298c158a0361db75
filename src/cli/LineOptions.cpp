// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/LineOptions.h"

#include "link/PortList.h"
#include "link/PortMap.h"

#include <map>

namespace korvisel::cli {
namespace {

TResult<> ApplyLineOption(TCommPortDriverEx& port, const std::string& name, const std::string& value) {
    static const std::map<std::string, TBaudRate> speeds = {
        {"110", br110},   {"300", br300},     {"1200", br1200},   {"2400", br2400},   {"4800", br4800},
        {"9600", br9600}, {"19200", br19200}, {"38400", br38400}, {"57600", br57600}, {"115200", br115200}};
    static const std::map<std::string, TParity> parities = {
        {"none", ptNONE}, {"odd", ptODD}, {"even", ptEVEN}, {"mark", ptMARK}, {"space", ptSPACE}};
    static const std::map<std::string, THwFlowControl> flows = {
        {"none", hfNONE}, {"rts", hfNONERTSON}, {"rtscts", hfRTSCTS}};
    if (name == "--speed" && speeds.count(value)) {
        port.SetBaudRate(speeds.at(value));
    } else if (name == "--data-bits" && value.size() == 1 && value[0] >= '5' && value[0] <= '8') {
        port.SetDataBits(static_cast<TDataBits>(value[0] - '5'));
    } else if (name == "--parity" && parities.count(value)) {
        port.SetParity(parities.at(value));
    } else if (name == "--stop-bits" && (value == "1" || value == "1.5" || value == "2")) {
        port.SetStopBits(value == "1" ? sb1BITS : value == "2" ? sb2BITS : sb1HALFBITS);
    } else if (name == "--flow" && flows.count(value)) {
        port.SetHwFlow(flows.at(value));
    } else if (name == "--xonxoff" && (value == "on" || value == "off")) {
        port.SetSwFlow(value == "on" ? sfXONXOFF : sfNONE);
    } else if (name == "--dtr" && (value == "on" || value == "off")) {
        port.SetEnableDTROnOpen(value == "on");
    } else {
        return TResult<>::Failure(name + " " + value + ": not a valid setting");
    }
    return {};
}

} // namespace

std::vector<std::string> WithOptionValuesSplit(const std::vector<std::string>& args) {
    std::vector<std::string> split;
    for (const std::string& a : args) {
        const std::size_t equals = a.find('=');
        if (a.starts_with("--") && equals != std::string::npos) {
            split.push_back(a.substr(0, equals));
            split.push_back(a.substr(equals + 1));
        } else {
            split.push_back(a);
        }
    }
    return split;
}

TResult<> ParseLineOptions(const std::vector<std::string>& args, TCommPortDriverEx& port,
                           TLineOptions& options) {
    port.SetBaudRate(br9600);
    port.SetHwFlow(hfRTSCTS);
    port.SetCheckLineStatus(true);
    port.SetOutputTimeout(50);
    const std::vector<std::string> split = WithOptionValuesSplit(args);
    for (std::size_t i = 0; i < split.size(); ++i) {
        const std::string& a = split[i];
        if (a == "--no-device-check") {
            port.SetCheckLineStatus(false);
            continue;
        }
        if (a == "--no-backup") {
            options.KeepBackup = false;
            continue;
        }
        if (a == "--all-or-nothing") {
            options.AllOrNothing = true;
            continue;
        }
        if (!a.starts_with("-") || a == "-") {
            options.Operands.push_back(a);
            continue;
        }
        if (i + 1 >= split.size())
            return TResult<>::Failure(a + ": needs a value");
        const std::string& value = split[++i];
        if (a == "--port") {
            options.Ports.push_back(value);
        } else if (a == "--ports") {
            const auto range = ExpandPortRange(value);
            if (!range.Ok())
                return TResult<>::Failure(range.Reason());
            options.Ports.insert(options.Ports.end(), range.Value().begin(), range.Value().end());
        } else if (a == "-o" || a == "--output") {
            options.Output = value;
        } else if (a == "--sites") {
            options.Sites = value;
        } else if (TResult<> applied = ApplyLineOption(port, a, value); !applied.Ok()) {
            return applied;
        }
    }
    if (options.AllOrNothing && options.Sites.empty())
        return TResult<>::Failure("--all-or-nothing: only with --sites");
    if (options.Ports.empty() && options.Sites.empty())
        return TResult<>::Failure("--port: which port? (for example --port COM3)");
    if (const std::string outside = PortOutOfRange(options.Ports); !outside.empty())
        return TResult<>::Failure(outside + ": no such port; ports run from COM1 to COM" +
                                  std::to_string(PortCount));
    if (const std::string twice = PortNamedTwice(options.Ports); !twice.empty())
        return TResult<>::Failure(twice + ": this device is named twice");
    return {};
}

const char* const LineHelp =
    "\nLine options (the configurator's defaults when left out):\n"
    "  --port COMn          the port (or a device path such as /dev/ttyUSB0); required\n"
    "                       (write and read take it once per device)\n"
    "  --ports COMa-COMb    every port from COMa to COMb (write, read, verify --sites)\n"
    "  --speed N            110, 300, 1200, 2400, 4800, 9600 (default), 19200, 38400,\n"
    "                       57600 or 115200 bits per second\n"
    "  --data-bits N        5, 6, 7 or 8 (default)\n"
    "  --parity P           none (default), odd, even, mark or space\n"
    "  --stop-bits N        1 (default) or 2\n"
    "  --flow F             none, rts (RTS held on) or rtscts (default)\n"
    "  --xonxoff on|off     software flow control (default off)\n"
    "  --dtr on|off         DTR while the port is open (default on)\n"
    "  --no-device-check    send even when no modem line is active (needed for\n"
    "                       korvisel-devsim and cables without modem lines)\n"
    "  --no-backup          keep no copy of what was read or written; by default every\n"
    "                       transfer keeps one in ~/.local/share/korvisel/backups\n";

} // namespace korvisel::cli
