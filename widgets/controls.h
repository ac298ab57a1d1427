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
    ClickDetector m_click;
};

// A text box that reports the character code of every key pressed in it before
// the key takes effect: 13 for Enter, the character for printable keys. Its
// change event is QLineEdit::textChanged, which fires when, and only when, the
// text really changes, whether typed or set with setText().
//
// A box that steps (setSteppable) also asks for steps of its value: Up and Down one
// step, Page Up and Page Down a page of steps, and the mouse wheel over it one a
// notch, without taking the focus first (a touchpad's small turns add up to notches).
class TextBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit TextBox(QWidget *parent = nullptr);

    // Steps of the value: one for Up and Down, `pageSteps` for Page Up and Page Down.
    void setSteppable(int pageSteps) { m_pageSteps = pageSteps; }

signals:
    void keyPress(int keyAscii);
    void stepRequested(int steps);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_pageSteps = 0; // 0: the box does not step
    int m_wheelTurn = 0; // eighths of a degree turned towards the next notch
};

// How a result is shown in a room too narrow for its whole text: smaller, down to
// a legible size, and past that a number shortened so that its sign, its first
// digits and its order of magnitude stay in sight; any other text shows its
// beginning.
struct FittedResult
{
    QFont font;
    QString shown;     // what is drawn: the whole text, or a number shortened
    bool whole = true; // the whole text is in sight
};
FittedResult fitResult(const QString &text, const QFont &designFont, int room);

// What a result widget keeps for the fitting: the font it was given (its design
// font, which a fitted font does not replace) and what is shown.
class ResultFit
{
public:
    // Fits the widget's text into `room` and gives the widget the font; a text not
    // all in sight is given whole in its tooltip and accessible description.
    void apply(QWidget *widget, const QString &text, int room);
    // A font given from outside becomes the design font: true when it did.
    bool takeFont(const QWidget *widget);
    const FittedResult &fitted() const { return m_fit; }

private:
    QFont m_designFont;
    bool m_designKnown = false;
    bool m_applying = false;
    FittedResult m_fit;
};

// A read-only box for a result. A text wider than the box is fitted as above; the
// box's text stays the whole result, which its tooltip and accessible description
// also give whenever it is not all in sight.
class ResultBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit ResultBox(QWidget *parent = nullptr);

    // Whether the text is not all in sight, and what is drawn instead.
    bool textCut() const { return !m_fit.fitted().whole; }
    QString shownText() const { return m_fit.fitted().shown; }

protected:
    void focusInEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fit();

    ResultFit m_fit;
};

// A label for a result, fitted as ResultBox; a text that stays cut shows its
// beginning (the label aligns it to the left instead of centring it).
class ResultLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ResultLabel(QWidget *parent = nullptr);

    void setResult(const QString &text);
    bool textCut() const { return !m_fit.fitted().whole; }
    // What the result is, as the caption beside it says: a screen reader says it
    // after the result.
    void setCaption(const QString &caption) { m_caption = caption; }
    const QString &caption() const { return m_caption; }
    QString shownText() const { return m_fit.fitted().shown; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void fit();

    ResultFit m_fit;
    Qt::Alignment m_fittingAlignment; // as laid out, for a text that is not cut
    bool m_cutShown = false;
    QString m_caption;
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
    ClickDetector m_click{Qt::AllButtons}; // any button leaves
};

// Shift, Control and the like press no key of their own.
bool isModifierOnly(const QKeyEvent *event);
