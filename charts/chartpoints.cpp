#include "charts/chartpoints.h"

#include "charts/axisscale.h"
#include "charts/linesimplify.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Lines of this many points or more are simplified for the painter, to within a
// quarter of a device pixel.
constexpr qsizetype SimplifyFrom = 200;
constexpr double PixelTolerance = 0.25;

} // namespace

PlottedPoints plottedPoints(const ChartTable &table)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    PlottedPoints plotted;
    plotted.extent = {inf, -inf, inf, -inf};
    for (int i = 0; i < table.seriesCount(); ++i) {
        const int xColumn = 2 * i + 1;
        QList<QPointF> points;
        points.reserve(table.rowCount());
        for (int row = 1; row <= table.rowCount(); ++row) {
            const double x = table.cell(row, xColumn);
            const double y = table.cell(row, xColumn + 1);
            if (std::isnan(x) || std::isnan(y))
                continue; // an empty cell: no point
            // Beyond this bound the axis arithmetic could overflow: such a point is
            // left out, never moved, and the title says so.
            if (!(std::abs(x) <= AxisScale::MaxCoordinate
                  && std::abs(y) <= AxisScale::MaxCoordinate)) {
                plotted.leftOut = true;
                continue;
            }
            points.append(QPointF(x, y));
            plotted.extent[0] = std::min(plotted.extent[0], x);
            plotted.extent[1] = std::max(plotted.extent[1], x);
            plotted.extent[2] = std::min(plotted.extent[2], y);
            plotted.extent[3] = std::max(plotted.extent[3], y);
        }
        if (!points.isEmpty() && table.seriesSettingsAt(i).markersDrawn())
            plotted.markers = true;
        plotted.series.append(points);
    }
    return plotted;
}

QList<QPointF> pointsToPaint(const QList<QPointF> &points, const SeriesSettings &s, double xPixels,
                             double yPixels)
{
    const bool markers = s.markersDrawn();
    if (points.size() < SimplifyFrom || (!markers && !s.lineShown))
        return points;
    if (!markers)
        return simplifiedLine(points, xPixels, yPixels, PixelTolerance);
    if (s.lineShown)
        return points;
    // Markers alone: one marker on a pixel where another one already stands
    // changes nothing on the screen.
    return distinctPixels(points, xPixels, yPixels);
}
