// SPDX-License-Identifier: GPL-3.0-or-later
// What the report's painter needs in a program without windows: the toolkit with its fonts on the
// offscreen platform, so that no display is required.
#pragma once

#include <memory>

class QGuiApplication;

namespace korvisel {

// Held while the pages are drawn. The toolkit's notes about the environment are silenced: a command
// that draws reports every failure itself.
class TOffscreenDrawing {
public:
    explicit TOffscreenDrawing(const char* programName);
    ~TOffscreenDrawing();
    TOffscreenDrawing(const TOffscreenDrawing&) = delete;
    TOffscreenDrawing& operator=(const TOffscreenDrawing&) = delete;

private:
    std::unique_ptr<QGuiApplication> application_;
};

} // namespace korvisel
