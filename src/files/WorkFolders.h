// SPDX-License-Identifier: GPL-3.0-or-later
// Which folders may serve as the working folder of the file dialogs and of the check report.
#pragma once

#include <functional>
#include <string>

namespace korvisel {

using TFolderTest = std::function<bool(const std::string&)>;

struct TWorkFolders {
    // The program's folder with its trailing separator; empty when it may not be a working folder.
    std::string Program;
    // The working folder before the user chose one.
    std::string First;
};

// Folders a package installs into: a user's projects and reports never belong there, even when
// the user is root and could write them.
bool IsSystemFolder(const std::string& folder);

// The program's folder serves as a working folder only when the user owns it (a build tree, an
// unpacked copy): not a system folder and writable. Otherwise the documents folder is the first
// working folder, else the home folder.
TWorkFolders ChooseWorkFolders(const std::string& programFolder, const std::string& documentsFolder,
                               const std::string& homeFolder, const TFolderTest& exists,
                               const TFolderTest& writable);

// The folders of this machine, with the documents folder the desktop names.
TWorkFolders LocalWorkFolders(const std::string& documentsFolder);

} // namespace korvisel
