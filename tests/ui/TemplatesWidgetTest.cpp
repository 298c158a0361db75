// SPDX-License-Identifier: GPL-3.0-or-later
// File > Save as Template and File > New from Template as an installer uses them: ticking the
// settings each site gives, then a new project from the template with one site's values.
#include "WindowTest.h"

#include "ui/dialogs/NewFromTemplateDialog.h"
#include "ui/dialogs/SaveTemplateDialog.h"
#include "ui/widgets/FilteredEdit.h"
#include "json/ProjectJson.h"
#include "json/TemplateFolder.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace korvisel::test {
namespace {

// Runs `answer` on the first modal dialog of type D to show.
template <typename D> void WhenShown(std::function<void(D&)> answer) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        answer(*dialog);
    });
    timer->start(5);
}

QTreeWidgetItem* FieldRow(QTreeWidget& list, const QString& field) {
    for (QTreeWidgetItemIterator it(&list); *it; ++it)
        if ((*it)->toolTip(0) == field)
            return *it;
    ADD_FAILURE() << field.toStdString();
    return nullptr;
}

// The row made current and its column's key pressed, as the keyboard reaches it.
void PressOn(QTreeWidget& list, QTreeWidgetItem* row, int column, Qt::Key key) {
    list.setFocus();
    list.setCurrentItem(row, column);
    QTest::keyClick(list.viewport(), key);
    QApplication::processEvents();
}

QLineEdit* ValueEdit(const TNewFromTemplateDialog& dialog, const char* field) {
    for (QLineEdit* edit : dialog.ValueEdits())
        if (edit->objectName() == field)
            return edit;
    ADD_FAILURE() << field;
    return nullptr;
}

void TypeInto(QWidget* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClicks(edit, text);
    QApplication::processEvents();
}

class TemplatesWidgetTest : public WindowTest {
protected:
    // Input 1 reports by SMS to phone 1; input 3 by DATA.
    void SetUp() override {
        WindowTest::SetUp();
        Opened([](TProjectInfo& p) {
            p.Phones[1] = {"111", "", false};
            p.Inputs[1].ReportType = TReportKind::Sms;
            p.Inputs[1].SmsPhone = 1;
            p.Inputs[1].SmsEventText = "OPEN";
            p.Inputs[3].ReportType = TReportKind::Data;
            p.Inputs[3].DataPhone = 1;
        });
    }
    std::string Folder() { return TemplatesFolder(); }

    // The installer's company template: the owner's phone and the door's text per site.
    void SaveCompanyTemplate() {
        WhenShown<TSaveTemplateDialog>([](TSaveTemplateDialog& dialog) {
            TypeInto(dialog.NameEdit(), "Company");
            QTreeWidget& list = *dialog.FieldList();
            PressOn(list, FieldRow(list, "Phones[1].Number"), 0, Qt::Key_Space);
            QTreeWidgetItem* text = FieldRow(list, "Inputs[1].SmsEventText");
            PressOn(list, text, 1, Qt::Key_Space); // on its label: the row is ticked all the same
            // F2 on the label and on the default, as the list's caption says.
            PressOn(list, text, 1, Qt::Key_F2);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(QApplication::focusWidget(), "Door text");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            PressOn(list, text, 2, Qt::Key_F2);
            QTest::keyClicks(QApplication::focusWidget(), "DOOR");
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
        });
        window->Action("ActSaveTemplate")->trigger();
    }
};

