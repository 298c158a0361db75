// SPDX-License-Identifier: GPL-3.0-or-later
// The mark that the program, not the user, is putting values into a page's controls: the controls'
// change handlers skip their writes while it is set.
#pragma once

namespace korvisel {

// Sets the mark for as long as it lives and then restores what it found, so that a fill inside a
// fill, an early return or an exception never leaves the mark set.
class TFillingGuard {
public:
    explicit TFillingGuard(bool& filling) : filling_(filling), was_(filling) { filling_ = true; }
    ~TFillingGuard() { filling_ = was_; }
    TFillingGuard(const TFillingGuard&) = delete;
    TFillingGuard& operator=(const TFillingGuard&) = delete;

private:
    bool& filling_;
    bool was_;
};

} // namespace korvisel
