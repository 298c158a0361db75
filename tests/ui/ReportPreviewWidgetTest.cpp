// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportValues.h"
#include "ui/report/ReportPainter.h"
#include "ui/report/ReportPreview.h"

#include "ui/WindowTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QToolButton>

#include <filesystem>

namespace korvisel {
namespace {

class ReportPreviewTest : public test::WindowTest {};

TEST_F(ReportPreviewTest, PreviewTurnsZoomsFindsAndSaves) {
    ShowAndActivate();
    EXPECT_TRUE(window->Action("ActPrntPrev")->isEnabled()) << "the PDF output is always there";
    EXPECT_FALSE(window->Action("ActPrint")->isEnabled());
    EXPECT_FALSE(window->Action("ActPrintSet")->isEnabled());
    Edit([](TProjectInfo& p) { p.Phones[4] = {"+79004440004", "NAME4", false}; });
    window->Document().EditPrint({}, [](TDopPrintInfo& print) { print.SerialNumber = "SN-77"; });

    bool checked = false;
    test::WhenDialogShows<TReportPreview>(test::Part<TReportPreview>(*window), [&](TReportPreview& preview) {
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
        EXPECT_EQ(preview.FindStatus()->text(), "1 of 7");
        EXPECT_FALSE(preview.Find("no such words"));
        EXPECT_EQ(preview.FindStatus()->text(), "Not found") << "a find without a match says so";
        preview.GoToPage(5);
        EXPECT_EQ(preview.PageIndex(), 1) << "turning stops at the last page";

        // Ctrl+S saves; a name typed without an extension becomes a .pdf file.
        preview.PdfFileChooser = [&](const std::string&) { return folder.File("profile"); };
        preview.activateWindow();
        QApplication::processEvents();
        ASSERT_TRUE(preview.isActiveWindow());
        preview.GoToPage(0);
        QTest::keyClick(&preview, Qt::Key_PageDown);
        EXPECT_EQ(preview.PageIndex(), 1) << "the keys of the buttons work wherever the focus is";
        QTest::keyClick(&preview, Qt::Key_S, Qt::ControlModifier);
        EXPECT_FALSE(std::filesystem::exists(folder.File("profile")));
        EXPECT_GT(std::filesystem::file_size(folder.File("profile.pdf")), 1000u);
        preview.PdfFileChooser = [&](const std::string&) { return folder.File("profile.v2.PDF"); };
        QTest::keyClick(&preview, Qt::Key_S, Qt::ControlModifier);
        EXPECT_TRUE(std::filesystem::exists(folder.File("profile.v2.PDF")));

        const QSize room = preview.screen()->availableGeometry().size();
        EXPECT_LE(preview.frameGeometry().width(), room.width());
        EXPECT_LE(preview.frameGeometry().height(), room.height())
            << "the preview fits the screen: " << preview.frameGeometry().height() << " in " << room.height();
        checked = true;
        preview.accept();
    });
    window->Action("ActPrntPrev")->trigger();
    EXPECT_TRUE(checked);
}

// Save as PDF starts beside the project under its name; a project never saved starts in the folder
// the file dialogs use, never in the folder the program was started from.
TEST_F(ReportPreviewTest, SaveAsPdfStartsBesideTheProject) {
    ShowAndActivate();
    for (const bool saved : {false, true}) {
        window->Document().FileName =
            saved ? folder.File("sites/north.KV690") : std::string(UntitledFileName);
        window->Document().DialogFolder = folder.File("work");
        std::string suggested;
        test::WhenDialogShows<TReportPreview>(
            test::Part<TReportPreview>(*window), [&](TReportPreview& preview) {
                preview.PdfFileChooser = [&](const std::string& path) {
                    suggested = path;
                    return std::string();
                };
                // The tool bar's button of Save as PDF (Ctrl+S).
                for (QToolButton* button : preview.findChildren<QToolButton*>())
                    if (button->defaultAction() &&
                        button->defaultAction()->shortcut() == QKeySequence(QKeySequence::Save))
                        QTest::mouseClick(button, Qt::LeftButton);
                preview.reject();
            });
        window->Action("ActPrntPrev")->trigger();
        EXPECT_EQ(suggested, saved ? folder.File("sites/north.pdf") : folder.File("work/device-profile.pdf"));
    }
}

// Print data that does not fit its box is said under the pages.
TEST_F(ReportPreviewTest, WhatThePaperCutsShortIsSaid) {
    ShowAndActivate();
    window->Document().EditPrint({}, [](TDopPrintInfo& print) {
        print.SerialNumber = std::string(40, 'W');
        print.RegNumber = "REG\xE2\x80\xAE"
                          "0042";
    });
    QString note;
    bool shown = false;
    test::WhenDialogShows<TReportPreview>(test::Part<TReportPreview>(*window), [&](TReportPreview& preview) {
        note = preview.CutNote()->text();
        shown = preview.CutNote()->isVisible();
        preview.accept();
    });
    window->Action("ActPrntPrev")->trigger();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(note.contains(QString(40, 'W'))) << note.toStdString();
    const std::vector<TReportPage> pages =
        ConfigurationReportPages(Project(), window->Document().Print(), window->Texts());
    EXPECT_EQ(CutShortTexts(pages).size(), 1u) << "only the serial number";
}

} // namespace
} // namespace korvisel
