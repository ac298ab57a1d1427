// Growth against population size: the simulated point clouds and the theoretical
// curves with the harvest line and the equilibria.
#include "model/growth.h"
#include "model/numbertext.h"
#include "recordingchart.h"
#include "testchartlook.h"

#include <QTest>

#include <cmath>
#include <memory>

namespace {

double run(HarvestState &state, double H, double T)
{
    simulate(state, RunParameters{Growth::Logistic, 100, 0.2, 500, H, T});
    return state.SimuT;
}

void setParameters(HarvestState &state, double r, double K, double H)
{
    state.IntrinsicRate = r;
    state.CarryingCapacity = K;
    state.HarvestRate = H;
}

bool near(double a, double b, double tolerance = 1e-9) { return std::abs(a - b) <= tolerance; }

} // namespace

class TestDensityCharts : public QObject
{
    Q_OBJECT

private slots:
    void init() { state = std::make_unique<HarvestState>(); }

    void pointCloudsCoverTheirSteps_data();
    void pointCloudsCoverTheirSteps();
    void pointCloudsUsePointStyle();
    void theoryWithDefaults();
    void theoryEquilibria_data();
    void theoryEquilibria();
    void theoryWithoutEquilibrium_data();
    void theoryWithoutEquilibrium();
    void theoryUndefinedWithoutCapacity();
    void theoryWithHugeProducts();
    void exponentialTheoryWithDefaults();

private:
    std::unique_ptr<HarvestState> state;
};

void TestDensityCharts::pointCloudsCoverTheirSteps_data()
{
    QTest::addColumn<double>("H");
    QTest::addColumn<int>("dNRows");     // t = 0 to SimuT
    QTest::addColumn<int>("dNperNRows"); // t = 0 to L - 1
    QTest::addRow("defaults") << 10.0 << 66 << 65;
    QTest::addRow("extinct at t=4") << 40.0 << 4 << 3;
}

void TestDensityCharts::pointCloudsCoverTheirSteps()
{
    QFETCH(double, H);
    QFETCH(int, dNRows);
    QFETCH(int, dNperNRows);
    const double L = run(*state, H, 65);
    RecordingChart dN, perN;
    drawTestChart(Chart::dNvsN, dN, *state, L);
    drawTestChart(Chart::dNperNvsN, perN, *state, L);
    QCOMPARE(dN.rows, dNRows);
    QCOMPARE(perN.rows, dNperNRows);
    for (int series : {1, 3}) {
        QCOMPARE(dN.writtenRows(series).size(), dNRows);
        QCOMPARE(perN.writtenRows(series).size(), dNperNRows);
    }
    const auto last = std::size_t(dNRows - 1);
    QVERIFY(*dN.point(3, dNRows) == QPointF(state->NHarvested[last], state->dNHarvested[last]));
    QVERIFY(state->NHarvested[last] > 0); // the last marker still has a living population
    QVERIFY(*perN.point(1, 1) == QPointF(100, state->dNperNOriginal[0]));
    QCOMPARE(dN.title, QStringLiteral("dN vs. N"));
    QCOMPARE(perN.title, QStringLiteral("dN/N vs. N"));
    QCOMPARE(perN.yTitle, QStringLiteral("dN/N"));
    QCOMPARE(perN.xTitle, QStringLiteral("N"));
}

void TestDensityCharts::pointCloudsUsePointStyle()
{
    run(*state, 10, 65);
    RecordingChart chart;
    drawTestChart(Chart::NvsT, chart, *state, 65); // a time chart before it
    drawTestChart(Chart::dNvsN, chart, *state, 65);
    for (int series : {1, 3}) {
        QVERIFY(!chart.lineShown.value(series, true));
        QVERIFY(chart.markerVisible.value(series));
    }
    QVERIFY(!chart.xWholeNumbers); // population sizes need not be whole
}

void TestDensityCharts::theoryWithDefaults()
{
    setParameters(*state, 0.2, 500, 10);
    RecordingChart chart;
    drawTestChart(Chart::LogisticTheory, chart, *state);
    // s = sqrt(6000): the equilibria lie at (100 -+ s) * 2.5.
    QVERIFY(near(state->NUnstable, (100 - std::sqrt(6000.0)) * 2.5, 1e-9));
    QVERIFY(near(state->NStable, (100 + std::sqrt(6000.0)) * 2.5, 1e-9));
    QVERIFY(near(state->NUnstable, 56.4, 0.05) && near(state->NStable, 444, 0.5));
    QVERIFY(state->XStep == 10);
    QCOMPARE(chart.columns, 10);
    QCOMPARE(chart.rows, 51);
    QCOMPARE(chart.yTitle, QStringLiteral("dN"));
    QCOMPARE(chart.title, QStringLiteral("Theoretical dN vs. N (logistic model)"));
    for (int series = 1; series <= 9; series += 2)
        QCOMPARE(chart.writtenRows(series).size(), 51);

    // Growth without harvest rises from 0 to 25 at N = 250 and falls back to 0 at K.
    QVERIFY(*chart.point(1, 1) == QPointF(0, 0));
    QVERIFY(*chart.point(1, 26) == QPointF(250, 25));
    QVERIFY(chart.point(1, 51)->x() == 500 && near(chart.point(1, 51)->y(), 0));
    for (int row = 1; row <= 51; ++row) {
        QVERIFY(chart.point(3, row)->y() == chart.point(1, row)->y() - 10);
        QVERIFY(*chart.point(5, row) == QPointF(10.0 * (row - 1), 10));
        QVERIFY(chart.point(7, row)->x() == state->NUnstable);
        QVERIFY(chart.point(9, row)->x() == state->NStable);
    }
    QVERIFY(chart.point(7, 1)->y() == 0 && chart.point(7, 51)->y() == 10);
}

