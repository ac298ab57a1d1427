#include "charts/economicscharts.h"

#include "chartkit/chartdescription.h"
#include "chartkit/chartpoints.h"
#include "model/harvesttheory.h"

#include <QCoreApplication>

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

QString revenueName(double ratio)
{
    return QStringLiteral("R (p/e=") + shortNumber(ratio) + QLatin1Char(')');
}

// Where each logistic revenue curve crosses the cost line N: besides N = 0,
// (p/e) r N (1 - N/K) = N at N = K (1 - 1 / ((p/e) r)), a size between 0 and K
// when (p/e) r is above 1. Below that the revenue never rises above the cost.
QStringList logisticCrossings(double r, double K)
{
    QStringList crossing;
    QStringList below;
    for (const double ratio : PriceExpenseRatios) {
        const double a = ratio * r;
        if (a > 1)
            crossing << QCoreApplication::translate("Charts", "%1 at N = %2",
                                                    "a revenue curve and where it crosses the "
                                                    "cost (\"R (p/e=50) at N = 466.7\")")
                            .arg(revenueName(ratio), shortNumber(K * (1 - 1 / a)));
        else
            below << revenueName(ratio);
    }
    QStringList notes;
    if (!crossing.isEmpty())
        notes << QCoreApplication::translate("Charts", "Revenue crosses the cost: %1.")
                     .arg(spokenList(crossing));
    if (!below.isEmpty())
        notes << (below.size() == 1
                      ? QCoreApplication::translate("Charts", "%1 never rises above the cost.",
                                                    "one revenue curve")
                      : QCoreApplication::translate("Charts", "%1 never rise above the cost.",
                                                    "a list of revenue curves"))
                     .arg(spokenList(below));
    return notes;
}

// An exponential revenue (p/e) r N lies above the cost N for every N above 0 when
// (p/e) r is above 1, on it when it is 1, below it otherwise.
QStringList exponentialCrossings(double r)
{
    QStringList above, on, below;
    for (const double ratio : PriceExpenseRatios) {
        const double a = ratio * r;
        (a > 1 ? above : a == 1 ? on : below) << revenueName(ratio);
    }
    QStringList notes;
    const auto say = [&notes](const QStringList &names, const char *one, const char *many) {
        if (!names.isEmpty())
            notes << spokenList(names) + QLatin1String(names.size() == 1 ? one : many);
    };
    say(above, " lies above the cost for every N above 0.",
        " lie above the cost for every N above 0.");
    say(on, " lies on the cost line.", " lie on the cost line.");
    say(below, " lies below the cost for every N above 0.",
        " lie below the cost for every N above 0.");
    return notes;
}

// The four net profit curves for i = 0 to `last` with x = XStep * i, the bound
// read once per series. Says for each ratio the highest profit drawn and the
// first N where it is reached.
template <typename Profit>
QStringList fillNetProfit(ChartControl &chart, HarvestState &state, double last, Profit profit)
{
    SeriesPoints drawn;
    QStringList labels;
    int series = 1;
    for (const double ratio : PriceExpenseRatios) {
        QList<QPointF> &points = drawn.emplace_back();
        for (double i = 0; i <= last; i += 1) {
            const double x = state.XStep * i;
            const double y = profit(ratio, x);
            writePoint(chart, state, series, i, x, y);
            if (drawable(QPointF(x, y)))
                points.append(QPointF(x, y));
        }
        labels << QCoreApplication::translate("Charts", "for p/e=%1").arg(shortNumber(ratio));
        series += 2;
    }
    return {
        highestPoints(QCoreApplication::translate("Charts", "Highest net profit"), labels, drawn)};
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
    if (missing.isEmpty()) {
        fillCostAndRevenue(chart, state, [r, K](double ratio, double x) {
            return logisticRevenue(ratio, r, K, x);
        });
        chart.setChartNotes(logisticCrossings(r, K));
    } else {
        emptySeries(chart, 10, CurveRows);
        chart.setChartNotes({curvesNotDrawn(missing)});
    }
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
    if (missing.isEmpty()) {
        chart.setChartNotes(fillNetProfit(chart, state, L - 1, [r, K](double ratio, double x) {
            return logisticNetProfit(ratio, r, K, x);
        }));
    } else {
        emptySeries(chart, 8, rows);
        chart.setChartNotes({curvesNotDrawn(missing)});
    }
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
    chart.setChartNotes(exponentialCrossings(r));
    chart.refresh();
}

void ShowExponentNetProfit(ChartControl &chart, HarvestState &state, const ChartInputs &inputs,
                           const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    standardSetUp(chart, 8, CurveRows, SeriesStyle::Line, look);
    state.XStep = inputs.n0 * 2 / CurveIntervals;
    chart.setChartNotes(fillNetProfit(chart, state, CurveIntervals, [r](double ratio, double x) {
        return exponentialNetProfit(ratio, r, x);
    }));
    chart.refresh();
}
