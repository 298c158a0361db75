#include "cli/Commands.h"

#include "cli/ProjectDiff.h"
#include "cli/ProjectFiles.h"
#include "cli/TextView.h"
#include "core/CheckProject.h"
#include "editor/Markup.h"
#include "editor/Panels.h"
#include "files/Backups.h"
#include "link/ComPDEx.h"
#include "link/PortAssignment.h"
#include "link/PortMap.h"
#include "link/TransferCommands.h"
#include "link/TransferSession.h"

#include <cstdio>
#include <map>

namespace korvisel::cli {
namespace {

bool WantsHelp(const TArgs& args) {
    for (const std::string& a : args)
        if (a == "--help" || a == "-h")
            return true;
    return false;
}

int Usage(const char* text, const TArgs& args, std::size_t operands) {
    if (WantsHelp(args)) {
        std::fputs(text, stdout);
        return 0;
    }
    if (args.size() != operands) {
        std::fputs(text, stderr);
        return 2;
    }
    return -1;
}

// The line settings of the CPU port, as the settings dialog offers them.
struct LineOptions {
    std::string Port;
    std::string Output;
    std::vector<std::string> Operands;
    bool KeepBackup = true;
};

std::string ApplyLineOption(TCommPortDriverEx& port, const std::string& name, const std::string& value) {
    static const std::map<std::string, TBaudRate> speeds = {
        {"110", br110},   {"300", br300},     {"1200", br1200},   {"2400", br2400},   {"4800", br4800},
        {"9600", br9600}, {"19200", br19200}, {"38400", br38400}, {"57600", br57600}, {"115200", br115200}};
    static const std::map<std::string, TParity> parities = {
        {"none", ptNONE}, {"odd", ptODD}, {"even", ptEVEN}, {"mark", ptMARK}, {"space", ptSPACE}};
    static const std::map<std::string, THwFlowControl> flows = {
        {"none", hfNONE}, {"rts", hfNONERTSON}, {"rtscts", hfRTSCTS}};
    if (name == "--speed" && speeds.count(value)) {
        port.SetBaudRate(speeds.at(value));
    } else if (name == "--data-bits" && value.size() == 1 && value[0] >= '5' && value[0] <= '8') {
        port.SetDataBits(static_cast<TDataBits>(value[0] - '5'));
    } else if (name == "--parity" && parities.count(value)) {
        port.SetParity(parities.at(value));
    } else if (name == "--stop-bits" && (value == "1" || value == "1.5" || value == "2")) {
        port.SetStopBits(value == "1" ? sb1BITS : value == "2" ? sb2BITS : sb1HALFBITS);
    } else if (name == "--flow" && flows.count(value)) {
        port.SetHwFlow(flows.at(value));
    } else if (name == "--xonxoff" && (value == "on" || value == "off")) {
        port.SetSwFlow(value == "on" ? sfXONXOFF : sfNONE);
    } else if (name == "--dtr" && (value == "on" || value == "off")) {
        port.SetEnableDTROnOpen(value == "on");
    } else {
        return name + " " + value + ": not a valid setting";
    }
    return {};
}

// Parses --port, the line settings and -o; the CPU port starts from the settings dialog's design
// values: 9600 bits per second, 8 data bits, no parity, 1 stop bit, RTS/CTS, DTR on, Device Check on.
std::string ParseLineOptions(const TArgs& args, TCommPortDriverEx& port, LineOptions& options) {
    port.SetBaudRate(br9600);
    port.SetHwFlow(hfRTSCTS);
    port.SetCheckLineStatus(true);
    port.SetOutputTimeout(50);
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--no-device-check") {
            port.SetCheckLineStatus(false);
            continue;
        }
        if (a == "--no-backup") {
            options.KeepBackup = false;
            continue;
        }
        if (!a.starts_with("-") || a == "-") {
            options.Operands.push_back(a);
            continue;
        }
        if (i + 1 >= args.size())
            return a + ": needs a value";
        const std::string& value = args[++i];
        if (a == "--port")
            options.Port = value;
        else if (a == "-o" || a == "--output")
            options.Output = value;
        else if (std::string error = ApplyLineOption(port, a, value); !error.empty())
            return error;
    }
    if (options.Port.empty())
        return "--port: which port? (for example --port COM3)";
    return {};
}

