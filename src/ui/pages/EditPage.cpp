// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/pages/EditPage.h"

#include "editor/PageLayout.h"
#include "fields/FieldTable.h"
#include "ui/pages/SummaryPages.h"
#include "ui/widgets/PhoneSelectorBox.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace korvisel {
namespace {

// What the control being typed into shows, put back after the page is filled again: the caret and
// the selection stay where the user left them, and a text the rule keeps otherwise (a PIN of two
// digits, padded with zeros) stays as typed.
class TTypedText {
public:
    explicit TTypedText(QWidget* control)
        : line_(qobject_cast<QLineEdit*>(control)), memo_(qobject_cast<QPlainTextEdit*>(control)) {
        if (line_) {
            text_ = line_->text();
            caret_ = line_->cursorPosition();
            anchor_ = line_->hasSelectedText() ? (line_->selectionStart() == caret_ ? line_->selectionEnd()
                                                                                    : line_->selectionStart())
                                               : caret_;
        } else if (memo_) {
            text_ = memo_->toPlainText();
            caret_ = memo_->textCursor().position();
            anchor_ = memo_->textCursor().anchor();
        }
    }

    void Restore() const {
        if (line_) {
            const QSignalBlocker block(line_);
            if (line_->text() != text_)
                line_->setText(text_);
            line_->setSelection(anchor_, caret_ - anchor_);
        } else if (memo_) {
            const QSignalBlocker block(memo_);
            if (memo_->toPlainText() != text_)
                memo_->setPlainText(text_);
            QTextCursor cursor(memo_->document());
            cursor.setPosition(anchor_);
            cursor.setPosition(caret_, QTextCursor::KeepAnchor);
            memo_->setTextCursor(cursor);
        }
    }

private:
    QLineEdit* line_;
    QPlainTextEdit* memo_;
    QString text_;
    int caret_ = 0;
    int anchor_ = 0;
};

} // namespace

TEditPage::TEditPage(const QString& pageName, TPageContext& context, QWidget* parent)
    : TNodePage(pageName, parent), context_(context), header_(new QWidget(this)), title_(new QLabel(header_)),
      body_(new QWidget(this)), description_(new TDescriptionList(this)) {
    title_->setObjectName("Title");
    QFont font = title_->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    title_->setFont(font);
    header_->setFixedHeight(QFontMetrics(font).height() + 16);
    header_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(header_);
    layout->addWidget(body_, 1);
    layout->addWidget(description_);
}

void TEditPage::ShowNode(const TTreeNodeData& node) {
    node_ = node;
    description_->setAccessibleName(Text("PRG_A11Y_DESCRIPTION"));
    if (disablesClipboard_)
        context_.Host.DisableClipboardActions();
    WhileShowing([this] { FillPage(); });
    NameSettingsControls();
}

// A setting's control is named for a screen reader by the text its row says labels it on the page,
// in the language shown. Buttons say their own text; lists are named by their page.
void TEditPage::NameSettingsControls() {
    for (const TFieldRow& row : FieldRows()) {
        if (row.Node != node_.Kind || !row.Caption || row.Control.empty())
            continue;
        auto* control = findChild<QWidget*>(
            QString::fromUtf8(row.Control.data(), static_cast<qsizetype>(row.Control.size())));
        if (control && !qobject_cast<QAbstractButton*>(control) && !qobject_cast<QAbstractItemView*>(control))
            control->setAccessibleName(Text(row.Caption).remove('&').trimmed());
    }
}

void TEditPage::Refresh(const TTreeNodeData& node, const std::string& editedControl) {
    node_ = node;
    QWidget* typedInto =
        editedControl.empty() ? nullptr : findChild<QWidget*>(QString::fromStdString(editedControl));
    const TTypedText typed(typedInto);
    WhileShowing([this] { RefreshPage(); });
    typed.Restore();
}

void TEditPage::OnScreen(bool mayTakeFocus) {
    mayTakeFocus_ = mayTakeFocus;
    AfterShown();
}

bool TEditPage::TakeFocus(QWidget* control) {
    if (!mayTakeFocus_)
        return false;
    control->setFocus();
    return true;
}

void TEditPage::SetTitle(const QString& title) {
    title_->setText(title);
    title_->adjustSize();
    // A long title in a large font widens the page, which the scroll area around it then scrolls.
    header_->setMinimumWidth(title_->width() + 16);
    PlaceTitle();
}

