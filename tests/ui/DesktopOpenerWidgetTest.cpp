// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/DesktopOpener.h"

#include "TempFolder.h"

#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

namespace korvisel {
namespace {

// The opener is looked for on PATH: without it the failure says so, and an opener that fails is told
// with its own words.
TEST(DesktopOpener, TellsWhetherTheOpenerOrAProgramForTheFileIsMissing) {
    test::TempFolder bin, empty;
    const std::string script = bin.File("xdg-open");
    const std::string text =
        "#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n";
    test::WriteBytes(script, std::vector<std::uint8_t>(text.begin(), text.end()));
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
    const struct {
        bool installed;
        TOpenFailure failure;
        QString words;
    } cases[] = {
        {false, TOpenFailure::OpenerMissing, {}},
        {true, TOpenFailure::OpenerFailed,
         "xdg-open: no method available for opening 'file:///nowhere/guide.html'"},
    };
    for (const auto& c : cases) {
        ::setenv("PATH", (c.installed ? bin : empty).Path().c_str(), 1);
        TDesktopOpener opener;
        std::optional<std::pair<TOpenFailure, QString>> told;
        opener.Open(QUrl::fromLocalFile("/nowhere/guide.html"),
                    [&](TOpenFailure failure, const QString& words) {
                        told = {failure, words};
                    });
        EXPECT_TRUE(QTest::qWaitFor([&] { return told.has_value(); }, 5000));
        ::setenv("PATH", path.c_str(), 1);
        ASSERT_TRUE(told);
        EXPECT_EQ(told->first, c.failure);
        if (c.installed) {
            EXPECT_EQ(told->second, c.words);
        }
    }
}

} // namespace
} // namespace korvisel
