// SPDX-License-Identifier: GPL-3.0-or-later
#include "fields/DeviceImage.h"

#include "core/ImageCodes.h"
#include "fields/FieldAccess.h"
#include "fields/FieldTable.h"

#include <span>

namespace korvisel {
namespace {

template <std::size_t N> std::span<std::uint8_t, N> At(TDeviceImage& image, std::size_t offset) {
    return std::span<std::uint8_t, N>(image.data() + offset, N);
}
template <std::size_t N> std::span<const std::uint8_t, N> At(const TDeviceImage& image, std::size_t offset) {
    return std::span<const std::uint8_t, N>(image.data() + offset, N);
}

std::uint8_t Mask(const TImagePlace& at) {
    return static_cast<std::uint8_t>((1u << at.Width) - 1);
}

void PackNumber(const TImagePlace& at, std::size_t offset, long long value, TDeviceImage& image) {
    std::uint8_t& byte = image[offset];
    switch (at.Encoding) {
    case TEncoding::Descriptor:
        byte = ReportDescriptor(at.First, at.Kind, static_cast<std::uint8_t>(value));
        break;
    case TEncoding::Nibble:
        byte = static_cast<std::uint8_t>((byte & ~(0x0F << at.Shift)) | ((value & 0x0F) << at.Shift));
        break;
    default: {
        const std::uint8_t code = at.Encode ? at.Encode(value) : static_cast<std::uint8_t>(value);
        byte = static_cast<std::uint8_t>((byte & ~(Mask(at) << at.Shift)) | ((code & Mask(at)) << at.Shift));
    }
    }
}

// Four characters as four codes, two a byte, high half first.
void PackPairs(std::span<std::uint8_t, 2> bytes, std::string_view text, std::uint8_t (*code)(char)) {
    const auto at = [&](std::size_t i) { return i < text.size() ? code(text[i]) : std::uint8_t{0}; };
    bytes[0] = Nibbles(at(0), at(1));
    bytes[1] = Nibbles(at(2), at(3));
}
std::string UnpackPairs(std::span<const std::uint8_t, 2> bytes, char (*symbol)(std::uint8_t)) {
    return {symbol(HighNibble(bytes[0])), symbol(LowNibble(bytes[0])), symbol(HighNibble(bytes[1])),
            symbol(LowNibble(bytes[1]))};
}

TContactId ContactIdOf(std::string_view text) {
    TContactId cid;
    FieldAccess::FromText(cid, text);
    return cid;
}

void PackText(const TImagePlace& at, std::size_t offset, const std::string& text, TDeviceImage& image) {
    switch (at.Encoding) {
    case TEncoding::Text:
        WriteTextField(At<TextFieldSize>(image, offset), text);
        break;
    case TEncoding::PhoneDigits:
        WritePhoneField(At<PhoneFieldSize>(image, offset), text);
        break;
    case TEncoding::ContactId:
        WriteContactIdBlock(At<ContactIdBlockSize>(image, offset), ContactIdOf(text));
        break;
    case TEncoding::DigitPairs:
        PackPairs(At<2>(image, offset), text, DigitCode);
        break;
    case TEncoding::DtmfPairs:
        PackPairs(At<2>(image, offset), text, DtmfCode);
        break;
    default:
        break;
    }
}

long long UnpackNumber(const TImagePlace& at, std::uint8_t byte) {
    if (at.Encoding == TEncoding::Descriptor)
        return LowNibble(byte);
    if (at.Encoding == TEncoding::Nibble)
        return (byte >> at.Shift) & 0x0F;
    const auto code = static_cast<std::uint8_t>((byte >> at.Shift) & Mask(at));
    return at.Decode ? at.Decode(code) : code;
}

std::string UnpackText(const TImagePlace& at, std::size_t offset, const TDeviceImage& image) {
    switch (at.Encoding) {
    case TEncoding::Text:
        return ReadTextField(At<TextFieldSize>(image, offset));
    case TEncoding::PhoneDigits:
        return ReadPhoneField(At<PhoneFieldSize>(image, offset));
    case TEncoding::ContactId:
        return FieldAccess::AsText(ReadContactIdBlock(At<ContactIdBlockSize>(image, offset)));
    case TEncoding::DigitPairs:
        return UnpackPairs(At<2>(image, offset), DigitChar);
    case TEncoding::DtmfPairs:
        return UnpackPairs(At<2>(image, offset), DtmfChar);
    default:
        return {};
    }
}

} // namespace

void PackImage(const TProjectInfo& project, TDeviceImage& outgoing) {
    outgoing.fill(0);
    for (const TFieldRow& row : FieldRows()) {
        const auto [first, last] = RecordsOf(row);
        for (std::size_t n = first; n <= last; ++n) {
            if (!GateOpen(row.When, GatingKind(project, row.Scope, n)))
                continue;
            const std::size_t base = RecordOffset(row.Scope, n);
            for (const TImagePlace& at : row.Packed) {
                if (at.Encoding == TEncoding::None)
                    continue;
                if (row.Access.GetNumber)
                    PackNumber(at, base + at.Offset, row.Access.GetNumber(project, n), outgoing);
                else
                    PackText(at, base + at.Offset, row.Access.GetText(project, n), outgoing);
            }
        }
    }
}

void UnpackImage(const TDeviceImage& incoming, TProjectInfo& project) {
    // The image is the whole project: nothing of the one open before may survive into it.
    project = TProjectInfo{};
    for (const TFieldRow& row : FieldRows()) {
        const TImagePlace& at = UnpackedPlace(row);
        const auto [first, last] = RecordsOf(row);
        for (std::size_t n = first; at.Encoding != TEncoding::None && n <= last; ++n) {
            const std::size_t offset = RecordOffset(row.Scope, n) + at.Offset;
            // Earlier rows (the report kind) have been unpacked by now.
            const bool used = row.SharesItsSlot || GateOpen(row.When, GatingKind(project, row.Scope, n));
            if (row.Access.SetNumber)
                row.Access.SetNumber(project, n, UnpackNumber(at, incoming[offset]));
            else
                row.Access.SetText(project, n, used ? UnpackText(at, offset, incoming) : EmptyText(row));
        }
        if (row.AfterUnpack)
            row.AfterUnpack(project);
    }
}

} // namespace korvisel
