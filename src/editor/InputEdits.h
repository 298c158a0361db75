// SPDX-License-Identifier: GPL-3.0-or-later
// What the user's actions on the input pages do to the document: enabling an input, the arm
// confirmation, the signal, the three times and the report kind. Each marks the document modified
// when it changed what a project file keeps; the signal and the times always do.
#pragma once

#include "core/PhoneBook.h"
#include "files/Document.h"

#include <cstdint>
#include <string_view>

namespace korvisel {

// "Input Enabled" ticked or cleared; an input switched on gets phones for its report kind.
void ClickInputCheck(TDocument& document, IPhoneDialog& dialog, TInputNumber input, bool checked);

// "Confirmation of Arm": the input becomes the one that confirms arming, or none does.
void ClickArmConfirm(TDocument& document, TInputNumber input, bool checked);

void ClickSignal(TDocument& document, TInputNumber input, int signal);

enum class TInputTime { Reaction, Restore, Lockout };
std::uint8_t& InputTimeField(TInputInfo& input, TInputTime time);

// A time after an edit; `Raised` when it was 0 and became half a second, so the fraction edit must
// show "5".
struct TTimeEdit {
    int HalfSeconds = 1;
    bool Raised = false;
};
TTimeEdit ChangeInputTimeWhole(TDocument& document, TInputNumber input, TInputTime time,
                               std::uint32_t seconds);
TTimeEdit ChangeInputTimeFraction(TDocument& document, TInputNumber input, TInputTime time,
                                  std::string_view text);
void StepInputTime(TDocument& document, TInputNumber input, TInputTime time, bool up);

// A report kind chosen on the report page. The caller re-marks the report nodes between the two
// steps, as the kind's phones may need a dialog.
void ClickReportType(TDocument& document, TInputNumber input, TReportKind kind);
void SupplyReportPhones(TDocument& document, IPhoneDialog& dialog, TInputNumber input);

} // namespace korvisel
