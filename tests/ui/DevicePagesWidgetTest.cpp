// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/ClipboardCommands.h"
#include "ui/dialogs/AudioDialog.h"
#include "ui/pages/EditPage.h"
#include "ui/pages/PhoneBookActions.h"
#include "ui/pages/PhoneBookPage.h"
#include "ui/pages/SummaryPages.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/PhoneGrid.h"

#include "fields/FieldTable.h"
#include "ui/WindowTest.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

#include <algorithm>

namespace korvisel {
namespace {

class DevicePagesTest : public test::WindowTest {
protected:
    bool Enabled(const char* action) { return window->Action(action)->isEnabled(); }
    // The focus and selection changes delivered, then one step of the Edit commands' timer.
    void TickClipboard() {
        QApplication::processEvents();
        test::Part<TClipboardCommands>(*window)->Tick();
    }
};

TEST_F(DevicePagesTest, EveryNodeShowsAFinishedPage) {
    ShowAndActivate();
    const auto& nodes = test::Part<TNavigationTreeView>(*window)->Tree().Nodes();
    for (std::size_t n = 0; n < nodes.size(); ++n) {
        test::Part<TNavigationTreeView>(*window)->SelectNode(static_cast<int>(n));
        QWidget* page = test::Part<TPageStack>(*window)->currentWidget();
        EXPECT_TRUE(qobject_cast<TEditPage*>(page) || qobject_cast<TInfoPage*>(page))
            << "node " << n << " shows " << page->objectName().toStdString();
    }
}

// The texts a page shows: its labels, buttons, boxes and the columns of its lists, without the
// mnemonic marks.
QStringList ShownTexts(const QWidget& page) {
    QStringList texts;
    for (const QLabel* label : page.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : page.findChildren<QAbstractButton*>())
        texts << button->text();
    for (const QGroupBox* box : page.findChildren<QGroupBox*>())
        texts << box->title();
    for (const QTreeWidget* list : page.findChildren<QTreeWidget*>())
        for (int column = 0; column < list->columnCount(); ++column)
            texts << list->headerItem()->text(column);
    for (QString& text : texts)
        text = text.remove('&').trimmed();
    return texts;
}

// A setting's row names the text that labels its control, so that what reads the row (the Problems
// panel, a screen reader) says what the page says.
TEST_F(DevicePagesTest, EverySettingsCaptionIsShownOnItsPage) {
    ShowAndActivate();
    for (const TFieldRow& row : FieldRows()) {
        if (row.Scope == TFieldScope::Audio || row.Type == TFieldType::Name) {
            EXPECT_EQ(row.Caption, nullptr) << row.Name;
            continue;
        }
        SCOPED_TRACE(std::string(row.Name));
        ASSERT_NE(row.Caption, nullptr);
        Select(row.Node, row.Scope == TFieldScope::Input ? 1 : 0);
        QWidget* page = test::Part<TPageStack>(*window)->currentWidget();
        EXPECT_NE(page->findChild<QWidget*>(QString::fromUtf8(row.Control)), nullptr)
            << "no " << row.Control << " on " << page->objectName().toStdString();
        const QString caption =
            QString::fromStdString(window->Texts().Text(row.Caption)).remove('&').trimmed();
        // A page's title may end in its record's number.
        const QStringList shown = ShownTexts(*page);
        EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [&](const QString& text) {
            return text.startsWith(caption);
        })) << caption.toStdString();
    }
}

