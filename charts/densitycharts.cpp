#include "charts/densitycharts.h"

#include "model/harvesttheory.h"
#include "model/numbertext.h"

namespace {

void pointCloud(ChartControl &chart, HarvestState &state, int series, const Series &xs,
                const Series &ys, double last)
{
    for (double t = 0; t <= last; t += 1) {
        const auto i = static_cast<std::size_t>(t);
        writePoint(chart, state, series, t, xs[i], ys[i]);
    }
}

ChartFrame pointFrame(int rows, const char *title, const char *yTitle)
{
    ChartFrame frame;
    frame.columns = 4;
    frame.rows = rows;
    frame.title = QString::fromLatin1(title);
    frame.style = SeriesStyle::Point;
    frame.yTitle = QString::fromLatin1(yTitle);
    frame.xTitle = QStringLiteral("N");
    return frame;
}

ChartFrame theoryFrame(int columns, const QString &title, const ChartLook &look)
{
    ChartFrame frame;
    frame.columns = columns;
    frame.rows = 51;
    frame.title = title;
    frame.yTitle = QStringLiteral("dN");
    frame.xTitle = QStringLiteral("N");
    frame.legend = look.legend;
    frame.legendTexts = look.legendTexts;
    return frame;
}

} // namespace

void ShowdNvsN(ChartControl &chart, HarvestState &state)
{
    const double last = std::min(state.SimuT, static_cast<double>(SeriesLength - 2));
    standardSetUp(chart, pointFrame(rowCountOf(last + 1), "dN vs. N", "dN"));
    pointCloud(chart, state, 1, state.NOriginal, state.dNOriginal, last);
    pointCloud(chart, state, 3, state.NHarvested, state.dNHarvested, last);
    chart.refresh();
}

void ShowdNperNvsN(ChartControl &chart, HarvestState &state, std::string_view simutText)
{
    const double L = runLengthOf(simutText, state);
    standardSetUp(chart, pointFrame(rowCountOf(L), "dN/N vs. N", "dN/N"));
    pointCloud(chart, state, 1, state.NOriginal, state.dNperNOriginal, L - 1);
    pointCloud(chart, state, 3, state.NHarvested, state.dNperNHarvested, L - 1);
    chart.refresh();
}

void drawLogisticTheory(ChartControl &chart, HarvestState &state, const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    const double K = state.CarryingCapacity;
    const double H = state.HarvestRate;
    const Equilibria equilibria = logisticEquilibria(r, K, H);
    if (equilibria.exist) {
        state.NUnstable = equilibria.unstable;
        state.NStable = equilibria.stable;
    }

    const bool curvesDefined = K > 0;
    QString title = look.title;
    if (!curvesDefined)
        title = look.stem + QStringLiteral(": not defined unless K > 0");
    else if (r == 0)
        title = look.stem + QStringLiteral(": no equilibrium, r = 0");
    else if (!equilibria.exist)
        title = look.stem + QStringLiteral(": no equilibrium, H > rK/4");
    standardSetUp(chart, theoryFrame(10, title, look));

    state.XStep = K / 50;
    if (curvesDefined) {
        for (double i = 0; i <= 50; i += 1) {
            const double x = i * state.XStep;
            writePoint(chart, state, 1, i, x, logisticYield(r, K, x));
        }
        for (double i = 0; i <= 50; i += 1) {
            const double x = state.XStep * i;
            writePoint(chart, state, 3, i, x, logisticYield(r, K, x) - H);
        }
        for (double i = 0; i <= 50; i += 1)
            writePoint(chart, state, 5, i, state.XStep * i, H);
    } else {
        for (int series : {1, 3, 5})
            emptyRows(chart, series, 1, 51);
    }
    if (curvesDefined && equilibria.exist) {
        for (double i = 0; i <= 50; i += 1)
            writePoint(chart, state, 7, i, state.NUnstable, H * i / 50);
        for (double i = 0; i <= 50; i += 1)
            writePoint(chart, state, 9, i, state.NStable, H * i / 50);
    } else {
        emptyRows(chart, 7, 1, 51);
        emptyRows(chart, 9, 1, 51);
    }
    chart.refresh();
}

void ShowalldNvsN(ChartControl &chart, HarvestState &state)
{
    ChartLook look;
    look.title = QStringLiteral("Theoretical dN vs. N (logistic model)");
    look.stem = QStringLiteral("Theoretical dN vs. N");
    drawLogisticTheory(chart, state, look);
}

void drawExponentialTheory(ChartControl &chart, HarvestState &state, double n0,
                           const ChartLook &look)
{
    const double r = state.IntrinsicRate;
    const double H = state.HarvestRate;
    standardSetUp(chart, theoryFrame(6, look.title, look));
    state.XStep = n0 * 2 / 50;
    for (double i = 0; i <= 50; i += 1) {
        const double x = state.XStep * i;
        writePoint(chart, state, 1, i, x, r * x);
    }
    for (double i = 0; i <= 50; i += 1) {
        const double x = state.XStep * i;
        writePoint(chart, state, 3, i, x, r * x - H);
    }
    for (double i = 0; i <= 50; i += 1)
        writePoint(chart, state, 5, i, state.XStep * i, H);
    chart.refresh();
}

void ShowExponentdNandH(ChartControl &chart, HarvestState &state, std::string_view n0Text)
{
    ChartLook look;
    look.title = QStringLiteral("Theoretical dN vs. N (exponential model)");
    look.stem = QStringLiteral("Theoretical dN vs. N");
    drawExponentialTheory(chart, state, n0Of(n0Text, state), look);
}
