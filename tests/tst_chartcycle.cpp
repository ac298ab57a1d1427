// The cycle of nine charts that a click on a chart steps through, shared by both
// chart windows.
#include "model/growth.h"
#include "recordingchart.h"
#include "testchartlook.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Growth)
Q_DECLARE_METATYPE(Chart)
Q_DECLARE_METATYPE(RunParameters)

class TestChartCycle : public QObject
{
    Q_OBJECT

private slots:
    void positionsStepAndWrap_data();
    void positionsStepAndWrap();
    void cycleUnderBothModels_data();
    void cycleUnderBothModels();
    void keptRunsDrawnBehind_data();
    void keptRunsDrawnBehind();
    void nothingKeptChangesNothing();
};

namespace {

std::unique_ptr<HarvestState> run(const RunParameters &parameters)
{
    auto state = std::make_unique<HarvestState>();
    simulate(*state, parameters);
    return state;
}

ChartInputs inputsOf(const HarvestState &state) { return {state.SimuT, state.NOriginal[0]}; }

} // namespace

void TestChartCycle::positionsStepAndWrap_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("next");
    QTest::addRow("start") << 0 << 1;
    QTest::addRow("middle") << 4 << 5;
    QTest::addRow("last goes back to 0") << 8 << 0;
    QTest::addRow("outside the cycle") << 9 << 0;
    QTest::addRow("negative") << -5 << 0;
    QTest::addRow("largest int") << std::numeric_limits<int>::max() << 0;
}

void TestChartCycle::positionsStepAndWrap()
{
    QFETCH(int, position);
    QFETCH(int, next);
    QCOMPARE(nextCyclePosition(position), next);
}

void TestChartCycle::cycleUnderBothModels_data()
{
    QTest::addColumn<Growth>("model");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("tag"); // the run in the names of saved files
    const QStringList common = {"N(t) vs. time",   "dN(t) vs. time",       "dN vs. N",
                                "lnN(t) vs. time", "N and dN(t) vs. time", "dN/N vs. N"};
    QTest::addRow("logistic") << Growth::Logistic
                              << common
                                     + QStringList{"Theoretical dN vs. N (logistic model)",
                                                   "Cost and Revenue vs. N",
                                                   "Net profit vs. N (p/e = 50, 20, 10, 5)"}
                              << "logistic_n0-100_k-500_r-0.2_h-10_t-65";
    QTest::addRow("exponential") << Growth::Exponential
                                 << common
                                        + QStringList{"Theoretical dN vs. N (exponential model)",
                                                      "Cost and Revenue vs. N (exponential model)",
                                                      "Net profit vs. N (exponential model)"}
                                 << "exponential_n0-100_r-0.2_h-10_t-65";
}

// Every position draws its own chart of the run, with something on it.
void TestChartCycle::cycleUnderBothModels()
{
    QFETCH(Growth, model);
    QFETCH(QStringList, titles);
    QFETCH(QString, tag);
    auto state = std::make_unique<HarvestState>();
    const double K = model == Growth::Logistic ? 500 : 0;
    simulate(*state, RunParameters{model, 100, 0.2, K, 10, 65});
    QStringList drawn;
    for (int position = 0; position < ChartCyclePositions; ++position) {
        RecordingChart chart;
        drawTestChart(chartAtCyclePosition(position, model), chart, *state, state->SimuT, 100);
        drawn << chart.title;
        QVERIFY2(!chart.drawn(1).isEmpty(), qPrintable(chart.title));
        QCOMPARE(chart.fileNameTag, tag);
    }
    QCOMPARE(drawn, titles);
    QVERIFY(chartAtCyclePosition(-1, model) == Chart::NvsT);
    QVERIFY(chartAtCyclePosition(ChartCyclePositions, model) == Chart::NvsT);
}

