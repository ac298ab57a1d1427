// The charts against time, read from a recording chart.
#include "model/growth.h"
#include "model/numbertext.h"
#include "recordingchart.h"
#include "testchartlook.h"

#include <QTest>

#include <cmath>
#include <memory>

namespace {

struct TimeChart
{
    const char *name;
    Chart chart;
    int columns;
    int extraRows;  // the row count is L plus this
    int lastOffset; // the last time step drawn is L plus this
};

const TimeChart Charts[] = {
    {"ShowNvsT", Chart::NvsT, 4, 1, 0},
    {"ShowdNvsT", Chart::dNvsT, 4, 0, -1},
    {"ShowlnNvsT", Chart::lnNvsT, 4, 1, 0},
    {"ShowNanddNvsT", Chart::NanddNvsT, 8, 0, -1},
};

// Runs a model and returns the run length as the window reads it after the run.
double run(HarvestState &state, double n0, double r, double K, double H, double T,
           Growth model = Growth::Logistic)
{
    state.GrowthModel = model;
    simulate(state, RunParameters{model, n0, r, K, H, T});
    return state.SimuT;
}

void draw(Chart chart, ChartControl &control, HarvestState &state, double L)
{
    drawTestChart(chart, control, state, L);
}

QList<int> rowsUpTo(int last)
{
    QList<int> rows;
    for (int row = 1; row <= last; ++row)
        rows << row;
    return rows;
}

} // namespace

class TestPopulationCharts : public QObject
{
    Q_OBJECT

private slots:
    void init() { state = std::make_unique<HarvestState>(); }

    void rowsWritten_data();
    void rowsWritten();
    void valuesFollowTheSeries();
    void setUpComesInItsFixedOrder();
    void workingValuesHoldTheLastPoint();
    void zeroPopulationDrawsOnePointAndNoLogarithm();
    void logarithmLeavesOutSizesThatAreNotPositive();
    void runLengthBeyondTheSeriesIsHeld_data();
    void runLengthBeyondTheSeriesIsHeld();

private:
    std::unique_ptr<HarvestState> state;
};

void TestPopulationCharts::rowsWritten_data()
{
    QTest::addColumn<int>("chart");
    QTest::addColumn<double>("H");
    QTest::addColumn<double>("T");
    QTest::addColumn<int>("L"); // run length after the run
    for (int c = 0; c < 4; ++c) {
        QTest::addRow("%s, L=1", Charts[c].name) << c << 10.0 << 1.0 << 1;
        QTest::addRow("%s, L=65", Charts[c].name) << c << 10.0 << 65.0 << 65;
        QTest::addRow("%s, extinct at t=4", Charts[c].name) << c << 40.0 << 65.0 << 3;
    }
}

void TestPopulationCharts::rowsWritten()
{
    QFETCH(int, chart);
    QFETCH(double, H);
    QFETCH(double, T);
    QFETCH(int, L);
    const TimeChart &c = Charts[chart];
    QVERIFY(run(*state, 100, 0.2, 500, H, T) == L);

    RecordingChart recording;
    draw(c.chart, recording, *state, L);
    QCOMPARE(recording.columns, c.columns);
    QCOMPARE(recording.rows, L + c.extraRows);
    const QList<int> expected = rowsUpTo(L + c.lastOffset + 1);
    for (int series = 1; series < c.columns; series += 2)
        QCOMPARE(recording.writtenRows(series), expected);
    // Time runs along x: the point of step t is in row t + 1.
    for (int row : expected)
        QVERIFY(recording.point(1, row)->x() == row - 1);
    QCOMPARE(recording.refreshes, 1);
    QVERIFY(recording.calls.last() == QLatin1String("refresh"));
}

void TestPopulationCharts::valuesFollowTheSeries()
{
    const double L = run(*state, 100, 0.2, 500, 10, 65);
    RecordingChart n, dn, ln, both;
    draw(Chart::NvsT, n, *state, L);
    draw(Chart::dNvsT, dn, *state, L);
    draw(Chart::lnNvsT, ln, *state, L);
    draw(Chart::NanddNvsT, both, *state, L);
    QCOMPARE(n.title, QStringLiteral("N(t) vs. time"));
    QCOMPARE(dn.title, QStringLiteral("dN(t) vs. time"));
    QCOMPARE(ln.title, QStringLiteral("lnN(t) vs. time"));
    QCOMPARE(both.title, QStringLiteral("N and dN(t) vs. time"));
    QCOMPARE(both.yTitle, QStringLiteral("N and dN"));
    QCOMPARE(n.xTitle, QStringLiteral("Time"));
    for (std::size_t t : {0u, 1u, 30u, 64u}) {
        const int row = static_cast<int>(t) + 1;
        QVERIFY(n.point(1, row)->y() == state->NOriginal[t]);
        QVERIFY(n.point(3, row)->y() == state->NHarvested[t]);
        QVERIFY(dn.point(3, row)->y() == state->dNHarvested[t]);
        QVERIFY(ln.point(1, row)->y() == std::log(state->NOriginal[t]));
        QVERIFY(both.point(3, row)->y() == state->dNOriginal[t]);
        QVERIFY(both.point(5, row)->y() == state->NHarvested[t]);
        QVERIFY(both.point(7, row)->y() == state->dNHarvested[t]);
    }
    QVERIFY(n.point(1, 66)->y() == state->NOriginal[65]);
}

