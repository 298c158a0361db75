// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliProcess.h"

#include "TempFolder.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifndef KORVISEL_CLI
#error "the tests need the path of korvisel-cli"
#endif

namespace korvisel::test {

CliRun RunCli(const std::vector<std::string>& args, const std::string& folder, const std::string& output,
              int interruptAfterMs) {
    const std::string out = output.empty() ? folder + "/.stdout" : output, err = folder + "/.stderr";
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int o = output.empty() ? ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600)
                                     : ::open(out.c_str(), O_WRONLY);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int in = ::open("/dev/null", O_RDONLY);
        ::dup2(o, 1);
        ::dup2(e, 2);
        ::dup2(in, 0);
        std::vector<std::string> all = {KORVISEL_CLI};
        all.insert(all.end(), args.begin(), args.end());
        std::vector<char*> argv;
        for (std::string& a : all)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        if (::chdir(folder.c_str()) != 0)
            ::_exit(126);
        // Transfer logs and device backups go into the test's folder, not the user's.
        ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    if (interruptAfterMs >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(interruptAfterMs));
        ::kill(pid, SIGINT);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    CliRun run;
    run.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    const auto text = [](const std::string& path) {
        const std::vector<std::uint8_t> bytes = ReadBytes(path);
        return std::string(bytes.begin(), bytes.end());
    };
    run.Out = output.empty() ? text(out) : std::string{};
    run.Err = text(err);
    return run;
}

} // namespace korvisel::test
