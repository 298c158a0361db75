// SPDX-License-Identifier: GPL-3.0-or-later
// The window as a user drives it: every way of editing is one step of Undo named by its place, and
// what a page cannot show (a file another program wrote) is shown as held and left alone until the
// user changes it.
#include "ui/dialogs/AudioDialog.h"
#include "ui/pages/PhoneBookActions.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/LimitedMemo.h"
#include "ui/widgets/PhoneSelectorBox.h"

#include "TempFolder.h"
#include "ui/ForeignProject.h"
#include "ui/WindowTest.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

namespace korvisel {
namespace {

class EditPathTest : public test::WindowTest {
protected:
    // The odd project opened from its file, as a user would open it.
    void OpenOddFile() {
        held = test::WriteOddProject(folder.File("odd.KV690"));
        window->Commands().OpenRecent(folder.File("odd.KV690"));
        QApplication::processEvents();
        ASSERT_TRUE(Project() == held);
    }
    TProjectInfo held;
};

// Each way a user edits is exactly one step, named by the node where it was made; Undo gives back
// the bytes the file holds and Redo the edit.
TEST_F(EditPathTest, EveryWayOfEditingIsOneStepThatUndoAndRedoWalk) {
    const struct {
        const char* way;
        TNodeKind node;
        int number;
        std::function<void()> edit;
        const char* label;
    } ways[] = {
        {"keys typed into the PIN", nkPin, 0,
         [this] {
             auto* pin = Find<QLineEdit>("EditPin");
             pin->setFocus();
             pin->selectAll();
             QTest::keyClicks(pin, "2468");
         },
         "PIN code "},
        {"a click on a signal", nkInputSignal, 2,
         [this] {
             auto* button = Find<QRadioButton>("RButtonSignal3");
             QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
         },
         "Input signal 2"},
        {"the wheel on a focused list", nkTestTime, 0,
         [this] {
             auto* days = Find<QComboBox>("TestComboBox1");
             days->setFocus();
             test::Wheel(days, 2);
         },
         "Time Cicle test"},
        {"text dropped on an SMS text", nkInputSms, 1,
         [this] { test::Drop(Find<TSmsMemo>("Memo2")->viewport(), "SHUT"); }, "SMS Input 1"},
        {"an input method's text", nkInputSms, 1,
         [this] {
             auto* memo = Find<TSmsMemo>("Memo1");
             memo->setFocus();
             QInputMethodEvent commit;
             commit.setCommitString("AB");
             QApplication::sendEvent(memo, &commit);
         },
         "SMS Input 1"},
        {"Paste of a time with Ctrl+V", nkInputTime, 3,
         [this] {
             QGuiApplication::clipboard()->setText("42");
             auto* whole = Find<QLineEdit>("EditReturnTime1");
             whole->setFocus();
             whole->selectAll();
             Press(Qt::CTRL | Qt::Key_V);
         },
         "Time at input 3"},
        {"a dialog accepted with Enter", nkInfo, 0,
         [this] {
             test::WhenDialogShows<TAudioForm>(test::Part<TAudioForm>(*window), [](TAudioForm& dialog) {
                 dialog.Edit(1)->setFocus();
                 dialog.Edit(1)->selectAll();
                 QTest::keyClicks(dialog.Edit(1), "3");
                 QTest::keyClick(dialog.Edit(1), Qt::Key_Return);
             });
             QTest::mouseDClick(window->statusBar(), Qt::LeftButton);
         },
         "Audio Parametres"},
    };
    ShowAndActivate();
    for (const auto& w : ways) {
        TProjectInfo opened;
        opened.Phones[1] = {"+79001234567", "", false};
        Put(opened);
        const TDeviceImage saved = window->Document().KeptImage();
        Select(w.node, w.number);
        w.edit();
        QApplication::processEvents();
        EXPECT_EQ(window->Document().History().Steps(), 1u) << w.way;
        EXPECT_TRUE(Modified()) << w.way;
        EXPECT_EQ(Undo()->toolTip().toStdString(), std::string("Undo: ") + w.label) << w.way;
        const TProjectInfo edited = Project();
        Select(nkInfo);
        Undo()->trigger();
        EXPECT_EQ(window->Document().KeptImage(), saved) << w.way;
        EXPECT_FALSE(Modified()) << w.way;
        Redo()->trigger();
        EXPECT_TRUE(Project() == edited) << w.way;
    }
}

TEST_F(EditPathTest, AWheelOverAListWithoutTheFocusChangesNothing) {
    ShowAndActivate();
    Opened([](TProjectInfo& p) {
        p.Phones[1] = {"5551", "", false};
        p.Phones[2] = {"5552", "", false};
        p.Inputs[1].SmsPhone = 1;
    });
    Select(nkInputSms, 1);
    auto* phone = Find<TPhoneSelectorBox>("SMSPhoneCBox");
    Find<QWidget>("Memo1")->setFocus();
    test::Wheel(phone, 1);
    EXPECT_EQ(Project().Inputs[1].SmsPhone, 1) << "a scroll across the page was meant";
    EXPECT_FALSE(phone->hasFocus()) << "the wheel gives no focus";
    phone->setFocus();
    test::Wheel(phone, 1);
    EXPECT_EQ(Project().Inputs[1].SmsPhone, 2) << "with the focus the wheel picks";
}

// Typing, then a wheel pick elsewhere: Ctrl+Z takes back the pick alone, and Ctrl+Y makes it again.
TEST_F(EditPathTest, AWheelPickAfterTypingIsAStepOfItsOwn) {
    ShowAndActivate();
    Opened([](TProjectInfo& p) {
        p.Phones[1] = {"5551", "", false};
        p.Phones[2] = {"5552", "", false};
        p.Inputs[1].SmsPhone = 1;
    });
    Select(nkPin);
    auto* pin = Find<QLineEdit>("EditPin");
    pin->setFocus();
    pin->selectAll();
    QTest::keyClicks(pin, "2222");
    Select(nkInputSms, 1);
    auto* phone = Find<TPhoneSelectorBox>("SMSPhoneCBox");
    phone->setFocus();
    test::Wheel(phone, 1);
    ASSERT_EQ(Project().Inputs[1].SmsPhone, 2);
    EXPECT_EQ(Undo()->toolTip(), "Undo: SMS Input 1");
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(Project().Inputs[1].SmsPhone, 1);
    EXPECT_EQ(Project().Pin, (std::array<char, 4>{'2', '2', '2', '2'})) << "the PIN is another step";
    EXPECT_EQ(Undo()->toolTip(), "Undo: PIN code ");
    Press(Qt::CTRL | Qt::Key_Y);
    EXPECT_EQ(Project().Inputs[1].SmsPhone, 2);
}

// ALARM with an empty phone book asks for a number; the kind and the number are one step.
TEST_F(EditPathTest, AReportKindThatAsksForAPhoneIsOneStep) {
    ShowAndActivate();
    Select(nkInputReport, 1);
    test::WhenPhoneDialogShows(test::Part<TPhoneDialog>(*window), [](TPhoneDialog& dialog) {
        QTest::keyClicks(dialog.Edit(), "+79001234567");
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    auto* alarm = Find<QRadioButton>("ReportRButton2");
    QTest::mouseClick(alarm, Qt::LeftButton, {}, QPoint(6, alarm->height() / 2));
    ASSERT_EQ(Project().Inputs[1].ReportType, TReportKind::Alarm);
    ASSERT_EQ(Project().Inputs[1].AlarmPhone, 1);
    ASSERT_EQ(Project().Phones[1].Number, "+79001234567");
    EXPECT_EQ(window->Document().History().Steps(), 1u);
    ActivateAgain();
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(Project().Inputs[1].ReportType, TReportKind::Sms);
    EXPECT_TRUE(Project().Phones[1].Empty) << "never ALARM to no phone";
    EXPECT_FALSE(Undo()->isEnabled());
}

// In a dialog Ctrl+Z is the field's own; in the window it is the project's.
TEST_F(EditPathTest, CtrlZInThePhoneDialogTakesBackWhatWasTypedThere) {
    ShowAndActivate();
    Select(nkPhones);
    QString afterUndo;
    test::WhenPhoneDialogShows(test::Part<TPhoneDialog>(*window), [&](TPhoneDialog& dialog) {
        QTest::keyClicks(dialog.Edit(), "5551");
        QTest::keyClicks(dialog.Edit(), "23");
        QTest::keyClick(dialog.Edit(), Qt::Key_Z, Qt::ControlModifier);
        afterUndo = dialog.Edit()->text();
        dialog.reject();
    });
    test::Part<TPhoneBookActions>(*window)->Edit();
    EXPECT_NE(afterUndo, "555123");
    EXPECT_TRUE(QString("555123").startsWith(afterUndo)) << afterUndo.toStdString();
    EXPECT_FALSE(Undo()->isEnabled()) << "Cancel changed nothing";
}

// Texts a memo refuses are shown as held; the user's first key applies the rule to the stored text,
// and Undo takes the whole edit back.
TEST_F(EditPathTest, ForeignSmsTextsAreShownAsHeldUntilTheUserTypes) {
    ShowAndActivate();
    OpenOddFile();
    Select(nkInputSms, 1);
    auto* event = Find<TSmsMemo>("Memo1");
    EXPECT_EQ(event->toPlainText(), "DOOR_OPEN");
    EXPECT_EQ(Find<TSmsMemo>("Memo2")->toPlainText(), "door~shut");
    EXPECT_TRUE(event->ShowsForeignText());
    Select(nkOutputControlSms, 0);
    Select(nkInfo);
    EXPECT_TRUE(Project() == held) << "showing the SMS pages changed nothing";
    EXPECT_FALSE(Modified());

    Select(nkInputSms, 1);
    event->setFocus();
    event->moveCursor(QTextCursor::End);
    QTest::keyClicks(event, "X");
    EXPECT_EQ(Project().Inputs[1].SmsEventText, "DOOROPENX");
    EXPECT_EQ(event->toPlainText(), "DOOROPENX");
    EXPECT_EQ(Project().Inputs[1].SmsRestoreText, "door~shut") << "the other memo was not touched";
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(Project().Inputs[1].SmsEventText, "DOOR_OPEN");
    EXPECT_EQ(event->toPlainText(), "DOOR_OPEN");
    EXPECT_FALSE(Modified());
}

TEST_F(EditPathTest, ForeignBytesOfAnOutputTextShowEscaped) {
    ShowAndActivate();
    OpenOddFile();
    test::SelectNode(*window, nkOutputControlSms);
    QApplication::processEvents();
    EXPECT_EQ(Find<TSmsMemo>("Memo3")->toPlainText(), "\\xC4\\xC5\\xC6");
    EXPECT_TRUE(Project() == held);
}

// The audio dialog and the PIN page show what the project holds; OK changes what the user typed.
TEST_F(EditPathTest, ValuesNoControlCanSetAreShownAndKept) {
    ShowAndActivate();
    OpenOddFile();
    Select(nkPin);
    EXPECT_EQ(Find<QLineEdit>("EditPin")->text(), "+-00");
    EXPECT_TRUE(Project() == held);

    QStringList shown;
    test::WhenDialogShows<TAudioForm>(test::Part<TAudioForm>(*window), [&](TAudioForm& dialog) {
        for (int n = 0; n < 4; ++n)
            shown << dialog.Edit(n)->text() + "/" + dialog.Edit(n)->placeholderText();
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    QTest::mouseDClick(window->statusBar(), Qt::LeftButton);
    EXPECT_EQ(shown, (QStringList{"/15", "/15", "/15", "/15"}));
    EXPECT_TRUE(Project() == held) << "OK without a change changes nothing";
    EXPECT_FALSE(Undo()->isEnabled());

    test::WhenDialogShows<TAudioForm>(test::Part<TAudioForm>(*window), [](TAudioForm& dialog) {
        dialog.Edit(1)->setFocus();
        QTest::keyClicks(dialog.Edit(1), "3");
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    QTest::mouseDClick(window->statusBar(), Qt::LeftButton);
    EXPECT_EQ(Project().AudioParams[2], 3);
    EXPECT_EQ(Project().AudioParams[1], 15) << "only what the user typed";
    EXPECT_EQ(Project().AudioParams[4], 15);
}

} // namespace
} // namespace korvisel