void TestChartCycle::keptRunsDrawnBehind_data()
{
    QTest::addColumn<Chart>("chart");
    QTest::addColumn<RunParameters>("kept");
    QTest::addColumn<Chart>("keptChart");   // the same chart under the kept run's model
    QTest::addColumn<QStringList>("names"); // of the kept series drawn
    QTest::addColumn<QList<int>>("series"); // their x columns in the kept run's chart
    const RunParameters harvest20{Growth::Logistic, 100, 0.2, 500, 20, 65};
    const RunParameters exponential{Growth::Exponential, 100, 0.2, 0, 10, 65};
    QTest::addRow("N(t), H = 20") << Chart::NvsT << harvest20 << Chart::NvsT
                                  << QStringList{"original, H = 20", "harvested, H = 20"}
                                  << QList<int>{1, 3};
    // The same growth curve would lie under the current one: left out.
    QTest::addRow("theory, H = 20") << Chart::LogisticTheory << harvest20 << Chart::LogisticTheory
                                    << QStringList{"harvested, H = 20", "harvest rate, H = 20",
                                                   "unstable, H = 20", "stable, H = 20"}
                                    << QList<int>{3, 5, 7, 9};
    QTest::addRow("economics, same r and K")
        << Chart::CostAndRevenue << harvest20 << Chart::CostAndRevenue << QStringList{}
        << QList<int>{};
    QTest::addRow("N(t) of an exponential run")
        << Chart::NvsT << exponential << Chart::NvsT
        << QStringList{"original, exponential", "harvested, exponential"} << QList<int>{1, 3};
    QTest::addRow("theory of an exponential run")
        << Chart::LogisticTheory << exponential << Chart::ExponentialTheory
        << QStringList{"original, exponential", "harvested, exponential",
                       "harvest rate, exponential"}
        << QList<int>{1, 3, 5};
}

// A kept run's curves follow the current run's, each exactly the curve a plain
// run with the kept run's parameters draws, named by what differs.
void TestChartCycle::keptRunsDrawnBehind()
{
    QFETCH(Chart, chart);
    QFETCH(RunParameters, kept);
    QFETCH(Chart, keptChart);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, series);
    const auto current = run({Growth::Logistic, 100, 0.2, 500, 10, 65});
    KeptRuns runs;
    runs.keep(*run(kept));
    RecordingChart both;
    drawChart(chart, both, *current, inputsOf(*current), testChartLook(chart),
              KeptDrawing{&runs, inputsOf});
    RecordingChart alone;
    const auto plain = run(kept);
    drawChart(keptChart, alone, *plain, inputsOf(*plain), testChartLook(keptChart));
    RecordingChart own;
    drawChart(chart, own, *current, inputsOf(*current), testChartLook(chart));

    QCOMPARE(both.refreshes, 1);
    QCOMPARE(both.columns, own.columns + 2 * int(series.size()));
    QStringList drawnNames;
    for (qsizetype i = 0; i < series.size(); ++i) {
        const int at = own.columns + 1 + 2 * int(i);
        drawnNames << both.legendTexts.value(at);
        QVERIFY((both.faded.value(at) == QPair<int, int>{series.at(i), 1}));
        const QList<QPointF> mine = both.drawn(at);
        const QList<QPointF> theirs = alone.drawn(series.at(i));
        QCOMPARE(mine.size(), theirs.size());
        for (qsizetype p = 0; p < mine.size(); ++p)
            QVERIFY(mine.at(p).x() == theirs.at(p).x() && mine.at(p).y() == theirs.at(p).y());
    }
    QCOMPARE(drawnNames, names);
    // The current run's own series are as they are alone.
    for (int s = 1; s < own.columns; s += 2)
        QCOMPARE(both.drawn(s), own.drawn(s));
}

void TestChartCycle::nothingKeptChangesNothing()
{
    const auto current = run({Growth::Logistic, 100, 0.2, 500, 10, 65});
    KeptRuns none;
    for (const Chart chart : {Chart::NvsT, Chart::LogisticTheory, Chart::NetProfit}) {
        RecordingChart with;
        RecordingChart without;
        drawChart(chart, with, *current, inputsOf(*current), testChartLook(chart),
                  KeptDrawing{&none, inputsOf});
        drawChart(chart, without, *current, inputsOf(*current), testChartLook(chart));
        QCOMPARE(with.calls, without.calls);
    }
}

QTEST_GUILESS_MAIN(TestChartCycle)
#include "tst_chartcycle.moc"
