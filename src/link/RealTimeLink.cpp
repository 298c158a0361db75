// SPDX-License-Identifier: GPL-3.0-or-later
#include "link/RealTimeLink.h"

#include <algorithm>
#include <chrono>
#include <time.h>

namespace korvisel {

std::int64_t TSteadyClock::NowUs() {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

void TPollingPump::ProcessEvents(std::int64_t remainingUs) {
    port_.Poll();
    if (processEvents_)
        processEvents_();
    const std::int64_t sleepUs = std::clamp<std::int64_t>(remainingUs, 0, 1000);
    if (sleepUs > 0) {
        const timespec pause{0, static_cast<long>(sleepUs * 1000)};
        ::nanosleep(&pause, nullptr);
    }
}

} // namespace korvisel
