// SPDX-License-Identifier: GPL-3.0-or-later
// Real-time writes from the window into simulated devices: one Write on the CPU port, then three
// devices at once through Write to Several Devices, and the ratio of the two wall times. Runs on the
// offscreen platform with private settings and data folders.
#include "ui/app/DeviceTransfer.h"
#include "ui/app/MainWindow.h"
#include "ui/dialogs/SeveralDevicesDialog.h"

#include "TempFolder.h"
#include "link/DeviceSimulatorProcess.h"
#include "ui/ScriptedBoxes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>
#include <cstdlib>

using namespace korvisel;

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    test::TempFolder folder;
    ::setenv("XDG_DATA_HOME", folder.Path().c_str(), 1);
    QApplication app(argc, argv);
    test::DeviceSimulatorProcess simulator({"--port", "COM1", "--count", "3"}, {"COM1", "COM2", "COM3"});
    if (!simulator.Ready()) {
        std::fprintf(stderr, "korvisel-devsim did not start 3 devices\n");
        return 1;
    }
    TSettingsStore store(folder.File("registry.reg"));
    store.WriteString(RegistryKey::Settings, "CPUPort", "COM1");
    test::ScriptedBoxes boxes;
    TApplicationForm window(boxes, store);
    window.Transfer().SetReportPlace({folder.Path(), folder.Path()}, [](const std::string&) {});
    window.show();
    QTest::qWait(20);
    // A pseudo-terminal has no modem lines; every port of a batch takes the CPU port's settings.
    window.CpuPort().SetCheckLineStatus(false);
    korvisel::TProjectInfo project = window.Document().Project();
    project.Phones[1] = {"+79001234567", "", false};
    window.Document().Replace(project, window.Document().Print());

    QElapsedTimer clock;
    boxes.answers = {"ok", "ok"};
    clock.start();
    window.Action("ActWrite")->trigger();
    const double one = static_cast<double>(clock.elapsed()) / 1000.0;
    const bool oneWritten = !boxes.shown.empty() && boxes.shown.back() == "info: Write Data - complete";

    window.Action("ActSeveral")->trigger();
    auto* dialog = window.findChild<TSeveralDevicesDialog*>();
    for (const char* port : {"COM1", "COM2", "COM3"})
        dialog->List()->findItems(port, Qt::MatchExactly, 0).front()->setCheckState(0, Qt::Checked);
    std::vector<TBatchResult> results;
    QObject::connect(dialog, &TSeveralDevicesDialog::Finished,
                     [&](const std::vector<TBatchResult>& ended) { results = ended; });
    clock.restart();
    dialog->StartButton()->click();
    const bool ended = QTest::qWaitFor([&] { return !dialog->Running(); }, 120000);
    const double three = static_cast<double>(clock.elapsed()) / 1000.0;
    const bool allWritten = ended && results.size() == 3 && BatchExitStatus(results) == 0;

    std::printf("one write from the window: %.3f s%s\n", one, oneWritten ? "" : " (FAILED)");
    std::printf("3 devices from the window at once: %.3f s, %.4f of one write (goal 1.05)%s\n", three,
                three / one, allWritten ? "" : " (FAILED)");
    return oneWritten && allWritten ? 0 : 1;
}
