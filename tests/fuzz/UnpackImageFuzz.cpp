// SPDX-License-Identifier: GPL-3.0-or-later
// Any 450 bytes as a device image (shorter inputs are padded with zeros): unpacking never fails, and
// packing what was unpacked is stable, so a project read from a device saves as it will load.
#include "fields/DeviceImage.h"

#include <algorithm>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace korvisel;
    TDeviceImage image{};
    std::copy_n(data, std::min(size, image.size()), image.begin());
    TProjectInfo project;
    UnpackImage(image, project);
    TDeviceImage packed{};
    PackImage(project, packed);
    TProjectInfo again;
    UnpackImage(packed, again);
    TDeviceImage repacked{};
    PackImage(again, repacked);
    if (repacked != packed)
        std::abort();
    return 0;
}
