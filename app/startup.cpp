#include "app/startup.h"

#include "app/backform.h"
#include "widgets/design.h"
#include "mainwindow/form1.h"
#include "app/prophecy.h"
#include "app/titlform.h"
#include "widgets/windowregistry.h"

namespace StartUp {

void showBackdropAndTitle()
{
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
