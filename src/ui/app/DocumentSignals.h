// SPDX-License-Identifier: GPL-3.0-or-later
// The document's announcements as a Qt signal, for the window's parts that follow every change.
#pragma once

#include "editor/Document.h"

#include <QObject>

namespace korvisel {

class TDocumentSignals : public QObject, private IDocumentObserver {
    Q_OBJECT
public:
    TDocumentSignals(TDocument& document, QObject* parent);
    ~TDocumentSignals() override;

signals:
    // Emitted while the document is being looked at: a slot cannot edit it.
    void Changed(const korvisel::TDocumentChange& change);

private:
    void DocumentChanged(const TDocumentChange& change) override { emit Changed(change); }

    TDocument& document_;
};

} // namespace korvisel
