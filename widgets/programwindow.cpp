#include "widgets/programwindow.h"

#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QTimer>

#include "widgets/timednotice.h"

ProgramWindow::ProgramWindow(Qt::WindowFlags flags) : QWidget(nullptr, Qt::Window | flags) {}

void ProgramWindow::showAndActivate()
{
    show();
    raise();
    activateWindow();
}

bool ProgramWindow::hasPendingCalls() const
{
    for (const QPointer<QTimer> &timer : m_pending)
        if (timer && timer->isActive())
            return true;
    return false;
}

QPointer<QTimer> ProgramWindow::callLater(int milliseconds, std::function<void()> call)
{
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, timer, call = std::move(call)] {
        m_pending.removeAll(timer);
        timer->deleteLater();
        call();
    });
    m_pending.append(timer);
    timer->start(milliseconds);
    return timer;
}

void ProgramWindow::cancelPendingCalls()
{
    for (const QPointer<QTimer> &timer : std::as_const(m_pending))
        delete timer.data();
    m_pending.clear();
    for (TimedNotice *notice : findChildren<TimedNotice *>())
        notice->end();
}

void ProgramWindow::onKey(QKeyCombination key, std::function<void()> call)
{
    m_keys.insert(key.toCombined(), std::move(call));
}

void ProgramWindow::keyPressEvent(QKeyEvent *event)
{
    const QKeyCombination pressed(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
    const auto call = m_keys.constFind(pressed.toCombined());
    if (call == m_keys.constEnd())
        return QWidget::keyPressEvent(event);
    event->accept();
    (*call)();
}

void ProgramWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    m_unloaded = true;
    cancelPendingCalls();
    Form_Unload();
    deleteLater();
}

void ProgramWindow::hideEvent(QHideEvent *event)
{
    // A window minimised by the system is not left; one the program hides is.
    if (!event->spontaneous())
        cancelPendingCalls();
    QWidget::hideEvent(event);
}
