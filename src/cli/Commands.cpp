// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"

#include "cli/BatchRun.h"
#include "cli/BatchSummary.h"
#include "cli/DeviceCheckHint.h"
#include "cli/LineOptions.h"
#include "cli/PortListing.h"
#include "cli/ProjectFiles.h"
#include "cli/SitesCommand.h"
#include "cli/TextView.h"
#include "core/CheckProject.h"
#include "core/SafeText.h"
#include "editor/ProjectProblems.h"
#include "files/Backups.h"
#include "link/PortAssignment.h"
#include "link/PortMap.h"
#include "link/PortOpening.h"
#include "link/ScanningSerialPort.h"
#include "link/TransferCommands.h"
#include "link/TransferSession.h"
#include "markup/Markup.h"
#include "markup/Panels.h"
#include "json/ProjectDiff.h"

#include <cstdio>
#include <filesystem>

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

// Loads a file a command works on; a file that cannot be read ends the command with `status`.
// Returns that status, else -1.
int LoadOperand(const std::string& path, TProjectInfo& project, int status = 1, bool* damaged = nullptr) {
    if (const TResult<> loaded = LoadProjectFile(path, project, nullptr, damaged); !loaded.Ok())
        return Fail(loaded.Reason(), status);
    return -1;
}

// The shared start of the file commands: help, the operand count, and the project in the first
// file. Returns the exit status when the command ends here, else -1.
int StartFileCommand(const char* help, const TArgs& args, std::size_t operands, TProjectInfo& project,
                     int failStatus = 1, bool* damaged = nullptr) {
    if (const int status = Usage(help, args, operands); status >= 0)
        return status;
    return LoadOperand(args[0], project, failStatus, damaged);
}

// What a transfer command takes besides its options: -o FILE (read) or one FILE (write, verify);
// with --sites, read takes the TEMPLATE besides -o FOLDER.
enum class TCommandOperands { Output, File };

// The shared start of the transfer commands: help, line options, and the operands each takes.
struct TTransferCommand {
    TTransferCommand(const TArgs& args, const char* commandHelp, TCommandOperands operands) {
        Status = Parse(args, std::string(commandHelp) + LineHelp, operands);
    }
    TCommPortDriverEx Port;
    TLineOptions Options;
    int Status = -1; // the exit status when the command ends at its start, else -1

private:
    int Parse(const TArgs& args, const std::string& help, TCommandOperands operands) {
        if (WantsHelp(args))
            return Usage(help.c_str(), args, 0);
        if (const TResult<> parsed = ParseLineOptions(args, Port, Options); !parsed.Ok())
            return Fail(parsed.Reason(), 2);
        // With --sites, every command takes the TEMPLATE its rows apply to.
        const std::size_t files = operands == TCommandOperands::File || !Options.Sites.empty() ? 1 : 0;
        const bool complete = Options.Operands.size() == files &&
                              Options.Output.empty() == (operands == TCommandOperands::File);
        if (!complete) {
            std::fputs(help.c_str(), stderr);
            return 2;
        }
        return -1;
    }
};

int RunOnEveryPort(const std::vector<std::string>& ports, const TBatchJob& job) {
    bool stopped = false;
    const std::vector<TBatchResult> results = RunWithProgress(ports, {}, job, stopped);
    for (const std::string& line : BatchSummary(results, job.Mode))
        std::printf("%s\n", line.c_str());
    std::string untouched;
    for (const TBatchResult& r : results)
        if (LeftUnwritten(r, job.Mode))
            untouched += (untouched.empty() ? "" : ", ") + r.Port;
    if (stopped)
        Fail("stopped" + (untouched.empty() ? std::string() : "; left unwritten: " + untouched));
    return BatchExitStatus(results);
}

