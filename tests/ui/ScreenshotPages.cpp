// SPDX-License-Identifier: GPL-3.0-or-later
// Saves one picture of the main window per node of the tree, the phone, audio and settings dialogs,
// the code library, the report's two pages and its preview (into REPORTDIR, else DIR), and, given a language
// file, the window in that language, and the Problems panel and the Edit menu naming an undo step in
// English and in that language, the backups list with a comparison, Write to Several Devices on three
// simulated devices, and the same dialog with a sites table in English and in that language (into
// REPORTDIR), for looking at every page: korvisel_screenshot_pages DIR [PROJECT
// [LANGUAGE [REPORTDIR]]]. Runs on Qt's offscreen platform unless a display is asked for.
// KORVISEL_SHOT_THEME=dark takes the pictures with a dark palette, KORVISEL_SHOT_FONT_SCALE=1.5 with a larger
// font, as a desktop with those settings shows the window.
#include "files/Backups.h"
#include "files/ProjectFile.h"
#include "i18n/IniFile.h"
#include "i18n/Registrations.h"
#include "report/ReportValues.h"
#include "ui/app/DeviceTransfer.h"
#include "ui/app/MainWindow.h"
#include "ui/app/QtMessageBoxes.h"
#include "ui/dialogs/AudioDialog.h"
#include "ui/dialogs/BackupsDialog.h"
#include "ui/dialogs/CodeLibraryDialog.h"
#include "ui/dialogs/ComparisonDialog.h"
#include "ui/dialogs/PhoneDialog.h"
#include "ui/dialogs/SeveralDevicesDialog.h"
#include "ui/report/ReportPainter.h"
#include "ui/report/ReportPreview.h"
#include "ui/widgets/NavigationTreeView.h"

#include "editor/NodeCaption.h"
#include "link/DeviceSimulatorProcess.h"
#include "ui/ForeignProject.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using namespace korvisel;

// A dark desktop theme as Fusion draws it.
void UseDarkPalette() {
    QApplication::setStyle("Fusion");
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Base, QColor(0x2B, 0x2B, 0x2B));
    dark.setColor(QPalette::AlternateBase, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Text, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    QApplication::setPalette(dark);
}

void Settle() {
    for (int n = 0; n < 5; ++n)
        QApplication::processEvents();
}

QString FileName(int position, const QString& caption) {
    QString name = caption.trimmed();
    name.replace('/', '-');
    return QString("%1-%2.png").arg(position, 2, 10, QChar('0')).arg(name);
}

void SaveDialog(QDialog& dialog, const QDir& folder, const QString& name) {
    QTimer::singleShot(0, &dialog, [&dialog, &folder, name] {
        Settle();
        dialog.grab().save(folder.filePath(name));
        dialog.done(QDialog::Accepted);
    });
}

void SelectFirst(TApplicationForm& window, TNodeKind kind, int input) {
    TNavigationTreeView* tree = window.findChild<TNavigationTreeView*>();
    if (const auto node = tree->Tree().Find({kind, input, 0}))
        tree->SelectNode(*node);
    Settle();
}

// A click as the user makes it, so that the window records it as an edit.
void Click(QWidget* widget) {
    const QPointF at(6, widget->height() / 2.0);
    const QPointF global = widget->mapToGlobal(at);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, global, Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    Settle();
}

// The foreign project of the Problems panel's picture, written as a project file.
std::string WriteForeignProject(const QTemporaryDir& folder) {
    TProjectInfo p = test::ForeignProjectWithThreeProblems();
    TDeviceImage image{};
    const std::string file = folder.filePath("foreign.KV690").toStdString();
    WriteProjectFile(file, p, image);
    return file;
}

