// SPDX-License-Identifier: GPL-3.0-or-later
// Whole-file reads and writes with every failure reported, never swallowed.
#pragma once

#include "core/Result.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace korvisel {

// Writes through a temporary file in the same folder and renames it over the target, so that the
// previous file survives any failure (read-only folder, full disk, the size limit), and a killed
// write leaves no temporary behind where the file system can make it nameless. An existing file keeps
// its mode. A symbolic link is written through to its target; a file without write permission and
// anything that is not a regular file are refused with the reason.
TResult<> WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

// Why WriteFileAtomically would refuse `path` before writing a byte (a loop of links, a file that
// may not be replaced, a folder that is missing or may not be written), or nothing: for a command
// that must not do a long job only to be refused at its end.
std::optional<TResult<>> WriteRefusal(const std::string& path);

enum class TReadStatus { Ok, NotFound, Failed };

// What tells one state of a file from another without reading it: a rewrite by rename changes the
// inode, a rewrite in place the size or the change times.
struct TFileIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    std::uint64_t Size = 0;
    std::int64_t ModifiedSeconds = 0;
    std::int64_t ModifiedNanoseconds = 0;
    std::int64_t ChangedSeconds = 0;
    std::int64_t ChangedNanoseconds = 0;
    bool operator==(const TFileIdentity&) const = default;
};

// Nothing when the path names nothing that can be examined.
std::optional<TFileIdentity> FileIdentity(const std::string& path);

struct TFileHead {
    TReadStatus Status = TReadStatus::Ok;
    std::string Reason;
    TFileIdentity Identity;          // of the file as it was opened, before its bytes were read
    std::uint64_t Size = 0;          // the whole file's length
    std::vector<std::uint8_t> Bytes; // its first min(Size, limit) bytes
};

// Reads at most `limit` bytes from the start of a regular file. Anything else (a folder, a pipe,
// a device) is refused rather than read, so a reader can never block on it.
TFileHead ReadFileHead(const std::string& path, std::size_t limit);

// Creates the folder and any missing parents.
TResult<> MakeFolders(const std::string& path);

// The folder part of a path ("." for a bare file name).
std::string ParentFolder(const std::string& path);
// The path with `extension` (".pdf") added when its file name has none.
std::string WithDefaultExtension(const std::string& path, const std::string& extension);

// Whether something is at the path (links followed), a folder, or a regular file.
bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);
bool IsRegularFile(const std::string& path);

} // namespace korvisel
