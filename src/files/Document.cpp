// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Document.h"

namespace korvisel {

TDeviceImage TDocument::KeptImage() {
    TDeviceImage image{};
    PackImage(Project, image);
    return image;
}

bool SetInputEnabled(TDocument& document, int input, bool enabled) {
    if (!document.Project.Inputs.Contains(static_cast<std::size_t>(input)))
        return false;
    TInputInfo& in = document.Project.Inputs[static_cast<std::size_t>(input)];
    if (in.Enabled != enabled) {
        in.Enabled = enabled;
        document.MarkModified();
    }
    return true;
}

} // namespace korvisel
