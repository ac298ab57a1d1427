#pragma once

#include "chartkit/charttable.h"

#include <QHash>
#include <QList>
#include <QPointF>

#include <array>

using SeriesPoints = QList<QList<QPointF>>;

// The points a chart plots, read from its table.
struct PlottedPoints
{
    SeriesPoints series; // every point of every series, in row order
    // Smallest and largest x, then y, of all of them; lo > hi when there is none.
    std::array<double, 4> extent = {0.0, -1.0, 0.0, -1.0};
    bool leftOut = false; // some values too large to draw were left out
    bool markers = false; // some series with points draws markers
    // The notes of single points, by series and place among its points.
    QHash<std::pair<qsizetype, qsizetype>, QString> notes;
    // The order the series are drawn in, behind first: faded series before the
    // others, the oldest furthest behind.
    QList<int> drawOrder;
};

// Smallest and largest x, then y, of all the points; lo > hi when there is none.
std::array<double, 4> extentOf(const SeriesPoints &series);

// Whether the axes' arithmetic can draw a point: beyond a bound it could overflow.
bool drawable(QPointF point);

// A row makes a point of a series when both its cells hold a value. A value too
// large for the axes' arithmetic (or not a number) is left out, never moved.
PlottedPoints plottedPoints(const ChartTable &table);

// Of the points of one series, those a painter needs on a device with `xPixels` and
// `yPixels` device pixels per unit: a long line keeps the points that the device
// can tell apart (within a quarter of its pixel), markers alone one to a pixel.
// Short series, and lines with markers, keep every point.
QList<QPointF> pointsToPaint(const QList<QPointF> &points, const SeriesSettings &settings,
                             double xPixels, double yPixels);
