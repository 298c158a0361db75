// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/PhoneUsers.h"

#include "core/PhoneBook.h"

namespace korvisel {
namespace {

std::size_t At(int number) {
    return static_cast<std::size_t>(number);
}

} // namespace

int ReferencedPhone(const TProjectInfo& p, const TPhoneUser& user) {
    switch (user.Reference) {
    case TPhoneReference::InputSms:
        return p.Inputs[At(user.Owner)].SmsPhone;
    case TPhoneReference::InputAlarm:
        return p.Inputs[At(user.Owner)].AlarmPhone;
    case TPhoneReference::InputClipEvent:
        return p.Inputs[At(user.Owner)].ClipEventPhone;
    case TPhoneReference::InputClipRestore:
        return p.Inputs[At(user.Owner)].ClipRestorePhone;
    case TPhoneReference::InputData:
        return p.Inputs[At(user.Owner)].DataPhone;
    case TPhoneReference::TestSms:
        return p.TestSmsPhone;
    case TPhoneReference::TestClip1:
        return p.TestClipPhone1;
    case TPhoneReference::TestClip2:
        return p.TestClipPhone2;
    case TPhoneReference::TestData:
        return p.TestDataPhone;
    case TPhoneReference::Gsm:
        return p.GsmSmsPhone;
    case TPhoneReference::OutputControl:
        return p.Outputs[At(user.Owner)].ControlPhone;
    case TPhoneReference::OutputAnswer:
        return p.Outputs[At(user.Owner)].AnswerPhone;
    case TPhoneReference::Crow:
        break;
    }
    return p.CrowPhone;
}

std::vector<TPhoneUser> PhoneUsers(const TProjectInfo& p, int k) {
    // The phone book fills every reference it can, so only those of the kind chosen make the device
    // call the phone; the others would only show it beside a kind that is not sent.
    std::vector<TPhoneUser> candidates;
    for (int i = 1; i <= static_cast<int>(InputCount); ++i)
        switch (p.Inputs[At(i)].ReportType) {
        case TReportKind::Alarm:
            candidates.push_back({TPhoneReference::InputAlarm, i});
            break;
        case TReportKind::Clip:
            candidates.push_back({TPhoneReference::InputClipEvent, i});
            candidates.push_back({TPhoneReference::InputClipRestore, i});
            break;
        case TReportKind::Data:
            candidates.push_back({TPhoneReference::InputData, i});
            break;
        case TReportKind::Sms:
            candidates.push_back({TPhoneReference::InputSms, i});
            break;
        }
    if (p.TestEnabled)
        switch (p.TestReportType) {
        case TReportKind::Clip:
            candidates.push_back({TPhoneReference::TestClip1, 0});
            candidates.push_back({TPhoneReference::TestClip2, 0});
            break;
        case TReportKind::Data:
            candidates.push_back({TPhoneReference::TestData, 0});
            break;
        default:
            candidates.push_back({TPhoneReference::TestSms, 0});
            break;
        }
    if (p.GsmEnabled)
        candidates.push_back({TPhoneReference::Gsm, 0});
    for (int o = 1; o <= static_cast<int>(OutputCount); ++o) {
        candidates.push_back({TPhoneReference::OutputControl, o});
        candidates.push_back({TPhoneReference::OutputAnswer, o});
    }
    candidates.push_back({TPhoneReference::Crow, 0});

    std::vector<TPhoneUser> users;
    for (const TPhoneUser& user : candidates)
        if (ReferencedPhone(p, user) == k)
            users.push_back(user);
    return users;
}

std::vector<TPhoneMove> PhoneMoves(const TProjectInfo& before, const TProjectInfo& after, int k) {
    if (!IsPhonePresent(before, k) || IsPhonePresent(after, k))
        return {};
    std::vector<TPhoneMove> moves;
    for (const TPhoneUser& user : PhoneUsers(before, k))
        moves.push_back({user, ReferencedPhone(after, user)});
    return moves;
}

} // namespace korvisel