TEST_F(TemplatesWidgetTest, AnInstallerSavesATemplateAndStartsASiteFromIt) {
    ShowAndActivate();
    SaveCompanyTemplate();
    const TResult<TSiteTemplate> saved = LoadTemplateFile(Folder() + "/Company.json");
    ASSERT_TRUE(saved.Ok()) << saved.Reason();
    EXPECT_EQ(saved.Value().Fields,
              (std::vector<TTemplateField>{{"Inputs[1].SmsEventText", "Door text", std::string("DOOR")},
                                           {"Phones[1].Number", "Phone Number 1", std::nullopt}}))
        << "in the tree's order";
    EXPECT_EQ(ProjectToJson(saved.Value().Project), ProjectToJson(Project()));
    EXPECT_NE(window->statusBar()->currentMessage().indexOf("Company.json"), -1);

    WhenShown<TNewFromTemplateDialog>([](TNewFromTemplateDialog& dialog) {
        EXPECT_EQ(dialog.TemplateBox()->currentText(), "Company");
        EXPECT_EQ(ValueEdit(dialog, "Inputs[1].SmsEventText")->text(), "DOOR") << "the default offered";
        EXPECT_EQ(ValueEdit(dialog, "Phones[1].Number")->placeholderText(), "empty: 111");
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == dialog.SiteEdit(); }, 2000))
            << "the site's name is typed first";
        TypeInto(dialog.SiteEdit(), "Shop 12");
        QTest::keyClick(dialog.SiteEdit(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), ValueEdit(dialog, "Inputs[1].SmsEventText"))
            << "Tab goes to the values";
        TypeInto(ValueEdit(dialog, "Phones[1].Number"), "+370x6+1");
        EXPECT_EQ(ValueEdit(dialog, "Phones[1].Number")->text(), "+3706+1") << "the page's keys only";
        EXPECT_FALSE(dialog.OkButton()->isEnabled());
        QTest::keyClick(ValueEdit(dialog, "Phones[1].Number"), Qt::Key_Backspace);
        QTest::keyClick(ValueEdit(dialog, "Phones[1].Number"), Qt::Key_Backspace);
        EXPECT_TRUE(dialog.OkButton()->isEnabled());
        QLineEdit* text = ValueEdit(dialog, "Inputs[1].SmsEventText");
        text->selectAll();
        TypeInto(text, "SHOP 12");
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    window->Action("ActNewTemplate")->trigger();
    EXPECT_EQ(Project().Phones[1].Number, "+3706");
    EXPECT_EQ(Project().Inputs[1].SmsEventText, "SHOP 12");
    EXPECT_EQ(window->Document().Origin,
              (TSiteOrigin{"Company",
                           "Shop 12",
                           {{"Inputs[1].SmsEventText", "SHOP 12"}, {"Phones[1].Number", "+3706"}}}));
    EXPECT_TRUE(Modified()) << "the site's values are unsaved work";
    EXPECT_EQ(window->Document().FileName, UntitledFileName);
    Undo()->trigger();
    EXPECT_EQ(Project().Inputs[1].SmsEventText, "OPEN") << "Undo shows what the template holds";
}

TEST_F(TemplatesWidgetTest, EachValueIsTakenByItsPagesRule) {
    TSiteTemplate t = TemplateOfProject(Project(), "Every field");
    ASSERT_TRUE(SaveTemplateFile(Folder(), t).Ok());
    test::WriteBytes(Folder() + "/broken.json", {'{'});
    struct Case {
        const char* field;
        const char* typed;
        const char* shown;
        const char* problem;
    } cases[] = {
        {"Pin", "12a345", "2345", ""}, // typed into a full PIN, it moves along as the page does
        {"Pin", "12", "12", "Needs exactly 4 characters."},
        {"Inputs[3].Cid.Object", "1b", "1B", "Needs exactly 4 characters."},
        {"Inputs[3].Cid.Partition", "a1x", "A1", ""},
        {"Phones[2].Number", "12+3", "12+3", "Only the first character may be +."},
        {"Inputs[1].SmsRestoreText", "Shop~12 back", "Shop12 bac", ""}, // case kept, ~ not in the table
    };
    WhenShown<TNewFromTemplateDialog>([&cases](TNewFromTemplateDialog& dialog) {
        EXPECT_NE(dialog.Note()->text().indexOf("Not offered: "), -1) << dialog.Note()->text().toStdString();
        EXPECT_NE(dialog.Note()->text().indexOf("broken.json"), -1);
        for (QLineEdit* edit : dialog.ValueEdits())
            EXPECT_EQ(edit->text(), "") << edit->objectName().toStdString();
        EXPECT_TRUE(dialog.OkButton()->isEnabled());
        for (const Case& c : cases) {
            QLineEdit* edit = ValueEdit(dialog, c.field);
            edit->clear();
            TypeInto(edit, c.typed);
            EXPECT_EQ(edit->text(), c.shown) << c.field;
            EXPECT_EQ(edit->accessibleDescription(), c.problem) << c.field;
            EXPECT_EQ(dialog.OkButton()->isEnabled(), std::string(c.problem).empty()) << c.field;
            edit->clear();
        }
        dialog.reject();
    });
    window->Action("ActNewTemplate")->trigger();
    EXPECT_FALSE(Modified()) << "Cancel leaves the project as it was";
}

