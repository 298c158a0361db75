// SPDX-License-Identifier: GPL-3.0-or-later
// A project with a value in nearly every field, for tests and seed files that need more than defaults.
#pragma once

#include "core/PrjTypes.h"

namespace korvisel::test {

TProjectInfo BusyProject();

} // namespace korvisel::test
