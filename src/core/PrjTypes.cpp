// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PrjTypes.h"

namespace korvisel {

std::array<char, TContactId::Length> TContactId::Symbols() const {
    std::array<char, Length> s{};
    auto out = s.begin();
    for (char c : Object)
        *out++ = c;
    for (char c : Code)
        *out++ = c;
    for (char c : Zone)
        *out++ = c;
    for (char c : Partition)
        *out++ = c;
    return s;
}

void TContactId::SetSymbols(const std::array<char, Length>& symbols) {
    auto in = symbols.begin();
    for (char& c : Object)
        c = *in++;
    for (char& c : Code)
        c = *in++;
    for (char& c : Zone)
        c = *in++;
    for (char& c : Partition)
        c = *in++;
}

std::string DefaultPhoneName(std::size_t k) {
    return "NAME" + std::to_string(k);
}

TProjectInfo::TProjectInfo() {
    for (std::size_t k = 1; k <= PhoneCount; ++k)
        Phones[k].Name = DefaultPhoneName(k);
    for (std::size_t i = 1; i <= InputCount; ++i)
        Inputs[i].Number = static_cast<std::int32_t>(i);
    for (std::size_t o = 1; o <= OutputCount; ++o)
        Outputs[o].Number = static_cast<std::int32_t>(o);
    AudioParams[1] = 1;
    AudioParams[2] = 1;
    AudioParams[3] = 6;
    AudioParams[4] = 2;
}

void ResetProject(TProjectInfo& project, TDopPrintInfo& print, std::string& fileName) {
    fileName = UntitledFileName;
    print = TDopPrintInfo{};
    // Every field, GSM supervision's switches too: a new project carries nothing of the last one.
    project = TProjectInfo{};
}

} // namespace korvisel
