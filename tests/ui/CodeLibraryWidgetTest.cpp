// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/CodeLibraryDialog.h"
#include "ui/pages/DataPages.h"
#include "ui/widgets/ContactIdEdits.h"
#include "ui/widgets/FilteredEdit.h"

#include "ui/WindowTest.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

namespace korvisel {
namespace {

class CodeLibraryTest : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        Opened([](TProjectInfo& p) { p.Phones[1] = {"5551", "", false}; });
    }
    std::string Code(const TContactId& field) { return std::string(field.Code.begin(), field.Code.end()); }
    static QString CodeShown(TContactIdPage* page) {
        QString code;
        for (int position = 4; position < 7; ++position)
            code += page->ContactId()->Edit(position)->text();
        return code;
    }
};

TEST_F(CodeLibraryTest, ThePickerOpensAtTheCodeAndFillsTheEditsOfAnInput) {
    Opened([](TProjectInfo& p) {
        p.Inputs[2].ReportType = TReportKind::Data;
        p.Inputs[2].DataPhone = 1;
        p.Inputs[2].Cid.Code = {'1', '3', '0'};
    });
    ShowAndActivate();
    Select(nkInputData, 2);
    auto* page = Shown<TInputDataPage>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->CodeMeaning()->text(), "Burglary");

    std::string selectedAtOpen;
    std::vector<std::string> filtered;
    std::string afterDown;
    QStringList headers;
    QString title;
    test::WhenDialogShows<TCodeLibraryForm>(
        test::Part<TCodeLibraryForm>(*window), [&](TCodeLibraryForm& library) {
            title = library.windowTitle();
            for (int column = 0; column < library.List()->columnCount(); ++column)
                headers << library.List()->headerItem()->text(column);
            selectedAtOpen = library.SelectedCode();
            QTest::keyClicks(library.Filter(), "periodic TEST");
            filtered = library.ShownCodes();
            QTest::keyClick(library.Filter(), Qt::Key_Down);
            afterDown = library.SelectedCode();
            QTest::keyClick(library.Filter(), Qt::Key_Return);
        });
    QTest::mouseClick(page->CodeLibraryButton(), Qt::LeftButton);

    EXPECT_EQ(title, "Code Library");
    EXPECT_EQ(headers, QStringList({"Code", "Description(Eng)", "Description(Rus)"}));
    EXPECT_EQ(selectedAtOpen, "130");
    EXPECT_EQ(filtered, (std::vector<std::string>{"602", "608"}));
    EXPECT_EQ(afterDown, "608");
    EXPECT_EQ(Code(Project().Inputs[2].Cid), "608");
    EXPECT_EQ(CodeShown(page), "608");
    EXPECT_EQ(page->CodeMeaning()->text(), "Periodic test - system trouble present");
    EXPECT_TRUE(Modified());
}

TEST_F(CodeLibraryTest, TheTestReportTakesADoubleClickedCodeKeepsItOnCancelAndAllowsUnknownCodes) {
    Opened([](TProjectInfo& p) {
        p.TestReportType = TReportKind::Data;
        p.TestDataPhone = 1;
    });
    ShowAndActivate();
    Select(nkTestData);
    auto* page = Shown<TTestDataPage>();
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->CodeMeaning()->text(), "Periodic test report");
    ASSERT_FALSE(Modified());

    test::WhenDialogShows<TCodeLibraryForm>(test::Part<TCodeLibraryForm>(*window),
                                            [](TCodeLibraryForm& library) {
                                                QTest::keyClicks(library.Filter(), "zzz");
                                                library.reject();
                                            });
    QTest::mouseClick(page->CodeLibraryButton(), Qt::LeftButton);
    EXPECT_EQ(Code(Project().TestCid), "602");
    EXPECT_FALSE(Modified());

    test::WhenDialogShows<TCodeLibraryForm>(
        test::Part<TCodeLibraryForm>(*window), [](TCodeLibraryForm& library) {
            EXPECT_TRUE(library.Filter()->text().isEmpty()) << "each opening starts unfiltered";
            QTest::keyClicks(library.Filter(), "fire test");
            QTreeWidget* list = library.List();
            QTreeWidgetItem* fireTest = list->findItems("604", Qt::MatchExactly).value(0);
            ASSERT_NE(fireTest, nullptr);
            const QPoint row = list->visualItemRect(fireTest).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
            if (library.isVisible())
                library.reject();
        });
    QTest::mouseClick(page->CodeLibraryButton(), Qt::LeftButton);
    EXPECT_EQ(Code(Project().TestCid), "604");

    // A code the library does not know is typed and kept; the library then opens with nothing chosen.
    for (int position = 4; position < 7; ++position)
        page->ContactId()->Edit(position)->setText("9");
    EXPECT_EQ(Code(Project().TestCid), "999");
    EXPECT_EQ(page->CodeMeaning()->text(), "");
    bool okAtOpen = true;
    test::WhenDialogShows<TCodeLibraryForm>(test::Part<TCodeLibraryForm>(*window),
                                            [&](TCodeLibraryForm& library) {
                                                okAtOpen = library.OkButton()->isEnabled();
                                                QTest::keyClick(library.Filter(), Qt::Key_Return);
                                                if (library.isVisible())
                                                    library.reject();
                                            });
    QTest::mouseClick(page->CodeLibraryButton(), Qt::LeftButton);
    EXPECT_FALSE(okAtOpen);
    EXPECT_EQ(Code(Project().TestCid), "999");
}

} // namespace
} // namespace korvisel
