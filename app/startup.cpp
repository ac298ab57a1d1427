#include "app/startup.h"

#include "app/arguments.h"
#include "app/backform.h"
#include "app/prophecy.h"
#include "app/titlform.h"
#include "info/copyrigh.h"
#include "mainwindow/form1.h"
#include "widgets/design.h"
#include "widgets/environment.h"
#include "widgets/windowregistry.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The teacher's lesson, in the main window's boxes before the student first sees
// them. What the boxes corrected is said on the command line; a lesson file that
// cannot be read is said there and in the window, and changes nothing.
void startLesson(Form1 &form, const CommandLine::Arguments &arguments)
{
    if (arguments.seed)
        Environment::fixRandomSeed(*arguments.seed);
    Lesson fromFile;
    if (arguments.file) {
        const QString path = QString::fromStdString(*arguments.file);
        if (const std::optional<Lesson> lesson = form.lessonFromFile(path)) {
            fromFile = *lesson;
            form.tellWhenShown(QCoreApplication::translate("Form1", "Lesson opened: %1")
                                   .arg(QFileInfo(path).fileName()));
        }
    }
    for (const CommandLine::LessonPart &part : CommandLine::lessonParts(arguments, fromFile))
        for (const QString &said : form.applyLesson(part.lesson))
            Environment::tellCommandLine(QString::fromStdString(part.source) + QStringLiteral(": ")
                                         + said);
}

} // namespace

namespace StartUp {

void begin(const CommandLine::Arguments &arguments)
{
    WindowRegistry::setHome([]() -> ProgramWindow & { return WindowRegistry::get<Form1>(); });
    WindowRegistry::setWayOut([]() -> ProgramWindow & { return WindowRegistry::get<copyrigh>(); });
    // The main window is the start-up object: it prepares its texts and the shared
    // record as it loads, then the backdrop and the title come in front of it.
    startLesson(WindowRegistry::get<Form1>(), arguments);
    WindowRegistry::get<Backform>().showMaximisedBehind();
    titlform &title = WindowRegistry::get<titlform>();
    title.show();
    title.setWindowState(Qt::WindowNoState);
}

void titleLeft()
{
    WindowRegistry::get<titlform>().hide();
    WindowRegistry::get<Prophecy>().showCentred();
    WindowRegistry::get<Backform>().setBackground(Colours::White);
}

void titleDoubleClicked()
{
    WindowRegistry::get<titlform>().hide();
    WindowRegistry::get<Form1>().showAndActivate();
    WindowRegistry::get<Backform>().setBackground(Colours::White);
}

void proverbLeft()
{
    WindowRegistry::get<Prophecy>().hide();
    WindowRegistry::get<Form1>().showAndActivate();
    WindowRegistry::get<Backform>().setBackground(Colours::Black);
}

} // namespace StartUp