int RunTransfer(TCommPortDriverEx& port, const std::string& portName, TTransferMode mode,
                const std::string& payload, TTransferResult& result) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    TTextView view(texts, portName);
    result = RunDeviceTransfer(port, mode, payload, view);
    view.EndLine();
    if (result.Log && result.Log->Ok())
        std::fprintf(stderr, "transfer trace: %s\n", EscapedText(result.Log->Value()).c_str());
    else if (result.Log)
        std::fprintf(stderr, "no transfer trace kept: %s\n", EscapedText(result.Log->Reason()).c_str());
    if (result.Outcome == TTransferOutcome::Unconfirmed)
        return Fail(portName + ": " + view.Messages().ClosingMessage(), UnconfirmedStatus);
    if (result.Outcome != TTransferOutcome::Success)
        return Fail(portName + ": " + WithDeviceCheckHint(view.Messages().Problem(), port.CheckLineStatus()));
    std::fprintf(stderr, "%s\n", view.Messages().ClosingMessage().c_str());
    return 0;
}

const char* const InfoHelp =
    "Usage: korvisel-cli info FILE\n\n"
    "Shows the project in FILE (.KV690, .KV2, .KRV or .json) as readable text, laid out\n"
    "like the project summary of the configurator.\n";
const char* const CheckHelp =
    "Usage: korvisel-cli check FILE\n\n"
    "Runs the consistency check that comes before every write to the device and prints its\n"
    "report. Exit status 2 when a write would be refused (the phone book is empty), 3 when the\n"
    "file's checksum does not match its contents (it was altered since it was written), 0 otherwise.\n"
    "Values outside what the configurator sets, which its Problems panel lists, are warnings on\n"
    "standard error; they do not change the exit status.\n";
const char* const ConvertHelp =
    "Usage: korvisel-cli convert IN OUT\n\n"
    "Reads IN (.KV690, .KV2, .KRV or .json) and writes OUT as .KV690 or .json, chosen by its\n"
    "extension. OUT \"-\" writes JSON to standard output. A .KRV file is read into a fresh image.\n";
const char* const PortsHelp =
    "Usage: korvisel-cli ports [--json]\n\n"
    "Lists the 16 numbered ports, the device each stands for, and whether it can be opened\n"
    "now: available, busy (with the process that holds it, where the system says), permission\n"
    "denied (the user is not in the dialout group) or absent. Ports are mapped in\n"
    "$KORVISEL_PORTS (else ~/.config/korvisel/ports).\n\n"
    "  --json    one JSON array of {port, device, state, holder, hint} for scripts\n";
const char* const DiffHelp =
    "Usage: korvisel-cli diff A B\n\n"
    "Compares two projects (.KV690, .KV2, .KRV or .json) as a device would hold them, field by\n"
    "field, and prints one line per differing field: \"FIELD: A value, B value\". Phone names\n"
    "are not compared: a device does not keep them. Exit status 0 when they are equal, 1 when\n"
    "they differ, 2 when either could not be read, 3 when standard output could not be written.\n";

const char* const ReadHelp =
    "Usage: korvisel-cli read --port COMn [line options] -o FILE\n"
    "       korvisel-cli read --port COMn --port COMm ... [line options] -o FOLDER/\n"
    "       korvisel-cli read --sites SITES.csv [--ports COMa-COMb] [line options]\n"
    "                         -o FOLDER/ TEMPLATE\n\n"
    "Reads the configuration from the device's CPU block and saves it as FILE (.KV690 or\n"
    ".json). With several ports (or a folder), every device is read at once, each into\n"
    "FOLDER/COMn-<date>-<time>-<ms>.KV690; a table of the results ends the output and the\n"
    "exit status is 0 only when every device was read. Ctrl+C stops them all.\n"
    "With --sites, every row's device is read at once, each into\n"
    "FOLDER/<Site>-<date>-<time>-<ms>.KV690, and compared with the row's project as\n"
    "verify --sites compares it (see there); the exit status is 0 only when every device\n"
    "holds its row's project.\n";