// What a transfer command takes besides its options: -o FILE (read) or one FILE (write, verify).
enum class TCommandOperands { Output, File };

// The shared start of the transfer commands: help, line options, and the operands each takes.
// Returns the exit status when the command ends here, else -1.
int ParseTransferCommand(const TArgs& args, const std::string& help, TCommandOperands operands,
                         TCommPortDriverEx& port, LineOptions& options) {
    if (WantsHelp(args))
        return Usage(help.c_str(), args, 0);
    if (const std::string error = ParseLineOptions(args, port, options); !error.empty())
        return Fail(error, 2);
    const bool complete = operands == TCommandOperands::Output
                              ? !options.Output.empty() && options.Operands.empty()
                              : options.Operands.size() == 1 && options.Output.empty();
    if (!complete) {
        std::fputs(help.c_str(), stderr);
        return 2;
    }
    return -1;
}

std::string PortDescription(const std::string& port) {
    const auto path = ResolvePortPath(port);
    return path && *path != port ? port + " (" + *path + ")" : port;
}

std::string OpenPort(TCommPortDriverEx& port, const std::string& name) {
    const std::string display =
        name.starts_with("/") ? name : name.substr(name.starts_with("\\\\.\\") ? 4 : 0);
    port.SetPortName(name.starts_with("/") ? name : std::string(DevicePathPrefix) + display);
    if (!port.Connect())
        return PortDescription(display) + ": " + port.LastError();
    return {};
}

int RunTransfer(TCommPortDriverEx& port, const std::string& portName, TTransferMode mode,
                const std::string& payload, TTransferResult& result) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TTextView view(texts, portName);
    result = RunDeviceTransfer(port, mode, payload, view);
    view.EndLine();
    if (!result.LogPath.empty())
        std::fprintf(stderr, "transfer trace: %s\n", result.LogPath.c_str());
    if (result.Outcome != TTransferOutcome::Success)
        return Fail(portName + ": " +
                    (view.FirstProblem().empty() ? view.ClosingMessage() : view.FirstProblem()));
    std::fprintf(stderr, "%s\n", view.ClosingMessage().c_str());
    return 0;
}

const char* const InfoHelp =
    "Usage: korvisel-cli info FILE\n\n"
    "Shows the project in FILE (.KV690, .KV2, .KRV or .json) as readable text, laid out\n"
    "like the project summary of the configurator.\n";
const char* const CheckHelp =
    "Usage: korvisel-cli check FILE\n\n"
    "Runs the consistency check that comes before every write to the device and prints its\n"
    "report. Exit status 2 when a write would be refused (the phone book is empty), 0 otherwise.\n";
const char* const ConvertHelp =
    "Usage: korvisel-cli convert IN OUT\n\n"
    "Reads IN (.KV690, .KV2, .KRV or .json) and writes OUT as .KV690 or .json, chosen by its\n"
    "extension. OUT \"-\" writes JSON to standard output. A .KRV file is read into a fresh image.\n";
const char* const PortsHelp =
    "Usage: korvisel-cli ports\n\n"
    "Lists the 16 numbered ports, the device each stands for, and whether it can be opened\n"
    "now. Ports are mapped in $KORVISEL_PORTS (else ~/.config/korvisel/ports).\n";
const char* const DiffHelp =
    "Usage: korvisel-cli diff A B\n\n"
    "Compares two projects (.KV690, .KV2, .KRV or .json) as a device would hold them, field by\n"
    "field, and prints one line per differing field: \"FIELD: A value, B value\". Phone names\n"
    "are not compared: a device does not keep them. Exit status 0 when they are equal, 1 when\n"
    "they differ, 2 when either could not be read.\n";
const char* const LineHelp =
    "\nLine options (the configurator's defaults when left out):\n"
    "  --port COMn          the port (or a device path such as /dev/ttyUSB0); required\n"
    "  --speed N            110, 300, 1200, 2400, 4800, 9600 (default), 19200, 38400,\n"
    "                       57600 or 115200 bits per second\n"
    "  --data-bits N        5, 6, 7 or 8 (default)\n"
    "  --parity P           none (default), odd, even, mark or space\n"
    "  --stop-bits N        1 (default) or 2\n"
    "  --flow F             none, rts (RTS held on) or rtscts (default)\n"
    "  --xonxoff on|off     software flow control (default off)\n"
    "  --dtr on|off         DTR while the port is open (default on)\n"
    "  --no-device-check    send even when no modem line is active (needed for\n"
    "                       korvisel-devsim and cables without modem lines)\n"
    "  --no-backup          keep no copy of what was read or written; by default every\n"
    "                       transfer keeps one in ~/.local/share/korvisel/backups\n";

} // namespace

