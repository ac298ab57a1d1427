#include "chartkit/charttable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double Empty = std::numeric_limits<double>::quiet_NaN();
constexpr double Undrawable = std::numeric_limits<double>::infinity();

// Markers and outlines come in twips; past these they no longer read as points.
constexpr int MostMarkerTwips = 12 * 16;
constexpr int MostOutlineTwips = 12 * 3;

} // namespace

void ChartTable::setColumnCount(int columns) { m_columns = std::clamp(columns, 0, MaxColumns); }

void ChartTable::setRowCount(int rows) { m_rows = std::clamp(rows, 0, MaxRows); }

void ChartTable::setDataPoint(int row, int column, double value, bool isNull)
{
    if (row < 1 || row > m_rows || column < 1 || column > m_columns)
        return;
    if (m_cells.size() < size_t(column))
        m_cells.resize(size_t(column));
    std::vector<double> &cells = m_cells[size_t(column - 1)];
    if (cells.size() < size_t(row))
        cells.resize(size_t(row), Empty);
    // An empty cell is NaN; a written value that is not finite is kept as an
    // infinity, so it is known as a value the chart could not draw.
    cells[size_t(row - 1)] = isNull ? Empty : std::isnan(value) ? Undrawable : value;
}

void ChartTable::setDataColumn(int column, const std::vector<double> &values)
{
    if (column < 1 || column > m_columns)
        return;
    if (m_cells.size() < size_t(column))
        m_cells.resize(size_t(column));
    std::vector<double> &cells = m_cells[size_t(column - 1)];
    const size_t rows = std::min(values.size(), size_t(m_rows));
    if (cells.size() < rows)
        cells.resize(rows, Empty);
    // NaN stays an empty cell; a value that is not finite is kept as it is.
    std::copy(values.begin(), values.begin() + long(rows), cells.begin());
}

const std::vector<double> &ChartTable::column(int column) const
{
    static const std::vector<double> none;
    return column >= 1 && size_t(column) <= m_cells.size() ? m_cells[size_t(column - 1)] : none;
}

double ChartTable::cell(int row, int column) const
{
    if (column < 1 || size_t(column) > m_cells.size() || row < 1)
        return Empty;
    const std::vector<double> &cells = m_cells[size_t(column - 1)];
    return size_t(row) > cells.size() ? Empty : cells[size_t(row - 1)];
}

int ChartTable::seriesCount() const { return std::min(m_columns / 2, MaxSeries); }

QString ChartTable::seriesName(int index) const
{
    const SeriesSettings &s = m_series[size_t(index)];
    return s.legendTextSet ? s.legendText : QStringLiteral("Series %1").arg(index + 1);
}

SeriesSettings *ChartTable::seriesSettings(int series)
{
    // A series is named by its x column: 1, 3, 5, ...
    if (series < 1 || series >= MaxColumns || series % 2 == 0)
        return nullptr;
    return &m_series[size_t(series / 2)];
}

void ChartTable::setSeriesMarkersShown(int series, bool shown)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->markersShown = shown;
}

void ChartTable::setSeriesMarkerAutomatic(int series, bool automatic)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->markerAutomatic = automatic;
}

void ChartTable::setSeriesLineShown(int series, bool shown)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->lineShown = shown;
}

void ChartTable::setSeriesLegendText(int series, const QString &text)
{
    if (SeriesSettings *s = seriesSettings(series)) {
        s->legendText = text;
        s->legendTextSet = true;
    }
}

void ChartTable::setSeriesFaded(int series, int like, int age)
{
    if (SeriesSettings *s = seriesSettings(series)) {
        const bool faded = age > 0 && like >= 1 && like % 2 == 1;
        s->fadedLike = faded ? like : 0;
        s->fadedAge = faded ? age : 0;
    }
}

QString ChartTable::pointNote(int index, int row) const
{
    for (const PointNote &note : m_pointNotes)
        if (note.series == 2 * index + 1 && note.row == row)
            return note.note;
    return {};
}

void ChartTable::setPointMarkerVisible(int series, bool visible)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->pointMarkerVisible = visible;
}

void ChartTable::setPointMarkerSize(int series, int size)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->markerSizeTwips = std::clamp(size, 0, MostMarkerTwips);
}

void ChartTable::setPointMarkerOutline(int series, int width, const QColor &colour)
{
    if (SeriesSettings *s = seriesSettings(series)) {
        s->outlineWidthTwips = std::clamp(width, 0, MostOutlineTwips);
        s->outlineColour = colour;
    }
}

void ChartTable::setPointMarkerFillRed(int series, int red)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->fillRed = std::clamp(red, 0, 255);
}

void ChartTable::setAxisGridLine(ChartAxis axis, bool automaticColour, const QColor &colour)
{
    AxisSettings &s = m_axes[axisIndex(axis)];
    s.gridSet = true;
    s.gridAutomaticColour = automaticColour;
    s.gridColour = colour;
}

void ChartTable::setAxisTitleFontSize(ChartAxis axis, double points)
{
    m_axes[axisIndex(axis)].titleFontPoints = points;
}

void ChartTable::setAxisTitleFontName(ChartAxis axis, const QString &family)
{
    m_axes[axisIndex(axis)].titleFontName = family;
}

void ChartTable::setAxisTitleVisible(ChartAxis axis, bool visible)
{
    m_axes[axisIndex(axis)].titleVisible = visible;
}

void ChartTable::setAxisTitleText(ChartAxis axis, const QString &text)
{
    m_axes[axisIndex(axis)].titleText = text;
}

void ChartTable::setAxisWholeNumbers(ChartAxis axis, bool wholeNumbers)
{
    m_axes[axisIndex(axis)].wholeNumbers = wholeNumbers;
}
