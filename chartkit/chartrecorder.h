#pragma once

#include "chartkit/chartcontrol.h"

#include <QList>

#include <algorithm>
#include <functional>
#include <vector>

// A chart control that draws nothing: it keeps what a chart procedure writes, so
// that the series of one chart can be laid into another chart after the series it
// has (copyInto), each moved to columns of its own.
class ChartRecorder final : public ChartControl
{
public:
    void setColumnCount(int columns) override { m_columns = columns; }
    void setRowCount(int rows) override { m_rows = rows; }
    int columnCount() const override { return m_columns; }
    int rowCount() const override { return m_rows; }
    void setDataPoint(int row, int column, double value, bool isNull = false) override;

    // A chart's own looks stay with that chart: only its series are copied.
    void setLegendVisible(bool) override {}
    void setTitleFontSize(double) override {}
    void setTitleFontName(const QString &) override {}
    void setTitleText(const QString &) override {}
    void setAxisGridLine(ChartAxis, bool, const QColor &) override {}
    void setAxisTitleFontSize(ChartAxis, double) override {}
    void setAxisTitleFontName(ChartAxis, const QString &) override {}
    void setAxisTitleVisible(ChartAxis, bool) override {}
    void setAxisTitleText(ChartAxis, const QString &) override {}
    void setAxisWholeNumbers(ChartAxis, bool) override {}
    void setTitleExplained(bool) override {}
    void setFileNameTag(const QString &) override {}
    void setChartVisible(bool) override {}
    bool isChartVisible() const override { return false; }
    void refresh() override {}

    void setSeriesMarkersShown(int series, bool shown) override;
    void setSeriesMarkerAutomatic(int series, bool automatic) override;
    void setSeriesLineShown(int series, bool shown) override;
    void setSeriesLegendText(int series, const QString &text) override;
    void setPointMarkerVisible(int series, bool visible) override;
    void setPointMarkerSize(int series, int size) override;
    void setPointMarkerOutline(int series, int width, const QColor &colour) override;
    void setPointMarkerFillRed(int series, int red) override;
    void setSeriesFaded(int series, int like, int age) override;
    void setChartNotes(const QStringList &notes) override { m_notes = notes; }
    void setPointNotes(const QList<PointNote> &notes) override { m_pointNotes = notes; }

    const QStringList &chartNotes() const { return m_notes; }
    const QList<PointNote> &pointNotes() const { return m_pointNotes; }

    // Writes the recorded series on the x columns `series` into `target`, one after
    // the other from x column `firstColumn` on, and empties their rows below the
    // recorded ones down to `rows`. The target has its row and column counts already.
    void copyInto(ChartControl &target, const QList<int> &series, int firstColumn, int rows) const;

private:
    // A series setting, made again on the target with the series moved.
    using SeriesCall = std::function<void(ChartControl &, int series)>;
    void record(int series, SeriesCall call);

    int m_columns = 0;
    int m_rows = 0;
    // The cells by column, as a chart table keeps them: NaN empty, an infinity
    // a value that is not a number.
    std::vector<std::vector<double>> m_cells;
    std::vector<std::pair<int, SeriesCall>> m_seriesCalls;
    QStringList m_notes;
    QList<PointNote> m_pointNotes;
};

// A chart control that passes everything on to `target` but the closing refresh(),
// so that more series can join a chart a procedure has drawn before it is shown;
// it remembers the counts and the notes it passed on.
class DeferredRefresh final : public ChartControl
{
public:
    explicit DeferredRefresh(ChartControl &target) : m_target(target) {}

    void setColumnCount(int columns) override { m_target.setColumnCount(columns); }
    void setRowCount(int rows) override { m_target.setRowCount(rows); }
    int columnCount() const override { return m_target.columnCount(); }
    int rowCount() const override { return m_target.rowCount(); }
    void setDataPoint(int row, int column, double value, bool isNull = false) override
    {
        m_target.setDataPoint(row, column, value, isNull);
    }
    void setLegendVisible(bool shown) override { m_target.setLegendVisible(shown); }
    void setTitleFontSize(double points) override { m_target.setTitleFontSize(points); }
    void setTitleFontName(const QString &family) override { m_target.setTitleFontName(family); }
    void setTitleText(const QString &text) override { m_target.setTitleText(text); }
    void setSeriesMarkersShown(int series, bool shown) override
    {
        m_target.setSeriesMarkersShown(series, shown);
    }
    void setSeriesMarkerAutomatic(int series, bool automatic) override
    {
        m_target.setSeriesMarkerAutomatic(series, automatic);
    }
    void setSeriesLineShown(int series, bool shown) override
    {
        m_target.setSeriesLineShown(series, shown);
    }
    void setSeriesLegendText(int series, const QString &text) override
    {
        m_target.setSeriesLegendText(series, text);
    }
    void setPointMarkerVisible(int series, bool visible) override
    {
        m_target.setPointMarkerVisible(series, visible);
    }
    void setPointMarkerSize(int series, int size) override
    {
        m_target.setPointMarkerSize(series, size);
    }
    void setPointMarkerOutline(int series, int width, const QColor &colour) override
    {
        m_target.setPointMarkerOutline(series, width, colour);
    }
    void setPointMarkerFillRed(int series, int red) override
    {
        m_target.setPointMarkerFillRed(series, red);
    }
    void setAxisGridLine(ChartAxis axis, bool automaticColour, const QColor &colour) override
    {
        m_target.setAxisGridLine(axis, automaticColour, colour);
    }
    void setAxisTitleFontSize(ChartAxis axis, double points) override
    {
        m_target.setAxisTitleFontSize(axis, points);
    }
    void setAxisTitleFontName(ChartAxis axis, const QString &family) override
    {
        m_target.setAxisTitleFontName(axis, family);
    }
    void setAxisTitleVisible(ChartAxis axis, bool visible) override
    {
        m_target.setAxisTitleVisible(axis, visible);
    }
    void setAxisTitleText(ChartAxis axis, const QString &text) override
    {
        m_target.setAxisTitleText(axis, text);
    }
    void setAxisWholeNumbers(ChartAxis axis, bool wholeNumbers) override
    {
        m_target.setAxisWholeNumbers(axis, wholeNumbers);
    }
    void setChartNotes(const QStringList &notes) override
    {
        m_notes = notes;
        m_target.setChartNotes(notes);
    }
    void setSeriesFaded(int series, int like, int age) override
    {
        m_target.setSeriesFaded(series, like, age);
    }
    void setPointNotes(const QList<PointNote> &notes) override
    {
        m_pointNotes = notes;
        m_target.setPointNotes(notes);
    }
    void setTitleExplained(bool explained) override { m_target.setTitleExplained(explained); }
    void setFileNameTag(const QString &tag) override { m_target.setFileNameTag(tag); }
    void setChartVisible(bool visible) override { m_target.setChartVisible(visible); }
    bool isChartVisible() const override { return m_target.isChartVisible(); }
    void refresh() override {}

    const QStringList &chartNotes() const { return m_notes; }
    const QList<PointNote> &pointNotes() const { return m_pointNotes; }

private:
    ChartControl &m_target;
    QStringList m_notes;
    QList<PointNote> m_pointNotes;
};
