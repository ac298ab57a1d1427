#pragma once

// What the student actually sees of a widget, and how often it was painted: for
// the tests that a click paints a chart once and leaves nothing stale on screen.

#include <QAbstractEventDispatcher>
#include <QBackingStore>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QWidget>

// Counts the paint events a widget receives.
class PaintCount : public QObject
{
public:
    explicit PaintCount(QWidget *watched) { watched->installEventFilter(this); }
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

// Lets the event loop run until it has nothing left to do, painting included.
inline void runUntilIdle()
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (int pass = 0; pass < 50 && dispatcher->processEvents(QEventLoop::AllEvents); ++pass) {
    }
}

// The pixels of the widget as they stand in its window's backing store: what
// was last painted, not a fresh rendering.
inline QImage onScreen(QWidget *widget)
{
    QBackingStore *store = widget->window()->backingStore();
    if (!store || !store->paintDevice() || store->paintDevice()->devType() != QInternal::Image)
        return {};
    const auto *image = static_cast<const QImage *>(store->paintDevice());
    const qreal ratio = image->devicePixelRatio();
    const QRect area(widget->mapTo(widget->window(), QPoint(0, 0)) * ratio, widget->size() * ratio);
    return image->copy(area).convertToFormat(QImage::Format_RGB32);
}

// The widget rendered afresh, as it should look now.
inline QImage rendered(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// What was painted is what a fresh rendering shows. The two ways of painting may
// smooth a handful of pixels differently where a line meets the plot area's edge;
// a chart left over from before differs in thousands.
inline bool looksTheSame(const QImage &shown, const QImage &fresh)
{
    if (shown.size() != fresh.size())
        return false;
    constexpr int MostSmoothedPixels = 16;
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            differing += shown.pixel(x, y) != fresh.pixel(x, y);
    return differing <= MostSmoothedPixels;
}
