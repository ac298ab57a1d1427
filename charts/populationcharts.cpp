#include "charts/populationcharts.h"

#include <algorithm>
#include <cmath>

namespace {

// The set-up of a chart against time.
void timeSetUp(ChartControl &chart, int columns, int rows, const ChartLook &look)
{
    standardSetUp(chart, columns, rows, SeriesStyle::Line, look, XAxis::TimeSteps);
}

// One series of values against time: t = 0 to `last`, the bound read once.
void timeSeries(ChartControl &chart, HarvestState &state, int series, const Series &values,
                double last)
{
    for (double t = 0; t <= last; t += 1)
        writePoint(chart, state, series, t, t, values[static_cast<std::size_t>(t)]);
}

} // namespace

void ShowNvsT(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
              const ChartLook &look)
{
    const double L = withinSeries(inputs.runLength);
    timeSetUp(chart, 4, rowCountOf(L + 1), look);
    timeSeries(chart, state, 1, state.NOriginal, L);
    timeSeries(chart, state, 3, state.NHarvested, L);
    chart.setChartNotes(populationNotes(state));
    chart.refresh();
}

void ShowdNvsT(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
               const ChartLook &look)
{
    const double L = withinSeries(inputs.runLength);
    timeSetUp(chart, 4, rowCountOf(L), look);
    timeSeries(chart, state, 1, state.dNOriginal, L - 1);
    timeSeries(chart, state, 3, state.dNHarvested, L - 1);
    chart.setChartNotes(populationNotes(state));
    chart.refresh();
}

void ShowlnNvsT(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                const ChartLook &look)
{
    state.LastPoint = lastPlottedStep(state);
    const double L = withinSeries(inputs.runLength);
    const double last = std::min(state.LastPoint, L);
    const int rows = rowCountOf(L + 1);
    timeSetUp(chart, 4, rows, look);
    for (int series : {1, 3}) {
        const Series &values = series == 1 ? state.NOriginal : state.NHarvested;
        for (double t = 0; t <= last; t += 1) {
            const double n = values[static_cast<std::size_t>(t)];
            if (n > 0) {
                writePoint(chart, state, series, t, t, std::log(n));
            } else {
                // A size of 0 has no logarithm: the point is left out.
                state.PointIndex = t;
                state.PointX = t;
                emptyRows(chart, series, static_cast<int>(t) + 1, static_cast<int>(t) + 1);
            }
        }
        // Rows this chart does not write must not show a point of an earlier chart.
        emptyRows(chart, series, static_cast<int>(std::max(last, -1.0)) + 2, rows);
    }
    chart.setChartNotes(populationNotes(state));
    chart.refresh();
}

void ShowNanddNvsT(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                   const ChartLook &look)
{
    const double L = withinSeries(inputs.runLength);
    timeSetUp(chart, 8, rowCountOf(L), look);
    timeSeries(chart, state, 1, state.NOriginal, L - 1);
    timeSeries(chart, state, 3, state.dNOriginal, L - 1);
    timeSeries(chart, state, 5, state.NHarvested, L - 1);
    timeSeries(chart, state, 7, state.dNHarvested, L - 1);
    chart.setChartNotes(populationNotes(state));
    chart.refresh();
}
