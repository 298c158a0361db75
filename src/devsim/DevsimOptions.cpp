// SPDX-License-Identifier: GPL-3.0-or-later
#include "devsim/DevsimOptions.h"

#include "core/Result.h"
#include "link/PortMap.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <getopt.h>
#include <iterator>
#include <set>

namespace korvisel::devsim {

const char* const Usage = R"(Usage: korvisel-devsim [options] [--port COMn [device options]] ...

Simulates the CPU block of one or more devices, each on a pseudo-terminal linked into the port map
as a numbered port, so that the configurator can write a project to it and read it back. The links
are removed when the simulator ends (Ctrl+C).

A pseudo-terminal has no modem lines: turn "Device Check" off for the port, or every send stops.

Options:
  --port COMn         a device on this port (default: one on COM9); give it once per device
  --count N           N devices on consecutive ports, from the one --port given (default COM9)
  --help              show this text
  --version           show the version of korvisel-devsim

Device options (before the first --port: for every device; after a --port: for that one):
  --load FILE         start with the block of this project file (.KV690) instead of a default project
  --save FILE         write every committed block to this project file
  --firmware TEXT     the firmware version to report (default 2.59)
  --no-answer         answer nothing at all
  --one-byte          answer the link test with a single "O"
  --lower-ok          answer the link test with "ok"
  --o-then-k          answer the link test with "O" and a lower-case "k"
  --echo-drop-plus    leave out the first "+" when echoing a block
  --no-version        do not answer the version request
  --wrong-checksum    return the stored block with a damaged checksum
  --extra-data N      return N more bytes after the stored block
  --short-data N      return only the first N bytes of the stored block (0: only the
                      end marker "@@@@@")

Exit status:
  0    ended by Ctrl+C (or SIGTERM)
  1    a pseudo-terminal or a port link could not be made, or a file could not be read
  2    usage error
)";

namespace {

// The options that each make a device misbehave in one way.
struct TFaultOption {
    const char* Name;
    bool TDeviceFaults::*Flag;
};
constexpr TFaultOption FaultOptions[] = {
    {"no-answer", &TDeviceFaults::NoAnswer},           {"one-byte", &TDeviceFaults::OneByteAnswer},
    {"lower-ok", &TDeviceFaults::LowerCaseOk},         {"o-then-k", &TDeviceFaults::OThenLowerK},
    {"echo-drop-plus", &TDeviceFaults::EchoDropsPlus}, {"no-version", &TDeviceFaults::NoVersion},
    {"wrong-checksum", &TDeviceFaults::WrongChecksum},
};

bool ParseCount(const char* text, std::size_t limit, std::size_t& out) {
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value > limit)
        return false;
    out = static_cast<std::size_t>(value);
    return true;
}

int Mistake(const std::string& what) {
    std::fprintf(stderr, "korvisel-devsim: %s\n", what.c_str());
    return 2;
}

// The devices of --count N from the first port on, or the message why they cannot be.
TResult<> CountedDevices(std::size_t count, std::vector<TDeviceSetup>& devices,
                         const TDeviceSetup& defaults) {
    if (devices.size() > 1)
        return TResult<>::Failure("--count goes with at most one --port");
    const TDeviceSetup first = devices.empty() ? defaults : devices.front();
    const int from = *PortNumberOfName(first.Port);
    if (count == 0 || from + static_cast<int>(count) - 1 > PortCount)
        return TResult<>::Failure("--count " + std::to_string(count) + " from " + first.Port +
                                  " goes beyond COM" + std::to_string(PortCount));
    if (count > 1 && !first.Save.empty())
        return TResult<>::Failure("--save names one file; give each device its own --port and --save");
    devices.clear();
    for (std::size_t n = 0; n < count; ++n) {
        devices.push_back(first);
        devices.back().Port = "COM" + std::to_string(from + static_cast<int>(n));
    }
    return {};
}

} // namespace

int ParseOptions(int argc, char** argv, std::vector<TDeviceSetup>& devices) {
    enum { Port = 1000, Count, Load, Save, Firmware, ExtraData, ShortData, Help, Version, FirstFault };
    std::vector<option> longOptions = {
        {"port", required_argument, nullptr, Port},
        {"count", required_argument, nullptr, Count},
        {"load", required_argument, nullptr, Load},
        {"save", required_argument, nullptr, Save},
        {"firmware", required_argument, nullptr, Firmware},
        {"extra-data", required_argument, nullptr, ExtraData},
        {"short-data", required_argument, nullptr, ShortData},
        {"help", no_argument, nullptr, Help},
        {"version", no_argument, nullptr, Version},
    };
    for (std::size_t n = 0; n < std::size(FaultOptions); ++n)
        longOptions.push_back({FaultOptions[n].Name, no_argument, nullptr, FirstFault + static_cast<int>(n)});
    longOptions.push_back({nullptr, 0, nullptr, 0});
    optind = 0; // getopt keeps its place between calls; each parse starts from the first argument
    devices.clear();
    TDeviceSetup defaults;
    std::optional<std::size_t> count;
    for (int c; (c = ::getopt_long(argc, argv, "", longOptions.data(), nullptr)) != -1;) {
        TDeviceSetup& setup = devices.empty() ? defaults : devices.back();
        std::size_t size = 0;
        switch (c) {
        case Port:
            if (!PortNumberOfName(optarg))
                return Mistake(std::string(optarg) + " is not a numbered port such as COM9");
            devices.push_back(defaults);
            devices.back().Port = optarg;
            break;
        case Count:
            if (!ParseCount(optarg, PortCount, size))
                return Mistake(std::string(optarg) + " is not a number of devices (1 to 16)");
            count = size;
            break;
        case Load:
            setup.Load = optarg;
            break;
        case Save:
            setup.Save = optarg;
            break;
        case Firmware:
            setup.Version = optarg;
            break;
        case ExtraData:
        case ShortData:
            if (!ParseCount(optarg, 1'000'000, size))
                return Mistake(std::string(optarg) + " is not a byte count");
            if (c == ExtraData)
                setup.Faults.ExtraData = size;
            else
                setup.Faults.ShortData = size;
            break;
        case Help:
            std::fputs(Usage, stdout);
            return 0;
        case Version:
            std::printf("korvisel-devsim %s\n", KORVISEL_VERSION);
            return 0;
        default:
            if (c >= FirstFault && c < FirstFault + static_cast<int>(std::size(FaultOptions))) {
                setup.Faults.*FaultOptions[c - FirstFault].Flag = true;
                break;
            }
            std::fputs(Usage, stderr);
            return 2;
        }
    }
    if (optind < argc)
        return Mistake(std::string("unexpected argument ") + argv[optind]);
    if (count) {
        if (const TResult<> counted = CountedDevices(*count, devices, defaults); !counted.Ok())
            return Mistake(counted.Reason());
    }
    if (devices.empty())
        devices.push_back(defaults);
    std::set<int> ports;
    for (const TDeviceSetup& device : devices)
        if (!ports.insert(*PortNumberOfName(device.Port)).second)
            return Mistake(device.Port + " is given twice");
    return -1;
}

} // namespace korvisel::devsim
