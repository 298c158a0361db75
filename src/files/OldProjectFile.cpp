// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/OldProjectFile.h"

#include "files/FileIo.h"

#include <algorithm>

namespace korvisel {

TFileResult ReadOldProjectFile(const std::string& fileName, TDeviceImage& incoming, TProjectInfo& project) {
    const TFileHead head = ReadFileHead(fileName, OldProjectImageSize);
    if (head.Status == TReadStatus::NotFound)
        return TFileResult::Failure(TFileError::NotFound, fileName, head.Reason);
    if (head.Status == TReadStatus::Failed)
        return TFileResult::Failure(TFileError::ReadFailed, fileName, head.Reason);
    if (head.Bytes.size() < OldProjectImageSize)
        return TFileResult::Failure(TFileError::FalseFormat, fileName);

    incoming.fill(0);
    std::copy_n(head.Bytes.begin(), OldProjectImageSize, incoming.begin());
    UnpackImage(incoming, project);
    return TFileResult::Success(fileName);
}

} // namespace korvisel
