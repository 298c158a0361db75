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
  apply TEMPLATE SITES.csv -o DIR  one project per row of a sites table

Options take their value as "--speed 19200" or "--speed=19200".
"korvisel-cli COMMAND --help" tells more about each; "korvisel-cli --version" the version.

Exit status:
  0    success; verify and diff: the projects are equal
  1    failure: a file, a port or a device; verify and diff: the projects differ;
       apply: some sites were not written
  2    usage error; check and write: the check refuses the project (its phone book
       is empty); verify and diff, as diff(1): a project or the device could not be read;
       apply: the template or the sites table could not be read
  3    check: the file's checksum does not match its contents; verify and diff:
       standard output could not be written
  4    write: the device received the whole project but its confirmation was not seen
  130  stopped by Ctrl+C (or SIGTERM, SIGHUP) before every device was done
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
        {"info", Info},   {"check", Check},   {"convert", Convert}, {"ports", Ports},   {"read", Read},
        {"write", Write}, {"verify", Verify}, {"diff", Diff},       {"report", Report}, {"apply", Apply}};
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