void TestDensityCharts::theoryEquilibria_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("K");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("unstable");
    QTest::addColumn<double>("stable");
    QTest::addRow("defaults") << 0.2 << 500.0 << 10.0 << 56.3508326896291 << 443.649167310371;
    QTest::addRow("no harvest") << 0.2 << 500.0 << 0.0 << 0.0 << 500.0;
    QTest::addRow("H = rK/4 touches the top") << 0.2 << 500.0 << 25.0 << 250.0 << 250.0;
    QTest::addRow("H = rK/4 typed as 7.5") << 0.3 << 100.0 << 7.5 << 50.0 << 50.0;
}

void TestDensityCharts::theoryEquilibria()
{
    QFETCH(double, r);
    QFETCH(double, K);
    QFETCH(double, H);
    QFETCH(double, unstable);
    QFETCH(double, stable);
    setParameters(*state, r, K, H);
    RecordingChart chart;
    drawTestChart(Chart::LogisticTheory, chart, *state);
    QVERIFY2(near(state->NUnstable, unstable, 1e-4),
             qPrintable(QString::number(state->NUnstable, 'g', 17)));
    QVERIFY2(near(state->NStable, stable, 1e-4),
             qPrintable(QString::number(state->NStable, 'g', 17)));
    QCOMPARE(chart.writtenRows(7).size(), 51);
    QCOMPARE(chart.writtenRows(9).size(), 51);
    QVERIFY(!chart.title.contains(QLatin1String("no equilibrium")));
}

void TestDensityCharts::theoryWithoutEquilibrium_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("H");
    QTest::addColumn<QString>("title");
    QTest::addRow("H above rK/4") << 0.2 << 26.0
                                  << "Theoretical dN vs. N: no equilibrium, H > rK/4";
    QTest::addRow("no growth") << 0.0 << 10.0 << "Theoretical dN vs. N: no equilibrium, r = 0";
}

void TestDensityCharts::theoryWithoutEquilibrium()
{
    QFETCH(double, r);
    QFETCH(double, H);
    QFETCH(QString, title);
    RecordingChart chart;
    setParameters(*state, 0.2, 500, 10);
    drawTestChart(Chart::LogisticTheory, chart, *state); // leaves equilibrium segments in the grid
    setParameters(*state, r, 500, H);
    drawTestChart(Chart::LogisticTheory, chart, *state);
    QCOMPARE(chart.title, title);
    // The three curves are drawn, the two equilibrium segments are not.
    for (int series : {1, 3, 5})
        QCOMPARE(chart.drawn(series).size(), 51);
    QVERIFY(chart.drawn(7).isEmpty());
    QVERIFY(chart.drawn(9).isEmpty());
    QVERIFY(*chart.point(5, 26) == QPointF(250, H));
}

// rK beyond a double says so, not that H is too large; a square beyond a double
// still has its equilibria.
void TestDensityCharts::theoryWithHugeProducts()
{
    RecordingChart chart;
    setParameters(*state, 1e308, 7, 10);
    drawTestChart(Chart::LogisticTheory, chart, *state);
    QCOMPARE(chart.title, QStringLiteral("Theoretical dN vs. N: values too large to draw"));
    for (int series = 1; series <= 9; series += 2)
        QVERIFY(chart.drawn(series).isEmpty());

    setParameters(*state, 1e160, 1, 10); // (rK)^2 = 1e320
    drawTestChart(Chart::LogisticTheory, chart, *state);
    QCOMPARE(chart.title, QStringLiteral("Theoretical dN vs. N (logistic model)"));
    QVERIFY(near(state->NStable, 1) && state->NUnstable >= 0 && state->NUnstable < 1e-100);
    QCOMPARE(chart.drawn(9).size(), 51);
}

void TestDensityCharts::theoryUndefinedWithoutCapacity()
{
    RecordingChart chart;
    setParameters(*state, 0.2, 500, 10);
    drawTestChart(Chart::LogisticTheory, chart, *state);
    setParameters(*state, 0.2, 0, 10);
    drawTestChart(Chart::LogisticTheory, chart, *state);
    QCOMPARE(chart.title, QStringLiteral("Theoretical dN vs. N: not defined unless K > 0"));
    for (int series = 1; series <= 9; series += 2)
        QVERIFY(chart.drawn(series).isEmpty());
}

void TestDensityCharts::exponentialTheoryWithDefaults()
{
    setParameters(*state, 0.2, 0, 15);
    RecordingChart chart;
    drawTestChart(Chart::ExponentialTheory, chart, *state, 0, 100);
    QCOMPARE(chart.columns, 6);
    QCOMPARE(chart.rows, 51);
    QCOMPARE(chart.title, QStringLiteral("Theoretical dN vs. N (exponential model)"));
    QVERIFY(state->XStep == 4);
    QVERIFY(*chart.point(1, 51) == QPointF(200, 40));
    QVERIFY(*chart.point(3, 1) == QPointF(0, -15));
    QVERIFY(*chart.point(3, 51) == QPointF(200, 25));
    // rN - H crosses zero, and rN meets H, at N = H/r = 75 (row 19 holds N = 72, row 20 N = 76).
    QVERIFY(chart.point(3, 19)->y() < 0 && chart.point(3, 20)->y() > 0);
    QVERIFY(chart.point(1, 19)->y() < 15 && chart.point(1, 20)->y() > 15);
    for (int row = 1; row <= 51; ++row)
        QVERIFY(chart.point(5, row)->y() == 15);
}

QTEST_GUILESS_MAIN(TestDensityCharts)
#include "tst_densitycharts.moc"
