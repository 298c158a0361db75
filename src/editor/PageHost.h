// SPDX-License-Identifier: GPL-3.0-or-later
// What the editing pages ask of the main window besides edits of the document: moving to the phone
// book, and the clipboard actions off. The tree and the page follow the document's announcements.
#pragma once

namespace korvisel {

class IPageHost {
public:
    virtual ~IPageHost() = default;
    // Selects the phone book's node, which shows its page.
    virtual void ShowPhoneBookNode() = 0;
    // Cut, Copy, Paste and Delete off until a clipboard target takes the focus.
    virtual void DisableClipboardActions() = 0;
};

} // namespace korvisel
