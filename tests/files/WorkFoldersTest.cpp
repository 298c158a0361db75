// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/WorkFolders.h"

#include <gtest/gtest.h>

#include <set>

namespace korvisel {
namespace {

TEST(WorkFolders, AnInstalledProgramsFolderIsNeverAWorkingFolder) {
    const std::set<std::string> existing = {"/home/u/Documents", "/home/u/build/src"};
    const auto exists = [&](const std::string& f) { return existing.contains(f); };
    const auto writable = [](const std::string& f) { return f != "/home/u/readonly"; };
    struct Case {
        const char* program;
        const char* documents;
        const char* expectedProgram;
        const char* expectedFirst;
    } cases[] = {
        {"/usr/bin", "/home/u/Documents", "", "/home/u/Documents"},
        {"/usr/local/bin", "/home/u/Documents", "", "/home/u/Documents"},
        {"/opt/korvisel/bin", "/home/u/Documents", "", "/home/u/Documents"},
        {"/home/u/build/src", "/home/u/Documents", "/home/u/build/src/", "/home/u/build/src/"},
        {"/home/u/build/src/", "/home/u/Documents", "/home/u/build/src/", "/home/u/build/src/"},
        {"/home/u/readonly", "/home/u/Documents", "", "/home/u/Documents"},
        {"/usr/bin", "/home/u/Dokumente", "", "/home/u"}, // named by the desktop, never made
        {"/usr/bin", "", "", "/home/u"},
        {"/usrlocal/bin", "", "/usrlocal/bin/", "/usrlocal/bin/"}, // a prefix alone is not the folder
        {"/", "", "", "/home/u"},
    };
    for (const Case& c : cases) {
        const TWorkFolders folders = ChooseWorkFolders(c.program, c.documents, "/home/u", exists, writable);
        EXPECT_EQ(folders.Program, c.expectedProgram) << c.program;
        EXPECT_EQ(folders.First, c.expectedFirst) << c.program << " " << c.documents;
    }
}

} // namespace
} // namespace korvisel