void TEditPage::PlaceTitle() {
    title_->move(CenteredLeft(header_->width(), title_->width()), 8);
}

bool TEditPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == header_ && event->type() == QEvent::Resize)
        PlaceTitle();
    return QWidget::eventFilter(watched, event);
}

QVBoxLayout* TEditPage::ColumnLayout() {
    auto* layout = new QVBoxLayout(body_);
    layout->setContentsMargins(24, 12, 16, 8);
    layout->setSpacing(6);
    return layout;
}

std::vector<QRadioButton*>
TEditPage::AddRadioButtons(QBoxLayout* layout, const QString& prefix, int count,
                           std::function<void(QRadioButton* button, int index)> clicked) {
    std::vector<QRadioButton*> buttons;
    for (int index = 0; index < count; ++index) {
        auto* button = new QRadioButton(Body());
        button->setObjectName(prefix + QString::number(index + 1));
        layout->addWidget(button);
        buttons.push_back(button);
        connect(button, &QRadioButton::clicked, this, [clicked, button, index] { clicked(button, index); });
    }
    return buttons;
}

void TEditPage::CheckOnly(const std::vector<QRadioButton*>& buttons, int index) {
    // An exclusive group cannot show no button checked; it is lifted while the buttons are set.
    for (QRadioButton* button : buttons) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    if (index >= 0 && index < static_cast<int>(buttons.size()))
        buttons[static_cast<std::size_t>(index)]->setChecked(true);
}

TPhoneSelectorBox* TEditPage::AddPhoneSelector(const char* name, TPhoneField reference) {
    auto* box = new TPhoneSelectorBox(Body());
    box->setObjectName(name);
    box->setFixedWidth(220);
    selectors_[box] = std::move(reference);
    connect(box, &TPhoneSelectorBox::Picked, this, [this, box](int item) {
        Edit(box, [&](TProjectInfo& project) {
            if (std::uint8_t* field = selectors_[box](project))
                SelectPhoneItem(box->Selector(), item, *field);
        });
    });
    connect(box, &TPhoneSelectorBox::WantsPhoneBook, this, [this] {
        if (!Document().Viewing())
            context_.Host.ShowPhoneBookNode();
    });
    return box;
}

void TEditPage::ShowPhoneSelector(TPhoneSelectorBox* box) {
    // The reference is found in a copy: showing reads, never writes.
    TProjectInfo shown = Project();
    if (const std::uint8_t* field = selectors_[box](shown)) {
        box->setPlaceholderText(Text("PRG_NO_PHONE_CHOSEN"));
        box->Show(FillPhoneSelector(shown, *field, context_.Texts.Text("PRINF_Z_PHONENUM")));
    }
}

TEditPlace TEditPage::PlaceOf(const QWidget* control) const {
    const bool typing =
        qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control);
    return NodePlace(node_, control ? control->objectName().toStdString() : std::string(), typing);
}

const TInputInfo* TEditPage::NodeInput() const {
    const auto i = static_cast<std::size_t>(node_.Input);
    return Project().Inputs.Contains(i) ? &Project().Inputs[i] : nullptr;
}

const TOutputInfo* TEditPage::NodeOutput() const {
    const auto o = static_cast<std::size_t>(node_.Output);
    return Project().Outputs.Contains(o) ? &Project().Outputs[o] : nullptr;
}

TInputInfo* TEditPage::NodeInputIn(TProjectInfo& project) const {
    const auto i = static_cast<std::size_t>(node_.Input);
    return project.Inputs.Contains(i) ? &project.Inputs[i] : nullptr;
}

TOutputInfo* TEditPage::NodeOutputIn(TProjectInfo& project) const {
    const auto o = static_cast<std::size_t>(node_.Output);
    return project.Outputs.Contains(o) ? &project.Outputs[o] : nullptr;
}

QString TEditPage::Text(TTextKey key) const {
    return QString::fromStdString(context_.Texts.Text(key));
}

QString TEditPage::Format(TTextKey key, const QString& argument) const {
    return Text(key).replace("%s", argument);
}

QString TEditPage::InputCaption() const {
    return Text("CAPTIONPAGESMSTEXTEx4").replace("%d", QString::number(node_.Input));
}

} // namespace korvisel
