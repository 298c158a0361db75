// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/OutputEdits.h"

#include "editor/HalfSecondTime.h"

namespace korvisel {
namespace {

TOutputInfo& Output(TProjectInfo& project, TOutputNumber output) {
    return project.Outputs[output.Index()];
}

TTimeEdit StoreTime(TDocument& document, TOutputNumber output, int halfSeconds) {
    const TTimeEdit edit{NonZeroTime(halfSeconds), halfSeconds == 0};
    document.Change([&](TProjectInfo& project) {
        Output(project, output).Time = static_cast<std::uint16_t>(edit.HalfSeconds);
    });
    return edit;
}

} // namespace

bool ClickStartState(TDocument& document, TOutputNumber output, TStartState state) {
    if (!output.Valid() || Output(document.Project, output).StartState == state)
        return false;
    document.Change([&](TProjectInfo& project) { Output(project, output).StartState = state; });
    return true;
}

void ClickWorkType(TDocument& document, TOutputNumber output, TWorkType workType) {
    if (!output.Valid() || workType < TWorkType::Monostable || workType > TWorkType::Flash)
        return;
    Output(document.Project, output).WorkType = workType;
    document.MarkModified();
}

TTimeEdit ChangeOutputTimeWhole(TDocument& document, TOutputNumber output, std::uint32_t seconds) {
    if (!output.Valid())
        return {};
    return StoreTime(document, output, WithWholeSeconds(Output(document.Project, output).Time, seconds));
}

TTimeEdit ChangeOutputTimeFraction(TDocument& document, TOutputNumber output, std::string_view text) {
    if (!output.Valid())
        return {};
    return StoreTime(document, output,
                     WithFraction(Output(document.Project, output).Time, text, TEmptyFraction::Zero));
}

void StepOutputTime(TDocument& document, TOutputNumber output, bool up) {
    if (!output.Valid())
        return;
    document.Change([&](TProjectInfo& project) {
        std::uint16_t& time = Output(project, output).Time;
        time = static_cast<std::uint16_t>(StepHalfSeconds(time, up));
    });
}

} // namespace korvisel
