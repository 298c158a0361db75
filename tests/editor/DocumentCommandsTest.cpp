// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/DocumentCommands.h"

#include "editor/InputEdits.h"

#include "RandomImages.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <random>

namespace korvisel {
namespace {

using test::TempFolder;

// Message boxes and file dialogs that answer from a script and record what they were asked, and the
// title and project changes the document announces.
class Scripted : public IMessageBoxes, public IDocumentView, public IDocumentObserver {
public:
    std::deque<std::string> answers; // "ok", "cancel", "yes", "no", or a file name for a dialog
    std::vector<std::string> asked;
    std::string title;
    int changes = 0;
    int firstNodeSelections = 0;

    std::string Next(const std::string& question) {
        asked.push_back(question);
        EXPECT_FALSE(answers.empty()) << "unexpected: " << question;
        if (answers.empty())
            return "cancel";
        std::string a = answers.front();
        answers.pop_front();
        return a;
    }
    void Information(const std::string& text, const std::string&) override {
        asked.push_back("info: " + text);
    }
    void Error(const std::string& text, const std::string&) override { asked.push_back("error: " + text); }
    bool OkCancel(const std::string& text, const std::string&) override { return Next(text) == "ok"; }
    bool YesNo(const std::string& text, const std::string&, TBoxIcon) override { return Next(text) == "yes"; }
    TBoxAnswer YesNoCancel(const std::string& text, const std::string&, TBoxIcon) override {
        const std::string a = Next(text);
        return a == "yes" ? TBoxAnswer::Yes : a == "no" ? TBoxAnswer::No : TBoxAnswer::Cancel;
    }
    std::optional<std::string> ChooseSaveFile(const std::string&) override { return Dialog("save dialog"); }
    std::optional<std::string> ChooseOpenFile(const std::string&) override { return Dialog("open dialog"); }
    void SelectFirstNode() override { ++firstNodeSelections; }
    void DocumentChanged(const TDocumentChange& change) override {
        title = DocumentTitle(document->FileName, TLanguageTexts::BuiltInEnglish());
        changes += change.Kind == TChangeKind::Replaced ? 1 : 0;
    }
    const TDocument* document = nullptr;

private:
    std::optional<std::string> Dialog(const std::string& which) {
        const std::string a = Next(which);
        return a == "cancel" ? std::nullopt : std::optional(a);
    }
};

class DocumentCommandsTest : public ::testing::Test {
protected:
    DocumentCommandsTest() {
        texts.SetBuiltInTexts();
        TProjectInfo opened;
        opened.Phones[1] = {"111", "", false};
        doc.Replace(opened, doc.Print());
        ui.document = &doc;
        doc.Subscribe(ui);
    }
    template <typename Edit> void Change(Edit&& edit) { doc.Edit({}, std::forward<Edit>(edit)); }
    // An edit a save would write: the project no longer equals its file.
    void Modify() {
        Change([](TProjectInfo& p) { p.TestDays = static_cast<std::uint8_t>(p.TestDays == 7 ? 8 : 7); });
    }
    TempFolder folder;
    TLanguageTexts texts;
    TDocument doc;
    Scripted ui;
    TDocumentCommands commands{doc, ui, ui, texts, [](const std::string&) { return false; }};
};

TEST_F(DocumentCommandsTest, SavingANewProjectForcesTheExtensionAndAsksBeforeReplacing) {
    Modify();
    ui.answers = {folder.File("site.txt")};
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(doc.FileName, folder.File("site.KV690"));
    EXPECT_TRUE(std::filesystem::exists(folder.File("site.KV690")));
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(ui.title, "KORvisel PRO [site.KV690]");

    // An untitled project saved under an existing name asks first; Cancel writes nothing.
    doc.FileName = UntitledFileName;
    Modify();
    ui.answers = {folder.File("site.KV690"), "cancel"};
    EXPECT_FALSE(commands.Save());
    EXPECT_EQ(ui.asked.back(),
              "This File : " + folder.File("site.KV690") + " exist.\n\r Override this File?");
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(doc.FileName, UntitledFileName) << "the declined name is not taken";
    ui.answers = {"cancel"};
    EXPECT_FALSE(commands.Save()) << "so the next Save asks for a name again";
    EXPECT_EQ(ui.asked.back(), "save dialog");

    // Save As replaces without asking.
    ui.answers = {folder.File("site.KV690")};
    EXPECT_TRUE(commands.SaveAs());
    EXPECT_EQ(ui.title, "KORvisel PRO [site.KV690]");
}

// A file the user never named is never replaced without the overwrite question, and Cancel leaves
// both the project's name and that file as they were.
TEST_F(DocumentCommandsTest, AFileTheUserNeverNamedIsNotReplacedUnasked) {
    test::WriteBytes(folder.File("exist.KV690"), {'o', 'l', 'd'});
    TDeviceImage image{};
    ASSERT_TRUE(WriteProjectFile(folder.File("site.KV690"), doc.Project(), image).Ok());
    test::WriteBytes(folder.File("site.KRV"), std::vector<std::uint8_t>(224, 0));
    const std::string asked = "This File : " + folder.File("exist.KV690") + " exist.\n\r Override this File?";
    struct Case {
        const char* what;
        std::function<bool()> save;
        std::deque<std::string> answers;
        std::string startName;
        bool saved;
        std::string question, endName;
    } cases[] = {
        {"Save As exist.txt, Cancel",
         [&] { return commands.SaveAs(); },
         {folder.File("exist.txt"), "cancel"},
         UntitledFileName,
         false,
         asked,
         UntitledFileName},
        {"Save As exist.txt under an old name, Cancel",
         [&] { return commands.SaveAs(); },
         {folder.File("exist.txt"), "cancel"},
         folder.File("site.KV690"),
         false,
         asked,
         folder.File("site.KV690")},
        {"Save As exist.txt, OK",
         [&] { return commands.SaveAs(); },
         {folder.File("exist.txt"), "ok"},
         UntitledFileName,
         true,
         asked,
         folder.File("exist.KV690")},
        {"Save As the very name the dialog confirmed",
         [&] { return commands.SaveAs(); },
         {folder.File("exist.KV690")},
         UntitledFileName,
         true,
         "save dialog",
         folder.File("exist.KV690")},
        {"Save of an opened .KRV beside an existing .KV690, Cancel",
         [&] { return commands.Save(); },
         {"cancel"},
         folder.File("site.KRV"),
         false,
         "This File : " + folder.File("site.KV690") + " exist.\n\r Override this File?",
         folder.File("site.KRV")},
    };
    for (const Case& c : cases) {
        test::WriteBytes(folder.File("exist.KV690"), {'o', 'l', 'd'});
        doc.FileName = c.startName;
        Modify();
        ui.answers = c.answers;
        EXPECT_EQ(c.save(), c.saved) << c.what;
        EXPECT_EQ(ui.asked.back(), c.question) << c.what;
        EXPECT_EQ(doc.FileName, c.endName) << c.what;
        EXPECT_EQ(doc.Modified(), !c.saved) << c.what;
        const bool replaced = test::ReadBytes(folder.File("exist.KV690")).size() != 3;
        EXPECT_EQ(replaced, c.saved && c.endName == folder.File("exist.KV690")) << c.what;
        EXPECT_TRUE(ui.answers.empty()) << c.what;
    }
    EXPECT_EQ(test::ReadBytes(folder.File("site.KV690")).size(), 476u)
        << "the named project's file untouched";
}

TEST_F(DocumentCommandsTest, AFailedSaveKeepsModifiedAndSaysWhy) {
    Modify();
    ui.answers = {folder.File("gone/site.KV690")};
    EXPECT_FALSE(commands.Save());
    EXPECT_EQ(ui.asked.back(), "error: Error File Path !");
    EXPECT_TRUE(doc.Modified());

    std::filesystem::create_directory(folder.File("sub"));
    doc.FileName = folder.File("sub");
    doc.FileName += "/dir.KV690";
    std::filesystem::create_directory(doc.FileName); // a folder where the file should go
    EXPECT_FALSE(commands.Save());
    EXPECT_TRUE(ui.asked.back().starts_with("error: The project could not be saved as\n" + doc.FileName))
        << ui.asked.back();
    EXPECT_TRUE(doc.Modified());
}

TEST_F(DocumentCommandsTest, NoUnsavedWorkIsDiscardedByACancelledSave) {
    struct Case {
        const char* what;
        std::function<bool(TDocumentCommands&)> command;
        std::deque<std::string> answers;
    } cases[] = {
        {"New, Yes, save dialog cancelled",
         [](auto& c) {
             c.New();
             return true;
         },
         {"yes", "cancel"}},
        {"New, Cancel: nothing happens",
         [](auto& c) {
             c.New();
             return true;
         },
         {"cancel"}},
        {"Close, save dialog cancelled",
         [](auto& c) {
             c.Close();
             return true;
         },
         {"cancel"}},
        {"Exit, Yes, save dialog cancelled", [](auto& c) { return !c.Exit(); }, {"yes", "cancel"}},
        {"Exit, Cancel", [](auto& c) { return !c.Exit(); }, {"cancel"}},
        {"closing the window, Yes, cancelled", [](auto& c) { return !c.CloseQuery(); }, {"yes", "cancel"}},
        {"Open asks first; cancelled save stops it",
         [](auto& c) {
             c.Open();
             return true;
         },
         {"yes", "cancel"}},
        {"Open, Cancel: no file is asked for",
         [](auto& c) {
             c.Open();
             return true;
         },
         {"cancel"}},
    };
    for (const Case& c : cases) {
        Change([](TProjectInfo& p) { p.Pin = {'1', '2', '3', '4'}; });
        doc.FileName = UntitledFileName;
        Modify();
        ui.answers = c.answers;
        EXPECT_TRUE(c.command(commands)) << c.what;
        EXPECT_EQ(doc.Project().Pin, (std::array<char, 4>{'1', '2', '3', '4'})) << c.what;
        EXPECT_TRUE(doc.Modified()) << c.what;
        EXPECT_TRUE(ui.answers.empty()) << c.what;
    }
}

TEST_F(DocumentCommandsTest, NewAsksAsClosingDoesAndNoDiscards) {
    Change([](TProjectInfo& p) { p.Pin = {'1', '2', '3', '4'}; });
    Modify();
    ui.answers = {"no"};
    commands.New();
    EXPECT_EQ(ui.asked.back(), "Save file : Untitled ?") << "the close query's own text";
    EXPECT_EQ(doc.Project(), TProjectInfo{});
    EXPECT_FALSE(doc.Modified()) << "a fresh project has nothing to save";
    EXPECT_EQ(ui.title, "KORvisel PRO [Untitled]");
}

// A project that equals its file never asks to be saved, however it was opened.
TEST_F(DocumentCommandsTest, AProjectJustOpenedIsNotModified) {
    TDeviceImage image{};
    ASSERT_TRUE(WriteProjectFile(folder.File("site.KV690"), doc.Project(), image).Ok());
    const std::function<void()> opens[] = {
        [&] {
            ui.answers = {"no", folder.File("site.KV690")};
            commands.Open();
        },
        [&] {
            ui.answers = {"no"};
            commands.OpenRecent(folder.File("site.KV690"));
        },
        [&] { commands.OpenCommandLine(folder.File("site.KV690"), {}); },
    };
    for (const auto& open : opens) {
        Modify();
        open();
        EXPECT_EQ(doc.FileName, folder.File("site.KV690"));
        EXPECT_FALSE(doc.Modified());
        EXPECT_TRUE(ui.answers.empty());
    }
}

// Opening a file gives the project that file holds, whatever was open before.
TEST_F(DocumentCommandsTest, OpenGivesTheFilesProjectWhateverWasOpenBefore) {
    std::mt19937 random(690);
    for (int pair = 0; pair < 1000; ++pair) {
        const TDeviceImage before = test::RandomImage(random);
        const TProjectInfo fresh =
            test::SaveProjectOfImage(folder.File("next.KV690"), test::RandomImage(random));
        Change([&](TProjectInfo& p) {
            UnpackImage(before, p);
            p.Phones[1].Name = "Previous";
        });
        doc.Images.Incoming = before;
        doc.MarkSaved();
        ui.answers = {folder.File("next.KV690")};
        commands.Open();
        ASSERT_EQ(doc.Project(), fresh) << "pair " << pair;
    }
}

// A backup opens as a new project: a save asks for a name, so the kept copy stays as it was kept.
TEST_F(DocumentCommandsTest, ABackupOpensUntitledAndSaveAsksForAName) {
    TDeviceImage image{};
    TProjectInfo kept = doc.Project();
    kept.Pin = {'2', '4', '6', '8'};
    ASSERT_TRUE(WriteProjectFile(folder.File("backup-x.KV690"), kept, image).Ok());
    doc.DialogFolder = "/projects";
    Modify();
    ui.answers = {"no"}; // the unsaved project is given up, as Open asks
    commands.OpenBackup(folder.File("backup-x.KV690"));
    EXPECT_EQ(doc.Project().Pin, kept.Pin);
    EXPECT_EQ(doc.FileName, UntitledFileName);
    EXPECT_EQ(ui.title, DocumentTitle(UntitledFileName, TLanguageTexts::BuiltInEnglish()));
    EXPECT_EQ(doc.DialogFolder, "/projects") << "the file dialogs stay where the user works";
    ui.answers = {"cancel"};
    EXPECT_FALSE(commands.Save());
    EXPECT_EQ(ui.asked.back(), "save dialog");

    ui.answers = {};
    commands.OpenBackup(folder.File("gone.KV690"));
    EXPECT_TRUE(ui.asked.back().starts_with("error: ")) << "a missing file is told, never skipped silently";
}

TEST_F(DocumentCommandsTest, AFileWhoseChecksumDoesNotMatchOpensWithAWarning) {
    TDeviceImage image{};
    ASSERT_TRUE(WriteProjectFile(folder.File("site.KV690"), doc.Project(), image).Ok());
    std::vector<std::uint8_t> bytes = test::ReadBytes(folder.File("site.KV690"));
    bytes[10 + 276] ^= 0x01; // one digit of phone 1
    test::WriteBytes(folder.File("site.KV690"), bytes);
    ui.answers = {folder.File("site.KV690")};
    commands.Open();
    EXPECT_EQ(doc.FileName, folder.File("site.KV690")) << "it opens";
    ASSERT_EQ(ui.asked.size(), 2u);
    EXPECT_EQ(ui.asked.back(), "info: " + folder.File("site.KV690") +
                                   "\n\nThe file's checksum does not match its contents; check every setting "
                                   "before writing it.");
    EXPECT_TRUE(commands.Save());
    ui.answers = {folder.File("site.KV690")};
    commands.Open();
    EXPECT_EQ(ui.asked.back(), "open dialog") << "a file saved since has a checksum of its own";
}

TEST_F(DocumentCommandsTest, OpeningFiles) {
    TProjectInfo other;
    other.Pin = {'5', '5', '5', '5'};
    TDeviceImage image{};
    ASSERT_TRUE(WriteProjectFile(folder.File("other.KV690"), other, image).Ok());
    test::WriteBytes(folder.File("notes.txt"), {'x'});

    ui.answers = {folder.File("notes.txt")};
    commands.Open();
    EXPECT_EQ(ui.asked.back(), "error: Selected file can not file of Project");
    EXPECT_EQ(doc.FileName, UntitledFileName);

    ui.answers = {folder.File("other.KV690")};
    commands.Open();
    EXPECT_EQ(doc.Project().Pin, other.Pin);
    EXPECT_EQ(doc.FileName, folder.File("other.KV690"));
    EXPECT_EQ(ui.title, "KORvisel PRO [other.KV690]");
    EXPECT_EQ(ui.changes, 1);

    const std::size_t asked = ui.asked.size();
    commands.OpenRecent(folder.File("deleted.KV690"));
    EXPECT_EQ(ui.asked.size(), asked) << "a recent file that was deleted does nothing";

    commands.OpenCommandLine("missing.KV690", folder.Path());
    EXPECT_EQ(ui.asked.back(), "error: File " + folder.File("missing.KV690") + "\r\nNot found.");
    test::WriteBytes(folder.File("short.KV690"), {1, 2, 3});
    commands.OpenCommandLine("short.KV690", folder.Path());
    EXPECT_EQ(ui.asked.back(), "error: Selected file can not file of Project") << "too short to be a project";
    commands.OpenCommandLine("other.KV690", folder.Path());
    EXPECT_EQ(doc.FileName, folder.File("other.KV690"))
        << "the program's own files open from the command line";
}

TEST(SetInputEnabled, MarksModifiedOnlyForAChange) {
    TDocument doc;
    struct Case {
        int input;
        bool enabled, result, modified;
    } cases[] = {
        {2, false, true, false}, {2, true, true, true}, {5, true, false, false}, {0, true, false, false}};
    for (const Case& c : cases) {
        doc.MarkSaved();
        bool result = false;
        doc.Edit({}, [&](TProjectInfo& p) { result = SetInputEnabled(p, TInputNumber{c.input}, c.enabled); });
        EXPECT_EQ(result, c.result) << c.input;
        EXPECT_EQ(doc.Modified(), c.modified) << c.input;
    }
    EXPECT_TRUE(doc.Project().Inputs[2].Enabled);
}

} // namespace
} // namespace korvisel
