// SPDX-License-Identifier: GPL-3.0-or-later
// korvisel: the configurator's window.
#include "ui/app/MainWindow.h"
#include "ui/app/QtMessageBoxes.h"
#include "ui/app/QtTranslations.h"
#include "ui/app/Splash.h"
#include "ui/dialogs/AboutDialog.h"

#include "core/SafeText.h"
#include "editor/WindowCommandLine.h"
#include "files/StandardPaths.h"
#include "i18n/Registrations.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdio>
#include <string>
#include <vector>

namespace {

const char* const Usage = R"(Usage: korvisel [FILE]

The configuration tool of a GSM alarm communicator: prepare every setting of a device in a tree of
editing pages, check it, save it as a project file, write it into the device over a serial line
and read it back, and print a configuration report. FILE, a project (.KV690, .KV2 or .KRV), is
opened at start.

Options:
  --help      show this text and end
  --version   show the version and end

Qt's own options (for example -platform xcb, -platform wayland) are accepted as well.

Files:
  ~/.config/korvisel/registry.reg     the settings
  ~/.config/korvisel/ports/           links that map the numbered ports (COM1 ...) to serial devices
  ~/.local/share/korvisel/backups/    a dated copy of the device's settings at every read and write
  ~/.local/share/korvisel/transfers/  a log of every transfer
  /usr/share/korvisel/help/           the user guide that Help opens

The command-line tool korvisel-cli does the same without a window, for many devices at once.

Exit status:
  0    the window was closed
  2    usage error: an unknown option, or more than one file
)";

} // namespace

int main(int argc, char** argv) {
    // Read before Qt starts, so that help, the version and a usage error work without a display.
    const korvisel::TWindowArguments arguments =
        korvisel::ParseWindowArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (arguments.Command) {
    case korvisel::TWindowCommand::Help:
        std::fputs(Usage, stdout);
        return 0;
    case korvisel::TWindowCommand::Version:
        std::printf("korvisel %s\n", KORVISEL_VERSION);
        return 0;
    case korvisel::TWindowCommand::UsageError:
        std::fprintf(stderr, "korvisel: %s; see korvisel --help\n",
                     korvisel::EscapedText(arguments.Problem).c_str());
        return 2;
    case korvisel::TWindowCommand::Run:
        break;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korvisel");
    QApplication::setApplicationDisplayName("Korvisel");
    QApplication::setApplicationVersion(KORVISEL_VERSION);
    // Ties the windows to the desktop entry: Wayland compositors find the icon and name by it.
    QGuiApplication::setDesktopFileName("org.korvisel.Korvisel");
    // The window's 8 point font, which the lists and the status bar are laid out for.
    QFont font = QApplication::font();
    font.setPointSize(8);
    QApplication::setFont(font);

    auto* splash = new korvisel::TSplashForm;
    splash->show();
    QApplication::processEvents();

    korvisel::TSettingsStore store;
    korvisel::RegisterShippedLanguages(store, korvisel::ShippedDataFolder() + "/languages");
    korvisel::ChooseDesktopLanguage(store, korvisel::DesktopLanguage());
    korvisel::TQtMessageBoxes boxes;
    korvisel::TApplicationForm window(boxes, store);
    boxes.SetParent(&window);
    if (arguments.File)
        window.OpenCommandLineFile(QString::fromLocal8Bit(arguments.File->c_str()));
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
