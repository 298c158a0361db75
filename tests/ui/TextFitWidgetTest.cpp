// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption has the room its layout gives it, in English and in Russian at the default font: the
// labels, check boxes, radio buttons, buttons, group box titles and the lists' chosen entries of every
// page and of the dialogs, so that no translation is cut off. A text that is elided instead names
// itself in full in its tooltip.
#include "files/Backups.h"
#include "i18n/Registrations.h"
#include "ui/WindowTest.h"

#include "OnDemandDialogs.h"
#include "ui/app/SettingsDialog.h"
#include "ui/dialogs/AudioDialog.h"
#include "ui/dialogs/BackupsDialog.h"
#include "ui/dialogs/CodeLibraryDialog.h"
#include "ui/dialogs/SeveralDevicesDialog.h"
#include "ui/widgets/ElidedLabel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <QTabWidget>

#include <chrono>
#include <set>

namespace korvisel {
namespace {

// The text as drawn: a mnemonic's "&" takes no room.
QString Drawn(QString text) {
    text.replace("&&", "\x01");
    text.remove('&');
    return text.replace('\x01', '&');
}

int Widest(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& line : text.split('\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString Where(const QWidget& widget) {
    QStringList path;
    for (const QWidget* w = &widget; w; w = w->parentWidget())
        if (!w->objectName().isEmpty())
            path.prepend(w->objectName());
    return path.join('/') + " (" + widget.metaObject()->className() + ")";
}

// How much room a caption needs and has, where its widget shows one.
struct TRoom {
    QString Text;
    int Needed = 0;
    int Given = 0;
};

std::optional<TRoom> RoomOf(const QWidget& widget) {
    const QFontMetrics metrics = widget.fontMetrics();
    const QStyle& style = *widget.style();
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const QString text = label->text();
        if (text.isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
            return std::nullopt;
        // Elided on purpose: the whole text is its tooltip.
        if (const auto* elided = qobject_cast<const TElidedLabel*>(label);
            elided && elided->toolTip() == text)
            return std::nullopt;
        if (label->wordWrap())
            return TRoom{text, label->heightForWidth(label->width()), label->height()};
        return TRoom{text, Widest(metrics, Drawn(text)), label->contentsRect().width() - 2 * label->margin()};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        const QString text = Drawn(button->text());
        if (text.isEmpty())
            return std::nullopt;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QStyle::SubElement contents =
            qobject_cast<const QCheckBox*>(button)      ? QStyle::SE_CheckBoxContents
            : qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
            : qobject_cast<const QPushButton*>(button)  ? QStyle::SE_PushButtonContents
                                                        : QStyle::SE_CustomBase;
        if (contents == QStyle::SE_CustomBase)
            return std::nullopt;
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        return TRoom{text, Widest(metrics, text) + icon,
                     style.subElementRect(contents, &option, button).width()};
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(&widget)) {
        if (box->title().isEmpty())
            return std::nullopt;
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect label = style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        return TRoom{box->title(), label.left() + metrics.horizontalAdvance(Drawn(box->title())),
                     box->width()};
    }
    if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
        if (list->isEditable() || list->currentText().isEmpty())
            return std::nullopt;
        QStyleOptionComboBox option;
        option.initFrom(list);
        option.editable = false;
        const QRect field =
            style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
        return TRoom{list->currentText(), metrics.horizontalAdvance(list->currentText()), field.width()};
    }
    return std::nullopt;
}

// Every caption shown in `root` that has less room than it needs, once each.
void CollectCut(const QWidget& root, std::set<std::string>& cut) {
    for (const QWidget* widget : root.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&root) || widget->width() <= 0)
            continue;
        if (const auto room = RoomOf(*widget); room && room->Needed > room->Given)
            cut.insert(QString("%1: \"%2\" needs %3, has %4")
                           .arg(Where(*widget), room->Text)
                           .arg(room->Needed)
                           .arg(room->Given)
                           .toStdString());
    }
}

void Settle() {
    for (int n = 0; n < 5; ++n)
        QApplication::processEvents();
}

