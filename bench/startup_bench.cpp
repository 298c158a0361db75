// SPDX-License-Identifier: GPL-3.0-or-later
// Time from the start of the program to the main window shown and idle (without the splash's
// 200 ms), the same with a settings file of 100,000 values, the time to switch the page between two summary
// nodes, and between the editing pages of an input of a filled project, the Problems panel's update
// for a full project, and a key typed into a page until every view that follows the project shows it.
// Runs on the offscreen platform with a private settings file and no serial ports.
#include "ui/app/MainWindow.h"
#include "ui/app/PageStack.h"
#include "ui/app/ProblemsPanel.h"
#include "ui/app/QtMessageBoxes.h"
#include "ui/widgets/NavigationTreeView.h"

#include "fields/NavigationTree.h"
#include "ui/report/ReportPreview.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "files/FileIo.h"
#include "settings/SettingsStore.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int LargeFileValues = 100000;

// Every phone entry holds a number and input 1 has its texts, so the selectors and the CLIP grid are
// as full as they get.
void FillProject(korvisel::TProjectInfo& project) {
    for (std::size_t k = 1; k <= korvisel::PhoneCount; ++k)
        project.Phones[k] = {"+7900123456" + std::to_string(k), "NAME" + std::to_string(k), false};
    project.Inputs[1].Enabled = true;
    project.Inputs[1].SmsPhone = 3;
    project.Inputs[1].SmsEventText = "DOOR OPEN";
    project.Inputs[1].SmsRestoreText = "DOOR SHUT";
    project.Inputs[1].ClipEventPhone = 2;
    project.Inputs[1].ClipRestorePhone = 5;
}

// Every input enabled with each report kind and its gaps, every output and test filled, and values
// of a foreign file outside the editor's ranges: as many rows as a project gives.
korvisel::TProjectInfo ProjectFullOfProblems() {
    korvisel::TProjectInfo p;
    FillProject(p);
    for (std::size_t i = 1; i <= korvisel::InputCount; ++i) {
        korvisel::TInputInfo& in = p.Inputs[i];
        in.Enabled = true;
        in.ReportType = static_cast<korvisel::TReportKind>(i % 4 + 1);
        in.SmsEventText.clear();
        in.AlarmPhone = in.DataPhone = in.ClipEventPhone = 12;
        in.ReactionTime = 0;
    }
    p.Phones[2].Number = "55+5";
    p.GsmEnabled = p.TestEnabled = true;
    p.TestReportType = korvisel::TReportKind::Clip;
    p.TestDays = 40;
    p.AudioParams[1] = 9;
    p.CrowPhone = 200;
    return p;
}

// The average time of the panel's update after an edit: the rows rebuilt and painted.
double ProblemsUpdateMs(korvisel::TProblemsPanel& panel, int rounds) {
    korvisel::TProjectInfo full = ProjectFullOfProblems();
    korvisel::TProjectInfo edited = full;
    edited.Inputs[1].ReactionTime = 1; // one problem fewer, so every update changes the rows
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < rounds; ++n) {
        panel.Update(n % 2 ? edited : full);
        panel.repaint();
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6 / rounds;
}

// The average time from a key typed into an SMS text of input 1 to the window painted: the edit, its
// step, and the tree, the page, the Problems panel and the Edit menu that follow it. Letters and
// backspaces alternate, so that every key changes the project.
double TypedKeyMs(korvisel::TApplicationForm& window, const korvisel::TNavigationTree& tree, int keys) {
    for (std::size_t n = 0; n < tree.Nodes().size(); ++n)
        if (tree.Nodes()[n].Data.Kind == korvisel::nkInputSms && tree.Nodes()[n].Data.Input == 1)
            window.findChild<korvisel::TNavigationTreeView*>()->SelectNode(static_cast<int>(n));
    auto* memo = window.findChild<QPlainTextEdit*>("Memo1");
    memo->setFocus();
    memo->moveCursor(QTextCursor::End);
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < keys; ++n) {
        QTest::keyClick(memo, n % 2 ? Qt::Key_Backspace : Qt::Key_A);
        window.repaint();
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6 / keys;
}

struct SwitchTimes {
    double AverageMs = 0;
    double SlowestMs = 0; // the average switch to the slowest of the nodes
    int Slowest = -1;
};

// Goes `rounds` times through `nodes`, timing each switch to the node shown and painted.
SwitchTimes Switch(korvisel::TApplicationForm& window, const std::vector<int>& nodes, int rounds) {
    std::vector<double> totals(nodes.size());
    for (int i = 0; i < rounds; ++i)
        for (std::size_t n = 0; n < nodes.size(); ++n) {
            QElapsedTimer switching;
            switching.start();
            window.findChild<korvisel::TNavigationTreeView*>()->SelectNode(nodes[n]);
            window.repaint();
            totals[n] += static_cast<double>(switching.nsecsElapsed()) / 1e6;
        }
    SwitchTimes times;
    for (std::size_t n = 0; n < nodes.size(); ++n) {
        const double average = totals[n] / rounds;
        times.AverageMs += average / static_cast<double>(nodes.size());
        if (average > times.SlowestMs) {
            times.SlowestMs = average;
            times.Slowest = nodes[n];
        }
    }
    return times;
}

