#pragma once

// A chart control that records what a chart procedure asks of it: the grid cells,
// the settings and the order of the calls, so tests can read a chart without a
// window.

#include "chartkit/chartcontrol.h"

#include <QMap>
#include <QPair>
#include <QPointF>
#include <QStringList>

#include <cmath>
#include <optional>

class RecordingChart : public ChartControl
{
public:
    struct Cell
    {
        double value = 0;
        bool isNull = true;
    };

    QStringList calls;
    QMap<QPair<int, int>, Cell> cells; // (row, column)
    int columns = 0;
    int rows = 0;
    bool legend = true;
    QString title, titleFont, yTitle, xTitle;
    double titleSize = 0;
    QMap<int, bool> lineShown;
    QMap<int, bool> markerVisible;
    QMap<int, QString> legendTexts;
    QStringList notes;
    bool titleExplained = false;
    QString fileNameTag;
    QList<PointNote> pointNotes;
    QMap<int, QPair<int, int>> faded; // series: (like, age)
    bool visible = true;
    int refreshes = 0;
    // Kept out of `calls`, which tests compare whole.
    bool xWholeNumbers = false, yWholeNumbers = false;

    void setColumnCount(int c) override
    {
        columns = c;
        calls << QStringLiteral("columns %1").arg(c);
    }
    void setRowCount(int r) override
    {
        rows = r;
        calls << QStringLiteral("rows %1").arg(r);
    }
    int columnCount() const override { return columns; }
    int rowCount() const override { return rows; }
    void setDataPoint(int row, int column, double value, bool isNull) override
    {
        cells[{row, column}] = Cell{value, isNull};
        ++dataWrites;
    }
    void setLegendVisible(bool shown) override
    {
        legend = shown;
        calls << "legend";
    }
    void setTitleFontSize(double points) override
    {
        titleSize = points;
        calls << "titleSize";
    }
    void setTitleFontName(const QString &family) override
    {
        titleFont = family;
        calls << "titleFont";
    }
    void setTitleText(const QString &text) override
    {
        title = text;
        calls << "title";
    }
    void setSeriesMarkersShown(int, bool) override {}
    void setSeriesMarkerAutomatic(int, bool) override {}
    void setSeriesLineShown(int series, bool shown) override
    {
        lineShown[series] = shown;
        calls << QStringLiteral("series %1").arg(series);
    }
    void setSeriesLegendText(int series, const QString &text) override
    {
        legendTexts[series] = text;
    }
    void setPointMarkerVisible(int series, bool v) override { markerVisible[series] = v; }
    void setPointMarkerSize(int, int) override {}
    void setPointMarkerOutline(int, int, const QColor &) override {}
    void setPointMarkerFillRed(int, int) override {}
    void setAxisGridLine(ChartAxis, bool, const QColor &) override {}
    // Each axis' set-up begins with its title's size.
    void setAxisTitleFontSize(ChartAxis axis, double) override
    {
        calls << (axis == ChartAxis::X ? "xAxis" : "yAxis");
    }
    void setAxisTitleFontName(ChartAxis, const QString &) override {}
    void setAxisTitleVisible(ChartAxis, bool) override {}
    void setAxisTitleText(ChartAxis axis, const QString &text) override
    {
        (axis == ChartAxis::X ? xTitle : yTitle) = text;
    }
    void setAxisWholeNumbers(ChartAxis axis, bool wholeNumbers) override
    {
        (axis == ChartAxis::X ? xWholeNumbers : yWholeNumbers) = wholeNumbers;
    }
    void setChartNotes(const QStringList &n) override { notes = n; }
    void setTitleExplained(bool explained) override { titleExplained = explained; }
    void setFileNameTag(const QString &tag) override { fileNameTag = tag; }
    void setSeriesFaded(int series, int like, int age) override { faded[series] = {like, age}; }
    void setPointNotes(const QList<PointNote> &n) override { pointNotes = n; }
    void setChartVisible(bool v) override { visible = v; }
    bool isChartVisible() const override { return visible; }
    void refresh() override
    {
        ++refreshes;
        calls << "refresh";
    }

    int dataWrites = 0;

    // Forgets the recorded calls but keeps the grid, as the real control does.
    void clearLog()
    {
        calls.clear();
        dataWrites = 0;
        refreshes = 0;
    }

    // The point of a series (its x column) in a row, when both cells hold a value.
    std::optional<QPointF> point(int series, int row) const
    {
        const Cell x = cells.value({row, series});
        const Cell y = cells.value({row, series + 1});
        if (x.isNull || y.isNull)
            return std::nullopt;
        return QPointF(x.value, y.value);
    }

    // The rows of a series that hold a point, within the current row count.
    QList<int> writtenRows(int series) const
    {
        QList<int> result;
        for (int row = 1; row <= rows; ++row)
            if (point(series, row))
                result << row;
        return result;
    }

    // The points a chart would draw: rows with both cells set and finite.
    QList<QPointF> drawn(int series) const
    {
        QList<QPointF> result;
        for (int row = 1; row <= rows; ++row)
            if (auto p = point(series, row); p && std::isfinite(p->x()) && std::isfinite(p->y()))
                result << *p;
        return result;
    }
};
