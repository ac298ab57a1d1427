#include "charts/economicscharts.h"

#include "model/harvesttheory.h"
#include "model/numbertext.h"

namespace {

ChartFrame economicsFrame(int columns, int rows, const QString &title, const char *yTitle,
                          const ChartLook &look)
{
    ChartFrame frame;
    frame.columns = columns;
    frame.rows = rows;
    frame.title = title;
    frame.yTitle = QString::fromLatin1(yTitle);
    frame.xTitle = QStringLiteral("N");
    frame.legend = look.legend;
    frame.legendTexts = look.legendTexts;
    return frame;
}

QString logisticTitle(const ChartLook &look, double K)
{
    return K > 0 ? look.title : look.stem + QStringLiteral(": not defined unless K > 0");
}

ChartLook mainLook(const char *title, const char *stem)
{
    ChartLook look;
    look.title = QString::fromLatin1(title);
    look.stem = QString::fromLatin1(stem);
    return look;
}

} // namespace

namespace {

// The cost line and the four revenue curves, one after the other, for i = 0 to 50
// with x = i * XStep; `revenue(ratio, x)` is the revenue at size x.
template <typename Revenue>
void fillCostAndRevenue(ChartControl &chart, HarvestState &state, Revenue revenue)
{
    for (double i = 0; i <= 50; i += 1) {
        const double x = i * state.XStep;
        writePoint(chart, state, 1, i, x, x);
    }
    int series = 3;
    for (const double ratio : PriceExpenseRatios) {
        for (double i = 0; i <= 50; i += 1) {
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

} // namespace

void drawCostAndRevenue(ChartControl &chart, HarvestState &state, const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    const double K = state.CarryingCapacity;
    standardSetUp(chart, economicsFrame(10, 51, logisticTitle(look, K), "C and R", look));
    state.XStep = K / 50;
    if (K > 0)
        fillCostAndRevenue(chart, state, [r, K](double ratio, double x) {
            return logisticRevenue(ratio, r, K, x);
        });
    else
        emptySeries(chart, 10, 51);
    chart.refresh();
}

void drawNetProfit(ChartControl &chart, HarvestState &state, double runLength,
                   const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    const double K = state.CarryingCapacity;
    const int rows = rowCountOf(runLength);
    standardSetUp(chart, economicsFrame(8, rows, logisticTitle(look, K), "Profit", look));
    state.XStep = K / 50;
    if (K > 0)
        fillNetProfit(chart, state, runLength - 1,
                      [r, K](double ratio, double x) { return logisticNetProfit(ratio, r, K, x); });
    else
        emptySeries(chart, 8, rows);
    chart.refresh();
}

void drawExponentCostAndRevenue(ChartControl &chart, HarvestState &state, double n0,
                                const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    standardSetUp(chart, economicsFrame(10, 51, look.title, "C and R", look));
    state.XStep = n0 * 2 / 50;
    fillCostAndRevenue(chart, state,
                       [r](double ratio, double x) { return exponentialRevenue(ratio, r, x); });
    chart.refresh();
}

void drawExponentNetProfit(ChartControl &chart, HarvestState &state, double n0,
                           const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    standardSetUp(chart, economicsFrame(8, 51, look.title, "Profit", look));
    state.XStep = n0 * 2 / 50;
    fillNetProfit(chart, state, 50,
                  [r](double ratio, double x) { return exponentialNetProfit(ratio, r, x); });
    chart.refresh();
}

void ShowCostandRevenue(ChartControl &chart, HarvestState &state)
{
    drawCostAndRevenue(chart, state, mainLook("Cost and Revenue vs. N", "Cost and Revenue vs. N"));
}

void ShowNetProfit(ChartControl &chart, HarvestState &state, std::string_view simutText)
{
    drawNetProfit(chart, state, runLengthOf(simutText, state),
                  mainLook("Net profit vs. N (p/e = 50, 20, 10, 5)", "Net profit vs. N"));
}

void ShowExponentCostandRevenue(ChartControl &chart, HarvestState &state, std::string_view n0Text)
{
    drawExponentCostAndRevenue(
        chart, state, n0Of(n0Text, state),
        mainLook("Cost and Revenue vs. N (exponential model)", "Cost and Revenue vs. N"));
}

void ShowExponentNetProfit(ChartControl &chart, HarvestState &state, std::string_view n0Text)
{
    drawExponentNetProfit(chart, state, n0Of(n0Text, state),
                          mainLook("Net profit vs. N (exponential model)", "Net profit vs. N"));
}
