// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/WorkFolders.h"

#include "files/FileIo.h"
#include "files/StandardPaths.h"

#include <array>
#include <cstdlib>
#include <string_view>
#include <unistd.h>

namespace korvisel {
namespace {

std::string WithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

} // namespace

bool IsSystemFolder(const std::string& folder) {
    static constexpr std::array<std::string_view, 8> Roots = {"/usr/", "/opt/",   "/bin/", "/sbin/",
                                                              "/lib/", "/lib64/", "/etc/", "/snap/"};
    const std::string path = WithSeparator(folder);
    if (path == "/")
        return true;
    for (const std::string_view root : Roots)
        if (path.starts_with(root))
            return true;
    return false;
}

TWorkFolders ChooseWorkFolders(const std::string& programFolder, const std::string& documentsFolder,
                               const std::string& homeFolder, const TFolderTest& exists,
                               const TFolderTest& writable) {
    TWorkFolders folders;
    if (!programFolder.empty() && !IsSystemFolder(programFolder) && writable(programFolder))
        folders.Program = WithSeparator(programFolder);
    if (!folders.Program.empty())
        folders.First = folders.Program;
    else if (!documentsFolder.empty() && exists(documentsFolder))
        folders.First = documentsFolder;
    else
        folders.First = homeFolder;
    return folders;
}

TWorkFolders LocalWorkFolders(const std::string& documentsFolder) {
    const char* home = std::getenv("HOME");
    return ChooseWorkFolders(ProgramFolder(), documentsFolder, home && *home ? home : "/", IsFolder,
                             [](const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; });
}

} // namespace korvisel
