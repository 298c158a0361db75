// SPDX-License-Identifier: GPL-3.0-or-later
// korvisel-devsim: devices on pseudo-terminals that answer the CPU block exchange, so that the
// configurator can write a project to them and read it back without hardware.
#include "devsim/DevsimOptions.h"
#include "fields/DeviceImage.h"
#include "files/FileIo.h"
#include "files/ProjectFile.h"
#include "link/PortMap.h"
#include "link/SimulatedDevice.h"
#include "link/TransferProtocol.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace korvisel;
using devsim::TDeviceSetup;

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

bool InitialPayload(const TDeviceSetup& setup, std::string& payload) {
    TProjectInfo project;
    TDeviceImage image{};
    if (!setup.Load.empty()) {
        const TFileResult read = ReadProjectFile(setup.Load, image, project);
        if (!read.Ok()) {
            std::fprintf(stderr, "korvisel-devsim: cannot load %s: %s\n", setup.Load.c_str(),
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
    if (const TResult<> written = WriteFileAtomically(file, bytes); !written.Ok())
        std::fprintf(stderr, "korvisel-devsim: cannot save %s: %s\n", file.c_str(), written.Reason().c_str());
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

// One simulated device: its pseudo-terminal, the link that names it as a numbered port, and the
// device behind it. The link is removed again when it still points at this terminal.
class SimulatedPort {
public:
    SimulatedPort(const TDeviceSetup& setup, std::string payload)
        : setup_(setup), device_(std::move(payload), setup.Faults, setup.Version) {}
    ~SimulatedPort() {
        char target[4096];
        const ssize_t length = link_.empty() ? -1 : ::readlink(link_.c_str(), target, sizeof target - 1);
        if (length > 0 && std::string(target, static_cast<std::size_t>(length)) == slavePath_)
            ::unlink(link_.c_str());
        if (slave_ >= 0)
            ::close(slave_);
        if (master_ >= 0)
            ::close(master_);
    }
    SimulatedPort(const SimulatedPort&) = delete;
    SimulatedPort& operator=(const SimulatedPort&) = delete;

    // Empty when the port is ready, else why not.
    std::string Open() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
            return std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        slavePath_ = ::ptsname(master_);
        // Holding the terminal side open keeps the simulator readable between the host's sessions.
        slave_ = ::open(slavePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios raw{};
        if (slave_ < 0 || ::tcgetattr(slave_, &raw) != 0)
            return "cannot open " + slavePath_ + ": " + std::strerror(errno);
        ::cfmakeraw(&raw);
        ::tcsetattr(slave_, TCSANOW, &raw);

        const std::string folder = PortMapFolder();
        if (const TResult<> made = MakeFolders(folder); !made.Ok())
            return "cannot create " + folder + ": " + made.Reason();
        const std::string link = folder + "/COM" + std::to_string(*PortNumberOfName(setup_.Port));
        struct stat st {};
        if (::lstat(link.c_str(), &st) == 0 && !S_ISLNK(st.st_mode))
            return link + " exists and is not a link; not replacing it";
        ::unlink(link.c_str());
        if (::symlink(slavePath_.c_str(), link.c_str()) != 0)
            return "cannot link " + link + ": " + std::strerror(errno);
        link_ = link;
        std::printf("korvisel-devsim: COM%d is %s (linked as %s)\n", *PortNumberOfName(setup_.Port),
                    slavePath_.c_str(), link_.c_str());
        return {};
    }

    int Master() const { return master_; }

    // Answers what the host sent, and keeps a committed block where asked.
    void Serve() {
        char buffer[1024];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            return;
        const std::string answer = device_.Receive(std::string_view(buffer, static_cast<std::size_t>(n)));
        if (!answer.empty() && !WriteAll(master_, answer))
            std::fprintf(stderr, "korvisel-devsim: %s: write failed: %s\n", setup_.Port.c_str(),
                         std::strerror(errno));
        if (device_.Commits() != commits_) {
            commits_ = device_.Commits();
            std::printf("korvisel-devsim: %s stored a block (%d so far)\n", setup_.Port.c_str(), commits_);
            std::fflush(stdout);
            if (!setup_.Save.empty())
                SaveStored(setup_.Save, device_.StoredPayload());
        }
    }

private:
    TDeviceSetup setup_;
    TSimulatedDevice device_;
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
    std::string link_;
    int commits_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    std::vector<TDeviceSetup> setups;
    if (const int status = devsim::ParseOptions(argc, argv, setups); status >= 0)
        return status;
    // Before the first link exists: a stop that comes while the ports are made must still remove them.
    struct sigaction stop {};
    stop.sa_handler = RequestStop;
    ::sigaction(SIGINT, &stop, nullptr);
    ::sigaction(SIGTERM, &stop, nullptr);
    std::vector<std::unique_ptr<SimulatedPort>> ports;
    for (const TDeviceSetup& setup : setups) {
        std::string payload;
        if (!InitialPayload(setup, payload))
            return 1;
        ports.push_back(std::make_unique<SimulatedPort>(setup, std::move(payload)));
        if (const std::string error = ports.back()->Open(); !error.empty()) {
            std::fprintf(stderr, "korvisel-devsim: %s: %s\n", setup.Port.c_str(), error.c_str());
            return 1;
        }
    }

    std::printf(
        "korvisel-devsim: a pseudo-terminal has no modem lines; turn Device Check off for these ports\n");
    std::fflush(stdout);

    std::vector<pollfd> watch(ports.size());
    while (!stopRequested) {
        for (std::size_t i = 0; i < ports.size(); ++i)
            watch[i] = {ports[i]->Master(), POLLIN, 0};
        if (::poll(watch.data(), watch.size(), 200) <= 0)
            continue;
        bool served = false;
        for (std::size_t i = 0; i < ports.size(); ++i)
            if (watch[i].revents & POLLIN) {
                ports[i]->Serve();
                served = true;
            }
        // A terminal side that nobody holds reports a hang-up on every poll; wait instead of spinning.
        if (!served)
            ::usleep(10000);
    }
    return 0;
}
