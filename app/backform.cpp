#include "app/backform.h"

#include "widgets/design.h"
#include "widgets/layout.h"

#include <QGuiApplication>
#include <QScreen>

Backform::Backform()
    : ProgramWindow(Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint
                    | Qt::WindowDoesNotAcceptFocus)
{
    prepareWindow(this, "Backform", QString(), Colours::DarkNavy);
}

void Backform::showMaximisedBehind()
{
    // Without a window manager the maximised state alone does not cover the
    // screen, so the backdrop also takes the screen's size itself.
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    show();
    setWindowState(Qt::WindowMaximized);
    lower();
}

void Backform::setBackground(const QColor &colour)
{
    setColours(this, Colours::Black, colour);
    update();
}

QColor Backform::background() const { return palette().color(QPalette::Window); }
