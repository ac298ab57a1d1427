#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

// A short message that stands in the place of a text for a few seconds, then gives
// the place back: what came of a print or an export. A new message starts its
// seconds afresh; leaving the window ends it at once (ProgramWindow sees to that).
class TimedNotice : public QObject
{
    Q_OBJECT
public:
    static constexpr int UsualMilliseconds = 5000;

    // `show` puts a message in the place, `restore` gives the place back.
    TimedNotice(QObject *parent, std::function<void(const QString &)> show,
                std::function<void()> restore, int milliseconds = UsualMilliseconds);

    void post(const QString &text);
    // Whether a message stands now, by the program's clock.
    bool isShowing() const;
    // Gives the place back at once, if a message stands.
    void end();

private:
    std::function<void(const QString &)> m_show;
    std::function<void()> m_restore;
    int m_milliseconds;
    QTimer m_timer;
    QDateTime m_until;
    bool m_shown = false;
};
