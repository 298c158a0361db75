// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/AboutDialog.h"

#include "ui/widgets/Icons.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace korvisel {
namespace {

constexpr char MailAddress[] = "support@korvisel.example";
constexpr char WebAddress[] = "https://korvisel.example";

} // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent) {
    setObjectName("AboutForm");
    setWindowTitle("About");
    auto* layout = new QVBoxLayout(this);
    auto* logo = new QLabel(this);
    logo->setPixmap(LogoPicture());
    layout->addWidget(logo);
    layout->addWidget(new QLabel(QString("Version %1").arg(ProgramVersion), this));
    // The desktop's opener handles both links; without one, clicking does nothing.
    for (const auto& [text, url] : {std::pair{MailAddress, QString("mailto:") + MailAddress},
                                    std::pair{WebAddress, QString(WebAddress)}}) {
        auto* link = new QLabel(QString("<a href=\"%1\">%2</a>").arg(url, text), this);
        link->setOpenExternalLinks(true);
        link->setTextInteractionFlags(Qt::TextBrowserInteraction);
        layout->addWidget(link);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

} // namespace korvisel
