// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/Icons.h"

#include "TempFolder.h"

#include <QDir>
#include <QIcon>
#include <QImage>
#include <gtest/gtest.h>

#include <fstream>

namespace korvisel {
namespace {

QRgb Middle(const QIcon& icon) {
    const QImage image = icon.pixmap(QSize(16, 16), 1.0).toImage();
    return image.pixel(image.width() / 2, image.height() / 2);
}

TEST(Icons, DrawnIconsHaveTheirOwnPixelsAtTwiceTheScale) {
    for (const char* name : {"NEW", "READ", "HELP", "INPUT"}) {
        const QIcon icon = DrawnIcon(name);
        const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
        EXPECT_EQ(sharp.size(), QSize(32, 32)) << name;
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0) << name;
        EXPECT_TRUE(icon.availableSizes().contains(QSize(32, 32))) << name << ": drawn, not scaled up";
    }
}

TEST(Icons, CommandsTakeTheThemesIconsWhereAStandardNameFits) {
    test::TempFolder folder;
    const QString theme = QString::fromStdString(folder.Path()) + "/plain";
    ASSERT_TRUE(QDir().mkpath(theme + "/16x16/actions"));
    std::ofstream(theme.toStdString() + "/index.theme")
        << "[Icon Theme]\nName=plain\nDirectories=16x16/actions\n\n[16x16/actions]\nSize=16\nType=Fixed\n";
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(theme + "/16x16/actions/document-new.png"));

    const QStringList paths = QIcon::themeSearchPaths();
    const QString previous = QIcon::themeName();
    QIcon::setThemeSearchPaths({QString::fromStdString(folder.Path())});
    QIcon::setThemeName("plain");
    EXPECT_EQ(Middle(CommandIcon("NEW")), QColor(Qt::red).rgb()) << "document-new from the theme";
    EXPECT_EQ(Middle(CommandIcon("CUT")), Middle(DrawnIcon("CUT"))) << "the theme has no edit-cut";
    EXPECT_EQ(Middle(CommandIcon("READ")), Middle(DrawnIcon("READ")))
        << "no standard name for reading a device";
    QIcon::setThemeName(previous);
    QIcon::setThemeSearchPaths(paths);
    EXPECT_EQ(Middle(CommandIcon("NEW")), Middle(DrawnIcon("NEW"))) << "without the theme, the drawn icon";
}

} // namespace
} // namespace korvisel
