#include "widgets/timednotice.h"

#include "widgets/environment.h"

TimedNotice::TimedNotice(QObject *parent, std::function<void(const QString &)> show,
                         std::function<void()> restore, int milliseconds)
    : QObject(parent), m_show(std::move(show)), m_restore(std::move(restore)),
      m_milliseconds(milliseconds)
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TimedNotice::end);
}

void TimedNotice::post(const QString &text)
{
    m_until = Environment::now().addMSecs(m_milliseconds);
    m_shown = true;
    m_show(text);
    m_timer.start(m_milliseconds);
}

bool TimedNotice::isShowing() const { return m_shown && Environment::now() < m_until; }

void TimedNotice::end()
{
    m_timer.stop();
    if (!m_shown)
        return;
    m_shown = false;
    m_restore();
}
