// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/BatchRun.h"

#include "cli/BatchBoard.h"
#include "cli/LineOptions.h"
#include "core/SafeText.h"
#include "files/DatedFiles.h"

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <unistd.h>

namespace korvisel::cli {
namespace {

std::atomic<bool> interrupted{false};

void Interrupt(int) {
    interrupted = true;
}

// While transfers run on several devices, Ctrl+C (or a closed terminal) stops them all cleanly
// instead of ending the program in the middle of a write.
class InterruptGuard {
public:
    InterruptGuard() {
        struct sigaction stop {};
        stop.sa_handler = Interrupt;
        ::sigaction(SIGINT, &stop, &previousInt_);
        ::sigaction(SIGTERM, &stop, &previousTerm_);
        ::sigaction(SIGHUP, &stop, &previousHup_);
    }
    ~InterruptGuard() {
        ::sigaction(SIGINT, &previousInt_, nullptr);
        ::sigaction(SIGTERM, &previousTerm_, nullptr);
        ::sigaction(SIGHUP, &previousHup_, nullptr);
    }
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction previousInt_ {};
    struct sigaction previousTerm_ {};
    struct sigaction previousHup_ {};
};

} // namespace

std::function<void(TCommPortDriverEx&)> LineSettings(const TArgs& args) {
    return [args](TCommPortDriverEx& port) {
        TLineOptions parsed;
        ParseLineOptions(args, port, parsed);
    };
}

std::vector<TBatchResult> RunWithProgress(const std::vector<std::string>& ports,
                                          const std::vector<std::string>& labels, const TBatchJob& job,
                                          bool& stopped) {
    TBatchBoard board(labels.empty() ? ports : labels, job.Mode, ::isatty(STDERR_FILENO) != 0, stderr);
    std::vector<TBatchResult> results;
    {
        InterruptGuard guard;
        results = RunBatch(ports, job, interrupted, board);
    }
    for (const TBatchResult& r : results) {
        if (r.Log && r.Log->Ok() && r.State == TBatchState::Failed)
            std::fprintf(stderr, "%s: transfer trace: %s\n", r.Port.c_str(),
                         EscapedText(r.Log->Value()).c_str());
        if (r.Log && !r.Log->Ok())
            std::fprintf(stderr, "%s: no transfer trace kept: %s\n", r.Port.c_str(),
                         EscapedText(r.Log->Reason()).c_str());
    }
    stopped = interrupted;
    return results;
}

int CheckReadFolder(const std::string& folder) {
    if (!std::filesystem::is_directory(folder))
        return Fail(folder + ": not a folder", 2);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return Fail(folder + ": " + std::strerror(errno), 2);
    return -1;
}

std::string DatedReadFile(const std::string& folder, const std::string& prefix) {
    const std::string into =
        folder.ends_with("/") && folder.size() > 1 ? folder.substr(0, folder.size() - 1) : folder;
    return into + "/" + DatedFileName(prefix, ".KV690", std::chrono::system_clock::now());
}

} // namespace korvisel::cli
