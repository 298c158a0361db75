// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/Document.h"

#include "core/PhoneTestSupport.h"
#include "editor/DeviceEdits.h"
#include "editor/InputEdits.h"
#include "editor/OutputEdits.h"
#include "editor/PrintDataEdits.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace korvisel {
namespace {

const TEditPlace PinTyping{{nkPin, 0, 0}, "EditPin", true};
const TEditPlace SignalButton{{nkInputSignal, 2, 0}, "RButtonSignal3", false};
const TEditPlace ReportButton{{nkInputReport, 1, 0}, "ReportRButton2", false};
const TEditPlace SerialTyping{{nkPrintSerial, 0, 0}, "Edit2", true};

// Every announcement the document makes.
struct Announcements : IDocumentObserver {
    std::vector<TDocumentChange> changes;
    std::function<void()> also;
    void DocumentChanged(const TDocumentChange& change) override {
        changes.push_back(change);
        if (also)
            also();
    }
};

TEST(Document, AnEditIsOneStepAnnouncedOnce) {
    const struct {
        const char* what;
        std::function<void(TDocument&)> edit;
        std::size_t steps;
        bool modified;
    } cases[] = {
        {"a signal clicked",
         [](TDocument& d) { d.Edit(SignalButton, [](TProjectInfo& p) { ClickSignal(p, {2}, 2); }); }, 1,
         true},
        {"the signal it had",
         [](TDocument& d) { d.Edit(SignalButton, [](TProjectInfo& p) { ClickSignal(p, {2}, 0); }); }, 0,
         false},
        {"a phone's name, which no file keeps",
         [](TDocument& d) { d.Edit(SignalButton, [](TProjectInfo& p) { p.Phones[1].Name = "Guard"; }); }, 1,
         false},
        {"print data",
         [](TDocument& d) {
             d.EditPrint(SerialTyping, [](TDopPrintInfo& p) { ChangeSerialNumber(p, "SN-1"); });
         },
         1, false},
        {"two edits in a group",
         [](TDocument& d) {
             const TDocument::TEditGroup group(d, ReportButton);
             d.Edit(SignalButton, [](TProjectInfo& p) { ClickSignal(p, {2}, 1); });
             d.Edit(PinTyping, [](TProjectInfo& p) { ChangePin(p, "4321"); });
         },
         1, true},
    };
    for (const auto& c : cases) {
        TDocument document;
        Announcements heard;
        document.Subscribe(heard);
        c.edit(document);
        EXPECT_EQ(document.History().Steps(), c.steps) << c.what;
        EXPECT_EQ(heard.changes.size(), c.steps) << c.what << ": announced once per step";
        EXPECT_EQ(document.Modified(), c.modified) << c.what;
        if (c.steps == 1) {
            EXPECT_EQ(heard.changes.front().Kind, TChangeKind::Edit) << c.what;
        }
    }
    // A group is named by its outermost place.
    TDocument document;
    {
        const TDocument::TEditGroup group(document, ReportButton);
        document.Edit(SignalButton, [](TProjectInfo& p) { ClickSignal(p, {2}, 1); });
    }
    EXPECT_EQ(document.History().UndoPlace(), ReportButton);
}

TEST(Document, LookingRefusesEveryEdit) {
    TDocument document;
    const TProjectInfo before = document.Project();
    {
        const TDocument::TViewing viewing(document);
        document.Edit(PinTyping, [](TProjectInfo& p) { ChangePin(p, "9999"); });
        EXPECT_FALSE(document.Undo());
    }
    EXPECT_EQ(document.Project(), before) << "an edit while a page is filled";
    // A view that follows the announcements cannot edit from there either.
    Announcements heard;
    heard.also = [&] { document.Edit(SignalButton, [](TProjectInfo& p) { ClickSignal(p, {2}, 3); }); };
    document.Subscribe(heard);
    document.Edit(PinTyping, [](TProjectInfo& p) { ChangePin(p, "1111"); });
    EXPECT_EQ(document.Project().Inputs[2].Signal, before.Inputs[2].Signal);
    EXPECT_EQ(heard.changes.size(), 1u);
    EXPECT_EQ(document.History().Steps(), 1u);
}

TEST(Document, ModifiedMeansTheFileHoldsSomethingElse) {
    TDocument document;
    Announcements heard;
    document.Subscribe(heard);
    const std::array<char, 4> pin = document.Project().Pin;
    document.Edit(PinTyping, [](TProjectInfo& p) { ChangePin(p, "1234"); });
    EXPECT_TRUE(document.Modified());
    document.EndTyping();
    document.Edit(PinTyping, [&](TProjectInfo& p) { p.Pin = pin; });
    EXPECT_FALSE(document.Modified()) << "typed back to what the file holds";
    document.Undo();
    EXPECT_TRUE(document.Modified());
    document.MarkSaved();
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(heard.changes.back().Kind, TChangeKind::Saved);
    document.Undo();
    EXPECT_TRUE(document.Modified()) << "the saved file holds the PIN undone";

    document.Replace(test::WithPhones({2}), document.Print());
    EXPECT_FALSE(document.Modified());
    EXPECT_FALSE(document.History().CanUndo()) << "another project starts another history";
    EXPECT_EQ(heard.changes.back().Kind, TChangeKind::Replaced);
}

TEST(Document, UndoAndRedoTellWhereTheStepWasMade) {
    TDocument document;
    Announcements heard;
    document.Subscribe(heard);
    document.Edit(SignalButton, [](TProjectInfo& p) { ClickSignal(p, {2}, 2); });
    ASSERT_TRUE(document.Undo());
    EXPECT_EQ(heard.changes.back().Kind, TChangeKind::Undo);
    EXPECT_EQ(heard.changes.back().Place, SignalButton);
    EXPECT_FALSE(document.Undo()) << "nothing left to take back";
    ASSERT_TRUE(document.Redo());
    EXPECT_EQ(heard.changes.back().Kind, TChangeKind::Redo);
    EXPECT_EQ(document.Project().Inputs[2].Signal, 2);
    document.Unsubscribe(heard);
    document.Undo();
    EXPECT_EQ(heard.changes.size(), 3u) << "an observer that left hears nothing";
}

// Random actions through the document's one edit path (typing that merges, clicks, groups that ask
// for phones through a dialog, print data, and Undo and Redo between them): undoing everything gives
// back the start exactly, and redoing it gives back the end.
TEST(Document, RandomEditsUndoAndRedoExactly) {
    std::mt19937 random(2026);
    const auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    for (int sequence = 0; sequence < 500; ++sequence) {
        TDocument document;
        document.Replace(test::WithPhones({1, 3}), document.Print());
        Announcements heard;
        document.Subscribe(heard);
        test::ScriptedPhoneDialog dialog;
        const TProjectInfo startProject = document.Project();
        const TDopPrintInfo startPrint = document.Print();
        const TDeviceImage startImage = document.KeptImage();
        const auto onInput = [&](TNodeKind kind, const char* control, bool typing) {
            const int input = pick(1, 4);
            return TEditPlace{{kind, input, 0}, control, typing};
        };
        const std::function<void()> actions[] = {
            [&] {
                const int signal = pick(0, 3);
                const TEditPlace place = onInput(nkInputSignal, "RButtonSignal1", false);
                document.Edit(place, [&](TProjectInfo& p) { ClickSignal(p, {place.Node.Input}, signal); });
            },
            [&] {
                const auto seconds = static_cast<std::uint32_t>(pick(0, 120));
                const TEditPlace place = onInput(nkInputTime, "EditReturnTime1", true);
                document.Edit(place, [&](TProjectInfo& p) {
                    ChangeInputTimeWhole(p, {place.Node.Input}, TInputTime::Restore, seconds);
                });
            },
            [&] {
                dialog.answers = {"5550" + std::to_string(pick(0, 9)), "5551" + std::to_string(pick(0, 9))};
                const bool checked = pick(0, 1) == 1;
                const TEditPlace place = onInput(nkInput, "InputCheck", false);
                document.Edit(
                    place, [&](TProjectInfo& p) { ClickInputCheck(p, dialog, {place.Node.Input}, checked); });
            },
            [&] {
                dialog.answers = {"5552" + std::to_string(pick(0, 9)), "5553" + std::to_string(pick(0, 9))};
                const auto kind = static_cast<TReportKind>(pick(1, 4));
                const TEditPlace place = onInput(nkInputReport, "ReportRButton1", false);
                document.Edit(place,
                              [&](TProjectInfo& p) { ClickReportType(p, dialog, {place.Node.Input}, kind); });
            },
            [&] {
                const auto type = static_cast<TWorkType>(pick(0, 2));
                document.Edit({{nkOutputType, 0, 1}, "RButtonType1", false},
                              [&](TProjectInfo& p) { ClickWorkType(p, {pick(1, 3)}, type); });
            },
            [&] {
                document.Edit({{nkOutputTime, 0, 2}, "UpDown5", false},
                              [&](TProjectInfo& p) { StepOutputTime(p, {2}, pick(0, 1) == 1); });
            },
            [&] {
                const std::string pin = std::to_string(pick(1000, 9999));
                document.Edit(PinTyping, [&](TProjectInfo& p) { ChangePin(p, pin); });
            },
            [&] {
                const std::string number = "+7900" + std::to_string(pick(100, 999));
                const int k = pick(1, 9);
                document.Edit({{nkPhones, 0, 0}, "", false}, [&](TProjectInfo& p) {
                    const TDocument::TEditGroup inner(document, {{nkPhones, 0, 0}, "inner", false});
                    PhoneBookPaste(p, k, number);
                    PhoneBookDelete(p, pick(1, 9));
                });
            },
            [&] {
                const std::string serial = "SN" + std::to_string(pick(0, 99));
                document.EditPrint(SerialTyping, [&](TDopPrintInfo& p) { ChangeSerialNumber(p, serial); });
            },
            [&] { document.EndTyping(); },
            [&] { document.Undo(); },
            [&] { document.Redo(); },
        };
        const int length = pick(1, 40);
        for (int n = 0; n < length; ++n)
            actions[static_cast<std::size_t>(pick(0, static_cast<int>(std::size(actions)) - 1))]();
        const TProjectInfo endProject = document.Project();
        const TDopPrintInfo endPrint = document.Print();
        EXPECT_EQ(document.Modified(), document.KeptImage() != startImage) << "sequence " << sequence;
        std::size_t undone = 0;
        for (; document.Undo(); ++undone)
            ASSERT_EQ(heard.changes.back().Kind, TChangeKind::Undo);
        ASSERT_TRUE(document.Project() == startProject) << "sequence " << sequence;
        ASSERT_TRUE(document.Print() == startPrint) << "sequence " << sequence;
        ASSERT_FALSE(document.Modified()) << "sequence " << sequence;
        for (std::size_t n = 0; n < undone; ++n)
            ASSERT_TRUE(document.Redo());
        ASSERT_TRUE(document.Project() == endProject) << "sequence " << sequence;
        ASSERT_TRUE(document.Print() == endPrint) << "sequence " << sequence;
    }
}

} // namespace
} // namespace korvisel