int Fail(const std::string& what, int status) {
    std::fprintf(stderr, "korvisel-cli: %s\n", what.c_str());
    return status;
}

int Info(const TArgs& args) {
    if (const int status = Usage(InfoHelp, args, 1); status >= 0)
        return status;
    TProjectInfo project;
    if (const std::string error = LoadProjectFile(args[0], project); !error.empty())
        return Fail(error);
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    for (const std::string& row : ProjectSummaryRows(project, texts)) {
        const std::string line = MarkupReadableText(row);
        if (!line.empty() || row == " ")
            std::printf("%s\n", line.c_str());
    }
    return 0;
}

int Check(const TArgs& args) {
    if (const int status = Usage(CheckHelp, args, 1); status >= 0)
        return status;
    TProjectInfo project;
    if (const std::string error = LoadProjectFile(args[0], project); !error.empty())
        return Fail(error);
    const TCheckReport report = BuildCheckReport(project);
    for (const std::string& line : report.Lines)
        std::printf("%s\n", line.c_str());
    return report.Result == CheckBlocksWrite ? 2 : 0;
}

int Convert(const TArgs& args) {
    if (const int status = Usage(ConvertHelp, args, 2); status >= 0)
        return status;
    TProjectInfo project;
    if (const std::string error = LoadProjectFile(args[0], project); !error.empty())
        return Fail(error);
    if (const std::string error = SaveProjectFile(args[1], project); !error.empty())
        return Fail(error);
    return 0;
}

int Ports(const TArgs& args) {
    if (const int status = Usage(PortsHelp, args, 0); status >= 0)
        return status;
    for (int n = 1; n <= PortCount; ++n) {
        const std::string name = "COM" + std::to_string(n);
        const auto path = ResolvePortPath(name);
        std::printf("%-6s %-40s %s\n", name.c_str(), path.value_or("-").c_str(),
                    ProbePort(n) ? "present" : "absent");
    }
    return 0;
}

namespace {

// Opens the port and reads the device into `images` and `project`, with the backup kept when asked.
// Returns the exit status of a failure, or 0.
int ReadDevice(TCommPortDriverEx& port, const LineOptions& options, TImageBuffers& images,
               TProjectInfo& project, TBackupResult& backup) {
    if (const std::string error = OpenPort(port, options.Port); !error.empty())
        return Fail(error);
    PrepareRead(images.Incoming);
    TTransferResult result;
    if (const int status = RunTransfer(port, options.Port, TTransferMode::Read, "", result); status != 0)
        return status;
    TDopPrintInfo print;
    AcceptReadData(result.TransferData, result.VersionAnswer, images.Incoming, project, print);
    std::printf("firmware version: %s\n", print.FirmwareVersion.c_str());
    if (options.KeepBackup) {
        backup = KeepDeviceBackup(TBackupKind::Read, options.Port, images.Incoming);
        std::fprintf(stderr, "%s\n", BackupNote(backup).c_str());
    }
    return 0;
}

int PrintDifferences(const std::vector<std::string>& differences) {
    for (const std::string& line : differences)
        std::printf("%s\n", line.c_str());
    return differences.empty() ? 0 : 1;
}

} // namespace

