#include "app/startup.h"

#include "app/backform.h"
#include "widgets/design.h"
#include "mainwindow/form1.h"
#include "app/prophecy.h"
#include "app/titlform.h"
#include "widgets/windows.h"

namespace StartUp {

void showBackdropAndTitle()
{
    Windows::get<Backform>().showMaximisedBehind();
    titlform &title = Windows::get<titlform>();
    title.show();
    title.setWindowState(Qt::WindowNoState);
}

void titleLeft()
{
    Windows::get<titlform>().hide();
    Windows::get<Prophecy>().showCentred();
    Windows::get<Backform>().setBackground(Colours::White);
}

void titleDoubleClicked()
{
    Windows::get<titlform>().hide();
    Windows::get<Form1>().showAndActivate();
    Windows::get<Backform>().setBackground(Colours::White);
}

void proverbLeft()
{
    Windows::get<Prophecy>().hide();
    Windows::get<Form1>().showAndActivate();
    Windows::get<Backform>().setBackground(Colours::Black);
}

} // namespace StartUp
