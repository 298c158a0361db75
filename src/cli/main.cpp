// SPDX-License-Identifier: GPL-3.0-or-later
// korvisel-cli: the configurator's rules for scripts and batches, without a display.
#include "cli/Commands.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

namespace {

const char* const Usage = R"(Usage: korvisel-cli COMMAND [ARGUMENTS]

Commands:
  info FILE                        the project as readable text
  check FILE                       the consistency check's report; exit 2 when a write would be refused
  convert IN OUT                   between .KV690, .KV2, .KRV and .json (OUT "-" for standard output)
  ports                            the 16 numbered ports and the devices they stand for
  read --port COMn ... -o FILE     read the device's configuration into FILE
  write --port COMn ... FILE       write FILE into the device
  verify --port COMn ... FILE      compare what the device holds with FILE
  diff A B                         compare two projects field by field
  report FILE -o OUT.pdf           the configuration report as a PDF

"korvisel-cli COMMAND --help" tells more about each; "korvisel-cli --version" the version.
)";

} // namespace

int main(int argc, char** argv) {
    using namespace korvisel::cli;
    if (argc < 2) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const std::string command = argv[1];
    if (command == "--help" || command == "-h") {
        std::fputs(Usage, stdout);
        return 0;
    }
    if (command == "--version") {
        std::printf("korvisel-cli %s\n", KORVISEL_VERSION);
        return 0;
    }
    static const std::map<std::string, int (*)(const TArgs&)> commands = {
        {"info", Info},   {"check", Check},   {"convert", Convert}, {"ports", Ports},  {"read", Read},
        {"write", Write}, {"verify", Verify}, {"diff", Diff},       {"report", Report}};
    const auto found = commands.find(command);
    if (found == commands.end())
        return Fail(command + ": not a command; see korvisel-cli --help", 2);
    const int status = found->second(TArgs(argv + 2, argv + argc));
    // What could not be written to standard output is a failure, whatever the command decided; verify
    // and diff tell "different" by 1, so there it has a status of its own.
    if (std::fflush(stdout) != 0 || std::ferror(stdout))
        return Fail(std::string("standard output: ") + std::strerror(errno),
                    command == "verify" || command == "diff" ? 3 : 1);
    return status;
}
