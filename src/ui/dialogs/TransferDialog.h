// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer dialog: the step, its bar and the overall bar while the engine talks to the device.
#pragma once

#include "core/MessageBoxes.h"
#include "i18n/LanguageTexts.h"
#include "link/ScanningSerialPort.h"
#include "link/TransferSession.h"

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace korvisel {

class TFormWRCPU : public QDialog, public ITransferView {
    Q_OBJECT
public:
    TFormWRCPU(const TLanguageTexts& texts, IMessageBoxes& boxes, QWidget* parent = nullptr);

    // Shows the dialog centred over its parent, runs the transfer and closes it. A quiet run (the copy
    // read before a write) asks nothing and keeps its success to itself; failures are still shown. A
    // `question` asks that in place of the transfer's own (a read for a comparison).
    TTransferResult Run(TCommPortDriverEx& port, TTransferMode mode, const std::string& payload,
                        bool quiet = false, TTextKey question = nullptr);

    void SetCaption(TTextKey key) override;
    void SetStepText(TTextKey key) override;
    void SetOverallText(TTextKey key) override;
    void SetStepBar(int value) override;
    void SetOverallBar(int value) override;
    bool ShowMessage(TMessageKind kind, TTextKey key) override;

signals:
    // A transfer's end told in words (shown in a box or, for a quiet transfer, not at all).
    void Told(const QString& text);

private:
    QString Text(TTextKey key) const;

    const TLanguageTexts& texts_;
    IMessageBoxes& boxes_;
    bool quiet_ = false;
    TTextKey question_ = nullptr;
    QLabel* label1_;
    QProgressBar* progressBar1_;
    QLabel* label2_;
    QProgressBar* progressBar2_;
    QPushButton* cancel_;
};

} // namespace korvisel
