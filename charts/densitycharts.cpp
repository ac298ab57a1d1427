#include "charts/densitycharts.h"

#include "model/harvesttheory.h"

#include <algorithm>

namespace {

void pointCloud(ChartControl &chart, HarvestState &state, int series, const Series &xs,
                const Series &ys, double last)
{
    for (double t = 0; t <= last; t += 1) {
        const auto i = static_cast<std::size_t>(t);
        writePoint(chart, state, series, t, xs[i], ys[i]);
    }
}

// The points i = 0 to CurveIntervals of one curve: x = x(i), y = y(x, i).
template <typename X, typename Y>
void curve(ChartControl &chart, HarvestState &state, int series, X x, Y y)
{
    for (double i = 0; i <= CurveIntervals; i += 1) {
        const double at = x(i);
        writePoint(chart, state, series, i, at, y(at, i));
    }
}

constexpr int CurveRows = CurveIntervals + 1;

} // namespace

void ShowdNvsN(ChartControl &chart, HarvestState &state, const ChartInputs &, const ChartLook &look)
{
    const double last = withinSeries(state.SimuT);
    standardSetUp(chart, 4, rowCountOf(last + 1), SeriesStyle::Point, look);
    pointCloud(chart, state, 1, state.NOriginal, state.dNOriginal, last);
    pointCloud(chart, state, 3, state.NHarvested, state.dNHarvested, last);
    chart.refresh();
}

void ShowdNperNvsN(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                   const ChartLook &look)
{
    const double L = withinSeries(inputs.runLength);
    standardSetUp(chart, 4, rowCountOf(L), SeriesStyle::Point, look);
    pointCloud(chart, state, 1, state.NOriginal, state.dNperNOriginal, L - 1);
    pointCloud(chart, state, 3, state.NHarvested, state.dNperNHarvested, L - 1);
    chart.refresh();
}

void ShowalldNvsN(ChartControl &chart, HarvestState &state, const ChartInputs &,
                  const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    const double K = state.CarryingCapacity;
    const double H = state.HarvestRate;
    // The equilibria come before anything is drawn, so the title can say when
    // there are none.
    const Equilibria equilibria = logisticEquilibria(r, K, H);
    if (equilibria.exist) {
        state.NUnstable = equilibria.unstable;
        state.NStable = equilibria.stable;
    }

    const QString missing = whyNoLogisticCurves(state);
    // Where rK is beyond a double, so are the curves near N = K: none is drawn.
    const bool curvesDefined = missing.isEmpty() && !equilibria.tooLarge;
    ChartLook shown = look;
    if (!missing.isEmpty())
        shown = withReason(look, missing);
    else if (equilibria.tooLarge)
        shown = withReason(look, QStringLiteral("values too large to draw"));
    else if (r == 0)
        shown = withReason(look, QStringLiteral("no equilibrium, r = 0"));
    else if (!equilibria.exist)
        shown = withReason(look, QStringLiteral("no equilibrium, H > rK/4"));
    standardSetUp(chart, 10, CurveRows, SeriesStyle::Line, shown);

    state.XStep = K / CurveIntervals;
    const double step = state.XStep;
    if (curvesDefined) {
        const auto x = [step](double i) { return step * i; };
        curve(chart, state, 1, x, [r, K](double at, double) { return logisticYield(r, K, at); });
        curve(chart, state, 3, x,
              [r, K, H](double at, double) { return logisticYield(r, K, at) - H; });
        curve(chart, state, 5, x, [H](double, double) { return H; });
    } else {
        for (int series : {1, 3, 5})
            emptyRows(chart, series, 1, CurveRows);
    }
    if (curvesDefined && equilibria.exist) {
        // Each equilibrium as an upright line from 0 to the harvest line.
        const auto upToHarvest = [H](double, double i) { return H * i / CurveIntervals; };
        const double unstable = state.NUnstable;
        const double stable = state.NStable;
        curve(
            chart, state, 7, [unstable](double) { return unstable; }, upToHarvest);
        curve(
            chart, state, 9, [stable](double) { return stable; }, upToHarvest);
    } else {
        emptyRows(chart, 7, 1, CurveRows);
        emptyRows(chart, 9, 1, CurveRows);
    }
    chart.refresh();
}

void ShowExponentdNandH(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                        const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    const double H = state.HarvestRate;
    standardSetUp(chart, 6, CurveRows, SeriesStyle::Line, look);
    state.XStep = inputs.n0 * 2 / CurveIntervals;
    const double step = state.XStep;
    const auto x = [step](double i) { return step * i; };
    curve(chart, state, 1, x, [r](double at, double) { return r * at; });
    curve(chart, state, 3, x, [r, H](double at, double) { return r * at - H; });
    curve(chart, state, 5, x, [H](double, double) { return H; });
    chart.refresh();
}
