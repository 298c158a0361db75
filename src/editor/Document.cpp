// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/Document.h"

#include <algorithm>

namespace korvisel {

TDocument::TDocument() {
    ResetProject(state_.Project, state_.Print, FileName);
    history_.Reset(state_);
    savedImage_ = KeptImage();
}

TDeviceImage TDocument::KeptImage() const {
    TDeviceImage image{};
    PackImage(state_.Project, image);
    return image;
}

void TDocument::BeginGroup(const TEditPlace& place) {
    if (groupDepth_++ == 0)
        groupPlace_ = place;
}

void TDocument::EndGroup() {
    if (--groupDepth_ > 0)
        return;
    if (!history_.Record(state_, groupPlace_, TEditHistory::TClock::now()))
        return;
    Announce(TChangeKind::Edit, groupPlace_);
}

bool TDocument::Undo() {
    if (Viewing() || groupDepth_ > 0 || !history_.CanUndo())
        return false;
    const TEditPlace place = history_.UndoPlace();
    state_ = history_.Undo();
    Announce(TChangeKind::Undo, place);
    return true;
}

bool TDocument::Redo() {
    if (Viewing() || groupDepth_ > 0 || !history_.CanRedo())
        return false;
    const TEditPlace place = history_.RedoPlace();
    state_ = history_.Redo();
    Announce(TChangeKind::Redo, place);
    return true;
}

void TDocument::Replace(const TProjectInfo& project, const TDopPrintInfo& print) {
    state_ = {project, print};
    Origin = {};
    history_.Reset(state_);
    savedImage_ = KeptImage();
    Announce(TChangeKind::Replaced, {});
}

void TDocument::MarkSaved() {
    savedImage_ = KeptImage();
    Announce(TChangeKind::Saved, {});
}

void TDocument::Announce(TChangeKind kind, const TEditPlace& place) {
    // Fields the image does not carry (a phone's name, the print data) leave the file as it is.
    modified_ = KeptImage() != savedImage_;
    const TViewing viewing(*this);
    const TDocumentChange change{kind, place};
    // A copy: an observer may leave the list while it is told.
    for (IDocumentObserver* observer : std::vector<IDocumentObserver*>(observers_))
        observer->DocumentChanged(change);
}

void TDocument::Subscribe(IDocumentObserver& observer) {
    observers_.push_back(&observer);
}

void TDocument::Unsubscribe(IDocumentObserver& observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), &observer), observers_.end());
}

} // namespace korvisel
