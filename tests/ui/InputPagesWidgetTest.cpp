// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/ClipPage.h"
#include "ui/pages/PhoneBookActions.h"
#include "ui/pages/SummaryPages.h"
#include "ui/pages/TimePage.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/HalfSecondRow.h"
#include "ui/widgets/LimitedMemo.h"
#include "ui/widgets/PhoneGrid.h"
#include "ui/widgets/PhoneSelectorBox.h"

#include "ui/WindowTest.h"

#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>

namespace korvisel {
namespace {

class InputPagesTest : public test::WindowTest {};

using test::Tick;

TEST_F(InputPagesTest, EnablingAnSmsInputWithAnEmptyBookRequiresPhoneOne) {
    ShowAndActivate();
    Select(nkInput, 1);
    bool cancelOffered = true;
    bool okBeforeTyping = true;
    bool okAfterPlusDigit = true;
    bool okAfterPluses = true;
    bool enterClosedOnPluses = true;
    bool escapeClosed = true;
    test::WhenPhoneDialogShows(test::Part<TPhoneDialog>(*window), [&](TPhoneDialog& dialog) {
        cancelOffered = dialog.CancelButton()->isEnabled();
        okBeforeTyping = dialog.OkButton()->isEnabled();
        escapeClosed = (QTest::keyClick(dialog.Edit(), Qt::Key_Escape), !dialog.isVisible());
        // Three characters that OK would store as "+": no number at all.
        QTest::keyClicks(dialog.Edit(), "+++");
        okAfterPluses = dialog.OkButton()->isEnabled();
        enterClosedOnPluses = (QTest::keyClick(dialog.Edit(), Qt::Key_Return), !dialog.isVisible());
        dialog.Edit()->clear();
        QTest::keyClicks(dialog.Edit(), "+5");
        okAfterPlusDigit = dialog.OkButton()->isEnabled();
        QTest::keyClicks(dialog.Edit(), "55");
        QTest::keyClick(dialog.Edit(), Qt::Key_Return);
    });
    Tick(test::Part<TInputSummaryPage>(*window)->InputCheck());

    EXPECT_FALSE(cancelOffered);
    EXPECT_FALSE(okBeforeTyping);
    EXPECT_FALSE(okAfterPlusDigit);
    EXPECT_FALSE(okAfterPluses);
    EXPECT_FALSE(enterClosedOnPluses);
    EXPECT_FALSE(escapeClosed) << "a required number cannot be escaped from";
    EXPECT_TRUE(Project().Inputs[1].Enabled);
    EXPECT_EQ(Project().Phones[1].Number, "+555");
    EXPECT_EQ(Project().Inputs[1].SmsPhone, 1);
    EXPECT_TRUE(Modified());
}

TEST_F(InputPagesTest, InputCheckSurvivesReselectingTheNode) {
    Opened([](TProjectInfo& p) { p.Phones[2] = {"5552", "NAME2", false}; });
    ShowAndActivate();
    Select(nkInput, 3);
    Tick(test::Part<TInputSummaryPage>(*window)->InputCheck());
    EXPECT_TRUE(Project().Inputs[3].Enabled);
    EXPECT_EQ(Project().Inputs[3].SmsPhone, 2) << "the lowest number, no dialog";
    Select(nkInfo);
    Select(nkInput, 3);
    EXPECT_TRUE(test::Part<TInputSummaryPage>(*window)->InputCheck()->isChecked());

    Tick(test::Part<TInputSummaryPage>(*window)->SetOutCBox());
    EXPECT_EQ(Project().ArmConfirmInput, 3);
    Select(nkInput, 1);
    EXPECT_FALSE(test::Part<TInputSummaryPage>(*window)->SetOutCBox()->isEnabled())
        << "input 3 holds the arm confirmation";
}

TEST_F(InputPagesTest, EnteringASelectorWithAnEmptyBookGoesToThePhoneBook) {
    ShowAndActivate();
    Select(nkInputAlarm, 2);
    auto* selector = Find<TPhoneSelectorBox>("ALARMPhoneCBox");
    EXPECT_EQ(selector->currentText(), "Not Present");
    selector->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(window->CurrentNodeKind(), nkPhones);
    EXPECT_EQ(test::Part<TPageStack>(*window)->currentWidget()->objectName(), "Phone");
}

TEST_F(InputPagesTest, TestCheckSwitchesSupervisionAndRefreshes) {
    ShowAndActivate();
    Select(nkGsmTest);
    Tick(test::Part<TTestInformationPage>(*window)->TestCheck());
    EXPECT_TRUE(Project().GsmEnabled);
    EXPECT_TRUE(test::Part<TTestInformationPage>(*window)->TestCheck()->isChecked());
    EXPECT_TRUE(Modified());
}

TEST_F(InputPagesTest, TimePageStoresAndRaisesZero) {
    ShowAndActivate();
    Select(nkInputTime, 2);
    auto* whole = Find<TEditLetNum>("EditReactinTime1");
    auto* fraction = Find<TEditLetCh>("EditReactinTime2");
    whole->selectAll();
    QTest::keyClicks(whole, "12");
    EXPECT_EQ(Project().Inputs[2].ReactionTime, 25) << "12 seconds keep the half";
    whole->selectAll();
    QTest::keyClick(whole, Qt::Key_Backspace);
    fraction->selectAll();
    QTest::keyClicks(fraction, "0");
    EXPECT_EQ(Project().Inputs[2].ReactionTime, 1) << "0 s and fraction 0 is half a second";
    EXPECT_EQ(fraction->text(), "5");

    QTest::mouseClick(Shown<TTimePage>()->Row(TInputTime::Lockout)->UpDown()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(Project().Inputs[2].LockoutTime, 16);
    EXPECT_EQ(Find<TEditLetNum>("EditLockoutTime1")->text(), "8");
    EXPECT_EQ(Find<TEditLetCh>("EditLockoutTime2")->text(), "0");
}

TEST_F(InputPagesTest, ClipGridDoubleClickAndItsMenu) {
    Opened([](TProjectInfo& p) {
        p.Phones[3] = {"5553", "NAME3", false};
        p.Phones[7] = {"5557", "NAME7", false};
        p.Inputs[1].ReportType = TReportKind::Clip;
        p.Inputs[1].ClipEventPhone = 3;
        p.Inputs[1].ClipRestorePhone = 7;
    });
    ShowAndActivate();
    Select(nkInputClip, 1);
    TPhoneGrid* grid = Shown<TInputClipPage>()->Grid();
    const QRect restoreOfRow3 = grid->visualRect(grid->model()->index(2, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, restoreOfRow3.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, restoreOfRow3.center());
    EXPECT_EQ(Project().Inputs[1].ClipRestorePhone, 3);
    EXPECT_EQ(Project().Inputs[1].ClipEventPhone, 7) << "the two phones swap";

    // The menu's Delete acts on the row pointed at; input 1 rings the phone, so it asks first.
    boxes.answers = {"ok"};
    QTimer::singleShot(50, [this] {
        QMenu* menu = test::Part<TPhoneBookActions>(*window)->PopupMenu();
        menu->activateWindow();
        test::Part<TPhoneBookActions>(*window)->Action("ActPhDelete")->trigger();
        menu->close();
    });
    const QRect numberOfRow7 = grid->visualRect(grid->model()->index(6, 0));
    emit grid->customContextMenuRequested(numberOfRow7.center());
    EXPECT_TRUE(Project().Phones[7].Empty);
    EXPECT_EQ(Project().Inputs[1].ClipEventPhone, 0)
        << "moved off the deleted entry; the only other number is the restore phone";
}

TEST_F(InputPagesTest, NewProjectThroughTheWindowSavesAndReopens) {
    ShowAndActivate();
    window->SetFileChooser(
        [&](bool, const std::string&) { return std::optional(folder.File("site.KV690")); });
    window->Action("ActNew")->trigger();
    Select(nkInput, 1);
    test::WhenPhoneDialogShows(test::Part<TPhoneDialog>(*window), [](TPhoneDialog& dialog) {
        QTest::keyClicks(dialog.Edit(), "+79001234567");
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    Tick(test::Part<TInputSummaryPage>(*window)->InputCheck());
    Select(nkInputSms, 1);
    auto* eventMemo = Find<TSmsMemo>("Memo1");
    auto* restoreMemo = Find<TSmsMemo>("Memo2");
    QTest::keyClicks(eventMemo, "DOOR");
    QTest::keyClick(eventMemo, Qt::Key_Return);
    QTest::keyClicks(eventMemo, "OPEN_NOW!"); // the underscore is refused, the tenth character ends it
    restoreMemo->setFocus();
    QTest::keyClicks(restoreMemo, "SHUT");
    EXPECT_EQ(eventMemo->toPlainText(), "DOOR\nOPENNO");
    const TProjectInfo entered = Project();
    const TDeviceImage kept = window->Document().KeptImage();
    EXPECT_EQ(entered.Inputs[1].SmsEventText, "DOOROPENNO");

    window->Action("ActSave")->trigger();
    EXPECT_FALSE(Modified());
    window->Action("ActNew")->trigger();
    EXPECT_TRUE(Project().Phones[1].Empty);
    window->Commands().OpenRecent(folder.File("site.KV690"));
    EXPECT_EQ(window->Document().KeptImage(), kept);
    EXPECT_EQ(Project().Phones, entered.Phones);
    const TInputInfo& in = Project().Inputs[1];
    EXPECT_TRUE(in.Enabled);
    EXPECT_EQ(in.SmsPhone, 1);
    EXPECT_EQ(in.SmsEventText, "DOOROPENNO");
    EXPECT_EQ(in.SmsRestoreText, "SHUT");
}

} // namespace
} // namespace korvisel
