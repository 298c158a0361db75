// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/ProjectFile.h"

#include "core/AsciiText.h"
#include "files/BlockChecksum.h"
#include "files/FileIo.h"

#include <algorithm>
#include <cstring>

namespace korvisel {
namespace {

void PutLittleEndian(std::vector<std::uint8_t>& out, std::size_t offset, std::uint32_t v, std::size_t width) {
    for (std::size_t i = 0; i < width; ++i)
        out[offset + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint16_t Word16At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

std::uint32_t Word32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(Word16At(bytes, offset)) |
           static_cast<std::uint32_t>(Word16At(bytes, offset + 2)) << 16;
}

} // namespace

TFileResult TFileResult::Success(const std::string& fileName) {
    return {TFileError::None, fileName, {}};
}

TFileResult TFileResult::Failure(TFileError error, const std::string& fileName, const std::string& reason) {
    return {error, fileName, reason};
}

std::vector<std::uint8_t> ProjectFileBytes(const TDeviceImage& image) {
    using namespace ProjectFileLayout;
    std::vector<std::uint8_t> bytes(FileSize);
    PutLittleEndian(bytes, 0, SignatureLength, 2);
    std::copy_n(Signature, SignatureLength, bytes.begin() + 2);
    PutLittleEndian(bytes, 2 + SignatureLength, DeviceImageSize, 2);
    std::copy(image.begin(), image.end(), bytes.begin() + HeaderSize);
    std::size_t offset = HeaderSize + DeviceImageSize;
    for (std::uint32_t word : BlockChecksum(image).Words()) {
        PutLittleEndian(bytes, offset, word, 4);
        offset += 4;
    }
    return bytes;
}

TFileResult WriteProjectFile(const std::string& fileName, const TProjectInfo& project,
                             TDeviceImage& outgoing) {
    PackImage(project, outgoing);
    const TResult<> written = WriteFileAtomically(fileName, ProjectFileBytes(outgoing));
    if (!written.Ok())
        return TFileResult::Failure(TFileError::WriteFailed, fileName, written.Reason());
    return TFileResult::Success(fileName);
}

TFileResult ReadProjectFile(const std::string& fileName, TDeviceImage& incoming, TProjectInfo& project) {
    using namespace ProjectFileLayout;
    // Read past the longest valid file so a longer image length is seen for what it is.
    const TFileHead head = ReadFileHead(fileName, FileSize + 1);
    if (head.Status == TReadStatus::NotFound)
        return TFileResult::Failure(TFileError::NotFound, fileName, head.Reason);
    if (head.Status == TReadStatus::Failed)
        return TFileResult::Failure(TFileError::ReadFailed, fileName, head.Reason);

    const std::vector<std::uint8_t>& bytes = head.Bytes;
    if (bytes.size() < MinimumSize || Word16At(bytes, 0) != SignatureLength)
        return TFileResult::Failure(TFileError::FalseFormat, fileName);
    for (std::size_t i = 0; i < SignatureLength; ++i)
        if (AsciiUpper(static_cast<char>(bytes[2 + i])) != Signature[i])
            return TFileResult::Failure(TFileError::FalseFormat, fileName);
    const std::size_t imageLength = Word16At(bytes, 2 + SignatureLength);
    if (imageLength > DeviceImageSize)
        return TFileResult::Failure(TFileError::FalseFormat, fileName);
    if (bytes.size() < HeaderSize + imageLength + ChecksumSize)
        return TFileResult::Failure(TFileError::Truncated, fileName);

    // A shorter image is followed by zeros, as on a fresh start, never by what the last read left.
    incoming.fill(0);
    std::copy_n(bytes.begin() + HeaderSize, imageLength, incoming.begin());
    UnpackImage(incoming, project);
    TFileResult result = TFileResult::Success(fileName);
    std::size_t offset = HeaderSize + imageLength;
    for (std::uint32_t word : BlockChecksum(incoming).Words()) {
        result.ChecksumMismatch |= Word32At(bytes, offset) != word;
        offset += 4;
    }
    return result;
}

} // namespace korvisel
