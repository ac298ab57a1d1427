#include "app/startup.h"

#include "app/backform.h"
#include "app/prophecy.h"
#include "app/titlform.h"
#include "info/copyrigh.h"
#include "mainwindow/form1.h"
#include "widgets/design.h"
#include "widgets/windowregistry.h"

namespace StartUp {

void begin()
{
    WindowRegistry::setHome([]() -> ProgramWindow & { return WindowRegistry::get<Form1>(); });
    WindowRegistry::setWayOut([]() -> ProgramWindow & { return WindowRegistry::get<copyrigh>(); });
    // The main window is the start-up object: it prepares its texts and the shared
    // record as it loads, then the backdrop and the title come in front of it.
    WindowRegistry::get<Form1>();
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