TEST_F(TemplatesWidgetTest, WithoutTemplatesTheFormSaysHowToMakeOne) {
    WhenShown<TNewFromTemplateDialog>([](TNewFromTemplateDialog& dialog) {
        EXPECT_EQ(dialog.TemplateBox()->count(), 0);
        EXPECT_NE(dialog.Note()->text().indexOf("Save as Template"), -1);
        EXPECT_FALSE(dialog.OkButton()->isEnabled());
        dialog.reject();
    });
    window->Action("ActNewTemplate")->trigger();
}

TEST_F(TemplatesWidgetTest, ASiteSavedOverItsTemplateKeepsItsQuestionsAndARefusedDefaultIsTold) {
    TSiteTemplate company = TemplateOfProject(Project(), "Company");
    company.Fields = {{"Pin", "Site PIN", std::string("1234")}, {"Phones[1].Number", "Owner", std::nullopt}};
    ASSERT_TRUE(SaveTemplateFile(Folder(), company).Ok());
    window->Document().Origin = {"Company", "Shop 12", {{"Phones[1].Number", "222"}}};
    WhenShown<TSaveTemplateDialog>([](TSaveTemplateDialog& dialog) {
        EXPECT_EQ(dialog.NameEdit()->text(), "Company");
        QTreeWidget& list = *dialog.FieldList();
        QTreeWidgetItem* pin = FieldRow(list, "Pin");
        EXPECT_EQ(pin->checkState(0), Qt::Checked)
            << "the template's own field, though the site gave no value";
        EXPECT_EQ(pin->text(1), "Site PIN");
        EXPECT_EQ(pin->text(2), "1234");
        EXPECT_EQ(FieldRow(list, "Phones[1].Number")->text(1), "Owner");
        PressOn(list, pin, 2, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "12");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.Note()->text(), "The default of PIN code cannot stand: Needs exactly 4 characters.");
        EXPECT_TRUE(dialog.isVisible()) << "nothing saved";
        dialog.reject();
    });
    window->Action("ActSaveTemplate")->trigger();
    const TResult<TSiteTemplate> kept = LoadTemplateFile(Folder() + "/Company.json");
    ASSERT_TRUE(kept.Ok());
    EXPECT_EQ(kept.Value().Fields, company.Fields);
}

TEST_F(TemplatesWidgetTest, ANameInUseIsToldBeforeItIsReplaced) {
    ASSERT_TRUE(SaveTemplateFile(Folder(), TemplateOfProject(Project(), "Company")).Ok());
    WhenShown<TSaveTemplateDialog>([](TSaveTemplateDialog& dialog) {
        EXPECT_FALSE(dialog.SaveButton()->isEnabled()) << "no name yet";
        TypeInto(dialog.NameEdit(), "Company");
        EXPECT_EQ(dialog.Note()->text(), "A template named \"Company\" exists: Save replaces it.");
        QTest::mouseClick(dialog.SaveButton(), Qt::LeftButton);
    });
    window->Action("ActSaveTemplate")->trigger();
    const TResult<TSiteTemplate> saved = LoadTemplateFile(Folder() + "/Company.json");
    ASSERT_TRUE(saved.Ok());
    EXPECT_TRUE(saved.Value().Fields.empty()) << "replaced by the one with nothing ticked";
}

} // namespace
} // namespace korvisel::test
