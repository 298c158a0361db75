// SPDX-License-Identifier: GPL-3.0-or-later
// The serial line options that korvisel-cli's transfer commands share.
#pragma once

#include "core/Result.h"
#include "link/ScanningSerialPort.h"

#include <string>
#include <vector>

namespace korvisel::cli {

struct TLineOptions {
    std::vector<std::string> Ports; // --port, once per device, and --ports ranges
    std::string Output;
    std::vector<std::string> Operands;
    bool KeepBackup = true;
    std::string Sites;         // --sites: the sites table, each row its own project and port
    bool AllOrNothing = false; // --all-or-nothing: with --sites, no device unless every row can go
};

// "--speed=19200" as "--speed" "19200", as getopt_long takes it; other arguments stay as they are.
std::vector<std::string> WithOptionValuesSplit(const std::vector<std::string>& args);

// Parses --port, --ports, the line settings and -o into `port` and `options`; the CPU port starts
// from the settings dialog's design values: 9600 bits per second, 8 data bits, no parity, 1 stop
// bit, RTS/CTS, DTR on, Device Check on. A device named twice is refused; no port is needed with
// --sites, whose table may name them. A failure names the mistake.
TResult<> ParseLineOptions(const std::vector<std::string>& args, TCommPortDriverEx& port,
                           TLineOptions& options);

extern const char* const LineHelp;

} // namespace korvisel::cli
