// The cycle of nine charts that a click on a chart steps through, shared by both
// chart windows.
#include "model/growth.h"
#include "recordingchart.h"
#include "testchartlook.h"

#include <QTest>

#include <memory>

Q_DECLARE_METATYPE(Growth)

class TestChartCycle : public QObject
{
    Q_OBJECT

private slots:
    void positionsStepAndWrap_data();
    void positionsStepAndWrap();
    void cycleUnderBothModels_data();
    void cycleUnderBothModels();
};

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

QTEST_GUILESS_MAIN(TestChartCycle)
#include "tst_chartcycle.moc"
