#include "widgets/controls.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextOption>
#include <QWheelEvent>

#include "model/numbertext.h"
#include "widgets/units.h"

#include <algorithm>

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
    m_click.press(event, rect());
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (m_click.release(event, rect()))
        emit clicked();
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_click.cancel();
    event->accept();
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

TextBox::TextBox(QWidget *parent) : QLineEdit(parent) {}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    if (m_pageSteps > 0 && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        int steps = 0;
        switch (event->key()) {
        case Qt::Key_Up: steps = 1; break;
        case Qt::Key_Down: steps = -1; break;
        case Qt::Key_PageUp: steps = m_pageSteps; break;
        case Qt::Key_PageDown: steps = -m_pageSteps; break;
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

// Results are made smaller only down to this size; past it a number is shortened.
constexpr double LegiblePoints = 9;

// Gives a text not all in sight whole where a pointer or a screen reader finds it.
void describeCutText(QWidget *widget, bool whole, const QString &text)
{
    widget->setToolTip(whole ? QString() : text);
    widget->setAccessibleDescription(whole ? QString() : text);
}

} // namespace

FittedResult fitResult(const QString &text, const QFont &designFont, int room)
{
    QFont font = designFont;
    const auto fits = [&font, room](const QString &shown) {
        return QFontMetrics(font).horizontalAdvance(shown) <= room;
    };
    const int floor = std::min(pointsToPixels(LegiblePoints), designFont.pixelSize());
    for (int pixels = designFont.pixelSize(); pixels >= floor; --pixels) {
        if (pixels > 0)
            font.setPixelSize(pixels);
        if (fits(text))
            return {font, text, true};
        if (pixels <= 0)
            break;
    }
    const std::string number = text.toStdString();
    for (int digits = 17; digits >= 1; --digits) {
        const auto shortened = shortenedNumberText(number, digits);
        if (shortened && fits(QString::fromStdString(*shortened)))
            return {font, QString::fromStdString(*shortened), false};
        if (digits == 1 && shortened)
            return {font, QString::fromStdString(*shortened), false};
    }
    return {font, text, false};
}

void ResultFit::apply(QWidget *widget, const QString &text, int room)
{
    takeFont(widget);
    m_fit = fitResult(text, m_designFont, room);
    m_applying = true;
    widget->setFont(m_fit.font);
    m_applying = false;
    describeCutText(widget, m_fit.whole, text);
    widget->update();
}

bool ResultFit::takeFont(const QWidget *widget)
{
    if (m_applying || (m_designKnown && widget->font() == m_fit.font))
        return false;
    m_designFont = widget->font();
    m_designKnown = true;
    return true;
}

ResultBox::ResultBox(QWidget *parent) : QLineEdit(parent)
{
    setReadOnly(true);
    connect(this, &QLineEdit::textChanged, this, &ResultBox::fit);
}

void ResultBox::fit()
{
    // The text's room: the box less its frame and the line edit's own margin of
    // two pixels each side.
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const QMargins margins = textMargins();
    m_fit.apply(this, text(), width() - 2 * frame - 4 - margins.left() - margins.right());
    setCursorPosition(0);
}

void ResultBox::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    fit();
}

void ResultBox::changeEvent(QEvent *event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_fit.takeFont(this))
        fit();
}

// A shortened number is drawn in the box's own frame in place of the text.
void ResultBox::paintEvent(QPaintEvent *event)
{
    const QString &shown = m_fit.fitted().shown;
    if (shown == text())
        return QLineEdit::paintEvent(event);
    QPainter painter(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins())
                               .adjusted(2, 0, -2, 0);
    painter.setFont(font());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    const Qt::Alignment across = alignment() & Qt::AlignHorizontal_Mask;
    painter.drawText(QRectF(contents), shown, QTextOption(across | Qt::AlignVCenter));
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

void ResultLabel::setResult(const QString &text)
{
    setText(text);
    fit();
}

void ResultLabel::fit()
{
    // The alignment as laid out is the one in place while no cut text is shown.
    if (!m_cutShown)
        m_fittingAlignment = alignment();
    m_fit.apply(this, text(), contentsRect().width() - 2 * margin());
    m_cutShown = !m_fit.fitted().whole && m_fit.fitted().shown == text();
    setAlignment(m_cutShown ? Qt::AlignLeft | Qt::AlignVCenter : m_fittingAlignment);
}

void ResultLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    fit();
}

void ResultLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_fit.takeFont(this))
        fit();
}

void ResultLabel::paintEvent(QPaintEvent *event)
{
    const QString &shown = m_fit.fitted().shown;
    if (shown == text())
        return QLabel::paintEvent(event);
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    const int inset = margin();
    painter.drawText(QRectF(contentsRect().adjusted(inset, inset, -inset, -inset)), shown,
                     QTextOption(m_fittingAlignment));
}

void TextBox::wheelEvent(QWheelEvent *event)
{
    if (m_pageSteps <= 0)
        return QLineEdit::wheelEvent(event);
    event->accept();
    // Turned the other way, what was turned so far does not count.
    int turn = event->angleDelta().y();
    if (event->inverted())
        turn = -turn;
    if ((turn > 0 && m_wheelTurn < 0) || (turn < 0 && m_wheelTurn > 0))
        m_wheelTurn = 0;
    m_wheelTurn += turn;
    const int notches = m_wheelTurn / QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0)
        return;
    m_wheelTurn -= notches * QWheelEvent::DefaultDeltasPerStep;
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
    m_click.press(event, rect());
    event->accept();
}

void LeaveOnInputWindow::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
    if (m_click.release(event, rect()))
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