// The Problems panel with a foreign project's three problems, and the Edit menu after an edit on
// Input signal 2, which is then undone so that the project leaves unmodified.
void SaveProblemsAndUndo(TApplicationForm& window, const std::string& foreign, const QDir& into,
                         const QString& suffix) {
    window.Commands().OpenRecent(foreign);
    SelectFirst(window, nkInputTime, 1);
    auto* list = window.findChild<QListWidget*>("ProblemList");
    list->setCurrentRow(1);
    list->setFocus();
    Settle();
    window.grab().save(into.filePath("problems-panel" + suffix + ".png"));

    SelectFirst(window, nkInputSignal, 2);
    Click(window.findChild<QRadioButton*>("RButtonSignal3"));
    QAction* editTitle = window.menuBar()->actions().value(1);
    QMenu* edit = editTitle ? editTitle->menu() : nullptr;
    if (!edit)
        return;
    window.menuBar()->setActiveAction(editTitle);
    Settle();
    QPixmap shot = window.grab();
    QPainter painter(&shot);
    painter.drawPixmap(edit->pos() - window.mapToGlobal(QPoint(0, 0)), edit->grab());
    painter.end();
    shot.save(into.filePath("edit-menu-undo" + suffix + ".png"));
    edit->hide();
    window.Action("ActUndo")->trigger();
    Settle();
}

