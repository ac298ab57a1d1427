#pragma once

#include <QList>
#include <QPointF>

// A line of many points drawn on few pixels: the points that can be told apart on
// the screen, in their order. A point is left out when the line without it strays
// from it by no more than `tolerance` pixels (Ramer-Douglas-Peucker), so the line
// looks the same while the painter strokes a fraction of the segments. `xPixels`
// and `yPixels` are the pixels per unit along each axis.
QList<QPointF> simplifiedLine(const QList<QPointF> &points, double xPixels, double yPixels,
                              double tolerance);

// Points as markers: the first point on each pixel, in their order, and the last.
QList<QPointF> distinctPixels(const QList<QPointF> &points, double xPixels, double yPixels);
