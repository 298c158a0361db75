// SPDX-License-Identifier: GPL-3.0-or-later
// The rules that give a report its phones when it is switched on or chosen: the lowest number of
// the phone book, or, with an empty book, a number the user must enter.
#pragma once

#include "core/PhoneBook.h"
#include "core/PrjTypes.h"

#include <cstdint>

namespace korvisel {

// A reference of 0 takes the lowest entry that holds a number; with an empty book the user is asked
// for entry 1 and the reference becomes 1.
void EnsureReportPhone(TProjectInfo& project, IPhoneDialog& dialog, std::uint8_t& reference);

// Gives input `input` an event and a restore phone when either is 0: the two lowest numbers of the
// book, asking for what is missing when the book holds fewer than two.
void EnsureClipPhones(TProjectInfo& project, IPhoneDialog& dialog, TInputNumber input);

// With one number in the book, a second is asked for so that event and restore ring different
// phones: entry 1 when it is the empty one, else entry 2.
void ClipOnePhoneCase(TProjectInfo& project, IPhoneDialog& dialog, TInputNumber input);

} // namespace korvisel
