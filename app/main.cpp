#include "app/arguments.h"
#include "app/commandline.h"
#include "app/quitonsignal.h"
#include "app/startup.h"
#include "widgets/design.h"
#include "widgets/translation.h"
#include "widgets/windowregistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    CommandLine::Arguments arguments;
    if (const auto status = CommandLine::answerArguments(argc, argv, arguments))
        return *status; // --help, --version or arguments refused: no window, no display
    CommandLine::guardDisplayStart();
    QApplication app(argc, argv);
    CommandLine::displayStarted();
    quitOnTerminationSignals();
    QApplication::setApplicationName(QStringLiteral("Tarnwick (Basic)"));
    // The task bar and the desktop's menus know the program by its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tarnwick"));
    prepareApplication();
    Translation::install(Translation::languageFor(
        QString::fromStdString(arguments.language.value_or(std::string()))));

    StartUp::begin(arguments);
    const int status = QApplication::exec();
    WindowRegistry::unloadAll();
    return status;
}
