#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <cmath>
#include <vector>

// The operations the program needs from a chart control. The control keeps a grid
// of doubles (rows and columns counted from 1); each series takes two adjacent
// columns, x then y, and is addressed by its x column (1, 3, 5, 7, 9). Every row
// is one point of every series. Axis 0 is x, axis 1 is y.
//
// The chart is always two-dimensional XY: x and y of every point come from the
// grid, joined in row order. A legend, when shown, stands at the right; x and y
// are scaled separately; both axes are linear, their ranges taken from the data;
// markers are filled squares, and outlines and grid lines are solid.
//
// A chart procedure issues the set-up operations, writes the grid and ends with
// refresh(), which draws the whole chart once from the grid and the settings.
// Cells keep their values until they are written again, also across charts and
// across changes of the row or column count; a cell never written, or written
// with the null flag, is not drawn.

// The most columns a chart control holds: 32 series.
inline constexpr int ChartMostColumns = 64;

enum class ChartAxis {
    X = 0,
    Y = 1
};

// A note said with one point of a series when it is read out, after its values.
struct PointNote
{
    int series = 1; // the series' x column
    int row = 1;
    QString note;

    bool operator==(const PointNote &) const = default;
};

class ChartControl
{
public:
    virtual ~ChartControl() = default;

    virtual void setColumnCount(int columns) = 0;
    virtual void setRowCount(int rows) = 0;
    virtual int columnCount() const = 0;
    virtual int rowCount() const = 0;
    virtual void setDataPoint(int row, int column, double value, bool isNull = false) = 0;
    // Writes a whole column from row 1 down, a cell a value: NaN an empty cell,
    // anything else as setDataPoint writes it. The same as a write of each cell.
    virtual void setDataColumn(int column, const std::vector<double> &values)
    {
        for (std::size_t row = 0; row < values.size(); ++row)
            setDataPoint(int(row) + 1, column, values[row], std::isnan(values[row]));
    }

    virtual void setLegendVisible(bool shown) = 0;
    virtual void setTitleFontSize(double points) = 0;
    virtual void setTitleFontName(const QString &family) = 0;
    virtual void setTitleText(const QString &text) = 0;

    // Series settings; `series` is the series' x column.
    virtual void setSeriesMarkersShown(int series, bool shown) = 0;
    virtual void setSeriesMarkerAutomatic(int series, bool automatic) = 0;
    virtual void setSeriesLineShown(int series, bool shown) = 0;
    virtual void setSeriesLegendText(int series, const QString &text) = 0;
    virtual void setPointMarkerVisible(int series, bool visible) = 0;
    virtual void setPointMarkerSize(int series, int size) = 0;
    virtual void setPointMarkerOutline(int series, int width, const QColor &colour) = 0;
    // Sets the red component of the marker fill; green and blue stay those of the
    // series' own colour.
    virtual void setPointMarkerFillRed(int series, int red) = 0;

    virtual void setAxisGridLine(ChartAxis axis, bool automaticColour, const QColor &colour) = 0;
    virtual void setAxisTitleFontSize(ChartAxis axis, double points) = 0;
    virtual void setAxisTitleFontName(ChartAxis axis, const QString &family) = 0;
    virtual void setAxisTitleVisible(ChartAxis axis, bool visible) = 0;
    virtual void setAxisTitleText(ChartAxis axis, const QString &text) = 0;
    // The axis shows whole numbers only, such as time steps: its ticks are a whole
    // number apart (at least 1) and its labels carry no decimals. Off by default.
    virtual void setAxisWholeNumbers(ChartAxis axis, bool wholeNumbers) = 0;

    // What the chart's description says beyond the points and the axes: the facts
    // a chart knows of its own (equilibria, crossings, when a population dies out),
    // each a sentence. Every chart sets them afresh; the standard set-up empties them.
    virtual void setChartNotes(const QStringList &notes) = 0;
    // A short tag of what the chart is drawn from ("logistic_n0-100_k-500_r-0.2"),
    // added to the names proposed for its saved files, so that two runs that share
    // a title never propose the same name.
    virtual void setFileNameTag(const QString &tag) = 0;
    // The series is a faded copy of series `like` (an x column) of another, earlier
    // chart of the same kind: drawn behind every series that is not, dashed, in a
    // tint of the colour of `like` that pales with `age` (1, 2, …). Age 0: an
    // ordinary series, which every series is unless set.
    virtual void setSeriesFaded(int series, int like, int age) = 0;
    // Notes said with single points when they are read out; every chart sets them
    // afresh (the standard set-up empties them).
    virtual void setPointNotes(const QList<PointNote> &notes) = 0;
    // The title itself says why the chart may draw nothing, so the chart adds no
    // note of its own to it when it does. Off by default.
    virtual void setTitleExplained(bool explained) = 0;

    virtual void setChartVisible(bool visible) = 0;
    virtual bool isChartVisible() const = 0;

    // Draws the whole chart from the grid and the settings.
    virtual void refresh() = 0;
};