const char* const VerifyHelp =
    "Usage: korvisel-cli verify --port COMn [line options] FILE\n"
    "       korvisel-cli verify --sites SITES.csv [--ports COMa-COMb] [--all-or-nothing]\n"
    "                           [line options] TEMPLATE\n\n"
    "Reads the device and compares what it holds with the project in FILE, field by\n"
    "field (phone names are not compared: a device does not keep them). Prints one line\n"
    "per differing field, such as \"Inputs[2].ReactionTime: device 11, file 13\".\n"
    "Exit status 0 when they are equal, 1 when they differ, 2 when either could not\n"
    "be read, 3 when standard output could not be written.\n"
    "With --sites, each row of the sites table SITES.csv (see korvisel-cli apply --help)\n"
    "is the project in TEMPLATE with that row's values, and every row's device is read at\n"
    "once and compared with it: one line per differing field, \"North (COM5): Pin: device\n"
    "1111, site 4821\", then a table of the sites: equal, different, failed or refused.\n"
    "The ports are found as for write --sites (see there). Exit status 0 when every\n"
    "device holds its row's project, 1 when one differs, failed or its row was refused,\n"
    "2 when the template or the table could not be read, 130 when stopped.\n";
const char* const WriteHelp =
    "Usage: korvisel-cli write --port COMn [--port COMm ...] [line options] FILE\n"
    "       korvisel-cli write --sites SITES.csv [--ports COMa-COMb] [--all-or-nothing]\n"
    "                          [line options] TEMPLATE\n\n"
    "Writes the project in FILE into the device's CPU block. The consistency check runs\n"
    "first, as in the configurator: its report goes to Errors.txt and, when it found\n"
    "anything, to standard error; an empty phone book stops the write (exit status 2).\n"
    "With several ports (--port once per device, or --ports COM5-COM12) every device is\n"
    "written at once, one row of progress each; a table of the results ends the output\n"
    "and the exit status is 0 only when every device was written. Ctrl+C stops them all\n"
    "and says which devices were left unwritten. Exit status 4: the device received the\n"
    "whole project but the line was lost before it confirmed it; verify the device.\n\n"
    "With --sites, each row of the sites table SITES.csv (see korvisel-cli apply --help)\n"
    "is the project in TEMPLATE (a template file, or a .KV690, .KV2, .KRV or .json project)\n"
    "with that row's values, and every row's project is written into its own device at\n"
    "once. A row's port is its Port cell; with --ports as well, each Port cell must be\n"
    "among them. A table without\n"
    "a Port column takes the ports of --ports (or of --port, once per device) in row\n"
    "order: record N goes to the N-th port, and a refused row leaves its port's device\n"
    "untouched, so that no device is given the next site's settings. A row is refused,\n"
    "named with its record, line and column, and not written, for what apply refuses\n"
    "and for a port that is left over, empty, unknown, given twice or not among --ports;\n"
    "the other rows are written. With --all-or-nothing no device is touched unless every\n"
    "row can be written. The consistency check's gaps in a site's project are warnings.\n"
    "A table of the sites (site, port, result) ends the output. Exit status 0 when every\n"
    "site was written, 1 when one failed or was refused, 2 when the template or the\n"
    "table could not be read, 4 as above, 130 when stopped.\n";

} // namespace

int Fail(const std::string& what, int status) {
    // A message may quote a file or a device: nothing of it reaches the terminal raw.
    std::fprintf(stderr, "korvisel-cli: %s\n", EscapedText(what).c_str());
    return status;
}

int Info(const TArgs& args) {
    TProjectInfo project;
    if (const int status = StartFileCommand(InfoHelp, args, 1, project); status >= 0)
        return status;
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    for (const std::string& row : ProjectSummaryRows(project, texts)) {
        const std::string line = MarkupReadableText(row);
        if (!line.empty() || row == " ")
            std::printf("%s\n", EscapedText(line).c_str());
    }
    return 0;
}

int Check(const TArgs& args) {
    TProjectInfo project;
    bool damaged = false;
    if (const int status = StartFileCommand(CheckHelp, args, 1, project, 1, &damaged); status >= 0)
        return status;
    const TCheckReport report = CheckProject(project);
    for (const std::string& line : report.Lines)
        std::printf("%s\n", EscapedText(line).c_str());
    // The Problems panel lists the values outside what the configurator sets beside the findings: so
    // that the two never disagree about a file, they are warnings here, the report staying as it is.
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    for (const TProblem& problem : ProjectProblems(project))
        if (problem.Kind != TProblemKind::CheckError && problem.Kind != TProblemKind::CheckWarning &&
            problem.Kind != TProblemKind::CheckNote)
            std::fprintf(stderr, "korvisel-cli: warning: %s\n",
                         EscapedText(args[0] + ": " + ProblemText(problem, texts)).c_str());
    if (report.Result == TCheckResult::BlocksWrite)
        return 2;
    return damaged ? 3 : 0;
}

