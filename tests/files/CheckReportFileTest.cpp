// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/CheckReportFile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

TProjectInfo WithPhone(std::size_t k, const std::string& number) {
    TProjectInfo p;
    p.Phones[k] = {number, "", false};
    return p;
}

TEST(WriteCheckReport, WritesTheReportAndOpensItOnlyWithCountedFindings) {
    struct Case {
        TProjectInfo project;
        bool opened;
    } cases[] = {{TProjectInfo{}, true}, {WithPhone(1, "1"), false}};
    for (const Case& c : cases) {
        test::TempFolder program;
        std::string openedPath;
        const TReportPlacement outcome =
            WriteCheckReport(CheckProject(c.project), {program.Path(), program.File("data")},
                             [&](const std::string& path) { openedPath = path; });
        const std::string path = program.File("Errors.txt");
        EXPECT_EQ(outcome.ReportPath, path);
        EXPECT_EQ(outcome.ReportOpened, c.opened);
        EXPECT_EQ(openedPath, c.opened ? path : "");
        const std::vector<std::uint8_t> bytes = test::ReadBytes(path);
        EXPECT_EQ(std::string(bytes.begin(), bytes.end()), CheckProject(c.project).Text());
    }
}

TEST(WriteCheckReport, FallsBackToTheDataFolder) {
    test::TempFolder root;
    const TCheckReport report = CheckProject(WithPhone(1, "1"));
    const TReportPlacement fallback =
        WriteCheckReport(report, {root.File("no/program"), root.File("share/korvisel")}, nullptr);
    EXPECT_EQ(fallback.ReportPath, root.File("share/korvisel/Errors.txt"));
    // An installed program has no program folder to write to, even when it could (root).
    const TReportPlacement installed = WriteCheckReport(report, {"", root.File("data")}, nullptr);
    EXPECT_EQ(installed.ReportPath, root.File("data/Errors.txt"));

    test::WriteBytes(root.File("file"), {1});
    bool opened = false;
    const TReportPlacement nowhere =
        WriteCheckReport(CheckProject(TProjectInfo{}), {root.File("no/program"), root.File("file/below")},
                         [&](const std::string&) { opened = true; });
    EXPECT_EQ(nowhere.ReportPath, "");
    EXPECT_FALSE(nowhere.ReportError.empty());
    EXPECT_FALSE(opened);
}

} // namespace
} // namespace korvisel
