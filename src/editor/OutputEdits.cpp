// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/OutputEdits.h"

#include "editor/HalfSecondTime.h"

namespace korvisel {
namespace {

TOutputInfo& Output(TProjectInfo& project, TOutputNumber output) {
    return project.Outputs[output.Index()];
}

TTimeEdit StoreTime(TProjectInfo& project, TOutputNumber output, int halfSeconds) {
    const TTimeEdit edit{NonZeroTime(halfSeconds), halfSeconds == 0};
    Output(project, output).Time = static_cast<std::uint16_t>(edit.HalfSeconds);
    return edit;
}

} // namespace

void ClickStartState(TProjectInfo& project, TOutputNumber output, TStartState state) {
    if (output.Valid())
        Output(project, output).StartState = state;
}

void ClickWorkType(TProjectInfo& project, TOutputNumber output, TWorkType workType) {
    if (!output.Valid() || workType < TWorkType::Monostable || workType > TWorkType::Flash)
        return;
    Output(project, output).WorkType = workType;
}

TTimeEdit ChangeOutputTimeWhole(TProjectInfo& project, TOutputNumber output, std::uint32_t seconds) {
    if (!output.Valid())
        return {};
    return StoreTime(project, output, WithWholeSeconds(Output(project, output).Time, seconds));
}

TTimeEdit ChangeOutputTimeFraction(TProjectInfo& project, TOutputNumber output, std::string_view text) {
    if (!output.Valid())
        return {};
    return StoreTime(project, output, WithFraction(Output(project, output).Time, text, TEmptyFraction::Zero));
}

void StepOutputTime(TProjectInfo& project, TOutputNumber output, bool up) {
    if (!output.Valid())
        return;
    std::uint16_t& time = Output(project, output).Time;
    time = static_cast<std::uint16_t>(StepHalfSeconds(time, up));
}

} // namespace korvisel