// The backups list over four backups of a device that differs from the open project in three
// settings, one of them cut short, and the comparison of the newest with the project.
void SaveDeviceTools(TApplicationForm& window, const QDir& into) {
    TProjectInfo device = window.Document().Project();
    device.Inputs[1].ReactionTime = 40;
    device.TestDays = static_cast<std::uint8_t>(device.TestDays == 7 ? 8 : 7);
    device.Pin = {'2', '4', '6', '8'};
    TDeviceImage image{};
    PackImage(device, image);
    const auto start = std::chrono::system_clock::from_time_t(1'796'000'000);
    using std::chrono::hours;
    KeepBackup(BackupFolder(), TBackupKind::Read, "COM5", image, start);
    KeepBackup(BackupFolder(), TBackupKind::BeforeWrite, "COM5", image, start + hours(20));
    const TResult<std::string> cut =
        KeepBackup(BackupFolder(), TBackupKind::Written, "COM3", image, start + hours(21));
    if (cut.Ok())
        QFile(QString::fromStdString(cut.Value())).resize(40);
    KeepBackup(BackupFolder(), TBackupKind::Read, "COM5", image, start + hours(26));

    window.Action("ActBackups")->trigger();
    Settle();
    auto* backups = window.findChild<TBackupsDialog*>();
    backups->grab().save(into.filePath("backups-dialog.png"));
    backups->CompareButton()->click();
    Settle();
    auto* comparison = window.findChild<TComparisonDialog*>();
    comparison->grab().save(into.filePath("comparison-dialog.png"));
    comparison->close();
    backups->close();
    Settle();
}

// Write to Several Devices on three simulated devices (the third never answers, the second garbles
// its echo): halfway, and at the end with each device's result.
void RunSeveralDevices(TApplicationForm& window, const QDir& into) {
    test::DeviceSimulatorProcess simulator({"--port", "COM9", "--firmware", "3.14", "--port", "COM10",
                                            "--echo-drop-plus", "--port", "COM11", "--no-answer"},
                                           {"COM9", "COM10", "COM11"});
    if (!simulator.Ready())
        return;
    QTemporaryDir reports;
    window.Transfer().SetReportPlace({reports.path().toStdString(), reports.path().toStdString()},
                                     [](const std::string&) {});
    const TProjectInfo before = window.Document().Project();
    if (before.Phones[1].Number.empty()) {
        TProjectInfo written = before;
        written.Phones[1] = {"+79001234567", "", false};
        window.Document().Replace(written, window.Document().Print());
    }
    // A pseudo-terminal has no modem lines. The copy before writing gives the firmware column.
    window.CpuPort().SetCheckLineStatus(false);
    window.Options().KeepCopyBeforeWrite = true;
    window.Action("ActSeveral")->trigger();
    Settle();
    auto* dialog = window.findChild<TSeveralDevicesDialog*>();
    for (const char* port : {"COM9", "COM10", "COM11"})
        dialog->List()->findItems(port, Qt::MatchExactly, 0).front()->setCheckState(0, Qt::Checked);
    dialog->StartButton()->click();
    QTest::qWait(25000);
    dialog->grab().save(into.filePath("several-devices-running.png"));
    const bool ended = QTest::qWaitFor([&] { return !dialog->Running(); }, 90000);
    Settle();
    if (ended)
        dialog->grab().save(into.filePath("several-devices-dialog.png"));
    dialog->close();
    window.Options().KeepCopyBeforeWrite = false;
    window.Document().Replace(before, window.Document().Print());
    Settle();
}

void SaveSeveralDevices(TApplicationForm& window, const QDir& into) {
    // The simulator takes the port map over; the other pictures keep theirs.
    const QByteArray ports = qgetenv("KORVISEL_PORTS");
    RunSeveralDevices(window, into);
    qputenv("KORVISEL_PORTS", ports);
}

// Write to Several Devices with a sites table of three rows, one of them refused, over three simulated
// devices: two ticked ports get the two sites that may be written.
void SaveSitesTable(TApplicationForm& window, const QDir& into, const QString& suffix) {
    const QByteArray ports = qgetenv("KORVISEL_PORTS");
    {
        test::DeviceSimulatorProcess simulator({"--count", "3", "--port", "COM9"},
                                               {"COM9", "COM10", "COM11"});
        QTemporaryDir folder;
        const QString table = folder.filePath("sites.csv");
        QFile file(table);
        if (simulator.Ready() && file.open(QIODevice::WriteOnly)) {
            file.write("Site,Phones[1].Number,Pin\nNorth Gate,+79001110001,1111\n"
                       "South Store,+79001110002,12\nEast Office,+79001110003,3333\n");
            file.close();
            window.Action("ActSeveral")->trigger();
            Settle();
            auto* dialog = window.findChild<TSeveralDevicesDialog*>();
            dialog->SitesFileChooser = [table] { return table.toStdString(); };
            dialog->SitesButton()->click();
            for (const char* port : {"COM9", "COM10"})
                dialog->List()->findItems(port, Qt::MatchExactly, 0).front()->setCheckState(0, Qt::Checked);
            Settle();
            dialog->grab().save(into.filePath("several-devices-sites" + suffix + ".png"));
            dialog->ClearSitesButton()->click();
            dialog->close();
            Settle();
        }
    }
    qputenv("KORVISEL_PORTS", ports);
}

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s DIR [PROJECT [LANGUAGE [REPORTDIR]]]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QFont font = QApplication::font();
    const char* scale = std::getenv("KORVISEL_SHOT_FONT_SCALE");
    font.setPointSizeF(8 * std::max(1.0, scale ? std::atof(scale) : 1.0));
    QApplication::setFont(font);
    if (const char* theme = std::getenv("KORVISEL_SHOT_THEME"); theme && std::string_view(theme) == "dark")
        UseDarkPalette();

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(".")) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    // The pictures must not depend on, or change, the settings of whoever takes them.
    QTemporaryDir settings;
    ::setenv("KORVISEL_PORTS", settings.filePath("ports").toLocal8Bit().constData(), 1);
    ::setenv("XDG_DATA_HOME", settings.path().toLocal8Bit().constData(), 1); // the backups, too
    TSettingsStore store(settings.filePath("registry.reg").toStdString());
    TQtMessageBoxes boxes;
    TApplicationForm window(boxes, store);
    boxes.SetParent(&window);
    if (argc > 2)
        window.OpenCommandLineFile(QString::fromLocal8Bit(argv[2]));
    window.show();
    Settle();

    TNavigationTreeView* tree = window.findChild<TNavigationTreeView*>();
    tree->expandAll();
    const auto& nodes = tree->Tree().Nodes();
    for (int node = 0; node < static_cast<int>(nodes.size()); ++node) {
        tree->SelectNode(node);
        tree->scrollToItem(tree->ItemOf(node));
        Settle();
        const QString caption =
            QString::fromStdString(NodeCaption(nodes[static_cast<std::size_t>(node)].Data, window.Texts()));
        window.grab().save(folder.filePath(FileName(node + 1, caption)));
    }

    TPhoneDialog& dialog = *window.findChild<TPhoneDialog*>();
    SaveDialog(dialog, folder, "phone-dialog-required.png");
    dialog.Execute("", true);
    dialog.SetTexts(window.Texts().Text("F7_EPHON_CAPTION"), window.Texts().Text("F7_EPHON_EDT_PHON"));
    SaveDialog(dialog, folder, "phone-dialog-edit.png");
    dialog.Execute("+79001234567", false);
    SaveDialog(*window.findChild<TAudioForm*>(), folder, "audio-dialog.png");
    window.EditAudioParameters();

    TCodeLibraryForm& library = *window.findChild<TCodeLibraryForm*>();
    SaveDialog(library, folder, "code-library.png");
    library.ChooseCode("130");
    QTimer::singleShot(0, &library, [&library, &folder] {
        library.Filter()->setText("test");
        Settle();
        library.grab().save(folder.filePath("code-library-filtered.png"));
        library.reject();
    });
    library.ChooseCode("130");

    // The report as it prints, and its preview.
    const QDir reports(argc > 4 ? QString::fromLocal8Bit(argv[4]) : folder.path());
    const auto pages =
        ConfigurationReportPages(window.Document().Project(), window.Document().Print(), window.Texts());
    const char* pageNames[] = {"report-cover.png", "report-settings.png"};
    for (std::size_t n = 0; n < pages.size() && n < 2; ++n) {
        constexpr double DotsPerMm = 4;
        QImage image(static_cast<int>(210 * DotsPerMm), static_cast<int>(297 * DotsPerMm),
                     QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        PaintReportPage(painter, pages[n], DotsPerMm);
        painter.end();
        image.save(reports.filePath(pageNames[n]));
    }
    TReportPreview& preview = *window.findChild<TReportPreview*>();
    QTimer::singleShot(0, &preview, [&preview, &reports] {
        Settle();
        preview.grab().save(reports.filePath("report-preview.png"));
        preview.accept();
    });
    window.PreviewReport();

    TOptionForm& options = *window.findChild<TOptionForm*>();
    QTimer::singleShot(0, &options, [&options, &folder] {
        const char* names[] = {"settings-general.png", "settings-com-port.png",
                               "settings-com-port-settings.png", "settings-language.png"};
        for (int tab = 0; tab < 4; ++tab) {
            options.Tabs()->setCurrentIndex(tab);
            Settle();
            options.grab().save(folder.filePath(names[tab]));
        }
        options.CancelButton()->click();
    });
    window.OpenSettings(TOptionForm::TTab::General);

    QTemporaryDir projects;
    const std::string foreign = WriteForeignProject(projects);
    SaveProblemsAndUndo(window, foreign, reports, "");
    if (argc > 2)
        window.OpenCommandLineFile(QString::fromLocal8Bit(argv[2]));
    else
        window.Action("ActNew")->trigger();
    SaveDeviceTools(window, reports);
    SaveSeveralDevices(window, reports);
    SaveSitesTable(window, reports, "");

    if (argc > 3) {
        // The language registered and chosen as a user would, then the window in it.
        const std::string file = QFileInfo(QString::fromLocal8Bit(argv[3])).absoluteFilePath().toStdString();
        AddLanguage(store, LoadLanguages(store), LanguageFileName(file), file);
        const TLanguageList list = FillLanguageList(store);
        StoreLanguageChoice(store, list.Entries, static_cast<int>(list.Entries.size()) - 1);
        QTimer::singleShot(0, &options, [&options] { options.OkButton()->click(); });
        window.OpenSettings(TOptionForm::TTab::Language);
        struct TShot {
            TNodeKind Kind;
            int Input; // 0: the first node of the kind
            const char* Name;
        };
        for (const TShot& shot : {TShot{nkInput, 0, "main-window-language-input.png"},
                                  TShot{nkInputTime, 0, "main-window-language-time.png"},
                                  TShot{nkInputData, 3, "main-window-language-data.png"}}) {
            for (int node = 0; node < static_cast<int>(nodes.size()); ++node) {
                const TTreeNodeData& data = nodes[static_cast<std::size_t>(node)].Data;
                if (data.Kind == shot.Kind && (shot.Input == 0 || data.Input == shot.Input)) {
                    tree->SelectNode(node);
                    break;
                }
            }
            Settle();
            window.grab().save(folder.filePath(shot.Name));
        }
        SaveProblemsAndUndo(window, foreign, reports, "-ru");
        SaveSitesTable(window, reports, "-ru");
    }
    return 0;
}
