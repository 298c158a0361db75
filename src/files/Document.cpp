// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/Document.h"

namespace korvisel {

TDeviceImage TDocument::KeptImage() {
    TDeviceImage image{};
    PackImage(Project, image);
    return image;
}

bool SetInputEnabled(TDocument& document, TInputNumber input, bool enabled) {
    if (!input.Valid())
        return false;
    TInputInfo& in = document.Project.Inputs[input.Index()];
    if (in.Enabled != enabled) {
        in.Enabled = enabled;
        document.MarkModified();
    }
    return true;
}

} // namespace korvisel
