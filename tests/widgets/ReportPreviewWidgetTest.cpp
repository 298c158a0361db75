#include "report/ReportPreview.h"

#include "widgets/WindowTest.h"

#include <QLineEdit>

#include <filesystem>

namespace korvisel {
namespace {

class ReportPreviewTest : public test::WindowTest {};

TEST_F(ReportPreviewTest, PreviewTurnsZoomsFindsAndSaves) {
    ShowAndActivate();
    EXPECT_TRUE(window->Action("ActPrntPrev")->isEnabled()) << "the PDF output is always there";
    EXPECT_FALSE(window->Action("ActPrint")->isEnabled());
    EXPECT_FALSE(window->Action("ActPrintSet")->isEnabled());
    Project().Phones[4] = {"+79004440004", "NAME4", false};
    window->Document().Print.SerialNumber = "SN-77";

    bool checked = false;
    test::WhenDialogShows<TReportPreview>(window->ReportPreview(), [&](TReportPreview& preview) {
        EXPECT_EQ(preview.PageCount(), 2);
        EXPECT_EQ(preview.PageIndex(), 0);
        const double fitted = preview.DotsPerMm();
        preview.ZoomBy(1.25);
        EXPECT_NEAR(preview.DotsPerMm(), fitted * 1.25, 1e-9);
        preview.FitPage();
        EXPECT_LT(preview.DotsPerMm(), fitted);

        EXPECT_TRUE(preview.Find("+79004440004"));
        EXPECT_EQ(preview.PageIndex(), 1) << "the match is on the settings sheet";
        EXPECT_TRUE(preview.Find("input"));
        EXPECT_EQ(preview.FoundCount(), 7) << "the caption, two column heads and four rows";
        EXPECT_FALSE(preview.Find("no such words"));
        preview.GoToPage(5);
        EXPECT_EQ(preview.PageIndex(), 1) << "turning stops at the last page";

        EXPECT_EQ(preview.SaveAsPdf(folder.File("profile.pdf")), "");
        EXPECT_GT(std::filesystem::file_size(folder.File("profile.pdf")), 1000u);
        checked = true;
        preview.accept();
    });
    window->Action("ActPrntPrev")->trigger();
    EXPECT_TRUE(checked);
}

} // namespace
} // namespace korvisel
