// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/FilteredEdit.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <gtest/gtest.h>

namespace korvisel {
namespace {

TEST(EditLetNum, TypingAndPastingFollowTheRules) {
    TEditLetNum edit;
    edit.SetNumberCount(3);
    edit.SetMaxNumber(127);
    std::vector<std::uint32_t> changes;
    QObject::connect(&edit, &TEditLetNum::Changed, [&](std::uint32_t n) { changes.push_back(n); });
    edit.show();
    edit.setFocus();
    edit.setText("12");
    edit.setCursorPosition(2);
    QTest::keyClick(&edit, Qt::Key_9);
    EXPECT_EQ(edit.text(), "127") << "clamped through the repair step";
    EXPECT_EQ(edit.Number(), 127u);
    EXPECT_FALSE(changes.empty());

    edit.SetMaxNumber(100);
    edit.SetNumberCount(2);
    edit.setText("a1b2c3");
    EXPECT_EQ(edit.text(), "12") << "pasted text keeps its first digits";
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_EQ(edit.text(), "12");
}

TEST(EditLetCh, TypingFollowsTheCharacterSet) {
    TEditLetCh edit;
    edit.SetCharCount(4);
    edit.show();
    edit.setFocus();
    QTest::keyClicks(&edit, "1a*x#");
    EXPECT_EQ(edit.text(), "1A*#") << "upper-cased, x dropped";
    QTest::keyClick(&edit, Qt::Key_5);
    EXPECT_EQ(edit.text(), "A*#5") << "a full field shifts at its end";
}

} // namespace
} // namespace korvisel