void TestPopulationCharts::setUpComesInItsFixedOrder()
{
    const double L = run(*state, 100, 0.2, 500, 10, 65);
    RecordingChart chart;
    draw(Chart::NvsT, chart, *state, L);
    const QStringList expected
        = {"columns 4", "rows 66",  "legend", "titleSize", "titleFont", "title",
           "series 1",  "series 3", "yAxis",  "xAxis",     "refresh"};
    QCOMPARE(chart.calls, expected);
    QVERIFY(!chart.legend);
    // Time steps are whole numbers, and so are the time axis' ticks.
    QVERIFY(chart.xWholeNumbers && !chart.yWholeNumbers);
    QCOMPARE(chart.titleFont, QStringLiteral("Arial"));
    QVERIFY(chart.titleSize == 10);
    QVERIFY(chart.lineShown.value(1) && chart.lineShown.value(3));
    QVERIFY(!chart.markerVisible.value(1));
}

void TestPopulationCharts::workingValuesHoldTheLastPoint()
{
    const double L = run(*state, 100, 0.2, 500, 10, 65);
    RecordingChart chart;
    draw(Chart::NvsT, chart, *state, L);
    QVERIFY(state->PointIndex == 65);
    QVERIFY(state->PointX == 65);
    QVERIFY(state->PointY == state->NHarvested[65]);
    draw(Chart::lnNvsT, chart, *state, L);
    QVERIFY(state->LastPoint == 65);
    QVERIFY(state->PointY == std::log(state->NHarvested[65]));
}

void TestPopulationCharts::zeroPopulationDrawsOnePointAndNoLogarithm()
{
    const double L = run(*state, 0, 0.2, 0, 15, 10, Growth::Exponential);
    QVERIFY(L == 0);
    RecordingChart chart;
    draw(Chart::NvsT, chart, *state, L);
    QCOMPARE(chart.rows, 1);
    QCOMPARE(chart.drawn(1), QList<QPointF>({QPointF(0, 0)}));
    QCOMPARE(chart.drawn(3), QList<QPointF>({QPointF(0, 0)}));

    // The logarithm chart has nothing to draw, and no point of the chart before it stays.
    draw(Chart::lnNvsT, chart, *state, L);
    QVERIFY(state->LastPoint == -1);
    QCOMPARE(chart.rows, 1);
    QVERIFY(chart.drawn(1).isEmpty());
    QVERIFY(chart.drawn(3).isEmpty());
}

void TestPopulationCharts::logarithmLeavesOutSizesThatAreNotPositive()
{
    const double L = run(*state, 100, 0.2, 500, 10, 5);
    state->NOriginal[2] = 0;
    state->NHarvested[3] = -1;
    RecordingChart chart;
    draw(Chart::lnNvsT, chart, *state, L);
    QCOMPARE(chart.writtenRows(1), QList<int>({1, 2, 4, 5, 6}));
    QCOMPARE(chart.writtenRows(3), QList<int>({1, 2, 3, 5, 6}));
    for (int series : {1, 3})
        for (const QPointF &p : chart.drawn(series))
            QVERIFY(std::isfinite(p.y()));
}

void TestPopulationCharts::runLengthBeyondTheSeriesIsHeld_data()
{
    QTest::addColumn<int>("chart");
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("SimuT");
    for (int c = 0; c < 4; ++c) {
        QTest::addRow("%s, L=20000", Charts[c].name) << c << 20000.0 << 65.0;
        QTest::addRow("%s, SimuT=20000", Charts[c].name) << c << 65.0 << 20000.0;
        QTest::addRow("%s, L=1e300", Charts[c].name) << c << 1e300 << 1e300;
        QTest::addRow("%s, L=-7", Charts[c].name) << c << -7.0 << 65.0;
    }
}

// Whatever a caller passes, no chart reads past the end of the series, and no
// stale row of an earlier chart shows beyond what the chart writes.
void TestPopulationCharts::runLengthBeyondTheSeriesIsHeld()
{
    QFETCH(int, chart);
    QFETCH(double, L);
    QFETCH(double, SimuT);
    run(*state, 100, 0.2, 500, 10, 65);
    state->SimuT = SimuT;
    RecordingChart recording;
    draw(Charts[chart].chart, recording, *state, L);
    QVERIFY(recording.rows <= SeriesLength);
    QVERIFY(state->PointIndex <= SeriesLength - 1);
    for (int series = 1; series < Charts[chart].columns; series += 2)
        QVERIFY(recording.writtenRows(series).size() <= SeriesLength);
}

QTEST_GUILESS_MAIN(TestPopulationCharts)
#include "tst_populationcharts.moc"
