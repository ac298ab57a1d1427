#pragma once

#include "widgets/programwindow.h"

#include <QLabel>
#include <QLineEdit>

// The character code of the Enter key, as a text box reports it.
inline constexpr int EnterKeyAscii = 13;

// A click as the student makes it: a mouse button pressed and released again
// within the same place. Every clickable thing of the program counts clicks so.
class ClickDetector
{
public:
    explicit ClickDetector(Qt::MouseButtons buttons = Qt::LeftButton) : m_buttons(buttons) {}

    // A press of one of the buttons inside `area` may begin a click.
    void press(const QMouseEvent *event, const QRect &area);
    // Whether this release ends a click begun inside `area`.
    bool release(const QMouseEvent *event, const QRect &area);
    // The second press of a double click: the first has already counted.
    void cancel() { m_pressed = false; }

private:
    Qt::MouseButtons m_buttons;
    bool m_pressed = false;
};

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
    ClickDetector click_;
};

// A text box that reports the character code of every key pressed in it before
// the key takes effect: 13 for Enter, the character for printable keys. Its
// change event is QLineEdit::textChanged, which fires when, and only when, the
// text really changes, whether typed or set with setText().
//
// A box that steps (setSteppable) also asks for steps of its value: Up and Down one
// step, Page Up and Page Down ten, and the mouse wheel over it one a notch, without
// taking the focus first (a touchpad's small turns add up to notches).
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    void setSteppable(bool steppable) { steppable_ = steppable; }

signals:
    void keyPress(int keyAscii);
    void stepRequested(int steps);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    bool steppable_ = false;
    int wheelTurn_ = 0; // eighths of a degree turned towards the next notch
};

// A read-only box for a result. It always shows the beginning of its text, so a
// number wider than the box keeps its sign and leading digits in sight; such a
// text is given whole in the box's tooltip and accessible description.
class ResultBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit ResultBox(QWidget *parent = nullptr);

    // Whether the text is wider than the box can show.
    bool textCut() const;

protected:
    void focusInEvent(QFocusEvent *event) override;

private:
    void showBeginning();
};

// A label for a result: as ResultBox, a text wider than the label shows its
// beginning (the label aligns it to the left instead of centring it) and is given
// whole in the tooltip and accessible description.
class ResultLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ResultLabel(QWidget *parent = nullptr);

    void setResult(const QString &text);
    bool textCut() const;

private:
    Qt::Alignment fittingAlignment_; // as laid out, for a text that fits
    bool cutShown_ = false;
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
    ClickDetector click_{Qt::AllButtons}; // any button leaves
};

// Shift, Control and the like press no key of their own.
bool isModifierOnly(const QKeyEvent *event);
