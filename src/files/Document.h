// SPDX-License-Identifier: GPL-3.0-or-later
// The open project with everything the main window keeps beside it, and the one way an edit tells
// the document that the project changed.
#pragma once

#include "core/DeviceImage.h"
#include "core/PrjTypes.h"

#include <string>

namespace korvisel {

struct TDocument {
    TProjectInfo Project;
    TDopPrintInfo Print;
    TImageBuffers Images;
    std::string FileName = UntitledFileName;
    bool Modified = false;
    std::string DialogFolder; // the open and save dialogs' shared initial folder

    // The one place an edit marks the project as changed. Print data is not kept in project files,
    // so its edits do not call this.
    void MarkModified() { Modified = true; }

    // Runs one edit of the project and marks the document modified when the edit changed what a
    // project file keeps: the device image. Fields the image does not carry (a phone's name, the
    // phones of report kinds that are not selected) change nothing a save would write.
    template <typename Edit> void Change(Edit&& edit) {
        const TDeviceImage before = KeptImage();
        edit(Project);
        if (KeptImage() != before)
            MarkModified();
    }

    // The image a save would write now.
    TDeviceImage KeptImage();
};

// Switches input `input` (1..4) on or off as the Space key and the tree's popup do; a change marks
// the document modified. False when there is no such input.
bool SetInputEnabled(TDocument& document, TInputNumber input, bool enabled);

} // namespace korvisel
