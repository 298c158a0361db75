// SPDX-License-Identifier: GPL-3.0-or-later
// What the editing pages ask of the main window: repainting and re-marking the tree, moving to the
// phone book, refreshing the page that is shown.
#pragma once

#include "core/PrjTypes.h"

namespace korvisel {

class IPageHost {
public:
    virtual ~IPageHost() = default;
    virtual void RepaintTree() = 0;
    virtual void SyncInputReportNodes(int input, TReportKind reportType) = 0;
    virtual void SyncTestReportNodes() = 0;
    virtual void SyncOutputTimeNode(int output, TWorkType workType) = 0;
    // Selects the phone book's node, which shows its page.
    virtual void ShowPhoneBookNode() = 0;
    virtual void RefreshCurrentPage() = 0;
    // Cut, Copy, Paste and Delete off until a clipboard target takes the focus.
    virtual void DisableClipboardActions() = 0;
};

} // namespace korvisel
