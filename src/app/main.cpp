#include "app/AppController.h"
#include "app/DisplayGuard.h"
#include "app/TerminationSignals.h"
#include "app/Translations.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    DisplayGuard guard("hueriddle");
    QApplication app(argc, argv);
    guard.release();

    QCoreApplication::setOrganizationName(QStringLiteral("Hueriddle"));
    QCoreApplication::setApplicationName(QStringLiteral("Hueriddle"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HUERIDDLE_VERSION));
    // Matches the installed desktop entry, so Wayland shows the launcher's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.hueriddle.Hueriddle"));
    // The palette never closes; the program ends by "Quit" or by closing the
    // board window.
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install();

    AppController controller;
    // A logout, kill or Ctrl+C in a terminal ends the program like "Quit".
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &controller,
                     &AppController::terminate);
    controller.applicationDidFinishLaunching();
    QApplication::exec();
    // The frames are saved on every move already; a settings file that cannot
    // be written does not change the exit status.
    controller.applicationWillTerminate();
    return 0;
}
