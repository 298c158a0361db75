// korvisel-devsim: a device on a pseudo-terminal that answers the CPU block exchange, so that the
// configurator can write and read a project without hardware.
#include "core/DeviceImage.h"
#include "files/FileIo.h"
#include "files/ProjectFile.h"
#include "link/PortMap.h"
#include "link/SimulatedDevice.h"
#include "link/TransferProtocol.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <getopt.h>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

using namespace korvisel;

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

const char* const Usage = R"(Usage: korvisel-devsim [options]

Simulates the device's CPU block on a pseudo-terminal and links it into the port map as a numbered
port, so that the configurator can write a project to it and read it back. The link is removed when
the simulator ends (Ctrl+C).

A pseudo-terminal has no modem lines: turn "Device Check" off for the port, or every send stops.

Options:
  --port COMn         the port name to link (default COM9)
  --load FILE         start with the block of this project file (.KV690) instead of a default project
  --save FILE         write every committed block to this project file
  --version TEXT      the firmware version to report (default 2.59)
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
  --help              show this text
)";

struct Options {
    std::string Port = "COM9";
    std::string Load;
    std::string Save;
    std::string Version = "2.59";
    TDeviceFaults Faults;
};

bool ParseSize(const char* text, std::size_t& out) {
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value > 1'000'000)
        return false;
    out = static_cast<std::size_t>(value);
    return true;
}

int ParseOptions(int argc, char** argv, Options& options) {
    enum {
        Port = 1000,
        Load,
        Save,
        Version,
        NoAnswer,
        OneByte,
        LowerOk,
        OThenK,
        EchoDropPlus,
        NoVersion,
        WrongChecksum,
        ExtraData,
        ShortData,
        Help
    };
    static const option longOptions[] = {
        {"port", required_argument, nullptr, Port},
        {"load", required_argument, nullptr, Load},
        {"save", required_argument, nullptr, Save},
        {"version", required_argument, nullptr, Version},
        {"no-answer", no_argument, nullptr, NoAnswer},
        {"one-byte", no_argument, nullptr, OneByte},
        {"lower-ok", no_argument, nullptr, LowerOk},
        {"o-then-k", no_argument, nullptr, OThenK},
        {"echo-drop-plus", no_argument, nullptr, EchoDropPlus},
        {"no-version", no_argument, nullptr, NoVersion},
        {"wrong-checksum", no_argument, nullptr, WrongChecksum},
        {"extra-data", required_argument, nullptr, ExtraData},
        {"short-data", required_argument, nullptr, ShortData},
        {"help", no_argument, nullptr, Help},
        {nullptr, 0, nullptr, 0},
    };
    for (int c; (c = ::getopt_long(argc, argv, "", longOptions, nullptr)) != -1;) {
        switch (c) {
        case Port:
            options.Port = optarg;
            break;
        case Load:
            options.Load = optarg;
            break;
        case Save:
            options.Save = optarg;
            break;
        case Version:
            options.Version = optarg;
            break;
        case NoAnswer:
            options.Faults.NoAnswer = true;
            break;
        case OneByte:
            options.Faults.OneByteAnswer = true;
            break;
        case LowerOk:
            options.Faults.LowerCaseOk = true;
            break;
        case OThenK:
            options.Faults.OThenLowerK = true;
            break;
        case EchoDropPlus:
            options.Faults.EchoDropsPlus = true;
            break;
        case NoVersion:
            options.Faults.NoVersion = true;
            break;
        case WrongChecksum:
            options.Faults.WrongChecksum = true;
            break;
        case ExtraData:
            if (!ParseSize(optarg, options.Faults.ExtraData)) {
                std::fprintf(stderr, "korvisel-devsim: %s is not a byte count\n", optarg);
                return 2;
            }
            break;
        case ShortData: {
            std::size_t count = 0;
            if (!ParseSize(optarg, count)) {
                std::fprintf(stderr, "korvisel-devsim: %s is not a byte count\n", optarg);
                return 2;
            }
            options.Faults.ShortData = count;
            break;
        }
        case Help:
            std::fputs(Usage, stdout);
            return 0;
        default:
            std::fputs(Usage, stderr);
            return 2;
        }
    }
    if (optind < argc) {
        std::fprintf(stderr, "korvisel-devsim: unexpected argument %s\n", argv[optind]);
        return 2;
    }
    if (!PortNumberOfName(options.Port)) {
        std::fprintf(stderr, "korvisel-devsim: %s is not a numbered port such as COM9\n",
                     options.Port.c_str());
        return 2;
    }
    return -1;
}

