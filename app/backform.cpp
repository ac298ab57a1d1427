#include "app/backform.h"

#include "widgets/artwork.h"
#include "widgets/design.h"

#include <QGuiApplication>
#include <QScreen>

Backform::Backform()
    : ProgramWindow(Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint
                    | Qt::WindowDoesNotAcceptFocus)
{
    setObjectName(QStringLiteral("Backform"));
    setWindowIcon(windowIcon());
    setBackground(Colours::DarkNavy);
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
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
    setAutoFillBackground(true);
    update();
}

QColor Backform::background() const { return palette().color(QPalette::Window); }
