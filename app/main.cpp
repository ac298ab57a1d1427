#include "app/commandline.h"
#include "app/quitonsignal.h"
#include "app/startup.h"
#include "widgets/design.h"
#include "widgets/windowregistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (const auto status = CommandLine::answerArguments(argc, argv))
        return *status; // --help, --version or an unknown argument: no window, no display
    CommandLine::guardDisplayStart();
    QApplication app(argc, argv);
    CommandLine::displayStarted();
    quitOnTerminationSignals();
    QApplication::setApplicationName(QStringLiteral("Tarnwick (Basic)"));
    // The task bar and the desktop's menus know the program by its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tarnwick"));
    prepareApplication();

    StartUp::begin();
    const int status = QApplication::exec();
    WindowRegistry::unloadAll();
    return status;
}
