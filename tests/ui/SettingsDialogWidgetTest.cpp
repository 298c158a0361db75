// SPDX-License-Identifier: GPL-3.0-or-later
#include "i18n/Registrations.h"
#include "settings/Settings.h"
#include "ui/app/SettingsDialog.h"
#include "ui/pages/SummaryPages.h"
#include "ui/widgets/FilteredEdit.h"

#include "ui/WindowTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>

#include <filesystem>

namespace korvisel {
namespace {

class OptionFormTest : public test::WindowTest {
protected:
    void SetUp() override {
        ports.Add(1);
        ports.Add(3);
        test::WindowTest::SetUp();
        ShowAndActivate();
    }
    TOptionForm* Form() { return test::Part<TOptionForm>(*window); }
    // Opens the dialog with Settings ... (or Language ...) and runs `steps` on it.
    void Open(const char* command, std::function<void(TOptionForm&)> steps) {
        test::WhenDialogShows<TOptionForm>(Form(), std::move(steps));
        window->Action(command)->trigger();
    }
    static void Pick(QComboBox* list, int index) {
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
};

TEST_F(OptionFormTest, CancelPutsBackSpeedPortAndFolderAndStillStoresThem) {
    const std::string folderBefore = window->Options().WorkPath;
    const std::string portBefore = *ReadCpuPort(store);
    Open("ActSetting", [&](TOptionForm& form) {
        EXPECT_EQ(form.Tabs()->currentIndex(), 0) << "Settings ... opens on General";
        EXPECT_EQ(form.PortList()->count(), 2);
        Pick(form.SpeedList(), 6); // 19200
        Pick(form.PortList(), 1);
        form.FolderBrowser = [&] { return folder.Path(); };
        form.BrowseButton()->click();
        EXPECT_EQ(form.WorkFolderField()->text().toStdString(), folder.Path());
        form.CancelButton()->click();
    });
    EXPECT_EQ(window->Options().Port.SpeedIndex, 5) << "9600, as the port runs";
    EXPECT_EQ(window->Options().WorkPath, folderBefore);
    EXPECT_EQ(*ReadCpuPort(store), portBefore);
    EXPECT_EQ(store.ReadString(RegistryKey::Settings, "WorkPath"), folderBefore)
        << "Cancel stores the restored values";

    Open("ActSetting", [&](TOptionForm& form) {
        Pick(form.SpeedList(), 6);
        form.OkButton()->click();
    });
    EXPECT_NE(Find<QLabel>("PortSummary")->text().indexOf("19200"), -1);
}

// The open CPU port is among the ports the scan finds: it is listed once.
TEST_F(OptionFormTest, EachPortIsListedOnce) {
    store.WriteString(RegistryKey::Settings, "CPUPort", "COM3");
    ActivateAgain();
    ASSERT_TRUE(window->CpuPort().IsConnected());
    QStringList listed;
    Open("ActSetting", [&](TOptionForm& form) {
        for (int n = 0; n < form.PortList()->count(); ++n)
            listed << form.PortList()->itemText(n);
        EXPECT_EQ(form.PortList()->currentText(), "COM3");
        form.CancelButton()->click();
    });
    EXPECT_EQ(listed.join(", ").toStdString(), "COM1, COM3");
}

TEST_F(OptionFormTest, ShorterListDropsTheOldestForGood) {
    for (const char* name : {"d.KV690", "c.KV690", "b.KV690", "a.KV690"}) {
        test::WriteBytes(folder.File(name), {'x'});
        window->Settings().RecentFiles.PutOnTop(folder.File(name));
    }
    const auto setLength = [this](const char* length) {
        Open("ActSetting", [length](TOptionForm& form) {
            form.ListLengthEdit()->selectAll();
            QTest::keyClicks(form.ListLengthEdit(), length);
            form.OkButton()->click();
        });
    };
    setLength("2");
    EXPECT_EQ(window->Settings().RecentFiles.Entries(),
              (std::vector<std::string>{folder.File("a.KV690"), folder.File("b.KV690")}));
    setLength("4");
    EXPECT_EQ(window->Settings().RecentFiles.Entries().size(), 2u) << "raising it brings nothing back";
}

TEST_F(OptionFormTest, DroppedRecentFilesStayDroppedAcrossActivations) {
    for (const char* name : {"a.KV690", "b.KV690", "c.KV690", "d.KV690"})
        test::WriteBytes(folder.File(name), {'x'});
    store.WriteString(RegistryKey::Settings, "File1", folder.File("a.KV690"));
    store.WriteString(RegistryKey::Settings, "File2", folder.File("b.KV690"));
    store.WriteString(RegistryKey::Settings, "File3", folder.File("c.KV690"));
    store.WriteString(RegistryKey::Settings, "File4", folder.File("d.KV690"));
    // Every activation of the main window reloads the list from the settings.
    const auto activate = [this] {
        window->activateWindow();
        QApplication::processEvents();
        ASSERT_TRUE(window->isActiveWindow());
        QEvent change(QEvent::ActivationChange);
        QApplication::sendEvent(window.get(), &change);
    };
    activate();
    ASSERT_EQ(window->Settings().RecentFiles.Entries().size(), 4u);
    const auto setLength = [&](const char* length) {
        Open("ActSetting", [length](TOptionForm& form) {
            form.ListLengthEdit()->selectAll();
            QTest::keyClicks(form.ListLengthEdit(), length);
            form.OkButton()->click();
        });
        activate();
    };
    setLength("2");
    setLength("4");
    EXPECT_EQ(window->Settings().RecentFiles.Entries(),
              (std::vector<std::string>{folder.File("a.KV690"), folder.File("b.KV690")}))
        << "the entries a shorter list dropped are gone from the settings";
}

TEST_F(OptionFormTest, ProgramFolderBoxBringsBackThePreviousFolder) {
    Open("ActSetting", [&](TOptionForm& form) {
        form.FolderBrowser = [&] { return folder.Path(); };
        form.BrowseButton()->click();
        EXPECT_FALSE(form.UseProgramFolderBox()->isChecked());
        form.UseProgramFolderBox()->click();
        EXPECT_NE(form.WorkFolderField()->text().toStdString(), folder.Path());
        form.UseProgramFolderBox()->click();
        EXPECT_EQ(form.WorkFolderField()->text().toStdString(), folder.Path());
        form.OkButton()->click();
    });
    EXPECT_EQ(store.ReadString(RegistryKey::Settings, "WorkPath"), folder.Path())
        << "the next activation starts the file dialogs there";
}

TEST_F(OptionFormTest, LanguageChosenThenCancelledStillSwitches) {
    const std::string russian = std::string(KORVISEL_SOURCE_DIR) + "/languages/Russian.ini";
    Open("ActLanguage", [&](TOptionForm& form) {
        EXPECT_EQ(form.Tabs()->currentIndex(), 3) << "Language ... opens on its tab";
        form.LanguageFileChooser = [&] { return russian; };
        form.ChooseLanguageButton()->click();
        EXPECT_TRUE(form.AddLanguageButton()->isEnabled());
        form.AddLanguageButton()->click();
        ASSERT_EQ(form.LanguageList()->count(), 2);
        Pick(form.LanguageList(), 1);
        form.CancelButton()->click();
    });
    EXPECT_NE(window->Action("ActNew")->text(), "&New") << "the interface is in the chosen language";
    const auto yes = [] {
        QDialogButtonBox buttons(QDialogButtonBox::Yes);
        return buttons.button(QDialogButtonBox::Yes)->text();
    };
    EXPECT_EQ(yes(), QString::fromUtf8("&Да")) << "and so are Qt's own buttons, at once";
    Select(nkInputTime, 1);
    const auto title = [this] {
        return test::Part<TPageStack>(*window)->currentWidget()->findChild<QLabel*>("Title")->text();
    };
    auto* description = Find<TDescriptionList>("DescriptionTime");
    EXPECT_NE(title(), "Time Settings for Input 1");
    EXPECT_GT(description->count(), 0);
    Open("ActLanguage", [&](TOptionForm& form) {
        Pick(form.LanguageList(), 0);
        form.OkButton()->click();
    });
    EXPECT_EQ(window->Action("ActNew")->text(), "&New") << "and back in English";
    EXPECT_EQ(yes(), "&Yes");
    EXPECT_EQ(title(), "Time Settings for Input 1");
    EXPECT_EQ(description->count(), 0) << "the built-in description is empty";
}

TEST_F(OptionFormTest, AfterAddingALanguageTheChosenOneIsStillHighlighted) {
    const std::string russian = std::string(KORVISEL_SOURCE_DIR) + "/languages/Russian.ini";
    const std::string other = folder.File("lang.ini");
    const std::string text = "[Main]\nName=Test\n";
    test::WriteBytes(other, std::vector<std::uint8_t>(text.begin(), text.end()));
    Open("ActLanguage", [&](TOptionForm& form) {
        for (const std::string& file : {russian, other}) {
            form.LanguageFileChooser = [file] { return file; };
            form.ChooseLanguageButton()->click();
            form.AddLanguageButton()->click();
            if (file == russian)
                Pick(form.LanguageList(), form.LanguageList()->findText("Russian"));
        }
        ASSERT_EQ(form.LanguageList()->count(), 3);
        EXPECT_EQ(form.LanguageList()->currentText(), "Russian") << "the language that will be applied";
        form.OkButton()->click();
    });
    EXPECT_NE(window->Action("ActNew")->text(), "&New");
}

TEST_F(OptionFormTest, AddingALanguageWhoseFileVanishedRegistersNothing) {
    const std::string file = folder.File("lang.ini");
    const std::string text = "[Main]\nName=Test\n";
    test::WriteBytes(file, std::vector<std::uint8_t>(text.begin(), text.end()));
    Open("ActLanguage", [&](TOptionForm& form) {
        form.LanguageFileChooser = [&] { return file; };
        form.ChooseLanguageButton()->click();
        std::filesystem::remove(file);
        form.AddLanguageButton()->click();
        EXPECT_EQ(form.LanguageList()->count(), 1);
        EXPECT_FALSE(form.AddLanguageButton()->isEnabled());
        form.OkButton()->click();
    });
    EXPECT_EQ(LoadLanguages(store).size(), 1u);
}

} // namespace
} // namespace korvisel
