#include "charts/chartsetup.h"

#include "chartkit/chartdescription.h"
#include "model/numbertext.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// Markers and outlines are given in twips, like every length of the layout.
constexpr int MarkerSize = 100;
constexpr int MarkerOutlineWidth = 5;
constexpr int MarkerFillRed = 255;

} // namespace

void standardSetUp(ChartControl &chart, int columns, int rows, SeriesStyle style,
                   const ChartLook &look, XAxis xAxis)
{
    chart.setColumnCount(columns);
    chart.setRowCount(rows);
    chart.setChartNotes({});
    chart.setPointNotes({});
    chart.setTitleExplained(look.explained);
    chart.setLegendVisible(look.legend);
    chart.setTitleFontSize(look.fontPoints);
    chart.setTitleFontName(look.fontName);
    chart.setTitleText(look.title);

    for (int k = 0; 2 * k + 1 < columns; ++k) {
        const int series = 2 * k + 1;
        // Named even without a legend: the read-out and the exported data use it.
        if (k < look.legendTexts.size())
            chart.setSeriesLegendText(series, look.legendTexts.at(k));
        chart.setSeriesFaded(series, series, 0);
        if (style == SeriesStyle::Line) {
            chart.setSeriesMarkersShown(series, false);
            chart.setSeriesLineShown(series, true);
            chart.setPointMarkerVisible(series, false);
            chart.setPointMarkerSize(series, MarkerSize);
            chart.setPointMarkerFillRed(series, MarkerFillRed);
        } else {
            chart.setSeriesMarkerAutomatic(series, false);
            chart.setSeriesLineShown(series, false);
            chart.setPointMarkerVisible(series, true);
            chart.setPointMarkerSize(series, MarkerSize);
            chart.setPointMarkerOutline(series, MarkerOutlineWidth, Qt::black);
            chart.setPointMarkerFillRed(series, MarkerFillRed);
        }
    }

    chart.setAxisGridLine(ChartAxis::Y, false, QColor(0, 0, 0));
    chart.setAxisTitleFontSize(ChartAxis::Y, look.fontPoints);
    chart.setAxisTitleVisible(ChartAxis::Y, true);
    chart.setAxisTitleText(ChartAxis::Y, look.yTitle);
    chart.setAxisTitleFontName(ChartAxis::Y, look.fontName);
    chart.setAxisWholeNumbers(ChartAxis::Y, false);

    chart.setAxisTitleFontSize(ChartAxis::X, look.fontPoints);
    chart.setAxisTitleFontName(ChartAxis::X, look.fontName);
    chart.setAxisTitleVisible(ChartAxis::X, true);
    chart.setAxisTitleText(ChartAxis::X, look.xTitle);
    chart.setAxisWholeNumbers(ChartAxis::X, xAxis == XAxis::TimeSteps);
}

ChartLook withReason(const ChartLook &look, const QString &reason)
{
    ChartLook explained = look;
    explained.title = look.shortTitle + QStringLiteral(": ") + reason;
    explained.explained = true;
    return explained;
}

QString whyNoLogisticCurves(const HarvestState &state)
{
    if (state.RunModel == Growth::Exponential)
        return QCoreApplication::translate("Charts", "needs a run of the logistic model",
                                           "why a chart draws nothing, after its title");
    if (!(state.CarryingCapacity > 0))
        return QCoreApplication::translate("Charts", "not defined unless K > 0",
                                           "why a chart draws nothing, after its title");
    return QString();
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

int rowCountOf(double value) { return wholeNumber16(value); }

double withinSeries(double step)
{
    if (!(step >= -1))
        return -1; // below -1, or not a number at all
    return std::min(step, static_cast<double>(SeriesLength - 1));
}

QStringList extinctionNote(const HarvestState &state)
{
    // The run ends at the last step with a living harvested population; the step
    // after it, which the run computed, holds the 0 it died out at.
    const double after = withinSeries(state.SimuT) + 1;
    if (!(after >= 1 && after < SeriesLength))
        return {};
    if (state.NHarvested[static_cast<std::size_t>(after)] != 0)
        return {};
    return {QCoreApplication::translate("Charts", "The harvested population dies out at time %1.")
                .arg(shortNumber(after))};
}

double lastPlottedStep(const HarvestState &state)
{
    const double end = withinSeries(state.SimuT);
    const auto at = static_cast<std::size_t>(
        std::clamp<std::int32_t>(wholeNumber32(end), 0, SeriesLength - 1));
    return state.NHarvested[at] == 0 ? end - 1 : end;
}

QString runFileNameTag(const HarvestState &state)
{
    const auto number = [](double value) { return QString::fromStdString(textOfNumber(value)); };
    QStringList parts;
    const bool logistic = state.RunModel == Growth::Logistic;
    parts << (logistic ? QStringLiteral("logistic") : QStringLiteral("exponential"))
          << QStringLiteral("n0-") + number(state.NOriginal[0]);
    if (logistic)
        parts << QStringLiteral("k-") + number(state.CarryingCapacity);
    parts << QStringLiteral("r-") + number(state.IntrinsicRate)
          << QStringLiteral("h-") + number(state.HarvestRate)
          << QStringLiteral("t-") + number(state.SimuT);
    return parts.join(QLatin1Char('_')).toLower();
}

QString curvesNotDrawn(const QString &reason)
{
    return QCoreApplication::translate("Charts", "The curves are not drawn: %1.").arg(reason);
}

QStringList populationNotes(const HarvestState &state)
{
    QStringList notes = extinctionNote(state);
    if (state.RunModel == Growth::Logistic)
        notes << QCoreApplication::translate(
            "Charts", "The original population follows the exact solution of the model, "
                      "the harvested one is computed step by step, so with H = 0 the "
                      "two differ slightly.");
    return notes;
}
