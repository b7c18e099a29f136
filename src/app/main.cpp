#include "app/AppController.h"
#include "app/Version.h"
#include "desktop/files/UserSettings.h"
#include "desktop/process/DisplayGuard.h"
#include "desktop/process/SingleInstance.h"
#include "desktop/process/TerminationSignals.h"
#include "desktop/process/Translations.h"

#include <QApplication>
#include <malloc.h>

namespace
{

// The windows' places are part of the game: the palette opens over the
// board's corner, and both come back where the player left them. Only X11
// lets a program place its windows, and Wayland desktops run X11 programs
// through Xwayland, so a desktop's X11 display is used whenever it answers and
// its Wayland display (WAYLAND_DISPLAY) otherwise. A platform the user chose
// with QT_QPA_PLATFORM is used as chosen.
void choosePlatform()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    // Without a Wayland display there is nothing to fall back to: an X11
    // display that does not answer is reported as such.
    qputenv("QT_QPA_PLATFORM",
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ? "xcb" : "xcb;wayland");
}

// Every thread of the program allocates from the main thread's malloc arena.
// By default each thread that allocates gets an arena of its own, a fresh heap
// whose pages fault in one by one. Qt starts its helper threads while the
// windows are built and first drawn (the X event reader, D-Bus, and the pool
// that fills large areas of a paint), so making their arenas would slow the
// first frame. These threads allocate little and seldom at the same moment,
// so sharing one arena makes them wait on each other next to never. Must run
// before any thread starts.
void shareOneMallocArena()
{
#ifdef M_ARENA_MAX
    mallopt(M_ARENA_MAX, 1);
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    shareOneMallocArena();
    choosePlatform();
    DisplayGuard guard;
    QApplication app(argc, argv);
    guard.release();

    QCoreApplication::setOrganizationName(UserSettings::kOrganization);
    QCoreApplication::setApplicationName(UserSettings::kApplication);
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kHueriddleVersion));
    // Matches the installed desktop entry, so Wayland shows the launcher's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.hueriddle.Hueriddle"));
    // The palette never closes; the program ends by "Quit" or by closing the
    // board window.
    QApplication::setQuitOnLastWindowClosed(false);

    // One game per user and display: a second start brings the first one's
    // windows forward and ends, having shown and written nothing.
    SingleInstance instance;
    if (instance.claim() == SingleInstance::Claim::AnotherRuns)
        return 0;
    Translations::install();

    AppController controller;
    QObject::connect(&instance, &SingleInstance::activationRequested, &controller,
                     &AppController::orderFrontBothWindows);
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
