// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/InputEdits.h"

#include "editor/HalfSecondTime.h"
#include "editor/ReportPhones.h"

namespace korvisel {
namespace {

TInputInfo& Input(TProjectInfo& project, TInputNumber input) {
    return project.Inputs[input.Index()];
}

TTimeEdit StoreTime(TDocument& document, TInputNumber input, TInputTime time, int halfSeconds) {
    TTimeEdit edit{NonZeroTime(halfSeconds), halfSeconds == 0};
    InputTimeField(Input(document.Project, input), time) = static_cast<std::uint8_t>(edit.HalfSeconds);
    document.MarkModified();
    return edit;
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

void ClickInputCheck(TDocument& document, IPhoneDialog& dialog, TInputNumber input, bool checked) {
    if (!SetInputEnabled(document, input, checked) || !checked)
        return;
    document.Change(
        [&](TProjectInfo& project) { SupplyPhones(project, dialog, input, TSupplyBy::InputCheck); });
}

void ClickArmConfirm(TDocument& document, TInputNumber input, bool checked) {
    // The device takes its arm confirmation from inputs 1 to 3 only.
    if (!input.Valid() || input.Index() == InputCount)
        return;
    document.Change([&](TProjectInfo& project) {
        project.ArmConfirmInput = static_cast<std::uint8_t>(checked ? input.Value : 0);
    });
}

void ClickSignal(TDocument& document, TInputNumber input, int signal) {
    if (!input.Valid() || signal < 0 || signal > 3)
        return;
    Input(document.Project, input).Signal = static_cast<std::uint8_t>(signal);
    document.MarkModified();
}

std::uint8_t& InputTimeField(TInputInfo& input, TInputTime time) {
    switch (time) {
    case TInputTime::Restore:
        return input.RestoreTime;
    case TInputTime::Lockout:
        return input.LockoutTime;
    default:
        return input.ReactionTime;
    }
}

TTimeEdit ChangeInputTimeWhole(TDocument& document, TInputNumber input, TInputTime time,
                               std::uint32_t seconds) {
    if (!input.Valid())
        return {};
    const int old = InputTimeField(Input(document.Project, input), time);
    return StoreTime(document, input, time, WithWholeSeconds(old, seconds));
}

TTimeEdit ChangeInputTimeFraction(TDocument& document, TInputNumber input, TInputTime time,
                                  std::string_view text) {
    if (!input.Valid())
        return {};
    const int old = InputTimeField(Input(document.Project, input), time);
    const TEmptyFraction empty = time == TInputTime::Reaction ? TEmptyFraction::Zero : TEmptyFraction::Half;
    return StoreTime(document, input, time, WithFraction(old, text, empty));
}

void StepInputTime(TDocument& document, TInputNumber input, TInputTime time, bool up) {
    if (!input.Valid())
        return;
    std::uint8_t& field = InputTimeField(Input(document.Project, input), time);
    field = static_cast<std::uint8_t>(StepHalfSeconds(field, up));
    document.MarkModified();
}

void ClickReportType(TDocument& document, TInputNumber input, TReportKind kind) {
    if (!input.Valid() || kind < TReportKind::Alarm || kind > TReportKind::Data)
        return;
    document.Change([&](TProjectInfo& project) { Input(project, input).ReportType = kind; });
}

void SupplyReportPhones(TDocument& document, IPhoneDialog& dialog, TInputNumber input) {
    if (!input.Valid())
        return;
    document.Change(
        [&](TProjectInfo& project) { SupplyPhones(project, dialog, input, TSupplyBy::ReportButton); });
}

} // namespace korvisel
