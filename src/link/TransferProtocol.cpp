// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/TransferProtocol.h"

#include "core/AsciiText.h"
#include "files/BlockChecksum.h"

namespace korvisel {

std::string BuildPayload(const TDeviceImage& image) {
    std::string payload(image.begin(), image.end());
    for (std::uint32_t word : BlockChecksum(image).Words())
        for (int shift = 24; shift >= 0; shift -= 8)
            payload += static_cast<char>((word >> shift) & 0xFF);
    return payload;
}

bool PayloadChecksumMatches(std::string_view data) {
    if (data.size() < PayloadSize)
        return false;
    TDeviceImage image{};
    for (std::size_t i = 0; i < DeviceImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(data[i]);
    return BuildPayload(image) == data.substr(0, PayloadSize);
}

TLinkAnswer ClassifyLinkAnswer(std::string_view reply) {
    if (reply.size() < 2)
        return TLinkAnswer::NoAnswer;
    // Without an upper-case "O" there is nothing to start from: a lone "ok" is not the answer.
    const std::size_t at = reply.find('O');
    if (at == std::string_view::npos)
        return TLinkAnswer::Other;
    return AsciiUpper(reply.substr(at, 2)) == "OK" ? TLinkAnswer::Ok : TLinkAnswer::Other;
}

} // namespace korvisel
