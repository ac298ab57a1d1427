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
    for (const QPointer<QTimer> &timer : pending_)
        if (timer && timer->isActive())
            return true;
    return false;
}

QPointer<QTimer> ProgramWindow::callLater(int milliseconds, std::function<void()> call)
{
    auto *timer = new QTimer(this);
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, [this, timer, call = std::move(call)] {
        pending_.removeAll(timer);
        timer->deleteLater();
        call();
    });
    pending_.append(timer);
    timer->start(milliseconds);
    return timer;
}

void ProgramWindow::cancelPendingCalls()
{
    for (const QPointer<QTimer> &timer : std::as_const(pending_))
        delete timer.data();
    pending_.clear();
    for (TimedNotice *notice : findChildren<TimedNotice *>())
        notice->end();
}

void ProgramWindow::onKey(Qt::Key key, std::function<void()> call)
{
    keys_.insert(key, std::move(call));
}

void ProgramWindow::keyPressEvent(QKeyEvent *event)
{
    const auto call = keys_.constFind(event->key());
    if (call == keys_.constEnd() || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return QWidget::keyPressEvent(event);
    event->accept();
    (*call)();
}

void ProgramWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    unloaded_ = true;
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
