// SPDX-License-Identifier: GPL-3.0-or-later
// The open project with everything the main window keeps beside it, and the one path by which the
// project and the print data change: a named edit, recorded as one step of Undo and announced once
// to whoever shows the project.
#pragma once

#include "core/PrjTypes.h"
#include "editor/EditHistory.h"
#include "fields/DeviceImage.h"
#include "fields/SiteTemplate.h"

#include <string>
#include <vector>

namespace korvisel {

enum class TChangeKind {
    Edit,     // the user's action changed the project or the print data (Read included)
    Undo,     // a step was taken back
    Redo,     // a step was made again
    Replaced, // New, Open or Close put another project in place; a new history starts
    Saved,    // the file now holds the project: nothing is unsaved
};

struct TDocumentChange {
    TChangeKind Kind = TChangeKind::Edit;
    TEditPlace Place; // where the step was made (Edit, Undo, Redo)
};

class IDocumentObserver {
public:
    virtual ~IDocumentObserver() = default;
    // Runs while the document is being looked at: an edit tried from here is refused.
    virtual void DocumentChanged(const TDocumentChange& change) = 0;
};

class TDocument {
public:
    TDocument();

    // Everything outside reads the project through these; only an edit changes it.
    const TProjectInfo& Project() const { return state_.Project; }
    const TDopPrintInfo& Print() const { return state_.Print; }
    // The file differs from what a save would write now.
    bool Modified() const { return modified_; }
    const TEditHistory& History() const { return history_; }

    std::string FileName = UntitledFileName;
    std::string DialogFolder; // the open and save dialogs' shared initial folder
    TImageBuffers Images;
    // The template and site values the project was made from; New, Open and Close forget it.
    TSiteOrigin Origin;

    // The one way the project changes. `change` gets the project (or the print data, or both) to
    // change; the step is recorded for Undo under `place` and announced, once, when something
    // changed. An edit tried while the project is only being looked at (a page filled, an
    // announcement running) is refused: showing never writes.
    template <typename Change> void Edit(const TEditPlace& place, Change&& change) {
        EditState(place, [&](TEditSnapshot& state) { change(state.Project); });
    }
    template <typename Change> void EditPrint(const TEditPlace& place, Change&& change) {
        EditState(place, [&](TEditSnapshot& state) { change(state.Print); });
    }
    template <typename Change> void EditState(const TEditPlace& place, Change&& change) {
        if (Viewing())
            return;
        const TEditGroup group(*this, place);
        change(state_);
    }

    // Several changes of one action (a choice that asks for a phone through a modal dialog, a
    // phone-book command that moves references) as one step under the outermost group's place,
    // announced when the outermost group ends.
    class TEditGroup {
    public:
        TEditGroup(TDocument& document, const TEditPlace& place) : document_(document) {
            document_.BeginGroup(place);
        }
        ~TEditGroup() { document_.EndGroup(); }
        TEditGroup(const TEditGroup&) = delete;
        TEditGroup& operator=(const TEditGroup&) = delete;

    private:
        TDocument& document_;
    };

    // Marks the document as being looked at for as long as it lives: edits are refused meanwhile.
    class TViewing {
    public:
        explicit TViewing(const TDocument& document) : document_(document) { ++document_.viewing_; }
        ~TViewing() { --document_.viewing_; }
        TViewing(const TViewing&) = delete;
        TViewing& operator=(const TViewing&) = delete;

    private:
        const TDocument& document_;
    };
    bool Viewing() const { return viewing_ > 0; }

    // Puts the state before (after) the last step back; false when there is none, or while an edit
    // or a look is under way.
    bool Undo();
    bool Redo();
    // The focus left the control: the next keystroke starts a step of its own.
    void EndTyping() { history_.EndTyping(); }

    // New, Open and Close: another project, unmodified, with a new history.
    void Replace(const TProjectInfo& project, const TDopPrintInfo& print);
    // The file was written: it holds what a save would write now.
    void MarkSaved();

    // The image a save would write now.
    TDeviceImage KeptImage() const;

    void Subscribe(IDocumentObserver& observer);
    void Unsubscribe(IDocumentObserver& observer);

private:
    void BeginGroup(const TEditPlace& place);
    void EndGroup();
    void Announce(TChangeKind kind, const TEditPlace& place);

    TEditSnapshot state_;
    TEditHistory history_;
    TDeviceImage savedImage_{};
    bool modified_ = false;
    int groupDepth_ = 0;
    TEditPlace groupPlace_;
    mutable int viewing_ = 0;
    std::vector<IDocumentObserver*> observers_;
};

} // namespace korvisel
