#include "chartkit/chartrecorder.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double Empty = std::numeric_limits<double>::quiet_NaN();
constexpr double Undrawable = std::numeric_limits<double>::infinity();

} // namespace

void ChartRecorder::setDataPoint(int row, int column, double value, bool isNull)
{
    if (row < 1 || row > m_rows || column < 1 || column > m_columns)
        return;
    if (m_cells.size() < std::size_t(column))
        m_cells.resize(std::size_t(column));
    std::vector<double> &cells = m_cells[std::size_t(column - 1)];
    if (cells.size() < std::size_t(m_rows))
        cells.resize(std::size_t(m_rows), Empty);
    cells[std::size_t(row - 1)] = isNull ? Empty : std::isnan(value) ? Undrawable : value;
}

void ChartRecorder::record(int series, SeriesCall call)
{
    m_seriesCalls.emplace_back(series, std::move(call));
}

void ChartRecorder::setSeriesMarkersShown(int series, bool shown)
{
    record(series, [shown](ChartControl &c, int s) { c.setSeriesMarkersShown(s, shown); });
}

void ChartRecorder::setSeriesMarkerAutomatic(int series, bool automatic)
{
    record(series,
           [automatic](ChartControl &c, int s) { c.setSeriesMarkerAutomatic(s, automatic); });
}

void ChartRecorder::setSeriesLineShown(int series, bool shown)
{
    record(series, [shown](ChartControl &c, int s) { c.setSeriesLineShown(s, shown); });
}

void ChartRecorder::setSeriesLegendText(int series, const QString &text)
{
    record(series, [text](ChartControl &c, int s) { c.setSeriesLegendText(s, text); });
}

void ChartRecorder::setPointMarkerVisible(int series, bool visible)
{
    record(series, [visible](ChartControl &c, int s) { c.setPointMarkerVisible(s, visible); });
}

void ChartRecorder::setPointMarkerSize(int series, int size)
{
    record(series, [size](ChartControl &c, int s) { c.setPointMarkerSize(s, size); });
}

void ChartRecorder::setPointMarkerOutline(int series, int width, const QColor &colour)
{
    record(series,
           [width, colour](ChartControl &c, int s) { c.setPointMarkerOutline(s, width, colour); });
}

void ChartRecorder::setPointMarkerFillRed(int series, int red)
{
    record(series, [red](ChartControl &c, int s) { c.setPointMarkerFillRed(s, red); });
}

void ChartRecorder::setSeriesFaded(int series, int like, int age)
{
    record(series, [like, age, series](ChartControl &c, int s) {
        c.setSeriesFaded(s, s - series + like, age);
    });
}

void ChartRecorder::copyInto(ChartControl &target, const QList<int> &series, int firstColumn,
                             int rows) const
{
    // Where each recorded x column goes; 0 for a series left out.
    std::vector<int> to(std::size_t(std::max(m_columns, 0)) + 2, 0);
    int next = firstColumn;
    for (const int s : series)
        if (s >= 1 && s < m_columns) {
            to[std::size_t(s)] = next;
            to[std::size_t(s) + 1] = next + 1;
            next += 2;
        }
    for (const auto &[s, call] : m_seriesCalls)
        if (s >= 1 && s < m_columns && to[std::size_t(s)] != 0)
            call(target, to[std::size_t(s)]);
    // Each column whole: the rows below the recorded ones might hold an earlier
    // chart's values there, and are emptied.
    std::vector<double> values;
    for (int column = 1; column <= m_columns; ++column) {
        if (to[std::size_t(column)] == 0)
            continue;
        values.assign(std::size_t(std::max(rows, 0)), Empty);
        if (std::size_t(column) <= m_cells.size()) {
            const std::vector<double> &cells = m_cells[std::size_t(column - 1)];
            std::copy_n(cells.begin(), std::min(cells.size(), values.size()), values.begin());
        }
        target.setDataColumn(to[std::size_t(column)], values);
    }
}
