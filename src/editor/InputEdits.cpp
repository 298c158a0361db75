// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/InputEdits.h"

#include "editor/HalfSecondTime.h"
#include "editor/ReportPhones.h"

namespace korvisel {
namespace {

TInputInfo& Input(TProjectInfo& project, TInputNumber input) {
    return project.Inputs[input.Index()];
}

TTimeEdit StoreTime(TProjectInfo& project, TInputNumber input, TInputTime time, int halfSeconds) {
    TTimeEdit edit{NonZeroTime(halfSeconds), halfSeconds == 0};
    InputTimeField(Input(project, input), time) = static_cast<std::uint8_t>(edit.HalfSeconds);
    return edit;
}

template <typename Input> auto& TimeField(Input& input, TInputTime time) {
    switch (time) {
    case TInputTime::Restore:
        return input.RestoreTime;
    case TInputTime::Lockout:
        return input.LockoutTime;
    default:
        return input.ReactionTime;
    }
}

// Enabling an input supplies the phone of an SMS report but not of a DATA report; choosing the kind
// does the opposite, and also parts CLIP phones that are equal.
enum class TSupplyBy { InputCheck, ReportButton };

void SupplyPhones(TProjectInfo& project, IPhoneDialog& dialog, TInputNumber input, TSupplyBy by) {
    TInputInfo& in = Input(project, input);
    switch (in.ReportType) {
    case TReportKind::Alarm:
        EnsureReportPhone(project, dialog, in.AlarmPhone);
        break;
    case TReportKind::Sms:
        if (by == TSupplyBy::InputCheck)
            EnsureReportPhone(project, dialog, in.SmsPhone);
        break;
    case TReportKind::Data:
        if (by == TSupplyBy::ReportButton)
            EnsureReportPhone(project, dialog, in.DataPhone);
        break;
    case TReportKind::Clip:
        EnsureClipPhones(project, dialog, input);
        if (by == TSupplyBy::ReportButton && in.ClipEventPhone != 0 &&
            in.ClipEventPhone == in.ClipRestorePhone)
            ClipOnePhoneCase(project, dialog, input);
        break;
    default:
        break;
    }
}

} // namespace

bool SetInputEnabled(TProjectInfo& project, TInputNumber input, bool enabled) {
    if (!input.Valid())
        return false;
    Input(project, input).Enabled = enabled;
    return true;
}

void ClickInputCheck(TProjectInfo& project, IPhoneDialog& dialog, TInputNumber input, bool checked) {
    if (SetInputEnabled(project, input, checked) && checked)
        SupplyPhones(project, dialog, input, TSupplyBy::InputCheck);
}

void ClickArmConfirm(TProjectInfo& project, TInputNumber input, bool checked) {
    // The device takes its arm confirmation from inputs 1 to 3 only.
    if (!input.Valid() || input.Index() == InputCount)
        return;
    project.ArmConfirmInput = static_cast<std::uint8_t>(checked ? input.Value : 0);
}

void ClickSignal(TProjectInfo& project, TInputNumber input, int signal) {
    if (!input.Valid() || signal < 0 || signal > 3)
        return;
    Input(project, input).Signal = static_cast<std::uint8_t>(signal);
}

std::uint8_t& InputTimeField(TInputInfo& input, TInputTime time) {
    return TimeField(input, time);
}

std::uint8_t InputTimeField(const TInputInfo& input, TInputTime time) {
    return TimeField(input, time);
}

TTimeEdit ChangeInputTimeWhole(TProjectInfo& project, TInputNumber input, TInputTime time,
                               std::uint32_t seconds) {
    if (!input.Valid())
        return {};
    const int old = InputTimeField(Input(project, input), time);
    return StoreTime(project, input, time, WithWholeSeconds(old, seconds));
}

TTimeEdit ChangeInputTimeFraction(TProjectInfo& project, TInputNumber input, TInputTime time,
                                  std::string_view text) {
    if (!input.Valid())
        return {};
    const int old = InputTimeField(Input(project, input), time);
    const TEmptyFraction empty = time == TInputTime::Reaction ? TEmptyFraction::Zero : TEmptyFraction::Half;
    return StoreTime(project, input, time, WithFraction(old, text, empty));
}

void StepInputTime(TProjectInfo& project, TInputNumber input, TInputTime time, bool up) {
    if (!input.Valid())
        return;
    std::uint8_t& field = InputTimeField(Input(project, input), time);
    field = static_cast<std::uint8_t>(StepHalfSeconds(field, up));
}

void ClickReportType(TProjectInfo& project, IPhoneDialog& dialog, TInputNumber input, TReportKind kind) {
    if (!input.Valid() || kind < TReportKind::Alarm || kind > TReportKind::Data)
        return;
    Input(project, input).ReportType = kind;
    SupplyPhones(project, dialog, input, TSupplyBy::ReportButton);
}

} // namespace korvisel