int Read(const TArgs& args) {
    static const std::string help =
        std::string("Usage: korvisel-cli read --port COMn [line options] -o FILE\n\n"
                    "Reads the configuration from the device's CPU block and saves it as "
                    "FILE (.KV690 or .json).\n") +
        LineHelp;
    TCommPortDriverEx port;
    LineOptions options;
    if (const int status = ParseTransferCommand(args, help, TCommandOperands::Output, port, options);
        status >= 0)
        return status;
    // The output is checked before the 16 s transfer, not after it.
    if (const std::string error = CheckProjectOutput(options.Output); !error.empty())
        return Fail(error, 2);
    TImageBuffers images;
    TProjectInfo project;
    TBackupResult backup;
    if (const int status = ReadDevice(port, options, images, project, backup); status != 0)
        return status;
    if (const std::string error = SaveProjectFile(options.Output, project); !error.empty()) {
        // What was read is never lost: without a copy yet, one is kept now.
        if (backup.Path.empty())
            backup = KeepDeviceBackup(TBackupKind::Read, options.Port, images.Incoming);
        return Fail(error + (backup.Path.empty()
                                 ? "; the settings read could not be kept either: " + backup.Error
                                 : "; the settings read are kept in " + backup.Path));
    }
    return 0;
}

int Verify(const TArgs& args) {
    static const std::string help =
        std::string("Usage: korvisel-cli verify --port COMn [line options] FILE\n\n"
                    "Reads the device and compares what it holds with the project in FILE, field by\n"
                    "field (phone names are not compared: a device does not keep them). Prints one line\n"
                    "per differing field, such as \"Inputs[2].ReactionTime: device 11, file 13\".\n"
                    "Exit status 0 when they are equal, 1 when they differ, 2 when either could not\n"
                    "be read.\n") +
        LineHelp;
    TCommPortDriverEx port;
    LineOptions options;
    if (const int status = ParseTransferCommand(args, help, TCommandOperands::File, port, options);
        status >= 0)
        return status;
    TProjectInfo file;
    // The file is read before the transfer, so a wrong name costs no 16 s.
    if (const std::string error = LoadProjectFile(options.Operands[0], file); !error.empty())
        return Fail(error, 2);
    TImageBuffers images;
    TProjectInfo device;
    TBackupResult backup;
    if (ReadDevice(port, options, images, device, backup) != 0)
        return 2;
    return PrintDifferences(ProjectDifferences(device, file, "device", "file"));
}

int Diff(const TArgs& args) {
    if (const int status = Usage(DiffHelp, args, 2); status >= 0)
        return status;
    TProjectInfo first, second;
    for (const auto& [path, project] : {std::pair{args[0], &first}, std::pair{args[1], &second}})
        if (const std::string error = LoadProjectFile(path, *project); !error.empty())
            return Fail(error, 2);
    return PrintDifferences(ProjectDifferences(first, second, args[0], args[1]));
}

int Write(const TArgs& args) {
    static const std::string help =
        std::string("Usage: korvisel-cli write --port COMn [line options] FILE\n\n"
                    "Writes the project in FILE into the device's CPU block. The consistency check runs\n"
                    "first, as in the configurator: its report goes to Errors.txt and, when it found\n"
                    "anything, to standard error; an empty phone book stops the write (exit status 2).\n") +
        LineHelp;
    TCommPortDriverEx port;
    LineOptions options;
    if (const int status = ParseTransferCommand(args, help, TCommandOperands::File, port, options);
        status >= 0)
        return status;
    const std::string& file = options.Operands[0];
    TProjectInfo project;
    if (const std::string error = LoadProjectFile(file, project); !error.empty())
        return Fail(error);

    const TReportOpener showReport = [&project](const std::string& path) {
        std::fprintf(stderr, "check report %s:\n", path.c_str());
        for (const std::string& line : BuildCheckReport(project).Lines)
            std::fprintf(stderr, "  %s\n", line.c_str());
    };
    TImageBuffers images;
    std::string reportProblem;
    const auto payload =
        PrepareWrite(project, images.Outgoing, DefaultReportFolders(), showReport, &reportProblem);
    if (!reportProblem.empty())
        std::fprintf(stderr, "korvisel-cli: %s\n", reportProblem.c_str());
    if (!payload)
        return Fail(file + ": the phone book is empty; nothing was written", 2);
    if (const std::string error = OpenPort(port, options.Port); !error.empty())
        return Fail(error);
    TTransferResult result;
    const int status = RunTransfer(port, options.Port, TTransferMode::Write, *payload, result);
    if (status == 0 && options.KeepBackup)
        std::fprintf(
            stderr, "%s\n",
            BackupNote(KeepDeviceBackup(TBackupKind::Written, options.Port, images.Outgoing)).c_str());
    return status;
}

} // namespace korvisel::cli
