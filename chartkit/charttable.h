#pragma once

#include "chartkit/chartcontrol.h"

#include <QColor>
#include <QString>

#include <array>
#include <vector>

// A series as the set-up calls leave it. Markers are drawn when the point marker
// is visible, or when automatic markers are both chosen and shown.
struct SeriesSettings
{
    bool markersShown = false;
    bool markerAutomatic = true;
    bool lineShown = true;
    bool pointMarkerVisible = false;
    int markerSizeTwips = 0;    // 0: never set, draw the usual size
    int outlineWidthTwips = 12; // one pixel
    QColor outlineColour = Qt::black;
    int fillRed = -1; // -1: keep the red of the series' own colour
    QString legendText;
    bool legendTextSet = false;
    int fadedLike = 0; // a faded copy of the series on this x column; 0: not faded
    int fadedAge = 0;

    bool markersDrawn() const { return pointMarkerVisible || (markerAutomatic && markersShown); }
};

// An axis as the set-up calls leave it.
struct AxisSettings
{
    QString titleText;
    bool titleVisible = false;
    QString titleFontName = QStringLiteral("Arial");
    double titleFontPoints = 10.0;
    bool gridSet = false;
    bool gridAutomaticColour = true;
    QColor gridColour = Qt::black;
    bool wholeNumbers = false;
};

// Where a table's chart is drawn: told to draw it once a chart procedure is done
// with the table, and to show or hide it.
class ChartDisplay
{
public:
    virtual void drawTable() = 0;
    virtual void setTableShown(bool shown) = 0;
    virtual bool isTableShown() const = 0;

protected:
    ~ChartDisplay() = default;
};

// The chart control's grid of cells and its settings: every set-up call and grid
// write is only remembered here, and the display draws the chart from it when it
// is refreshed. Cells keep their values across charts and across changes of the
// row or column count; numbers out of bounds are clamped or dropped.
class ChartTable final : public ChartControl
{
public:
    explicit ChartTable(ChartDisplay &display) : m_display(display) {}

    // Bounds on the grid; larger counts are clamped to them.
    static constexpr int MaxRows = 32767;
    static constexpr int MaxColumns = ChartMostColumns;
    static constexpr int MaxSeries = MaxColumns / 2;

    void setColumnCount(int columns) override;
    void setRowCount(int rows) override;
    int columnCount() const override { return m_columns; }
    int rowCount() const override { return m_rows; }
    void setDataPoint(int row, int column, double value, bool isNull = false) override;
    void setDataColumn(int column, const std::vector<double> &values) override;

    void setLegendVisible(bool shown) override { m_legendVisible = shown; }
    void setTitleFontSize(double points) override { m_titleFontPoints = points; }
    void setTitleFontName(const QString &family) override { m_titleFontName = family; }
    void setTitleText(const QString &text) override { m_titleText = text; }

    void setSeriesMarkersShown(int series, bool shown) override;
    void setSeriesMarkerAutomatic(int series, bool automatic) override;
    void setSeriesLineShown(int series, bool shown) override;
    void setSeriesLegendText(int series, const QString &text) override;
    void setPointMarkerVisible(int series, bool visible) override;
    void setPointMarkerSize(int series, int size) override;
    void setPointMarkerOutline(int series, int width, const QColor &colour) override;
    void setPointMarkerFillRed(int series, int red) override;

    void setAxisGridLine(ChartAxis axis, bool automaticColour, const QColor &colour) override;
    void setAxisTitleFontSize(ChartAxis axis, double points) override;
    void setAxisTitleFontName(ChartAxis axis, const QString &family) override;
    void setAxisTitleVisible(ChartAxis axis, bool visible) override;
    void setAxisTitleText(ChartAxis axis, const QString &text) override;
    void setAxisWholeNumbers(ChartAxis axis, bool wholeNumbers) override;
    void setChartNotes(const QStringList &notes) override { m_notes = notes; }
    const QStringList &chartNotes() const { return m_notes; }
    void setTitleExplained(bool explained) override { m_titleExplained = explained; }
    void setFileNameTag(const QString &tag) override { m_fileNameTag = tag; }
    void setSeriesFaded(int series, int like, int age) override;
    void setPointNotes(const QList<PointNote> &notes) override { m_pointNotes = notes; }
    // The note of row `row` of the series at `index` (from 0), if any.
    QString pointNote(int index, int row) const;
    const QString &fileNameTag() const { return m_fileNameTag; }
    bool titleExplained() const { return m_titleExplained; }

    void setChartVisible(bool visible) override { m_display.setTableShown(visible); }
    bool isChartVisible() const override { return m_display.isTableShown(); }
    void refresh() override { m_display.drawTable(); }

    // The cell as written; NaN for a cell never written or written empty, an
    // infinity for a value that is not a number.
    double cell(int row, int column) const;
    // The cells of a column as written, from row 1 down: NaN for an empty cell, an
    // infinity for a value that is not a number; rows past its end are empty.
    const std::vector<double> &column(int column) const;
    // The series the columns hold, at most MaxSeries.
    int seriesCount() const;
    // `index` counts series from 0 (the series on columns 1 and 2).
    const SeriesSettings &seriesSettingsAt(int index) const { return m_series[size_t(index)]; }
    // The series' name: its legend text, or "Series 1", "Series 2", …
    QString seriesName(int index) const;
    const AxisSettings &axisSettings(ChartAxis axis) const { return m_axes[axisIndex(axis)]; }

    const QString &titleText() const { return m_titleText; }
    const QString &titleFontName() const { return m_titleFontName; }
    double titleFontPoints() const { return m_titleFontPoints; }
    bool legendVisible() const { return m_legendVisible; }

private:
    static size_t axisIndex(ChartAxis axis) { return axis == ChartAxis::X ? 0 : 1; }
    // The settings of the series on x column `series` (1, 3, 5, …), if there is one.
    SeriesSettings *seriesSettings(int series);

    // The grid as written, one column per vector, each as long as its last
    // written row; never shrunk, so a smaller grid keeps its values for later.
    ChartDisplay &m_display;
    std::vector<std::vector<double>> m_cells;
    int m_rows = 0;
    int m_columns = 0;

    std::array<SeriesSettings, MaxSeries> m_series;
    std::array<AxisSettings, 2> m_axes;
    QString m_titleText;
    QString m_titleFontName = QStringLiteral("Arial");
    double m_titleFontPoints = 10.0;
    bool m_legendVisible = false;
    QStringList m_notes;
    bool m_titleExplained = false;
    QString m_fileNameTag;
    QList<PointNote> m_pointNotes;
};
