#include "app/controls.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click)
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    pressed_ = false;
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit keyPress(EnterKeyAscii);
    else if (!event->text().isEmpty())
        emit keyPress(event->text().at(0).unicode());
    QLineEdit::keyPressEvent(event);
}

bool isModifierOnly(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock: return true;
    default: return false;
    }
}

void LeaveOnInputWindow::keyPressEvent(QKeyEvent *event)
{
    event->accept();
    if (!isModifierOnly(event))
        windowKeyPressed();
}

void LeaveOnInputWindow::mousePressEvent(QMouseEvent *event)
{
    pressed_ = true;
    event->accept();
}

void LeaveOnInputWindow::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (pressed_) {
        pressed_ = false;
        windowClicked();
    }
}

void LeaveOnInputWindow::closeEvent(QCloseEvent *event)
{
    // These windows have no close box; closing one some other way (a window
    // manager's key) moves on as a click would, so the student is never left
    // with the backdrop alone.
    event->ignore();
    windowClicked();
}
