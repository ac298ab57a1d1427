#include "widgets/controls.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QWheelEvent>

#include "model/parameterentry.h"

void ClickDetector::press(const QMouseEvent *event, const QRect &area)
{
    m_pressed = (m_buttons & event->button()) && area.contains(event->position().toPoint());
}

bool ClickDetector::release(const QMouseEvent *event, const QRect &area)
{
    const bool click
        = m_pressed && (m_buttons & event->button()) && area.contains(event->position().toPoint());
    m_pressed = false;
    return click;
}

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent) {}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    click_.press(event, rect());
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (click_.release(event, rect()))
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    click_.cancel();
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (steppable_ && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        int steps = 0;
        switch (event->key()) {
        case Qt::Key_Up: steps = 1; break;
        case Qt::Key_Down: steps = -1; break;
        case Qt::Key_PageUp: steps = PageSteps; break;
        case Qt::Key_PageDown: steps = -PageSteps; break;
        default: break;
        }
        if (steps != 0) {
            event->accept();
            emit stepRequested(steps);
            return;
        }
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        emit keyPress(EnterKeyAscii);
    else if (!event->text().isEmpty())
        emit keyPress(event->text().at(0).unicode());
    QLineEdit::keyPressEvent(event);
}

namespace {

// Gives a cut text whole where a pointer or a screen reader can find it.
void describeCutText(QWidget *widget, bool cut, const QString &text)
{
    widget->setToolTip(cut ? text : QString());
    widget->setAccessibleDescription(cut ? text : QString());
}

} // namespace

ResultBox::ResultBox(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, &ResultBox::showBeginning);
}

bool ResultBox::textCut() const
{
    // The text's room: the box less its frame and the line edit's own margin of
    // two pixels each side.
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const QMargins margins = textMargins();
    const int room = width() - 2 * frame - 4 - margins.left() - margins.right();
    return fontMetrics().horizontalAdvance(text()) > room;
}

void ResultBox::showBeginning()
{
    setCursorPosition(0);
    describeCutText(this, textCut(), text());
}

// Tab into the box selects its text as usual, but with the cursor at the start,
// so the box does not scroll to the end.
void ResultBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (hasSelectedText())
        setSelection(int(text().size()), -int(text().size()));
    else
        setCursorPosition(0);
}

ResultLabel::ResultLabel(QWidget *parent) : QLabel(parent) {}

bool ResultLabel::textCut() const
{
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width() - 2 * margin();
}

void ResultLabel::setResult(const QString &text)
{
    // The alignment as laid out is the one in place while no cut text is shown.
    if (!cutShown_)
        fittingAlignment_ = alignment();
    setText(text);
    cutShown_ = textCut();
    setAlignment(cutShown_ ? Qt::AlignLeft | Qt::AlignVCenter : fittingAlignment_);
    describeCutText(this, cutShown_, text);
}

void TextBox::wheelEvent(QWheelEvent *event)
{
    if (!steppable_)
        return QLineEdit::wheelEvent(event);
    event->accept();
    // Turned the other way, what was turned so far does not count.
    int turn = event->angleDelta().y();
    if (event->inverted())
        turn = -turn;
    if ((turn > 0 && wheelTurn_ < 0) || (turn < 0 && wheelTurn_ > 0))
        wheelTurn_ = 0;
    wheelTurn_ += turn;
    const int notches = wheelTurn_ / QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0)
        return;
    wheelTurn_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    emit stepRequested(notches);
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
    click_.press(event, rect());
    event->accept();
}

void LeaveOnInputWindow::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (click_.release(event, rect()))
        windowClicked();
}

void LeaveOnInputWindow::closeEvent(QCloseEvent *event)
{
    // These windows have no close box; closing one some other way (a window
    // manager's key) moves on as a click would, so the student is never left
    // with the backdrop alone.
    event->ignore();
    windowClicked();
}
