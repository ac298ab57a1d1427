#include "widgets/design.h"
#include "mainwindow/form1.h"
#include "widgets/windowregistry.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarnwick (Basic)"));
    // The task bar and the desktop's menus know the program by its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("tarnwick"));
    prepareApplication();

    WindowRegistry::get<Form1>(); // the main window is the start-up object: its load step starts the rest
    const int status = QApplication::exec();
    WindowRegistry::unloadAll();
    return status;
}
