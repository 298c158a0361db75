// SPDX-License-Identifier: GPL-3.0-or-later
#include "PtyPorts.h"

#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace korvisel::test {
namespace {

void Link(const char* target, const std::string& link) {
    if (::symlink(target, link.c_str()) != 0)
        throw std::runtime_error("cannot make the port link " + link);
}

} // namespace

PtyPorts::PtyPorts() {
    if (const char* previous = std::getenv("KORVISEL_PORTS")) {
        hadPreviousPorts_ = true;
        previousPorts_ = previous;
    }
    ::setenv("KORVISEL_PORTS", folder_.Path().c_str(), 1);
    for (int n = 1; n <= 16; ++n)
        Link("/nonexistent/korvisel-test-port", folder_.File("COM" + std::to_string(n)));
}

PtyPorts::~PtyPorts() {
    for (const auto& [n, master] : masters_)
        ::close(master);
    if (hadPreviousPorts_)
        ::setenv("KORVISEL_PORTS", previousPorts_.c_str(), 1);
    else
        ::unsetenv("KORVISEL_PORTS");
}

void PtyPorts::Hangup(int n) {
    ::close(masters_.at(n));
    masters_.erase(n);
}

void PtyPorts::Remove(int n) {
    Hangup(n);
    const std::string link = folder_.File("COM" + std::to_string(n));
    ::unlink(link.c_str());
    Link("/nonexistent/korvisel-test-port", link);
}

int PtyPorts::Add(int n) {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        throw std::runtime_error("no pseudo-terminal");
    // The terminal end starts raw, as a device line would, so nothing is echoed back.
    const int slave = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);
    ::close(slave);
    const std::string link = folder_.File("COM" + std::to_string(n));
    ::unlink(link.c_str());
    Link(::ptsname(master), link);
    masters_[n] = master;
    return master;
}

std::string PtyPorts::ReadFromPort(int n, std::size_t count, int ms) const {
    std::string got;
    char buffer[512];
    while (got.size() < count) {
        pollfd watch{Master(n), POLLIN, 0};
        if (::poll(&watch, 1, ms) <= 0)
            break;
        const ssize_t r = ::read(Master(n), buffer, sizeof buffer);
        if (r <= 0)
            break;
        got.append(buffer, static_cast<std::size_t>(r));
    }
    return got;
}

void PtyPorts::WriteToPort(int n, const std::string& bytes) const {
    if (::write(Master(n), bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        throw std::runtime_error("pseudo-terminal write failed");
    ::tcdrain(Master(n));
}

} // namespace korvisel::test
