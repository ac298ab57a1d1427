#pragma once

#include "app/programwindow.h"

#include <QLabel>
#include <QLineEdit>

// The character code of the Enter key, as a text box reports it.
inline constexpr int EnterKeyAscii = 13;

// A label that reports clicks and double clicks, as the windows' labels and
// pictures do.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    bool pressed_ = false;
};

// A text box that reports the character code of every key pressed in it before
// the key takes effect: 13 for Enter, the character for printable keys. Its
// change event is QLineEdit::textChanged, which fires when, and only when, the
// text really changes, whether typed or set with setText().
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

signals:
    void keyPress(int keyAscii);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

// A window that any key or any click on it leaves: the title and the proverb window.
class LeaveOnInputWindow : public ProgramWindow
{
    Q_OBJECT
public:
    using ProgramWindow::ProgramWindow;

protected:
    virtual void windowKeyPressed() = 0;
    virtual void windowClicked() = 0;

    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    bool pressed_ = false;
};

// Shift, Control and the like press no key of their own.
bool isModifierOnly(const QKeyEvent *event);