TEST_F(DevicePagesTest, TimeEditsAreTheClipboardsTarget) {
    QGuiApplication::clipboard()->setText("7");
    ShowAndActivate();
    Select(nkInputTime, 1);
    auto* fraction = Find<TEditLetCh>("EditReactinTime2");
    fraction->setFocus();
    fraction->selectAll();
    TickClipboard();
    EXPECT_TRUE(Enabled("ActCut"));
    EXPECT_TRUE(Enabled("ActPaste"));
    fraction->deselect();
    TickClipboard();
    EXPECT_FALSE(Enabled("ActCut")) << "nothing selected: Cut, Copy and Delete go within one tick";
    EXPECT_TRUE(Enabled("ActPaste"));

    fraction->selectAll();
    TickClipboard();
    window->Action("ActCut")->trigger();
    EXPECT_EQ(fraction->text(), "0");
    EXPECT_EQ(Project().Inputs[1].ReactionTime, 10) << "the half second is lost";
    EXPECT_TRUE(Modified());

    auto* whole = Find<TEditLetNum>("EditReactinTime1");
    whole->setFocus();
    whole->selectAll();
    TickClipboard();
    window->Action("ActDelete")->trigger();
    EXPECT_EQ(whole->text(), "0");
    EXPECT_EQ(Project().Inputs[1].ReactionTime, 1) << "0 s is raised to half a second";

    QGuiApplication::clipboard()->setText("ab");
    Put(Project());
    window->Action("ActPaste")->trigger();
    EXPECT_EQ(whole->text(), "0");
    EXPECT_FALSE(Modified()) << "a Paste that changed nothing leaves the file as it is";

    Select(nkInfo);
    EXPECT_FALSE(Enabled("ActCut"));
    EXPECT_FALSE(Enabled("ActPaste")) << "the summary's fill and the lost focus switch them off";
}

// On every clipboard target, each key the Edit menu shows does exactly what its Edit command does:
// the edit's own cut, copy, paste and delete never run instead.
TEST_F(DevicePagesTest, EditKeysRunTheEditCommands) {
    ShowAndActivate();
    const auto timeEdit = [this](const char* name) {
        return [this, name]() -> QWidget* {
            Select(nkInfo);
            Select(nkInputTime, 1);
            auto* edit = Find<QLineEdit>(name);
            edit->setFocus();
            edit->selectAll();
            return edit;
        };
    };
    const struct {
        const char* what;
        std::function<QWidget*()> focus;
    } targets[] = {
        {"whole seconds", timeEdit("EditReactinTime1")},
        {"half second", timeEdit("EditReactinTime2")},
        {"phone book",
         [this]() -> QWidget* {
             Select(nkInfo);
             Select(nkPhones);
             TPhoneGrid* grid = Shown<TPhoneBookPage>()->Grid();
             grid->setFocus();
             grid->setCurrentItem(grid->topLevelItem(1));
             return grid;
         }},
    };
    const struct {
        QKeyCombination key;
        const char* action;
    } keys[] = {{Qt::CTRL | Qt::Key_X, "ActCut"},
                {Qt::CTRL | Qt::Key_C, "ActCopy"},
                {Qt::CTRL | Qt::Key_V, "ActPaste"},
                {Qt::CTRL | Qt::Key_Delete, "ActDelete"}};
    for (const auto& target : targets)
        for (const auto& key : keys) {
            const auto outcome = [&](const std::function<void(QWidget*)>& command) {
                TProjectInfo start;
                start.Phones[2] = {"5552", "NAME2", false};
                start.Inputs[1].ReactionTime = 11;
                Put(start);
                QGuiApplication::clipboard()->setText("37");
                QWidget* focused = target.focus();
                TickClipboard();
                command(focused);
                QApplication::processEvents();
                const auto* edit = qobject_cast<QLineEdit*>(focused);
                const TDeviceImage image = window->Document().KeptImage();
                const std::size_t imageHash = std::hash<std::string_view>{}(
                    std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
                return (edit ? edit->text().toStdString() : std::string("-")) + " | image " +
                       std::to_string(imageHash) + " | " + (Modified() ? "modified" : "unmodified") + " | " +
                       QGuiApplication::clipboard()->text().toStdString();
            };
            const std::string byKey = outcome([&](QWidget* focused) {
                QTest::keyClick(focused, key.key.key(), key.key.keyboardModifiers());
            });
            const std::string byCommand = outcome([&](QWidget*) { window->Action(key.action)->trigger(); });
            EXPECT_EQ(byKey, byCommand) << target.what << ": " << key.action;
        }
}

TEST_F(DevicePagesTest, PhoneBookGridCommands) {
    Opened([](TProjectInfo& p) {
        p.Phones[2] = {"5552", "NAME2", false};
        p.Phones[5] = {"5555", "NAME5", false};
        p.Inputs[1].SmsPhone = 5;
    });
    ShowAndActivate();
    Select(nkPhones);
    TPhoneGrid* grid = Shown<TPhoneBookPage>()->Grid();
    grid->setFocus();
    grid->setCurrentItem(grid->topLevelItem(4));
    EXPECT_TRUE(test::Part<TPhoneBookActions>(*window)->Action("ActPhEdit")->isEnabled())
        << "a row took the focus";
    EXPECT_TRUE(Enabled("ActCopy"));

    window->Action("ActCopy")->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "5555");
    grid->setCurrentItem(grid->topLevelItem(7));
    window->Action("ActPaste")->trigger();
    EXPECT_EQ(Project().Phones[8].Number, "5555") << "pasted into entry 8";

    grid->setCurrentItem(grid->topLevelItem(4));
    boxes.answers = {"ok"}; // input 1 reports to the phone: Delete asks first
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_TRUE(Project().Phones[5].Empty);
    EXPECT_EQ(Project().Inputs[1].SmsPhone, 2) << "moved to the number below";
}

