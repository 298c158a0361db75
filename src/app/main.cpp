// korvisel: the configurator's window.
#include "app/AboutForm.h"
#include "app/MainWindow.h"
#include "app/QtMessageBoxes.h"
#include "app/Splash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvisel");
    QApplication::setApplicationDisplayName("Korvisel");
    // The window's 8 point font, which the lists and the status bar are laid out for.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);

    auto* splash = new korvisel::TSplashForm;
    splash->show();
    QApplication::processEvents();

    korvisel::TSettingsStore store;
    korvisel::TQtMessageBoxes boxes;
    korvisel::TApplicationForm window(boxes, store);
    boxes.SetParent(&window);
    if (argc > 1)
        window.OpenCommandLineFile(QString::fromLocal8Bit(argv[1]));
    korvisel::TAboutForm about(&window);
    window.SetAboutForm(&about);

    // The splash stays at least 200 ms after the last window was created.
    QElapsedTimer shown;
    shown.start();
    while (shown.elapsed() < 200) {
        QApplication::processEvents();
        QThread::msleep(5);
    }
    delete splash;

    window.show();
    return QApplication::exec();
}
