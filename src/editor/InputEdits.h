// SPDX-License-Identifier: GPL-3.0-or-later
// What the user's actions on the input pages do to the project: enabling an input, the arm
// confirmation, the signal, the three times and the report kind. Each runs inside one edit of the
// document, which records and announces it.
#pragma once

#include "core/PhoneBook.h"

#include <cstdint>
#include <string_view>

namespace korvisel {

// Switches input `input` (1..4) on or off as the Space key and the tree's popup do. False when there
// is no such input.
bool SetInputEnabled(TProjectInfo& project, TInputNumber input, bool enabled);

// "Input Enabled" ticked or cleared; an input switched on gets phones for its report kind.
void ClickInputCheck(TProjectInfo& project, IPhoneDialog& dialog, TInputNumber input, bool checked);

// "Confirmation of Arm": the input becomes the one that confirms arming, or none does.
void ClickArmConfirm(TProjectInfo& project, TInputNumber input, bool checked);

void ClickSignal(TProjectInfo& project, TInputNumber input, int signal);

enum class TInputTime { Reaction, Restore, Lockout };
std::uint8_t& InputTimeField(TInputInfo& input, TInputTime time);
std::uint8_t InputTimeField(const TInputInfo& input, TInputTime time);

// A time after an edit; `Raised` when it was 0 and became half a second, so the fraction edit must
// show "5".
struct TTimeEdit {
    int HalfSeconds = 1;
    bool Raised = false;
};
TTimeEdit ChangeInputTimeWhole(TProjectInfo& project, TInputNumber input, TInputTime time,
                               std::uint32_t seconds);
TTimeEdit ChangeInputTimeFraction(TProjectInfo& project, TInputNumber input, TInputTime time,
                                  std::string_view text);
void StepInputTime(TProjectInfo& project, TInputNumber input, TInputTime time, bool up);

// A report kind chosen on the report page, then the phones it needs, asked for through the dialog
// when the book cannot give them.
void ClickReportType(TProjectInfo& project, IPhoneDialog& dialog, TInputNumber input, TReportKind kind);

} // namespace korvisel
