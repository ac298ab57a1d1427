#include "charts/economicscharts.h"

#include "model/harvesttheory.h"

namespace {

constexpr int CurveRows = CurveIntervals + 1;

// The cost line and the four revenue curves, one after the other, for i = 0 to 50
// with x = i * XStep; `revenue(ratio, x)` is the revenue at size x.
template <typename Revenue>
void fillCostAndRevenue(ChartControl &chart, HarvestState &state, Revenue revenue)
{
    for (double i = 0; i <= CurveIntervals; i += 1) {
        const double x = i * state.XStep;
        writePoint(chart, state, 1, i, x, x);
    }
    int series = 3;
    for (const double ratio : PriceExpenseRatios) {
        for (double i = 0; i <= CurveIntervals; i += 1) {
            const double x = i * state.XStep;
            writePoint(chart, state, series, i, x, revenue(ratio, x));
        }
        series += 2;
    }
}

// The four net profit curves for i = 0 to `last` with x = XStep * i, the bound
// read once per series.
template <typename Profit>
void fillNetProfit(ChartControl &chart, HarvestState &state, double last, Profit profit)
{
    int series = 1;
    for (const double ratio : PriceExpenseRatios) {
        for (double i = 0; i <= last; i += 1) {
            const double x = state.XStep * i;
            writePoint(chart, state, series, i, x, profit(ratio, x));
        }
        series += 2;
    }
}

void emptySeries(ChartControl &chart, int columns, int rows)
{
    for (int series = 1; series < columns; series += 2)
        emptyRows(chart, series, 1, rows);
}

// The logistic yield divides by K: without a carrying capacity there is no curve.
ChartLook logisticLook(const ChartLook &look, const QString &missing)
{
    return missing.isEmpty() ? look : withReason(look, missing);
}

} // namespace

void ShowCostandRevenue(ChartControl &chart, HarvestState &state, const ChartInputs &,
                        const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    const double K = state.CarryingCapacity;
    const QString missing = whyNoLogisticCurves(state);
    standardSetUp(chart, 10, CurveRows, SeriesStyle::Line, logisticLook(look, missing));
    state.XStep = K / CurveIntervals;
    if (missing.isEmpty())
        fillCostAndRevenue(chart, state, [r, K](double ratio, double x) {
            return logisticRevenue(ratio, r, K, x);
        });
    else
        emptySeries(chart, 10, CurveRows);
    chart.refresh();
}

void ShowNetProfit(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                   const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    const double K = state.CarryingCapacity;
    // As many points as the run is long; the bound keeps a runaway number in check.
    const double L = withinSeries(inputs.runLength);
    const int rows = rowCountOf(L);
    const QString missing = whyNoLogisticCurves(state);
    standardSetUp(chart, 8, rows, SeriesStyle::Line, logisticLook(look, missing));
    state.XStep = K / CurveIntervals;
    if (missing.isEmpty())
        fillNetProfit(chart, state, L - 1,
                      [r, K](double ratio, double x) { return logisticNetProfit(ratio, r, K, x); });
    else
        emptySeries(chart, 8, rows);
    chart.refresh();
}

void ShowExponentCostandRevenue(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                                const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    standardSetUp(chart, 10, CurveRows, SeriesStyle::Line, look);
    state.XStep = inputs.n0 * 2 / CurveIntervals;
    fillCostAndRevenue(chart, state,
                       [r](double ratio, double x) { return exponentialRevenue(ratio, r, x); });
    chart.refresh();
}

void ShowExponentNetProfit(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                           const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    standardSetUp(chart, 8, CurveRows, SeriesStyle::Line, look);
    state.XStep = inputs.n0 * 2 / CurveIntervals;
    fillNetProfit(chart, state, CurveIntervals,
                  [r](double ratio, double x) { return exponentialNetProfit(ratio, r, x); });
    chart.refresh();
}
