// SPDX-License-Identifier: GPL-3.0-or-later
// Random device images, and project files made from them, for the properties any image must keep.
#pragma once

#include "fields/DeviceImage.h"
#include "files/ProjectFile.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace korvisel::test {

inline TDeviceImage RandomImage(std::mt19937& random) {
    TDeviceImage image;
    for (std::uint8_t& byte : image)
        byte = static_cast<std::uint8_t>(random());
    return image;
}

// Saves the project that `image` gives as the program saves files, and returns what that file
// gives a program just started.
inline TProjectInfo SaveProjectOfImage(const std::string& path, const TDeviceImage& image) {
    TProjectInfo project;
    UnpackImage(image, project);
    TDeviceImage written{};
    EXPECT_TRUE(WriteProjectFile(path, project, written).Ok());
    TProjectInfo fresh;
    TDeviceImage incoming{};
    EXPECT_TRUE(ReadProjectFile(path, incoming, fresh).Ok());
    return fresh;
}

} // namespace korvisel::test
