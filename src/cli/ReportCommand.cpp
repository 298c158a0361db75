// SPDX-License-Identifier: GPL-3.0-or-later
// korvisel-cli report: the configuration report of a project file as a PDF, drawn as the
// configurator prints it.
#include "cli/Commands.h"
#include "cli/LineOptions.h"

#include "cli/ProjectFiles.h"
#include "core/SafeText.h"
#include "report/ReportValues.h"
#include "ui/report/OffscreenDrawing.h"
#include "ui/report/ReportPainter.h"
#include "json/PrintData.h"

#include <cstdio>
#include <map>

namespace korvisel::cli {
namespace {

const char* const ReportHelp =
    "Usage: korvisel-cli report FILE -o OUT.pdf [print data]\n\n"
    "Writes the configuration report of FILE (.KV690, .KV2, .KRV or .json) as a two-page A4 PDF:\n"
    "the cover with the print data and the settings sheet (-o - writes it to standard output).\n"
    "Print data, which no .KV690 file keeps, comes from the JSON's \"PrintData\" object or from\n"
    "these options (the options win):\n"
    "  --serial TEXT        serial number of the device (40 characters)\n"
    "  --firmware VERSION   firmware version (digits and dots, 15 characters)\n"
    "  --power KIND         unit, accumulator, or the words for another supply\n"
    "  --sim-phone NUMBER   phone number of the SIM card (digits and a leading +, 30)\n"
    "  --reg-number TEXT    registration number of the SIM card (40 characters)\n"
    "  --comment TEXT       comment, lines separated by line breaks (300 characters)\n"
    "Empty print data prints as lines to be filled in by hand.\n";

const std::map<std::string, std::string> Fields = {
    {"--serial", "SerialNumber"},  {"--firmware", "FirmwareVersion"}, {"--sim-phone", "SimPhone"},
    {"--reg-number", "RegNumber"}, {"--comment", "Comment"},
};

} // namespace

int Report(const TArgs& given) {
    const TArgs args = WithOptionValuesSplit(given);
    for (const std::string& a : args)
        if (a == "--help" || a == "-h") {
            std::fputs(ReportHelp, stdout);
            return 0;
        }
    std::vector<std::string> operands;
    std::string output;
    std::vector<std::pair<std::string, std::string>> options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!a.starts_with("-")) {
            operands.push_back(a);
            continue;
        }
        if (i + 1 >= args.size())
            return Fail(a + ": needs a value", 2);
        const std::string& value = args[++i];
        if (a == "-o" || a == "--output")
            output = value;
        else if (Fields.count(a) || a == "--power")
            options.emplace_back(a, value);
        else
            return Fail(a + ": not an option of report; see korvisel-cli report --help", 2);
    }
    if (operands.size() != 1 || output.empty()) {
        std::fputs(ReportHelp, stderr);
        return 2;
    }

    TProjectInfo project;
    TDopPrintInfo print;
    if (const TResult<> loaded = LoadProjectFile(operands[0], project, &print); !loaded.Ok())
        return Fail(loaded.Reason());
    for (const auto& [option, value] : options) {
        if (option == "--power")
            SetPowerSupply(print, value);
        else if (const auto error = SetPrintDataField(print, Fields.at(option), value))
            return Fail(option + ": " + *error, 2);
    }

    const TOffscreenDrawing drawing("korvisel-cli");
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    const std::vector<TReportPage> pages = ConfigurationReportPages(project, print, texts);
    for (const std::string& cut : CutShortTexts(pages))
        std::fprintf(stderr, "korvisel-cli: warning: the report cuts \"%s\" short: it does not fit its box\n",
                     EscapedText(EchoedValue(cut)).c_str());
    if (output == "-") {
        // "-" is standard output, as for convert, never a file of that name.
        const std::string pdf = ReportPdf(pages);
        if (pdf.empty())
            return Fail("the PDF could not be made");
        std::fwrite(pdf.data(), 1, pdf.size(), stdout);
        return 0;
    }
    if (const TResult<> written = WriteReportPdf(output, pages); !written.Ok())
        return Fail(output + ": " + written.Reason());
    return 0;
}

} // namespace korvisel::cli
