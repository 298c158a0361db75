// SPDX-License-Identifier: GPL-3.0-or-later
// The older ".KRV" project files: a bare 224-byte start of a device image, read but never written.
#pragma once

#include "files/ProjectFile.h"

namespace korvisel {

constexpr std::size_t OldProjectImageSize = 224;
inline constexpr char OldProjectFileExtension[] = ".KRV";
inline constexpr char PreviousProjectFileExtension[] = ".KV2";

// Fills bytes 0..223 of the incoming image and unpacks it: the fields stored from byte 224 on come
// from a zero image, as on a fresh start, never from a file or device read before.
TFileResult ReadOldProjectFile(const std::string& fileName, TDeviceImage& incoming, TProjectInfo& project);

} // namespace korvisel
