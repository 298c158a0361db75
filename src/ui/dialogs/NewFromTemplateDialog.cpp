// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/NewFromTemplateDialog.h"

#include "editor/TemplateForms.h"
#include "i18n/KeyedText.h"
#include "ui/widgets/FilteredEdit.h"
#include "ui/widgets/QtText.h"
#include "ui/widgets/ReadableOnPalette.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QValidator>

namespace korvisel {
namespace {

// Room for any name a site goes by, far below what a file name takes.
constexpr int SiteNameLimit = 120;

// The window's red for what cannot stand.
constexpr TRgb ProblemColour = 0xB00020;

class TSmsTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override {
        return SmsTextAccepted(text.toStdString()) ? Acceptable : Invalid;
    }
};

// The edit the field's page would give it: its keystroke rule, or the SMS table's characters.
QLineEdit* ValueEdit(const TSiteFieldKeys& keys, QWidget* parent) {
    if (keys.SmsText) {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(new TSmsTextValidator(edit));
        return edit;
    }
    auto* edit = new TEditLetCh(parent);
    edit->SetCharString(keys.Props.CharString);
    edit->SetCharCount(keys.Props.CharCount);
    edit->SetInputUpperCase(keys.UpperCase);
    return edit;
}

} // namespace

TNewFromTemplateDialog::TNewFromTemplateDialog(const TLanguageTexts& texts, std::string folder,
                                               TFileChooser chooseFile, QWidget* parent)
    : QDialog(parent), texts_(texts), folder_(std::move(folder)), chooseFile_(std::move(chooseFile)),
      templates_(new QComboBox(this)), fileButton_(new QPushButton(this)), note_(new QLabel(this)),
      site_(new QLineEdit(this)), form_(new QWidget), formLayout_(new QFormLayout(form_)),
      ok_(new QPushButton(this)) {
    setObjectName("NewFromTemplateDialog");
    setWindowTitle(Q(texts.Text("PRG_TEMPLATE_NEW_TITLE")));
    auto* templateLabel = new QLabel(Q(texts.Text("PRG_TEMPLATE_CHOOSE")), this);
    templateLabel->setBuddy(templates_);
    templates_->setObjectName("TemplateChoice");
    templates_->setAccessibleName(Q(texts.Text("PRG_TEMPLATE_CHOOSE")));
    fileButton_->setObjectName("TemplateFile");
    fileButton_->setText(Q(texts.Text("PRG_TEMPLATE_FILE")));
    note_->setObjectName("TemplateNote");
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* siteLabel = new QLabel(Q(texts.Text("PRG_TEMPLATE_SITE")), this);
    siteLabel->setBuddy(site_);
    site_->setObjectName("TemplateSite");
    site_->setMaxLength(SiteNameLimit);
    site_->setAccessibleName(Q(texts.Text("PRG_TEMPLATE_SITE")));
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("TemplateValues");
    scroll->setWidgetResizable(true);
    scroll->setWidget(form_);
    // Tab goes from the site's name into the values, not onto their frame.
    scroll->setFocusPolicy(Qt::NoFocus);
    ok_->setObjectName("TemplateOk");
    ok_->setText(Q(texts.Text("PRG_TEMPLATE_CREATE")));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(Q(texts.Text("PRG_CANCEL")), this);
    cancel->setObjectName("TemplateCancel");

    auto* choice = new QHBoxLayout;
    choice->addWidget(templates_, 1);
    choice->addWidget(fileButton_);
    auto* top = new QFormLayout;
    top->addRow(templateLabel, choice);
    top->addRow(siteLabel, site_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(note_);
    layout->addWidget(scroll, 1);
    layout->addLayout(buttons);

    connect(templates_, &QComboBox::activated, this, &TNewFromTemplateDialog::ChooseListed);
    connect(fileButton_, &QPushButton::clicked, this, &TNewFromTemplateDialog::ChooseFile);
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ListFolder();
    // The site's name is what is typed first; the template is most often the one offered.
    site_->setFocus();
    resize(640, 520);
}

void TNewFromTemplateDialog::ListFolder() {
    std::vector<std::string> unread;
    for (TTemplateEntry& entry : ListTemplates(folder_)) {
        if (entry.Name.empty())
            unread.push_back(entry.Problem);
        else
            entries_.push_back(std::move(entry));
    }
    for (const TTemplateEntry& entry : entries_)
        templates_->addItem(Q(entry.Name));
    if (entries_.empty()) {
        Show(TResult<TSiteTemplate>::Failure(texts_.Text("PRG_TEMPLATE_NONE")));
    } else {
        ChooseListed(0);
    }
    if (!unread.empty()) {
        std::string text = note_->text().toStdString();
        for (const std::string& problem : unread)
            text += (text.empty() ? "" : "\n") + WithArguments(texts_.Text("PRG_TEMPLATE_UNREAD"), {problem});
        note_->setText(Q(text));
    }
}

void TNewFromTemplateDialog::ChooseListed(int index) {
    if (index >= 0 && static_cast<std::size_t>(index) < entries_.size())
        Show(LoadTemplateFile(entries_[static_cast<std::size_t>(index)].Path));
}

void TNewFromTemplateDialog::ChooseFile() {
    const std::optional<std::string> path = chooseFile_();
    if (!path)
        return;
    TResult<TSiteTemplate> read = LoadTemplateFile(*path);
    if (read.Ok()) {
        const QSignalBlocker quiet(templates_);
        templates_->addItem(Q(read.Value().Name));
        templates_->setCurrentIndex(templates_->count() - 1);
        entries_.push_back({*path, read.Value().Name, {}});
    }
    Show(std::move(read));
}

void TNewFromTemplateDialog::Show(TResult<TSiteTemplate> read) {
    if (read.Ok()) {
        chosen_ = std::move(read).Value();
        note_->clear();
    } else {
        chosen_.reset();
        note_->setText(Q(read.Reason()));
    }
    BuildForm();
    FollowValues();
}

void TNewFromTemplateDialog::BuildForm() {
    while (formLayout_->rowCount() > 0)
        formLayout_->removeRow(0);
    rows_.clear();
    if (!chosen_)
        return;
    for (const TTemplateField& field : chosen_->Fields) {
        const std::string label = field.Label.empty() ? field.Field : field.Label;
        auto* caption = new QLabel(Q(label), form_);
        QLineEdit* edit = ValueEdit(SiteFieldKeys(field.Field), form_);
        edit->setObjectName(Q(field.Field));
        edit->setAccessibleName(Q(label));
        edit->setToolTip(Q(field.Field));
        if (field.Default)
            edit->setText(Q(*field.Default));
        if (const std::string kept = TemplateValue(*chosen_, field); !kept.empty())
            edit->setPlaceholderText(Q(WithArguments(texts_.Text("PRG_TEMPLATE_KEEPS"), {kept})));
        caption->setBuddy(edit);
        auto* problem = new QLabel(form_);
        problem->setWordWrap(true);
        problem->setVisible(false);
        problem->setStyleSheet(
            QString("color: %1").arg(ReadableOn(ProblemColour, palette(), QPalette::Window).name()));
        auto* cell = new QVBoxLayout;
        cell->setSpacing(2);
        cell->addWidget(edit);
        cell->addWidget(problem);
        formLayout_->addRow(caption, cell);
        connect(edit, &QLineEdit::textChanged, this, &TNewFromTemplateDialog::FollowValues);
        // A filtered edit sets its text quietly and tells each change so.
        if (auto* filtered = qobject_cast<TEditLetCh*>(edit)) {
            connect(filtered, &TEditLetCh::Changed, this, &TNewFromTemplateDialog::FollowValues);
            // It takes Enter for itself; in a dialog Enter means its default button.
            connect(filtered, &TEditLetCh::PressEnter, this, [this] {
                if (ok_->isEnabled())
                    ok_->click();
            });
        }
        rows_.push_back({field, edit, problem});
    }
    // The values were made after the buttons: Tab takes them between the site's name and Create.
    QWidget* previous = site_;
    for (const TValueRow& row : rows_) {
        setTabOrder(previous, row.Edit);
        previous = row.Edit;
    }
    setTabOrder(previous, ok_);
}

void TNewFromTemplateDialog::FollowValues() {
    bool sound = chosen_.has_value();
    for (const TValueRow& row : rows_) {
        const TKeyedText refusal = SiteValueRefusal(*chosen_, row.Field, row.Edit->text().toStdString());
        row.Problem->setText(Q(TextOf(refusal, texts_)));
        row.Problem->setVisible(!refusal.Empty());
        row.Edit->setAccessibleDescription(Q(TextOf(refusal, texts_)));
        sound = sound && refusal.Empty();
    }
    ok_->setEnabled(sound);
}

std::string TNewFromTemplateDialog::Site() const {
    return site_->text().trimmed().toStdString();
}

TSiteValues TNewFromTemplateDialog::Values() const {
    TSiteValues values;
    for (const TValueRow& row : rows_)
        values.emplace_back(row.Field.Field, row.Edit->text().toStdString());
    return values;
}

std::vector<QLineEdit*> TNewFromTemplateDialog::ValueEdits() const {
    std::vector<QLineEdit*> edits;
    for (const TValueRow& row : rows_)
        edits.push_back(row.Edit);
    return edits;
}

} // namespace korvisel
