// Time from the start of the program to the main window shown and idle (without the splash's
// 200 ms), and the time to switch the page between two tree nodes. Runs on the offscreen platform
// with a private settings file and no serial ports.
#include "app/MainWindow.h"
#include "app/QtMessageBoxes.h"
#include "editor/TreeView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

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

    double startMs = 0, switchMs = 0;
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
                const auto& tree = window.Tree()->Tree();
                const int a = tree.TopLevel()[2], b = tree.TopLevel()[6];
                constexpr int Switches = 200;
                QElapsedTimer switching;
                switching.start();
                for (int i = 0; i < Switches; ++i) {
                    window.Tree()->SelectNode(i % 2 ? a : b);
                    window.repaint();
                }
                switchMs = static_cast<double>(switching.nsecsElapsed()) / 1e6 / Switches;
                QCoreApplication::exit(0); // without the close question
            });
        });
        QApplication::exec();
    }
    std::filesystem::remove_all(folder);
    std::printf("start to main window shown and idle: %.1f ms (goal 400 ms)\n", startMs);
    std::printf("switch between two tree nodes: %.2f ms (goal 16 ms)\n", switchMs);
    return 0;
}