bool InitialPayload(const Options& options, std::string& payload) {
    TProjectInfo project;
    TDeviceImage image{};
    if (!options.Load.empty()) {
        const TFileResult read = ReadProjectFile(options.Load, image, project);
        if (!read.Ok()) {
            std::fprintf(stderr, "korvisel-devsim: cannot load %s: %s\n", options.Load.c_str(),
                         read.Reason.empty() ? "not a project file" : read.Reason.c_str());
            return false;
        }
    } else {
        PackImage(project, image);
    }
    payload = BuildPayload(image);
    return true;
}

void SaveStored(const std::string& file, const std::string& payload) {
    TDeviceImage image{};
    std::copy_n(payload.begin(), DeviceImageSize, image.begin());
    const std::vector<std::uint8_t> bytes = ProjectFileBytes(image);
    if (const TIoResult written = WriteFileAtomically(file, bytes); !written.Ok)
        std::fprintf(stderr, "korvisel-devsim: cannot save %s: %s\n", file.c_str(), written.Reason.c_str());
}

bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && (errno == EINTR || errno == EAGAIN)) {
            ::usleep(1000);
            continue;
        }
        if (n < 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (const int status = ParseOptions(argc, argv, options); status >= 0)
        return status;
    std::string payload;
    if (!InitialPayload(options, payload))
        return 1;

    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::fprintf(stderr, "korvisel-devsim: cannot open a pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    const std::string slavePath = ::ptsname(master);
    // Holding the terminal side open keeps the simulator readable between the host's sessions.
    const int slave = ::open(slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    if (slave < 0 || ::tcgetattr(slave, &raw) != 0) {
        std::fprintf(stderr, "korvisel-devsim: cannot open %s: %s\n", slavePath.c_str(),
                     std::strerror(errno));
        return 1;
    }
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);

    const std::string folder = PortMapFolder();
    const std::string link = folder + "/COM" + std::to_string(*PortNumberOfName(options.Port));
    if (const TIoResult made = MakeFolders(folder); !made.Ok) {
        std::fprintf(stderr, "korvisel-devsim: cannot create %s: %s\n", folder.c_str(), made.Reason.c_str());
        return 1;
    }
    struct stat st {};
    if (::lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        std::fprintf(stderr, "korvisel-devsim: %s exists and is not a link; not replacing it\n",
                     link.c_str());
        return 1;
    }
    ::unlink(link.c_str());
    if (::symlink(slavePath.c_str(), link.c_str()) != 0) {
        std::fprintf(stderr, "korvisel-devsim: cannot link %s: %s\n", link.c_str(), std::strerror(errno));
        return 1;
    }

    struct sigaction stop {};
    stop.sa_handler = RequestStop;
    ::sigaction(SIGINT, &stop, nullptr);
    ::sigaction(SIGTERM, &stop, nullptr);

    std::printf("korvisel-devsim: COM%d is %s (linked as %s)\n", *PortNumberOfName(options.Port),
                slavePath.c_str(), link.c_str());
    std::printf(
        "korvisel-devsim: a pseudo-terminal has no modem lines; turn Device Check off for this port\n");
    std::fflush(stdout);

    TSimulatedDevice device(payload, options.Faults, options.Version);
    int commits = 0;
    char buffer[1024];
    while (!stopRequested) {
        pollfd watch{master, POLLIN, 0};
        if (::poll(&watch, 1, 200) <= 0)
            continue;
        const ssize_t n = ::read(master, buffer, sizeof buffer);
        if (n <= 0) {
            ::usleep(10000);
            continue;
        }
        const std::string answer = device.Receive(std::string_view(buffer, static_cast<std::size_t>(n)));
        if (!answer.empty() && !WriteAll(master, answer))
            std::fprintf(stderr, "korvisel-devsim: write failed: %s\n", std::strerror(errno));
        if (device.Commits() != commits) {
            commits = device.Commits();
            std::printf("korvisel-devsim: stored a block (%d so far)\n", commits);
            std::fflush(stdout);
            if (!options.Save.empty())
                SaveStored(options.Save, device.StoredPayload());
        }
    }

    char target[4096];
    const ssize_t length = ::readlink(link.c_str(), target, sizeof target - 1);
    if (length > 0 && std::string(target, static_cast<std::size_t>(length)) == slavePath)
        ::unlink(link.c_str());
    ::close(slave);
    ::close(master);
    return 0;
}
