// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProjectFiles.h"

#include "core/AsciiText.h"
#include "core/SafeText.h"
#include "files/FileIo.h"
#include "files/OldProjectFile.h"
#include "json/ProjectJson.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace korvisel {
namespace {

constexpr std::size_t MaximumJsonSize = 1024 * 1024;

std::string Extension(const std::string& path) {
    const std::size_t dot = path.find_last_of('.');
    const std::size_t slash = path.find_last_of('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return AsciiUpper(path.substr(dot));
}

TResult<> Describe(const TFileResult& result) {
    switch (result.Error) {
    case TFileError::None:
        return {};
    case TFileError::NotFound:
        return TResult<>::Failure(result.FileName + ": not found");
    case TFileError::FalseFormat:
        return TResult<>::Failure(result.FileName + ": not a project file");
    case TFileError::Truncated:
        return TResult<>::Failure(result.FileName +
                                  ": truncated: the file ends before its image and checksum");
    default:
        return TResult<>::Failure(result.FileName + ": " + result.Reason);
    }
}

TResult<> LoadJson(const std::string& path, TProjectInfo& project, TDopPrintInfo* print,
                   TSiteOrigin* origin) {
    const TFileHead head = ReadFileHead(path, MaximumJsonSize + 1);
    if (head.Status == TReadStatus::NotFound)
        return TResult<>::Failure(path + ": not found");
    if (head.Status == TReadStatus::Failed)
        return TResult<>::Failure(path + ": " + head.Reason);
    if (head.Size > MaximumJsonSize)
        return TResult<>::Failure(path + ": too large for a project");
    std::vector<std::string> warnings;
    if (auto error = ProjectFromJson(std::string(head.Bytes.begin(), head.Bytes.end()), project, print,
                                     &warnings, origin))
        return TResult<>::Failure(path + ": " + *error);
    for (const std::string& warning : warnings)
        std::fprintf(stderr, "korvisel-cli: warning: %s\n", EscapedText(path + ": " + warning).c_str());
    return {};
}

} // namespace

TResult<> LoadProjectFile(const std::string& path, TProjectInfo& project, TDopPrintInfo* print, bool* damaged,
                          TSiteOrigin* origin) {
    const std::string extension = Extension(path);
    TDeviceImage incoming{};
    if (extension == ProjectFileExtension || extension == PreviousProjectFileExtension) {
        const TFileResult result = ReadProjectFile(path, incoming, project);
        if (result.Ok() && result.ChecksumMismatch)
            std::fprintf(stderr,
                         "korvisel-cli: warning: %s: the file's checksum does not match its contents; check "
                         "every setting before writing it\n",
                         EscapedText(path).c_str());
        if (damaged)
            *damaged = result.Ok() && result.ChecksumMismatch;
        return Describe(result);
    }
    if (extension == OldProjectFileExtension)
        return Describe(ReadOldProjectFile(path, incoming, project));
    if (extension == ".JSON")
        return LoadJson(path, project, print, origin);
    return TResult<>::Failure(path + ": not a project file (.KV690, .KV2, .KRV or .json)");
}

TResult<> SaveProjectFile(const std::string& path, TProjectInfo& project, const TSiteOrigin& origin) {
    if (path == "-") {
        const std::string json = ProjectToJson(project, origin);
        if (std::fwrite(json.data(), 1, json.size(), stdout) != json.size() || std::fflush(stdout) != 0)
            return TResult<>::Failure("standard output: cannot write");
        return {};
    }
    const std::string extension = Extension(path);
    if (extension == ProjectFileExtension) {
        TDeviceImage outgoing{};
        return Describe(WriteProjectFile(path, project, outgoing));
    }
    if (extension == ".JSON") {
        const std::string json = ProjectToJson(project, origin);
        const TResult<> written = WriteFileAtomically(
            path, std::span(reinterpret_cast<const std::uint8_t*>(json.data()), json.size()));
        return written.Ok() ? written : TResult<>::Failure(path + ": " + written.Reason());
    }
    return TResult<>::Failure(path + ": can only write .KV690 or .json");
}

TResult<> CheckProjectOutput(const std::string& path) {
    if (path == "-")
        return {};
    const std::string extension = Extension(path);
    if (extension != ProjectFileExtension && extension != ".JSON")
        return TResult<>::Failure(path + ": can only write .KV690 or .json");
    if (const auto refused = WriteRefusal(path))
        return TResult<>::Failure(path + ": " + refused->Reason());
    return {};
}

} // namespace korvisel
