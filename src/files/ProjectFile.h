// SPDX-License-Identifier: GPL-3.0-or-later
// Project files: a short header, the device image and its block checksum.
#pragma once

#include "core/PrjTypes.h"
#include "fields/DeviceImage.h"

#include <string>
#include <vector>

namespace korvisel {

namespace ProjectFileLayout {
inline constexpr char Signature[] = "KRV610";
constexpr std::size_t SignatureLength = 6;
constexpr std::size_t HeaderSize = 2 + SignatureLength + 2;
constexpr std::size_t ChecksumSize = 16;
constexpr std::size_t FileSize = HeaderSize + DeviceImageSize + ChecksumSize; // 476
// Anything shorter cannot be a project file, whatever it holds.
constexpr std::size_t MinimumSize = 310;
} // namespace ProjectFileLayout

inline constexpr char ProjectFileExtension[] = ".KV690";

enum class TFileError {
    None,
    NotFound,    // MESSAGE_NOT_FIND_F
    FalseFormat, // MESSAGE_FALSE_FORMAT_F
    Truncated,   // MESSAGE_FALSE_FORMAT_F: ends before its image or checksum
    ReadFailed,  // the operating system refused the read; Reason says why
    WriteFailed, // the operating system refused the write; Reason says why
};

// What a file operation did, for the windows to turn into a message box: the error names the box's
// text (with %s standing for FileName), or the operating system's reason says what happened.
struct TFileResult {
    TFileError Error = TFileError::None;
    std::string FileName;
    std::string Reason;
    // Read, but the checksum the file carries is not its image's: the file was altered since it was
    // written (the settings may still be right, so it loads).
    bool ChecksumMismatch = false;

    bool Ok() const { return Error == TFileError::None; }

    static TFileResult Success(const std::string& fileName);
    // Fills in the message key that belongs to the error.
    static TFileResult Failure(TFileError error, const std::string& fileName, const std::string& reason = {});
};

// The bytes of a project file holding this image.
std::vector<std::uint8_t> ProjectFileBytes(const TDeviceImage& image);

// Packs the project into the outgoing image and replaces the file atomically.
TFileResult WriteProjectFile(const std::string& fileName, const TProjectInfo& project,
                             TDeviceImage& outgoing);

// Reads a project file into the incoming image and unpacks it. The project is changed only when the
// whole file is sound; an image whose checksum does not match still loads, and the result says so.
TFileResult ReadProjectFile(const std::string& fileName, TDeviceImage& incoming, TProjectInfo& project);

} // namespace korvisel
