#pragma once

#include "chartkit/chartpoints.h"

#include <QList>
#include <QPointF>
#include <QString>
#include <QStringList>

#include <optional>

// What a chart tells about its points: the point under the mouse and its read-out,
// and the points as a table of numbers for a handout.

struct PointUnderMouse
{
    int series = 0; // index of the series, from 0
    QPointF value;  // the point as plotted
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
        for (const QPointF &value : series.at(s)) {
            const QPointF d = toPixels(value) - mouse;
            const double distance = d.x() * d.x() + d.y() * d.y();
            if (distance <= best) {
                best = distance;
                nearest = PointUnderMouse{static_cast<int>(s), value};
            }
        }
    }
    return nearest;
}

// "harvested\nTime: 12\nN(t): 345.6", numbers as the text of a number; "x" and "y"
// stand in for axis titles that are empty.
QString readOut(const QString &seriesName, const QString &xTitle, const QString &yTitle,
                QPointF value);

// The points as CSV: a header row of series names and axis titles, then one
// column pair per series, numbers as the text of a number with "." as the
// decimal point; a series with fewer points leaves its cells empty below.
QString pointsAsCsv(const QStringList &seriesNames, const QString &xTitle, const QString &yTitle,
                    const SeriesPoints &series);