int Convert(const TArgs& args) {
    if (const int status = Usage(ConvertHelp, args, 2); status >= 0)
        return status;
    TProjectInfo project;
    // A project made from a template keeps what it was made from from one JSON file to the next.
    TSiteOrigin origin;
    if (const TResult<> loaded = LoadProjectFile(args[0], project, nullptr, nullptr, &origin); !loaded.Ok())
        return Fail(loaded.Reason());
    if (const TResult<> saved = SaveProjectFile(args[1], project, origin); !saved.Ok())
        return Fail(saved.Reason());
    return 0;
}

int Ports(const TArgs& args) {
    const bool json = args.size() == 1 && args[0] == "--json";
    if (const int status = Usage(PortsHelp, json ? TArgs{} : args, 0); status >= 0)
        return status;
    const std::vector<TPortRow> rows = PortRows();
    const std::string text = json ? PortRowsJson(rows) : PortRowsText(rows);
    std::fputs(text.c_str(), stdout);
    return 0;
}

namespace {

// Opens the port and reads the device into `images` and `project`, with the backup kept when asked.
// Returns the exit status of a failure, or 0.
int ReadDevice(TCommPortDriverEx& port, const TLineOptions& options, TImageBuffers& images,
               TProjectInfo& project, std::optional<TResult<std::string>>& backup) {
    const std::string& portName = options.Ports[0];
    if (const TResult<> opened = OpenPort(port, portName); !opened.Ok())
        return Fail(opened.Reason());
    PrepareRead(images.Incoming);
    TTransferResult result;
    if (const int status = RunTransfer(port, portName, TTransferMode::Read, "", result); status != 0)
        return status;
    TDopPrintInfo print;
    AcceptReadData(result.TransferData, result.VersionAnswer, images.Incoming, project, print);
    std::printf("firmware version: %s\n", EscapedText(print.FirmwareVersion).c_str());
    if (options.KeepBackup) {
        backup = KeepDeviceBackup(TBackupKind::Read, portName, images.Incoming);
        std::fprintf(stderr, "%s\n", EscapedText(BackupNote(*backup)).c_str());
    }
    return 0;
}

int PrintDifferences(const std::vector<std::string>& differences) {
    for (const std::string& line : differences)
        std::printf("%s\n", line.c_str());
    return differences.empty() ? 0 : 1;
}

} // namespace

namespace {

// A read into a folder: every device's project as its own file there, named by port and time.
int ReadIntoFolder(const TArgs& args, const TLineOptions& options) {
    const std::string& folder = options.Output;
    if (const int status = CheckReadFolder(folder); status >= 0)
        return status;
    TBatchJob job;
    job.Mode = TTransferMode::Read;
    job.SaveRead = [folder](const std::string& port, const TProjectInfo& read) -> TResult<std::string> {
        const std::string file = DatedReadFile(folder, PlainPortName(port) + "-");
        TProjectInfo project = read;
        if (const TResult<> saved = SaveProjectFile(file, project); !saved.Ok())
            return TResult<std::string>::Failure(saved.Reason());
        return file;
    };
    job.KeepBackup = options.KeepBackup;
    job.Configure = LineSettings(args);
    return RunOnEveryPort(options.Ports, job);
}

} // namespace

int Read(const TArgs& args) {
    TTransferCommand command(args, ReadHelp, TCommandOperands::Output);
    if (command.Status >= 0)
        return command.Status;
    const TLineOptions& options = command.Options;
    if (!options.Sites.empty())
        return RunSitesBatch(args, options, TSitesCommand::Read);
    if (options.Ports.size() > 1 || options.Output.ends_with("/") ||
        std::filesystem::is_directory(options.Output))
        return ReadIntoFolder(args, options);
    // The output is checked before the 16 s transfer, not after it.
    if (const TResult<> writable = CheckProjectOutput(options.Output); !writable.Ok())
        return Fail(writable.Reason(), 2);
    TImageBuffers images;
    TProjectInfo project;
    std::optional<TResult<std::string>> backup;
    if (const int status = ReadDevice(command.Port, options, images, project, backup); status != 0)
        return status;
    if (const TResult<> saved = SaveProjectFile(options.Output, project); !saved.Ok()) {
        // What was read is never lost: without a copy yet, one is kept now.
        if (!backup || !backup->Ok())
            backup = KeepDeviceBackup(TBackupKind::Read, options.Ports[0], images.Incoming);
        return Fail(saved.Reason() + ReadCopyNote(*backup));
    }
    return 0;
}