class TextFitTest : public test::WindowTest, public ::testing::WithParamInterface<bool> {
protected:
    const QFont before = QApplication::font();

    void SetUp() override {
        // The program's default font, as it starts: 8 points.
        QFont font = QApplication::font();
        font.setPointSize(8);
        QApplication::setFont(font);
        WindowTest::SetUp();
        ports.Add(1);
        store.WriteString(RegistryKey::Settings, "CPUPort", "COM1");
        if (GetParam()) {
            const std::string russian = std::string(KORVISEL_SOURCE_DIR) + "/languages/Russian.ini";
            AddLanguage(store, LoadLanguages(store), "Russian", russian);
            const TLanguageList list = FillLanguageList(store);
            StoreLanguageChoice(store, list.Entries, static_cast<int>(list.Entries.size()) - 1);
        }
        ShowAndActivate();
    }

    void TearDown() override {
        WindowTest::TearDown();
        QApplication::setFont(before);
    }

    // A modal dialog's captions while it is open, each tab of a tabbed one, then the dialog closed.
    template <typename Dialog> void WhileOpen(Dialog* dialog, std::set<std::string>& cut) {
        QTimer::singleShot(0, dialog, [this, dialog, &cut] {
            Settle();
            auto* tabs = dialog->template findChild<QTabWidget*>();
            for (int tab = 0; tab < (tabs ? tabs->count() : 1); ++tab) {
                if (tabs)
                    tabs->setCurrentIndex(tab);
                Settle();
                CollectCut(*dialog, cut);
            }
            dialog->reject();
        });
    }
};

TEST_P(TextFitTest, EveryCaptionOfEveryPageAndDialogHasItsRoom) {
    ASSERT_EQ(window->Texts().Text("TREEINFO") == "Settings", !GetParam()) << "the window's language";
    std::set<std::string> cut;
    auto* tree = test::Part<TNavigationTreeView>(*window);
    for (int node = 0; node < static_cast<int>(tree->Tree().Nodes().size()); ++node) {
        tree->SelectNode(node);
        Settle();
        CollectCut(*window, cut);
    }

    WhileOpen(test::Part<TOptionForm>(*window), cut);
    window->OpenSettings(TOptionForm::TTab::General);
    WhileOpen(test::Part<TAudioForm>(*window), cut);
    window->EditAudioParameters();
    auto* phone = test::Part<TPhoneDialog>(*window);
    phone->SetTexts(window->Texts().Text("F7_EPHON_CAPTION"), window->Texts().Text("F7_EPHON_EDT_PHON"));
    WhileOpen(phone, cut);
    phone->Execute("+79001234567", false);
    auto* library = test::Part<TCodeLibraryForm>(*window);
    WhileOpen(library, cut);
    library->ChooseCode("130");

    TDeviceImage image{};
    KeepBackup(BackupFolder(), TBackupKind::BeforeWrite, "COM5", image, std::chrono::system_clock::now());
    window->Action("ActBackups")->trigger();
    Settle();
    auto* backups = test::Part<TBackupsDialog>(*window);
    CollectCut(*backups, cut);
    backups->close();
    window->Action("ActSeveral")->trigger();
    Settle();
    auto* several = test::Part<TSeveralDevicesDialog>(*window);
    CollectCut(*several, cut);
    several->close();
    test::MakeOnDemandDialogs(*window);
    for (QDialog* dialog : {static_cast<QDialog*>(test::Part<TSaveTemplateDialog>(*window)),
                            static_cast<QDialog*>(test::Part<TNewFromTemplateDialog>(*window))}) {
        dialog->show();
        Settle();
        CollectCut(*dialog, cut);
        dialog->close();
    }

    for (const std::string& caption : cut)
        ADD_FAILURE() << caption;
}

INSTANTIATE_TEST_SUITE_P(InEnglishAndRussian, TextFitTest, ::testing::Bool(),
                         [](const auto& param) { return param.param ? "Russian" : "English"; });

} // namespace
} // namespace korvisel
