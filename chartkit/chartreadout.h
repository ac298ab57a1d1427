#pragma once

#include "chartkit/chartpoints.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

class ChartCallout;
class QtChartControl;

// What a chart tells about its points: the point under the mouse or the point the
// keys move to, read out beside it.

struct PointUnderMouse
{
    int series = 0;      // index of the series, from 0
    qsizetype index = 0; // place of the point in its series
    QPointF value;       // the point as plotted
};

// The plotted point nearest to `mouse` (in pixels), if one lies within `reach`
// pixels; `toPixels` maps a plotted value to its place in pixels.
template <typename ToPixels>
std::optional<PointUnderMouse> pointUnderMouse(const SeriesPoints &series, QPointF mouse,
                                               double reach, ToPixels toPixels)
{
    std::optional<PointUnderMouse> nearest;
    double best = reach * reach;
    for (qsizetype s = 0; s < series.size(); ++s) {
        const QList<QPointF> &points = series.at(s);
        for (qsizetype i = 0; i < points.size(); ++i) {
            const QPointF d = toPixels(points.at(i)) - mouse;
            const double distance = d.x() * d.x() + d.y() * d.y();
            if (distance <= best) {
                best = distance;
                nearest = PointUnderMouse{static_cast<int>(s), i, points.at(i)};
            }
        }
    }
    return nearest;
}

// An axis as the read-out and the exported data name it: its title, or "x" or "y"
// where it has none.
QString axisLabel(const QString &title, ChartAxis axis);

// "harvested\nTime: 12\nN(t): 345.6", numbers as the text of a number; "x" and "y"
// stand in for axis titles that are empty. A note of the point follows on a line of
// its own.
QString readOut(const QString &seriesName, const QString &xTitle, const QString &yTitle,
                QPointF value, const QString &note = {});

// The read-out of a chart: the point under the mouse, or the point the arrow keys
// move a mark to, shown beside it in the chart (ChartCallout) and told to a screen
// reader in one line. Any change of the chart, a resize or leaving the chart
// removes it.
class ChartReadOut
{
public:
    explicit ChartReadOut(QtChartControl &view);

    const ChartCallout &mark() const { return *m_callout; }
    bool isShown() const;
    // The point the keys read out, if any.
    bool keyMarkShown() const { return m_series >= 0; }

    // The mouse at `at` (in the view's viewport): the read-out of the point it is
    // on, or none.
    void hover(const QPoint &at);
    void hide();
    // Moves the keys' mark for `key`; false for a key it does not take.
    bool moveByKey(int key);

    // Keeps the mark off a picture of the chart while `draw` runs.
    template <typename Draw>
    void leaveOut(Draw draw);

private:
    void show(int series, qsizetype index);
    void setCalloutVisible(bool visible);
    bool calloutVisible() const;

    QtChartControl &m_view;
    ChartCallout *m_callout; // owned by the chart
    // The point the keys read out: its series and its place in it; -1 for none.
    int m_series = -1;
    qsizetype m_index = -1;
};

template <typename Draw>
void ChartReadOut::leaveOut(Draw draw)
{
    const bool shown = calloutVisible();
    setCalloutVisible(false);
    draw();
    setCalloutVisible(shown);
}
