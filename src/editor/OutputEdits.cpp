// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/OutputEdits.h"

#include "editor/HalfSecondTime.h"

namespace korvisel {
namespace {

bool IsOutput(int output) {
    return output >= 1 && output <= static_cast<int>(OutputCount);
}

TOutputInfo& Output(TProjectInfo& project, int output) {
    return project.Outputs[static_cast<std::size_t>(output)];
}

TTimeEdit StoreTime(TDocument& document, int output, int halfSeconds) {
    const TTimeEdit edit{NonZeroTime(halfSeconds), halfSeconds == 0};
    document.Change([&](TProjectInfo& project) {
        Output(project, output).Time = static_cast<std::uint16_t>(edit.HalfSeconds);
    });
    return edit;
}

} // namespace

bool ClickStartState(TDocument& document, int output, TStartState state) {
    if (!IsOutput(output) || Output(document.Project, output).StartState == state)
        return false;
    document.Change([&](TProjectInfo& project) { Output(project, output).StartState = state; });
    return true;
}

void ClickWorkType(TDocument& document, int output, TWorkType workType) {
    if (!IsOutput(output) || workType < TWorkType::Monostable || workType > TWorkType::Flash)
        return;
    Output(document.Project, output).WorkType = workType;
    document.MarkModified();
}

TTimeEdit ChangeOutputTimeWhole(TDocument& document, int output, std::uint32_t seconds) {
    if (!IsOutput(output))
        return {};
    return StoreTime(document, output, WithWholeSeconds(Output(document.Project, output).Time, seconds));
}

TTimeEdit ChangeOutputTimeFraction(TDocument& document, int output, std::string_view text) {
    if (!IsOutput(output))
        return {};
    return StoreTime(document, output,
                     WithFraction(Output(document.Project, output).Time, text, TEmptyFraction::Zero));
}

void StepOutputTime(TDocument& document, int output, bool up) {
    if (!IsOutput(output))
        return;
    document.Change([&](TProjectInfo& project) {
        std::uint16_t& time = Output(project, output).Time;
        time = static_cast<std::uint16_t>(StepHalfSeconds(time, up));
    });
}

} // namespace korvisel
