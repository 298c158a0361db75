// SPDX-License-Identifier: GPL-3.0-or-later
// The phone book's commands as a user gives them: a command that moves what uses a phone asks first.
#include "ui/pages/PhoneBookPage.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/PhoneGrid.h"

#include "ui/WindowTest.h"

#include <QPushButton>

namespace korvisel {
namespace {

// Two phones; inputs 1 and 3, GSM supervision and the outputs use phone 1.
TProjectInfo SiteOfTwoPhones() {
    TProjectInfo p;
    p.Phones[1] = {"+79031112233", "NAME1", false};
    p.Phones[2] = {"+79035556677", "NAME2", false};
    for (std::size_t i = 1; i <= InputCount; ++i) {
        p.Inputs[i].SmsPhone = 1;
        p.Inputs[i].AlarmPhone = 2;
        p.Inputs[i].ReportType = i % 2 == 1 ? TReportKind::Sms : TReportKind::Alarm;
    }
    p.GsmEnabled = true;
    p.GsmSmsPhone = 1;
    for (TOutputInfo& out : p.Outputs)
        out.ControlPhone = out.AnswerPhone = 1;
    return p;
}

const std::string MovesOfPhone1 =
    "Phone 1, +79031112233, is used by Input 1 (SMS), Input 3 (SMS), GSM supervision and Outputs 1-3. "
    "Once it is empty they go to phone 2, +79035556677.\n\n";

class PhoneBookTest : public test::WindowTest {
protected:
    TPhoneGrid* GridOnRow(int row) {
        Select(nkPhones);
        TPhoneGrid* grid = Shown<TPhoneBookPage>()->Grid();
        grid->setFocus();
        grid->setCurrentItem(grid->topLevelItem(row - 1));
        return grid;
    }
    // Double-clicks the row's number, empties it in the phone dialog and presses OK.
    void EmptyByEdit(int row) {
        TPhoneGrid* grid = GridOnRow(row);
        test::WhenPhoneDialogShows(test::Part<TPhoneDialog>(*window), [](TPhoneDialog& dialog) {
            dialog.Edit()->selectAll();
            QTest::keyClick(dialog.Edit(), Qt::Key_Backspace);
            QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        });
        const QRect number = grid->visualRect(grid->model()->index(row - 1, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, number.center());
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, number.center());
        ActivateAgain();
    }
};

TEST_F(PhoneBookTest, EmptyingAUsedPhoneAsksAndCancelChangesNothing) {
    const struct {
        const char* way;
        std::function<void()> empty;
        std::string question;
    } ways[] = {
        {"Delete key", [this] { QTest::keyClick(GridOnRow(1), Qt::Key_Delete); },
         MovesOfPhone1 + "Delete it?"},
        {"Edit to nothing", [this] { EmptyByEdit(1); }, MovesOfPhone1 + "Leave it empty?"},
    };
    for (const auto& way : ways) {
        Put(SiteOfTwoPhones());
        ShowAndActivate();
        boxes.shown.clear();
        boxes.answers = {"cancel"};
        way.empty();
        ASSERT_EQ(boxes.shown.size(), 1u) << way.way;
        EXPECT_EQ(boxes.shown.front(), way.question) << way.way;
        EXPECT_EQ(Project(), SiteOfTwoPhones()) << way.way << ": Cancel changes nothing";
        EXPECT_FALSE(Modified()) << way.way;
        EXPECT_FALSE(Undo()->isEnabled()) << way.way;

        boxes.answers = {"ok"};
        way.empty();
        EXPECT_TRUE(Project().Phones[1].Empty) << way.way;
        EXPECT_EQ(Project().Inputs[3].SmsPhone, 2) << way.way;
        EXPECT_EQ(Project().Outputs[2].AnswerPhone, 2) << way.way;
        Press(Qt::CTRL | Qt::Key_Z);
        EXPECT_EQ(Project(), SiteOfTwoPhones()) << way.way << ": one Undo takes the whole command back";
    }
}

TEST_F(PhoneBookTest, NothingIsAskedWhereNothingMoves) {
    TProjectInfo site = SiteOfTwoPhones();
    site.Phones[5] = {"5555", "NAME5", false};
    Put(site);
    ShowAndActivate();
    boxes.shown.clear();
    QTest::keyClick(GridOnRow(5), Qt::Key_Delete);
    EXPECT_TRUE(Project().Phones[5].Empty);
    EXPECT_TRUE(boxes.shown.empty()) << "a phone nothing uses goes at once";
}

} // namespace
} // namespace korvisel