TEST_F(DevicePagesTest, StatusBarDoubleClickEditsAudio) {
    ShowAndActivate();
    test::WhenDialogShows<TAudioForm>(test::Part<TAudioForm>(*window), [](TAudioForm& dialog) {
        dialog.Edit(0)->selectAll();
        QTest::keyClicks(dialog.Edit(0), "3");
        QTest::mouseClick(dialog.CancelButton(), Qt::LeftButton);
    });
    QTest::mouseDClick(window->statusBar(), Qt::LeftButton);
    EXPECT_EQ(Project().AudioParams[1], 1) << "Cancel leaves the project";

    test::WhenDialogShows<TAudioForm>(test::Part<TAudioForm>(*window), [](TAudioForm& dialog) {
        dialog.Edit(3)->selectAll();
        QTest::keyClicks(dialog.Edit(3), "7");
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    QTest::mouseDClick(window->statusBar(), Qt::LeftButton);
    EXPECT_EQ(Project().AudioParams[4], 7);
    EXPECT_TRUE(Modified());
}

TEST_F(DevicePagesTest, BistableOutputDisablesItsTimerNode) {
    ShowAndActivate();
    Select(nkOutputType, 2);
    QTest::mouseClick(Find<QRadioButton>("RButtonType2"), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(Project().Outputs[2].WorkType, TWorkType::Bistable);
    for (const TTreeNode& node : test::Part<TNavigationTreeView>(*window)->Tree().Nodes()) {
        if (node.Data.Kind == nkOutputTime) {
            EXPECT_EQ(node.Disabled, node.Data.Output == 2) << "output " << node.Data.Output;
        }
    }
}

TEST_F(DevicePagesTest, CrowObjectAndItsFixedPositions) {
    ShowAndActivate();
    Select(nkCrow);
    auto* code = Find<TEditLetCh>("CRCode1");
    EXPECT_EQ(code->text(), "*");
    code->selectAll();
    QTest::keyClicks(code, "5");
    EXPECT_EQ(code->text(), "*") << "code, zone and partition show only \"*\"";
    auto* object = Find<TEditLetCh>("CRObj2");
    object->selectAll();
    QTest::keyClicks(object, "c");
    EXPECT_EQ(Project().CrowObject, (std::array<char, 4>{'0', 'C', '0', '0'}));
    EXPECT_TRUE(Modified());
}

TEST_F(DevicePagesTest, PrintDataFields) {
    ShowAndActivate();
    Select(nkPrintSerial);
    auto* serial = Find<QLineEdit>("Edit2");
    EXPECT_TRUE(serial->hasFocus());
    QTest::keyClicks(serial, "  SN-" + QString(40, '7'));
    EXPECT_EQ(serial->text().size(), 40);
    EXPECT_EQ(window->Document().Print().SerialNumber, serial->text().trimmed().toStdString());

    Select(nkPrintPower);
    TDopPrintInfo print = window->Document().Print();
    print.PowerSupply = {PowerKind::Other, "Solar"};
    PutPrint(print);
    Select(nkInfo);
    Select(nkPrintPower);
    auto* other = Find<QLineEdit>("Edit3");
    EXPECT_EQ(other->text(), "Solar");
    QTest::mouseClick(Find<QRadioButton>("RadioButton2"), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(other->text(), "");
    EXPECT_FALSE(other->isEnabled());
    QTest::mouseClick(Find<QRadioButton>("RadioButton3"), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(other->text(), "Solar") << "the other text comes back";
    EXPECT_FALSE(Modified()) << "print data is in no project file";
}

} // namespace
} // namespace korvisel
