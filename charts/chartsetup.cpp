#include "charts/chartsetup.h"

#include "model/numbertext.h"

#include <algorithm>

void standardSetUp(ChartControl &chart, const ChartFrame &frame)
{
    chart.setColumnCount(frame.columns);
    chart.setRowCount(frame.rows);
    chart.setSeriesKind2dXY();
    chart.setChartKind2dXY();
    chart.setLegendVisible(frame.legend);
    chart.setTitleFontSize(10);
    chart.setTitleFontName(QStringLiteral("Arial"));
    chart.setTitleText(frame.title);
    chart.setLegendPosition(LegendPosition::Right);
    chart.setIndependentAxisScales(true);

    for (int k = 0; 2 * k + 1 < frame.columns; ++k) {
        const int series = 2 * k + 1;
        if (frame.legend && k < frame.legendTexts.size())
            chart.setSeriesLegendText(series, frame.legendTexts.at(k));
        if (frame.style == SeriesStyle::Line) {
            chart.setSeriesMarkersShown(series, false);
            chart.setSeriesLineShown(series, true);
            chart.setPointMarkerVisible(series, false);
            chart.setPointMarkerSize(series, 100);
            chart.setPointMarkerFillRed(series, 255);
        } else {
            chart.setSeriesMarkerAutomatic(series, false);
            chart.setSeriesLineShown(series, false);
            chart.setPointMarkerVisible(series, true);
            chart.setPointMarkerSize(series, 100);
            chart.setPointMarkerStyle(series, MarkerStyle::FilledSquare);
            chart.setPointMarkerOutline(series, LinePattern::Solid, 5, Qt::black);
            chart.setPointMarkerFillRed(series, 255);
        }
    }

    chart.setAxisScaleLinear(ChartAxis::Y);
    chart.setAxisAutoRange(ChartAxis::Y, true);
    chart.setAxisGridLine(ChartAxis::Y, LinePattern::Solid, false, QColor(0, 0, 0));
    chart.setAxisTitleFontSize(ChartAxis::Y, 10);
    chart.setAxisTitleVisible(ChartAxis::Y, true);
    chart.setAxisTitleText(ChartAxis::Y, frame.yTitle);
    chart.setAxisTitleFontName(ChartAxis::Y, QStringLiteral("Arial"));

    chart.setAxisScaleLinear(ChartAxis::X);
    chart.setAxisTitleFontSize(ChartAxis::X, 10);
    chart.setAxisTitleFontName(ChartAxis::X, QStringLiteral("Arial"));
    chart.setAxisTitleVisible(ChartAxis::X, true);
    chart.setAxisTitleText(ChartAxis::X, frame.xTitle);
}

void writePoint(ChartControl &chart, HarvestState &state, int series, double index, double x,
                double y)
{
    state.PointIndex = index;
    state.PointX = x;
    state.PointY = y;
    const int row = wholeNumber16(index + 1);
    chart.setDataPoint(row, series, x);
    chart.setDataPoint(row, series + 1, y);
}

void emptyRows(ChartControl &chart, int series, int from, int to)
{
    for (int row = from; row <= to; ++row) {
        chart.setDataPoint(row, series, 0.0, true);
        chart.setDataPoint(row, series + 1, 0.0, true);
    }
}

double runLengthOf(std::string_view simutText, const HarvestState &state)
{
    const double length = textReadAsNumber(simutText).value_or(state.SimuT);
    return std::clamp(length, -1.0, static_cast<double>(SeriesLength - 2));
}

double n0Of(std::string_view n0Text, const HarvestState &state)
{
    return textReadAsNumber(n0Text).value_or(state.NOriginal[0]);
}

int rowCountOf(double value) { return wholeNumber16(value); }
