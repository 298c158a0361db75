// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/OpenFailure.h"

#include <gtest/gtest.h>

namespace korvisel {
namespace {

// Each failure names what is missing: the file, the opener (and its package), or a program that
// opens such files, in the opener's own words.
TEST(OpenFailure, SaysWhatIsMissing) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    const struct {
        TOpenFailure failure;
        const char* words;
        const char* text;
    } cases[] = {
        {TOpenFailure::FileMissing, "", "guide.html could not be opened: the file is missing. Install a web"},
        {TOpenFailure::OpenerMissing, "execvp: No such file or directory",
         "guide.html could not be opened: xdg-open, the desktop's opener, is missing. Install the xdg-utils "
         "package, or open the file yourself."},
        {TOpenFailure::OpenerFailed, "xdg-open: no method available",
         "guide.html could not be opened: xdg-open: no method available. Install a web browser"},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(OpenFailureText(texts, "guide.html", c.failure, c.words).starts_with(c.text))
            << OpenFailureText(texts, "guide.html", c.failure, c.words);
}

} // namespace
} // namespace korvisel