int Verify(const TArgs& args) {
    TTransferCommand command(args, VerifyHelp, TCommandOperands::File);
    if (command.Status >= 0)
        return command.Status;
    const TLineOptions& options = command.Options;
    if (!options.Sites.empty())
        return RunSitesBatch(args, options, TSitesCommand::Verify);
    if (options.Ports.size() != 1)
        return Fail("verify reads one device: give one --port", 2);
    TProjectInfo file;
    // The file is read before the transfer, so a wrong name costs no 16 s.
    if (const int status = LoadOperand(options.Operands[0], file, 2); status >= 0)
        return status;
    TImageBuffers images;
    TProjectInfo device;
    std::optional<TResult<std::string>> backup;
    if (ReadDevice(command.Port, options, images, device, backup) != 0)
        return 2;
    return PrintDifferences(ProjectDifferences(device, file, "device", "file"));
}

int Diff(const TArgs& args) {
    TProjectInfo first, second;
    if (const int status = StartFileCommand(DiffHelp, args, 2, first, 2); status >= 0)
        return status;
    if (const int status = LoadOperand(args[1], second, 2); status >= 0)
        return status;
    // The values are shown as JSON writes them; the names are the user's and are escaped here.
    return PrintDifferences(ProjectDifferences(first, second, EscapedText(args[0]), EscapedText(args[1])));
}

int Write(const TArgs& args) {
    TTransferCommand command(args, WriteHelp, TCommandOperands::File);
    if (command.Status >= 0)
        return command.Status;
    const TLineOptions& options = command.Options;
    if (!options.Sites.empty())
        return RunSitesBatch(args, options, TSitesCommand::Write);
    const std::string& file = options.Operands[0];
    TProjectInfo project;
    if (const int status = LoadOperand(file, project); status >= 0)
        return status;

    const TReportOpener showReport = [&project](const std::string& path) {
        std::fprintf(stderr, "check report %s:\n", EscapedText(path).c_str());
        for (const std::string& line : CheckProject(project).Lines)
            std::fprintf(stderr, "  %s\n", EscapedText(line).c_str());
    };
    TImageBuffers images;
    std::string reportProblem;
    const auto payload =
        PrepareWrite(project, images.Outgoing, DefaultReportFolders(), showReport, &reportProblem);
    if (!reportProblem.empty())
        std::fprintf(stderr, "korvisel-cli: %s\n", EscapedText(reportProblem).c_str());
    if (!payload)
        return Fail(file + ": the phone book is empty; nothing was written", 2);
    if (options.Ports.size() > 1) {
        TBatchJob job;
        job.Mode = TTransferMode::Write;
        job.Payload = *payload;
        job.Outgoing = images.Outgoing;
        job.KeepBackup = options.KeepBackup;
        job.Configure = LineSettings(args);
        return RunOnEveryPort(options.Ports, job);
    }
    const std::string& portName = options.Ports[0];
    if (const TResult<> opened = OpenPort(command.Port, portName); !opened.Ok())
        return Fail(opened.Reason());
    TTransferResult result;
    const int status = RunTransfer(command.Port, portName, TTransferMode::Write, *payload, result);
    // The project went out whole also when its confirmation was not seen.
    if ((status == 0 || status == UnconfirmedStatus) && options.KeepBackup)
        std::fprintf(
            stderr, "%s\n",
            EscapedText(BackupNote(KeepDeviceBackup(TBackupKind::Written, portName, images.Outgoing)))
                .c_str());
    return status;
}

} // namespace korvisel::cli
