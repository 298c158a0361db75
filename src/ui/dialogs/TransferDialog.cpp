// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/TransferDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvisel {
namespace {

constexpr char Caption[] = "Korvisel";

} // namespace

TFormWRCPU::TFormWRCPU(const TLanguageTexts& texts, IMessageBoxes& boxes, QWidget* parent)
    : QDialog(parent), texts_(texts), boxes_(boxes), label1_(new QLabel(this)),
      progressBar1_(new QProgressBar(this)), label2_(new QLabel(this)), progressBar2_(new QProgressBar(this)),
      cancel_(new QPushButton(this)) {
    setObjectName("FormWRCPU");
    setWindowModality(Qt::ApplicationModal);
    for (QProgressBar* bar : {progressBar1_, progressBar2_}) {
        bar->setRange(0, BarMaximum);
        bar->setTextVisible(false);
    }
    label1_->setObjectName("Label1");
    label2_->setObjectName("Label2");
    // The run cannot be interrupted once confirmed: the button is there, as on the device's own tools,
    // but has no action.
    cancel_->setObjectName("BitBtn1");
    cancel_->setText(Text("PRG_CANCEL"));
    // Each bar is named by the step its label says.
    label1_->setBuddy(progressBar1_);
    label2_->setBuddy(progressBar2_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1_);
    layout->addWidget(progressBar1_);
    layout->addWidget(label2_);
    layout->addWidget(progressBar2_);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    setFixedSize(380, 170);
}

QString TFormWRCPU::Text(TTextKey key) const {
    return QString::fromStdString(texts_.Text(key)).trimmed();
}

TTransferResult TFormWRCPU::Run(TCommPortDriverEx& port, TTransferMode mode, const std::string& payload,
                                bool quiet, TTextKey question) {
    quiet_ = quiet;
    question_ = question;
    cancel_->setText(Text("PRG_CANCEL"));
    if (QWidget* owner = parentWidget()) {
        const QRect frame = owner->geometry();
        move(frame.left() + (frame.width() - width()) / 2, frame.top() + (frame.height() - height()) / 2);
    }
    show();
    const TTransferResult result =
        RunDeviceTransfer(port, mode, payload, *this, [] { QCoreApplication::processEvents(); });
    hide();
    return result;
}

void TFormWRCPU::SetCaption(TTextKey key) {
    setWindowTitle(Text(key));
}

void TFormWRCPU::SetStepText(TTextKey key) {
    label1_->setText(Text(key));
}

void TFormWRCPU::SetOverallText(TTextKey key) {
    label2_->setText(Text(key));
}

void TFormWRCPU::SetStepBar(int value) {
    progressBar1_->setValue(value);
}

void TFormWRCPU::SetOverallBar(int value) {
    progressBar2_->setValue(value);
}

bool TFormWRCPU::ShowMessage(TMessageKind kind, TTextKey key) {
    const std::string text = texts_.Text(key);
    if (kind != TMessageKind::Confirmation)
        emit Told(QString::fromStdString(text).trimmed());
    if (quiet_ && kind != TMessageKind::Error)
        return true;
    switch (kind) {
    case TMessageKind::Confirmation:
        return boxes_.OkCancel(question_ ? texts_.Text(question_) : text,
                               texts_.Text("MESSAGE_MEGA_CAPTION_QWEST"));
    case TMessageKind::Error:
        boxes_.Error(text, Caption);
        return true;
    default:
        boxes_.Information(text, Caption);
        return true;
    }
}

} // namespace korvisel
