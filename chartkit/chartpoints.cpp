#include "chartkit/chartpoints.h"

#include "chartkit/linesimplify.h"
#include "model/axisscale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Lines of this many points or more are simplified for the painter, to within a
// quarter of a device pixel.
constexpr qsizetype SimplifyFrom = 200;
constexpr double PixelTolerance = 0.25;

} // namespace

std::array<double, 4> extentOf(const SeriesPoints &series)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::array<double, 4> extent = {inf, -inf, inf, -inf};
    for (const QList<QPointF> &points : series)
        for (const QPointF &p : points) {
            extent[0] = std::min(extent[0], p.x());
            extent[1] = std::max(extent[1], p.x());
            extent[2] = std::min(extent[2], p.y());
            extent[3] = std::max(extent[3], p.y());
        }
    return extent;
}

bool drawable(QPointF point)
{
    return std::abs(point.x()) <= AxisScale::MaxCoordinate
           && std::abs(point.y()) <= AxisScale::MaxCoordinate;
}

PlottedPoints plottedPoints(const ChartTable &table)
{
    PlottedPoints plotted;
    for (int i = 0; i < table.seriesCount(); ++i) {
        const int xColumn = 2 * i + 1;
        const std::vector<double> &xs = table.column(xColumn);
        const std::vector<double> &ys = table.column(xColumn + 1);
        // Rows past the end of either column are empty.
        const int rows = int(std::min({size_t(table.rowCount()), xs.size(), ys.size()}));
        QList<QPointF> points;
        points.reserve(rows);
        for (int row = 1; row <= rows; ++row) {
            const QPointF p(xs[size_t(row - 1)], ys[size_t(row - 1)]);
            if (std::isnan(p.x()) || std::isnan(p.y()))
                continue; // an empty cell: no point
            // A point the axes cannot draw is left out, never moved, and the title
            // says so.
            if (!drawable(p)) {
                plotted.leftOut = true;
                continue;
            }
            if (const QString note = table.pointNote(i, row); !note.isEmpty())
                plotted.notes.insert({i, points.size()}, note);
            points.append(p);
        }
        if (!points.isEmpty() && table.seriesSettingsAt(i).markersDrawn())
            plotted.markers = true;
        plotted.series.append(points);
    }
    plotted.extent = extentOf(plotted.series);
    for (int i = 0; i < table.seriesCount(); ++i)
        plotted.drawOrder << i;
    std::stable_sort(plotted.drawOrder.begin(), plotted.drawOrder.end(), [&table](int a, int b) {
        return table.seriesSettingsAt(a).fadedAge > table.seriesSettingsAt(b).fadedAge;
    });
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
