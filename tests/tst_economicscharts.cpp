// Cost, revenue and net profit of a harvest from a population held at size N.
#include "recordingchart.h"
#include "testchartlook.h"

#include <QTest>

#include <cmath>
#include <memory>

namespace {

void setParameters(HarvestState &state, double r, double K)
{
    state.IntrinsicRate = r;
    state.CarryingCapacity = K;
    state.HarvestRate = 10;
}

} // namespace

class TestEconomicsCharts : public QObject
{
    Q_OBJECT

private slots:
    void init() { state = std::make_unique<HarvestState>(); }

    void costAndRevenueWithDefaults();
    void netProfitWithDefaults();
    void netProfitPointsFollowTheRunLength_data();
    void netProfitPointsFollowTheRunLength();
    void logisticEconomicsNeedACapacity_data();
    void logisticEconomicsNeedACapacity();
    void exponentialCounterparts();

private:
    std::unique_ptr<HarvestState> state;
};

void TestEconomicsCharts::costAndRevenueWithDefaults()
{
    setParameters(*state, 0.2, 500);
    RecordingChart chart;
    drawTestChart(Chart::CostAndRevenue, chart, *state);
    QCOMPARE(chart.title, QStringLiteral("Cost and Revenue vs. N"));
    QCOMPARE(chart.yTitle, QStringLiteral("C and R"));
    QCOMPARE(chart.columns, 10);
    QCOMPARE(chart.rows, 51);
    QVERIFY(state->XStep == 10);
    QVERIFY(*chart.point(1, 1) == QPointF(0, 0));
    QVERIFY(*chart.point(1, 51) == QPointF(500, 500));
    // The ratios come in the order 50, 20, 10, 5; each revenue is 0 at N = 0 and N = K.
    const double ratios[] = {50, 20, 10, 5};
    for (int k = 0; k < 4; ++k) {
        const int series = 3 + 2 * k;
        QVERIFY(chart.point(series, 1)->y() == 0);
        QVERIFY(std::abs(chart.point(series, 51)->y()) < 1e-9);
        QVERIFY(chart.point(series, 26)->y() == ratios[k] * 25);
    }
    QVERIFY(chart.point(3, 26)->y() == 1250); // the peak, at N = 250
    for (int row = 1; row <= 51; ++row)
        QVERIFY(chart.point(3, row)->y() <= 1250);
}

void TestEconomicsCharts::netProfitWithDefaults()
{
    setParameters(*state, 0.2, 500);
    RecordingChart chart;
    drawTestChart(Chart::NetProfit, chart, *state, 65);
    QCOMPARE(chart.title, QStringLiteral("Net profit vs. N (p/e = 50, 20, 10, 5)"));
    QCOMPARE(chart.yTitle, QStringLiteral("Profit"));
    QCOMPARE(chart.columns, 8);
    QVERIFY(chart.point(1, 26)->y() == 1000);  // p/e = 50 at N = 250
    QCOMPARE(chart.point(1, 23)->y(), 1012.0); // N = 220 and N = 230 give the most on the grid
    QCOMPARE(chart.point(1, 24)->y(), 1012.0);
    QVERIFY(chart.point(5, 26)->y() == 0); // p/e = 10 breaks exactly even at N = 250
    // p/e = 5 earns -N^2/K and is never positive.
    for (int row = 1; row <= 65; ++row) {
        const double N = chart.point(7, row)->x();
        QVERIFY(std::abs(chart.point(7, row)->y() + N * N / 500) < 1e-9);
        QVERIFY(chart.point(7, row)->y() <= 0);
    }
}

void TestEconomicsCharts::netProfitPointsFollowTheRunLength_data()
{
    QTest::addColumn<double>("L");
    QTest::addColumn<int>("points");
    QTest::addColumn<double>("lastN");
    QTest::addRow("default run length") << 65.0 << 65 << 640.0;
    QTest::addRow("51 points reach K") << 51.0 << 51 << 500.0;
    QTest::addRow("one point") << 1.0 << 1 << 0.0;
    // A run length no run can have is held to the length of the series.
    QTest::addRow("a billion points") << 1e9 << SeriesLength - 1 << 10000 * 10.0;
}

void TestEconomicsCharts::netProfitPointsFollowTheRunLength()
{
    QFETCH(double, L);
    QFETCH(int, points);
    QFETCH(double, lastN);
    setParameters(*state, 0.2, 500);
    RecordingChart chart;
    drawTestChart(Chart::NetProfit, chart, *state, L);
    QCOMPARE(chart.rows, points);
    for (int series = 1; series <= 7; series += 2)
        QCOMPARE(chart.writtenRows(series).size(), points);
    QVERIFY(chart.point(7, points)->x() == lastN);
}

void TestEconomicsCharts::logisticEconomicsNeedACapacity_data()
{
    QTest::addColumn<bool>("profit");
    QTest::addColumn<bool>("exponentialRun");
    QTest::addColumn<QString>("title");
    QTest::addRow("cost and revenue, K = 0")
        << false << false << "Cost and Revenue vs. N: not defined unless K > 0";
    QTest::addRow("net profit, K = 0")
        << true << false << "Net profit vs. N: not defined unless K > 0";
    // The last run was exponential and left no K behind.
    QTest::addRow("cost and revenue, exponential run")
        << false << true << "Cost and Revenue vs. N: needs a run of the logistic model";
    QTest::addRow("net profit, exponential run")
        << true << true << "Net profit vs. N: needs a run of the logistic model";
}

void TestEconomicsCharts::logisticEconomicsNeedACapacity()
{
    QFETCH(bool, profit);
    QFETCH(bool, exponentialRun);
    QFETCH(QString, title);
    const Chart economics = profit ? Chart::NetProfit : Chart::CostAndRevenue;
    RecordingChart chart;
    setParameters(*state, 0.2, 500);
    drawTestChart(economics, chart, *state, 65);
    setParameters(*state, 0.2, 0);
    if (exponentialRun)
        state->RunModel = Growth::Exponential;
    drawTestChart(economics, chart, *state, 65);
    QCOMPARE(chart.title, title);
    for (int series = 1; series < chart.columns; series += 2)
        QVERIFY(chart.drawn(series).isEmpty());
}

void TestEconomicsCharts::exponentialCounterparts()
{
    setParameters(*state, 0.2, 0);
    state->NOriginal[0] = 100;
    RecordingChart revenue, profit;
    drawTestChart(Chart::ExponentialCostAndRevenue, revenue, *state, 10, 100);
    drawTestChart(Chart::ExponentialNetProfit, profit, *state, 10, 100);
    QCOMPARE(revenue.title, QStringLiteral("Cost and Revenue vs. N (exponential model)"));
    QCOMPARE(profit.title, QStringLiteral("Net profit vs. N (exponential model)"));
    QCOMPARE(revenue.rows, 51);
    QCOMPARE(profit.rows, 51);
    // N runs from 0 to 2 N(0); a harvest of rN keeps the population at N.
    QVERIFY(*revenue.point(1, 51) == QPointF(200, 200));
    QVERIFY(*revenue.point(3, 51) == QPointF(200, 2000)); // 50 × 0.2 × 200
    QVERIFY(*revenue.point(9, 51) == QPointF(200, 200));  // 5 × 0.2 × 200
    QVERIFY(*profit.point(1, 51) == QPointF(200, 1800));  // 2000 less the cost, 200
    QVERIFY(profit.point(7, 26)->y() == 0);               // r (p/e) = 1: revenue only pays the cost
    QVERIFY(state->XStep == 4);
}

QTEST_GUILESS_MAIN(TestEconomicsCharts)
#include "tst_economicscharts.moc"
