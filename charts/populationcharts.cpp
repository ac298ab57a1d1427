#include "charts/populationcharts.h"

#include "charts/chartsetup.h"
#include "model/numbertext.h"

#include <algorithm>
#include <cmath>

namespace {

using SeriesRef = const Series &;

// One series of values against time: t = 0 to `last`, the bound read once.
void timeSeries(ChartControl &chart, HarvestState &state, int series, SeriesRef values, double last)
{
    for (double t = 0; t <= last; t += 1)
        writePoint(chart, state, series, t, t, values[static_cast<std::size_t>(t)]);
}

ChartFrame timeFrame(int columns, int rows, const char *title, const char *yTitle)
{
    ChartFrame frame;
    frame.columns = columns;
    frame.rows = rows;
    frame.title = QString::fromLatin1(title);
    frame.yTitle = QString::fromLatin1(yTitle);
    frame.xTitle = QStringLiteral("Time");
    return frame;
}

} // namespace

void ShowNvsT(ChartControl &chart, HarvestState &state, std::string_view simutText)
{
    const double L = runLengthOf(simutText, state);
    standardSetUp(chart, timeFrame(4, rowCountOf(L + 1), "N(t) vs. time", "N(t)"));
    timeSeries(chart, state, 1, state.NOriginal, L);
    timeSeries(chart, state, 3, state.NHarvested, L);
    chart.refresh();
}

void ShowdNvsT(ChartControl &chart, HarvestState &state, std::string_view simutText)
{
    const double L = runLengthOf(simutText, state);
    standardSetUp(chart, timeFrame(4, rowCountOf(L), "dN(t) vs. time", "dN"));
    timeSeries(chart, state, 1, state.dNOriginal, L - 1);
    timeSeries(chart, state, 3, state.dNHarvested, L - 1);
    chart.refresh();
}

void ShowlnNvsT(ChartControl &chart, HarvestState &state, std::string_view simutText)
{
    // The harvested population can be 0 at the last step only when it started at 0.
    const auto last = static_cast<std::size_t>(
        std::clamp<std::int32_t>(wholeNumber32(state.SimuT), 0, SeriesLength - 1));
    state.LastPoint = state.NHarvested[last] == 0 ? state.SimuT - 1 : state.SimuT;

    const double L = runLengthOf(simutText, state);
    const int rows = rowCountOf(L + 1);
    standardSetUp(chart, timeFrame(4, rows, "lnN(t) vs. time", "lnN"));
    for (int series : {1, 3}) {
        SeriesRef values = series == 1 ? state.NOriginal : state.NHarvested;
        for (double t = 0; t <= state.LastPoint; t += 1) {
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
        emptyRows(chart, series, static_cast<int>(std::max(state.LastPoint, -1.0)) + 2, rows);
    }
    chart.refresh();
}

void ShowNanddNvsT(ChartControl &chart, HarvestState &state, std::string_view simutText)
{
    const double L = runLengthOf(simutText, state);
    standardSetUp(chart, timeFrame(8, rowCountOf(L), "N and dN(t) vs. time", "N and dN"));
    timeSeries(chart, state, 1, state.NOriginal, L - 1);
    timeSeries(chart, state, 3, state.dNOriginal, L - 1);
    timeSeries(chart, state, 5, state.NHarvested, L - 1);
    timeSeries(chart, state, 7, state.dNHarvested, L - 1);
    chart.refresh();
}
