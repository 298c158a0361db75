// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/PrintInfoRows.h"

#include "markup/SummaryTables.h"

namespace korvisel {
using namespace summary;

std::vector<std::string> PrintInfoRows(const TDopPrintInfo& print, const TLanguageTexts& texts) {
    const auto T = [&](TTextKey key) { return texts.Text(key); };
    const auto orLine = [](const std::string& value, const std::string& blank) {
        return value.empty() ? blank : MarkupLiteral(value);
    };
    const auto heading = [&](TTextKey key) { return Row().Bold().Larger(4).Text(" ").Text(T(key)); };
    const std::string longLine = "    _______________________________";
    std::vector<std::string> rows;
    rows.push_back(ReportTitle().Text(" ").Text(T("REP2_CAPTION")));
    rows.push_back(Gap(3));
    rows.push_back(heading("REP2_SER_NUM"));
    rows.push_back(Gap(3));
    rows.push_back(print.SerialNumber.empty() ? longLine : "    " + MarkupLiteral(print.SerialNumber));
    rows.push_back(Gap(5));
    rows.push_back(heading("REP2_FWARE_VER"));
    rows.push_back(Gap(3));
    rows.push_back(print.FirmwareVersion.empty() ? "    _______________"
                                                 : "    " + MarkupLiteral(print.FirmwareVersion));
    rows.push_back(Gap(5));
    rows.push_back(heading("REP2_POWER_SUP"));
    rows.push_back(Gap(3));
    switch (print.PowerSupply.Kind) {
    case PowerKind::PowerUnit:
        rows.push_back("    " + T("REP_BASE_PWSUPPLY1"));
        break;
    case PowerKind::Accumulator:
        rows.push_back("    " + T("REP_BASE_PWSUPPLY2"));
        break;
    case PowerKind::Other:
        rows.push_back("    " + orLine(print.PowerSupply.OtherText, T("REP_BASE_PWSUPPLY3")));
        break;
    default:
        break;
    }
    rows.push_back(Gap(5));
    rows.push_back(heading("REP2_SIM_PHONE"));
    rows.push_back(Gap(3));
    rows.push_back(orLine(print.SimPhone, longLine));
    rows.push_back(Gap(5));
    rows.push_back(heading("REP2_REG_NUM"));
    rows.push_back(Gap(3));
    rows.push_back(orLine(print.RegNumber, longLine));
    rows.push_back(Gap(5));
    rows.push_back(heading("REP2_COMMENT"));
    rows.push_back(Gap(3));
    for (std::size_t start = 0, cr; (cr = print.Comment.find('\r', start)) != std::string::npos;
         start = cr + 1)
        rows.push_back("    " + MarkupLiteral(print.Comment.substr(start, cr - start)));
    rows.push_back(Gap(5));
    return rows;
}

std::vector<std::string> CommentLines(const std::string& comment) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t cr; (cr = comment.find('\r', start)) != std::string::npos; start = cr + 1)
        lines.push_back(comment.substr(start, cr - start));
    if (lines.empty() || start < comment.size())
        lines.push_back(comment.substr(start));
    return lines;
}

} // namespace korvisel