// A settings file as large as any user's could grow: the program's own values among many others.
void WriteLargeSettingsFile(const std::string& path, int values) {
    korvisel::TRegistryData data;
    for (int n = 0; n < values; ++n)
        data.Set(korvisel::RegistryKey::Settings, "Unrelated" + std::to_string(n),
                 korvisel::TRegValue::String("a value of some length " + std::to_string(n)));
    const std::string text = data.Serialize();
    korvisel::WriteFileAtomically(path,
                                  std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

// From creating the main window to the window shown and idle, with the settings file at `path`.
double StartWindow(const std::string& path, korvisel::IMessageBoxes& boxes) {
    QElapsedTimer clock;
    clock.start();
    korvisel::TSettingsStore store(path);
    korvisel::TApplicationForm window(boxes, store);
    window.show();
    double ms = 0;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
            QCoreApplication::exit(0);
        });
    });
    QApplication::exec();
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    const std::string folder =
        (std::filesystem::temp_directory_path() / ("korvisel-bench-" + std::to_string(::getpid()))).string();
    std::filesystem::create_directories(folder + "/ports");
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("KORVISEL_PORTS", (folder + "/ports").c_str(), 1);
    ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
    for (int n = 1; n <= 16; ++n)
        std::filesystem::create_symlink("/nonexistent", folder + "/ports/COM" + std::to_string(n));

    double startMs = 0;
    double largeStartMs = 0;
    double previewMs = 0;
    double problemsMs = 0;
    double typedMs = 0;
    std::size_t problemRows = 0;
    SwitchTimes summaries, pages, all;
    std::string slowestPage;
    {
        QApplication app(argc, argv);
        korvisel::TSettingsStore store(folder + "/registry.reg");
        korvisel::TQtMessageBoxes boxes;
        korvisel::TApplicationForm window(boxes, store);
        window.show();
        // Idle: every event the first showing and activation posted has been handled.
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] {
                startMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
                const auto& tree = window.findChild<korvisel::TNavigationTreeView*>()->Tree();
                summaries = Switch(window, {tree.TopLevel()[2], tree.TopLevel()[6]}, 100);
                korvisel::TProjectInfo filled = window.Document().Project();
                FillProject(filled);
                window.Document().Replace(filled, window.Document().Print());
                std::vector<int> inputPages;
                for (std::size_t n = 0; n < tree.Nodes().size(); ++n) {
                    const korvisel::TTreeNodeData& data = tree.Nodes()[n].Data;
                    // Signal, Time, InReport and the four report kinds of input 1.
                    if (data.Input == 1 && data.Kind != korvisel::nkInput && data.Kind < korvisel::nkGsmTest)
                        inputPages.push_back(static_cast<int>(n));
                }
                pages = Switch(window, inputPages, 30);
                std::vector<int> everyNode(tree.Nodes().size());
                for (std::size_t n = 0; n < everyNode.size(); ++n)
                    everyNode[n] = static_cast<int>(n);
                all = Switch(window, everyNode, 10);
                slowestPage = window.findChild<korvisel::TPageStack*>()
                                  ->PageOfKind(tree.Node(all.Slowest).Data.Kind)
                                  ->objectName()
                                  .toStdString();
                auto* panel = window.findChild<korvisel::TProblemsPanel*>();
                problemsMs = ProblemsUpdateMs(*panel, 200);
                problemRows = panel->Problems().size();
                window.Document().Replace(ProjectFullOfProblems(), window.Document().Print());
                typedMs = TypedKeyMs(window, tree, 200);
                // Print Preview: from the command to the preview on screen and drawn in full (a grab
                // renders the whole window with its first page).
                QElapsedTimer preview;
                preview.start();
                QTimer::singleShot(0, [&] {
                    window.findChild<korvisel::TReportPreview*>()->grab();
                    previewMs = static_cast<double>(preview.nsecsElapsed()) / 1e6;
                    window.findChild<korvisel::TReportPreview*>()->accept();
                });
                window.Action("ActPrntPrev")->trigger();
                QCoreApplication::exit(0); // without the close question
            });
        });
        QApplication::exec();
        WriteLargeSettingsFile(folder + "/large.reg", LargeFileValues);
        largeStartMs = StartWindow(folder + "/large.reg", boxes);
    }
    std::filesystem::remove_all(folder);
    std::printf("start to main window shown and idle: %.1f ms (goal 400 ms)\n", startMs);
    std::printf("main window shown and idle with %d values in the settings file: %.1f ms (goal 1000 ms)\n",
                LargeFileValues, largeStartMs);
    std::printf("switch between two summary nodes: %.2f ms (goal 16 ms)\n", summaries.AverageMs);
    std::printf("switch between the editing pages of a filled input: %.2f ms, slowest page %.2f ms "
                "(goal 16 ms)\n",
                pages.AverageMs, pages.SlowestMs);
    std::printf("switch through every node of a filled project: %.2f ms, slowest page \"%s\" %.2f ms "
                "(goal 16 ms)\n",
                all.AverageMs, slowestPage.c_str(), all.SlowestMs);
    std::printf("print preview shown with its first page: %.1f ms (goal 150 ms)\n", previewMs);
    std::printf("problems panel updated after an edit of a full project (%zu rows): %.2f ms (goal 5 ms)\n",
                problemRows, problemsMs);
    std::printf("a key typed into a page of that project, to every view shown again: %.2f ms (goal 16 ms)\n",
                typedMs);
    return 0;
}
