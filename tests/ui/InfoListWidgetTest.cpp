// SPDX-License-Identifier: GPL-3.0-or-later
#include "markup/Panels.h"
#include "ui/pages/SummaryPages.h"
#include "ui/widgets/InfoList.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>

namespace korvisel {
namespace {

bool IsDark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

TEST(ExtensionList, RowHeightsFollowTheirCodes) {
    TExtensionList list;
    TLanguageTexts texts;
    texts.SetBuiltInTexts();
    list.resize(400, 300);
    list.SetRows({"/nx/pm/ac/cb/z6/sbProject Information", "/d3", "/d9/i3/n6/p0/ic/i0/n2/p0/ie/pb", "plain"},
                 texts);
    list.show();
    QApplication::processEvents();
    std::vector<int> heights;
    for (int i = 0; i < list.count(); ++i)
        heights.push_back(list.visualItemRect(list.item(i)).height());
    EXPECT_EQ(heights, (std::vector<int>{24, 13, 9, 16}));
}

TEST(ExtensionList, ProjectSummaryTestsTableIsDrawnWhereTheLayoutSays) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    const TDocument document;
    TSummaryPage page(ProjectSummary, {document, texts});
    page.resize(640, 480);
    page.ShowNode({nkInfo, 0, 0});
    page.show();
    TExtensionList* list = page.List();
    const std::vector<std::string> rows = list->Rows();
    const auto header = std::find_if(rows.begin(), rows.end(), [](const std::string& r) {
        return r.starts_with("/i2/n4/p0/ic/i0/n2/p0/ie/pr/i+/pr/ae");
    });
    ASSERT_NE(header, rows.end());
    const int first = static_cast<int>(header - rows.begin()) - 1; // the top border row
    list->scrollToItem(list->item(first), QAbstractItemView::PositionAtTop);
    QApplication::processEvents();
    const QImage image = list->viewport()->grab().toImage();

    TQtFontMetrics metrics(list->font());
    const std::vector<TRgb> pens = StartPenColors(rows, 0);
    int checked = 0;
    for (int row = first; row < first + 5; ++row) {
        const QRect r = list->visualItemRect(list->item(row));
        const TMarkupLayout layout = LayoutMarkupItem(
            rows[static_cast<std::size_t>(row)], {r.left(), r.top(), r.right() + 1, r.bottom() + 1},
            list->ListMarkupFont(), pens[static_cast<std::size_t>(row)], metrics);
        ASSERT_FALSE(layout.Lines.empty()) << rows[static_cast<std::size_t>(row)];
        for (const TLineOp& line : layout.Lines)
            for (std::size_t i = 0; i + 1 < line.Points.size(); ++i) {
                const TPoint a = line.Points[i], b = line.Points[i + 1];
                const TPoint mid{(a.X + b.X) / 2, (a.Y + b.Y) / 2};
                EXPECT_TRUE(IsDark(image, mid.X, mid.Y)) << "row " << row << " at " << mid.X << "," << mid.Y;
                ++checked;
            }
    }
    EXPECT_GT(checked, 10);
    // The table spans x 20 ... 410: beyond it the rows are blank.
    const QRect headerRect = list->visualItemRect(list->item(first + 1));
    EXPECT_FALSE(IsDark(image, 415, headerRect.center().y()));
    EXPECT_TRUE(IsDark(image, 410, headerRect.center().y()));

    if (const char* folder = std::getenv("KORVISEL_SCREENSHOTS")) {
        list->scrollToItem(list->item(first - 8), QAbstractItemView::PositionAtTop);
        QApplication::processEvents();
        page.grab().save(QString(folder) + "/project-summary-tests.png");
        list->scrollToTop();
        QApplication::processEvents();
        page.grab().save(QString(folder) + "/project-summary.png");
    }
}

TEST(SummaryPages, InputChecksAndHoverFocus) {
    const TLanguageTexts texts = TLanguageTexts::BuiltInEnglish();
    const TDocument document;
    TProjectInfo project;
    project.Inputs[2].Enabled = true;
    project.ArmConfirmInput = 1;
    TInputSummaryPage input({document, texts});
    input.Fill(project, 2, texts);
    EXPECT_TRUE(input.InputCheck()->isChecked());
    EXPECT_FALSE(input.SetOutCBox()->isEnabled());
    EXPECT_EQ(input.SetOutCBox()->text(), "Confirmation of Arm");
    input.Fill(project, 1, texts);
    EXPECT_TRUE(input.SetOutCBox()->isEnabled());
    EXPECT_TRUE(input.SetOutCBox()->isChecked());

    TTestInformationPage test({document, texts});
    test.FillPeriodicTest(project, 1, texts);
    EXPECT_EQ(test.List()->count(), 0) << "the GSM group's node shows no periodic rows";
    project.TestEnabled = true;
    test.FillPeriodicTest(project, 2, texts);
    EXPECT_TRUE(test.TestCheck()->isChecked());
    EXPECT_GT(test.List()->count(), 5);

    TSummaryPage summary(ProjectSummary, {document, texts});
    summary.show();
    summary.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&summary));
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(summary.List(), &enter);
    EXPECT_TRUE(summary.List()->hasFocus()) << "the project summary takes the focus under the mouse";

    TDescriptionList description;
    description.Fill("First line\n\rSecond line", texts);
    EXPECT_EQ(description.count(), 2);
    EXPECT_NEAR(static_cast<double>(description.height()) / description.ItemHeight(), 6, 0.5)
        << "about six rows, in any font";
}

} // namespace
} // namespace korvisel
