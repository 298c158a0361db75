// SPDX-License-Identifier: GPL-3.0-or-later
#include "DeviceSimulatorProcess.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifndef KORVISEL_DEVSIM
#error "the tests need the path of korvisel-devsim"
#endif

namespace korvisel::test {

DeviceSimulatorProcess::DeviceSimulatorProcess(const std::vector<std::string>& options,
                                               const std::vector<std::string>& ports) {
    ::setenv("KORVISEL_PORTS", folder_.Path().c_str(), 1);
    pid_ = ::fork();
    if (pid_ == 0) {
        std::vector<std::string> args = {KORVISEL_DEVSIM};
        if (std::find(options.begin(), options.end(), "--port") == options.end() &&
            std::find(options.begin(), options.end(), "--count") == options.end())
            args.insert(args.end(), {"--port", "COM9"});
        args.insert(args.end(), options.begin(), options.end());
        std::vector<char*> argv;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        std::_Exit(127);
    }
    for (int i = 0; i < 500 && !ready_; ++i) {
        ready_ = std::all_of(ports.begin(), ports.end(), [&](const std::string& port) {
            struct stat st {};
            return ::lstat(folder_.File(port).c_str(), &st) == 0;
        });
        int status = 0;
        if (!ready_ && ::waitpid(pid_, &status, WNOHANG) == pid_) {
            ended_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            pid_ = -1;
            return;
        }
        if (!ready_)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

int DeviceSimulatorProcess::Stop() {
    if (pid_ <= 0)
        return -1;
    ::kill(pid_, SIGTERM);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return status;
}

DeviceSimulatorProcess::~DeviceSimulatorProcess() {
    Stop();
    ::unsetenv("KORVISEL_PORTS");
}

} // namespace korvisel::test
