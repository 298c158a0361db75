// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/app/DocumentSignals.h"

namespace korvisel {

TDocumentSignals::TDocumentSignals(TDocument& document, QObject* parent)
    : QObject(parent), document_(document) {
    document_.Subscribe(*this);
}

TDocumentSignals::~TDocumentSignals() {
    document_.Unsubscribe(*this);
}

} // namespace korvisel
