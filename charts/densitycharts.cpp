#include "charts/densitycharts.h"

#include "chartkit/chartdescription.h"
#include "model/harvesttheory.h"

#include <QCoreApplication>

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

QString tooLargeToDraw()
{
    return QCoreApplication::translate("Charts", "values too large to draw",
                                       "why a chart draws nothing, after its title");
}

// The equilibria the chart draws as upright lines, or why there are none.
QString logisticTheoryNote(double r, double H, const QString &missing, const Equilibria &equilibria)
{
    if (!missing.isEmpty())
        return curvesNotDrawn(missing);
    if (equilibria.tooLarge)
        return curvesNotDrawn(tooLargeToDraw());
    if (r == 0)
        return QCoreApplication::translate("Charts", "Harvest rate %1; no equilibrium, r = 0.")
            .arg(shortNumber(H));
    if (!equilibria.exist)
        return QCoreApplication::translate(
                   "Charts",
                   "Harvest rate %1; no equilibrium: H > rK/4, the harvested population dies out.")
            .arg(shortNumber(H));
    if (shortNumber(equilibria.unstable) == shortNumber(equilibria.stable))
        return QCoreApplication::translate(
                   "Charts",
                   "Harvest rate %1; the two equilibria meet at N = %2: a smaller population "
                   "dies out.")
            .arg(shortNumber(H), shortNumber(equilibria.stable));
    return QCoreApplication::translate(
               "Charts", "Harvest rate %1; unstable equilibrium at N = %2, stable at N = %3.")
        .arg(shortNumber(H), shortNumber(equilibria.unstable), shortNumber(equilibria.stable));
}

// Under the exponential model rN - H = 0 at one size only, H / r.
QString exponentialTheoryNote(double r, double H)
{
    if (!(r > 0))
        return QCoreApplication::translate(
                   "Charts",
                   "Harvest rate %1; no equilibrium, r = 0: the harvested population dies out.")
            .arg(shortNumber(H));
    return QCoreApplication::translate("Charts",
                                       "Harvest rate %1; one equilibrium, unstable, at N = %2: a "
                                       "larger population grows, a smaller one dies out.")
        .arg(shortNumber(H), shortNumber(H / r));
}

} // namespace

void ShowdNvsN(ChartControl &chart, HarvestState &state, const ChartInputs &, const ChartLook &look)
{
    const double last = withinSeries(state.SimuT);
    standardSetUp(chart, 4, rowCountOf(last + 1), SeriesStyle::Point, look);
    pointCloud(chart, state, 1, state.NOriginal, state.dNOriginal, last);
    pointCloud(chart, state, 3, state.NHarvested, state.dNHarvested, last);
    chart.setChartNotes(extinctionNote(state));
    chart.refresh();
}

void ShowdNperNvsN(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                   const ChartLook &look)
{
    const double L = withinSeries(inputs.runLength);
    standardSetUp(chart, 4, rowCountOf(L), SeriesStyle::Point, look);
    pointCloud(chart, state, 1, state.NOriginal, state.dNperNOriginal, L - 1);
    pointCloud(chart, state, 3, state.NHarvested, state.dNperNHarvested, L - 1);
    chart.setChartNotes(extinctionNote(state));
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
        shown = withReason(look, tooLargeToDraw());
    else if (r == 0)
        shown = withReason(look, QCoreApplication::translate("Charts", "no equilibrium, r = 0",
                                                             "why a chart draws nothing, after "
                                                             "its title"));
    else if (!equilibria.exist)
        shown = withReason(look, QCoreApplication::translate("Charts", "no equilibrium, H > rK/4",
                                                             "why a chart draws nothing, after "
                                                             "its title"));
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
    QStringList notes{logisticTheoryNote(r, H, missing, equilibria)};
    if (curvesDefined && r > 0) {
        // The growth curve peaks at N = K/2: the largest harvest it can sustain.
        const QString msy = shortNumber(maximumSustainableYield(r, K));
        notes << QCoreApplication::translate(
                     "Charts", "The largest harvest with an equilibrium, the maximum "
                               "sustainable yield, is rK/4 = %1, reached at N = K/2 = %2; with "
                               "H above it there is no equilibrium.")
                     .arg(msy, shortNumber(K / 2));
        chart.setPointNotes(
            {{1, CurveIntervals / 2 + 1,
              QCoreApplication::translate("Charts", "the maximum sustainable yield, rK/4 = %1",
                                          "said of the point at the top of the growth curve")
                  .arg(msy)}});
    }
    chart.setChartNotes(notes);
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
    chart.setChartNotes({exponentialTheoryNote(r, H)});
    chart.refresh();
}
