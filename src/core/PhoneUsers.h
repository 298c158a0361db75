// SPDX-License-Identifier: GPL-3.0-or-later
// What uses a phone of the book: the references through which the device reports to it, rings it or
// takes commands from it, and where they point once a command has emptied the entry.
#pragma once

#include "core/PrjTypes.h"

#include <vector>

namespace korvisel {

enum class TPhoneReference {
    InputSms,
    InputAlarm,
    InputClipEvent,
    InputClipRestore,
    InputData,
    TestSms,
    TestClip1,
    TestClip2,
    TestData,
    Gsm,
    OutputControl,
    OutputAnswer,
    Crow,
};

// A reference of an input, an output or the device as a whole.
struct TPhoneUser {
    TPhoneReference Reference = TPhoneReference::InputSms;
    int Owner = 0; // the input's or the output's number; 0 for the others
    bool operator==(const TPhoneUser&) const = default;
};

// The entry the user's reference points at.
int ReferencedPhone(const TProjectInfo& project, const TPhoneUser& user);

// Every reference to entry k that is in force, in this order: the inputs' phones of their report
// kind (enabled or not), the periodic test's phones of its kind and GSM supervision's phone while
// they are on, the outputs' control and answer phones, the CROW adapter's phone.
std::vector<TPhoneUser> PhoneUsers(const TProjectInfo& project, int k);

// A user of an entry that a command emptied, and what it points at afterwards: another entry, 0 for
// none, or still the emptied entry (no rule moves it).
struct TPhoneMove {
    TPhoneUser User;
    int To = 0;
    bool operator==(const TPhoneMove&) const = default;
};

// The users of entry k in `before` with their entry in `after`; nothing when k held no number before
// or still holds one after.
std::vector<TPhoneMove> PhoneMoves(const TProjectInfo& before, const TProjectInfo& after, int k);

} // namespace korvisel
