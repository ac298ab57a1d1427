#pragma once

#include "chartkit/chartpoints.h"

#include <QRectF>
#include <QSizeF>

#include <array>

class ChartFrame;
class QChart;
class QValueAxis;

// The two axes of a chart: each fitted to the points drawn and to its length, the
// ranges rounded to ticks whose labels the frame draws, and the plot area this
// leaves, given to the chart before any series is laid out in it. Qt's own axes
// only map values to places: they have no categories, labels, ticks or lines.
class ChartAxes
{
public:
    // Adds the two axes to `chart`, x along the bottom and y at the left.
    explicit ChartAxes(QChart *chart);

    QValueAxis *x() const { return m_axis[0]; }
    QValueAxis *y() const { return m_axis[1]; }

    // The grid lines as the table sets them: unless told otherwise, the y axis
    // carries quiet grey lines and the x axis none.
    void applyLines(const ChartTable &table, ChartFrame &frame) const;

    // Fits both axes to the points plotted, in a chart of `size`, as the frame labels
    // them, and gives the chart the plot area the frame leaves.
    void fit(const ChartTable &table, const PlottedPoints &plotted, ChartFrame &frame, QSizeF size);

    // The plot area's width and height in pixels, as last fitted.
    const std::array<double, 2> &plotLengths() const { return m_plotLengths; }

    // Device pixels to one unit of the x, then the y axis, at `scale` device pixels
    // to the chart's pixel.
    std::array<double, 2> pixelsPerUnit(double scale) const;

private:
    QChart *m_chart;
    std::array<QValueAxis *, 2> m_axis{}; // owned by the chart
    std::array<double, 2> m_plotLengths = {0.0, 0.0};
};
