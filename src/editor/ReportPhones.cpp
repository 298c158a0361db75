// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/ReportPhones.h"

namespace korvisel {

void EnsureReportPhone(TProjectInfo& project, IPhoneDialog& dialog, std::uint8_t& reference) {
    if (reference != 0)
        return;
    if (const int lowest = LowestPresentPhone(project)) {
        reference = static_cast<std::uint8_t>(lowest);
        return;
    }
    EditPhoneEntry(project, dialog, 1, true);
    reference = 1;
}

void EnsureClipPhones(TProjectInfo& project, IPhoneDialog& dialog, TInputNumber input) {
    TInputInfo& in = project.Inputs[input.Index()];
    if (in.ClipEventPhone != 0 && in.ClipRestorePhone != 0)
        return;
    switch (PresentPhoneCount(project)) {
    case 0:
        EditPhoneEntry(project, dialog, 1, true);
        EditPhoneEntry(project, dialog, 2, true);
        in.ClipEventPhone = 1;
        in.ClipRestorePhone = 2;
        return;
    case 1:
        ClipOnePhoneCase(project, dialog, input);
        return;
    default: {
        const int lowest = LowestPresentPhone(project);
        in.ClipEventPhone = static_cast<std::uint8_t>(lowest);
        in.ClipRestorePhone = static_cast<std::uint8_t>(LowestPresentPhone(project, lowest));
    }
    }
}

void ClipOnePhoneCase(TProjectInfo& project, IPhoneDialog& dialog, TInputNumber input) {
    TInputInfo& in = project.Inputs[input.Index()];
    if (!IsPhonePresent(project, 1)) {
        EditPhoneEntry(project, dialog, 1, true);
        in.ClipEventPhone = 1;
        in.ClipRestorePhone = static_cast<std::uint8_t>(LowestPresentPhone(project, 1));
        return;
    }
    EditPhoneEntry(project, dialog, 2, true);
    in.ClipEventPhone = 1;
    in.ClipRestorePhone = 2;
}

} // namespace korvisel
