// The growth models and the run that feeds them. Expected texts were worked out
// independently in the models' evaluation order; they pin the last digits.
#include "model/growth.h"
#include "model/numbertext.h"

#include <QTest>

#include <cmath>
#include <memory>

Q_DECLARE_METATYPE(RunParameters)
Q_DECLARE_METATYPE(RunRefusal)

namespace {

RunParameters logistic(double n0, double r, double K, double H, double T)
{
    return RunParameters{Growth::Logistic, n0, r, K, H, T};
}

RunParameters exponential(double n0, double r, double H, double T)
{
    return RunParameters{Growth::Exponential, n0, r, 0, H, T};
}

QString text(double value) { return QString::fromStdString(textOfNumber(value)); }

bool allFinite(const HarvestState &s, std::size_t last)
{
    for (std::size_t t = 0; t <= last + 1; ++t)
        if (!std::isfinite(s.NOriginal[t]) || !std::isfinite(s.NHarvested[t]))
            return false;
    for (std::size_t t = 0; t <= last; ++t)
        if (!std::isfinite(s.dNOriginal[t]) || !std::isfinite(s.dNHarvested[t])
            || !std::isfinite(s.dNperNOriginal[t]) || !std::isfinite(s.dNperNHarvested[t]))
            return false;
    return true;
}

constexpr double Stale = -12345.0;

void fillStale(HarvestState &s)
{
    for (Series *series : {&s.NOriginal, &s.NHarvested, &s.dNOriginal, &s.dNHarvested,
                           &s.dNperNOriginal, &s.dNperNHarvested})
        series->fill(Stale);
}

} // namespace

class TestGrowth : public QObject
{
    Q_OBJECT

private slots:
    void init() { state = std::make_unique<HarvestState>(); }

    void workedValues_data();
    void workedValues();
    void logisticDefaultsInDetail();
    void harvestOfFortyDiesOutAtStepFour();
    void exponentialHarvestDiesOutAtStepNine();
    void runLengthOneFillsThreeSizesAndTwoDifferences();
    void shorterRunKeepsLaterEntries();
    void harvestedValueOfExactlyZeroIsExtinct();
    void exponentialWithoutGrowthLosesHPerStep();
    void zeroPopulationEndsAtOnce_data();
    void zeroPopulationEndsAtOnce();
    void refusedRunsLeaveTheStateAlone_data();
    void refusedRunsLeaveTheStateAlone();
    void overflowNamesTheLongestRun();
    void parameterCaption_data();
    void parameterCaption();
    void exponentialRunStoresNoCapacity();
    void longestRunFillsTheSeriesToTheEnd();

private:
    std::unique_ptr<HarvestState> state;
};

void TestGrowth::workedValues_data()
{
    QTest::addColumn<RunParameters>("run");
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("original");
    QTest::addColumn<QString>("harvested");
    QTest::addRow("logistic defaults, t=1")
        << logistic(100, 0.2, 500, 10, 65) << 1 << "116.961170659678"
        << "106";
    QTest::addRow("logistic defaults, t=65")
        << logistic(100, 0.2, 500, 10, 65) << 65 << "499.995479382058"
        << "443.570191641478";
    QTest::addRow("logistic without harvest differs, t=1")
        << logistic(100, 0.2, 500, 0, 65) << 1 << "116.961170659678"
        << "116";
    QTest::addRow("exponential defaults, t=1")
        << exponential(100, 0.2, 15, 10) << 1 << "122.140275816017"
        << "105.535068954004";
    QTest::addRow("exponential defaults, t=10")
        << exponential(100, 0.2, 15, 10) << 10 << "738.905609893065"
        << "259.726402473266";
    QTest::addRow("exponential H=25 near its end, t=8")
        << exponential(100, 0.2, 25, 10) << 8 << "495.303242439512"
        << "1.17418939012213";
    // A tiny r: the harvest takes nearly 15 a step, 100 - 75 after five steps. The
    // written order would show 35.527136788005 for r = 1e-16.
    QTest::addRow("exponential r=1e-16, t=5") << exponential(100, 1e-16, 15, 5) << 5 << "100"
                                              << "25";
    QTest::addRow("exponential r=1e-12, t=5")
        << exponential(100, 1e-12, 15, 5) << 5 << "100.0000000005"
        << "25.0000000003125";
    // From r = 1e-6 up the written order stands, to the last digit.
    QTest::addRow("exponential r=1e-6, t=5")
        << exponential(100, 1e-6, 15, 5) << 5 << "100.00050000125"
        << "25.0003125010778";
}

void TestGrowth::workedValues()
{
    QFETCH(RunParameters, run);
    QFETCH(int, step);
    QFETCH(QString, original);
    QFETCH(QString, harvested);
    QCOMPARE(simulate(*state, run).refusal, RunRefusal::None);
    QCOMPARE(text(state->NOriginal[std::size_t(step)]), original);
    QCOMPARE(text(state->NHarvested[std::size_t(step)]), harvested);
}

void TestGrowth::logisticDefaultsInDetail()
{
    const RunOutcome outcome = simulate(*state, logistic(100, 0.2, 500, 10, 65));
    QVERIFY(!outcome.extinct);
    QVERIFY(state->SimuT == 65);
    // One step beyond the run length, so the last difference exists.
    QCOMPARE(text(state->NOriginal[66]), QStringLiteral("499.996298825002"));
    QVERIFY(state->dNperNHarvested[0] == 0.06);
    // Worked out step by step apart from the program.
    QCOMPARE(text(state->dNOriginal[0]), QStringLiteral("16.961170659678"));
    QCOMPARE(text(state->dNperNOriginal[64]), QStringLiteral("2.00175456136353E-06"));
    QCOMPARE(text(state->dNHarvested[65]), QStringLiteral("0.0122323631529753"));
    QVERIFY(allFinite(*state, 65));
}

void TestGrowth::harvestOfFortyDiesOutAtStepFour()
{
    fillStale(*state);
    const RunOutcome outcome = simulate(*state, logistic(100, 0.2, 500, 40, 65));
    QVERIFY(outcome.extinct);
    QVERIFY(outcome.lastStep == 3);
    QVERIFY(state->SimuT == 3);
    QStringList sizes;
    for (std::size_t t = 0; t <= 4; ++t)
        sizes << text(state->NHarvested[t]);
    QCOMPARE(sizes, QStringList({"100", "76", "48.8896", "17.711442804736", "0"}));
    QVERIFY(state->dNHarvested[3] == -state->NHarvested[3]);
    QVERIFY(state->dNperNHarvested[3] == -1);
    // Nothing beyond the step of extinction is written.
    QVERIFY(state->NHarvested[5] == Stale);
    QVERIFY(state->NOriginal[5] == Stale);
    QVERIFY(state->dNHarvested[4] == Stale);
}

void TestGrowth::exponentialHarvestDiesOutAtStepNine()
{
    const RunOutcome outcome = simulate(*state, exponential(100, 0.2, 25, 10));
    QVERIFY(outcome.extinct);
    QVERIFY(state->SimuT == 8);
    QVERIFY(state->NHarvested[9] == 0);
    for (std::size_t t = 1; t <= 8; ++t)
        QVERIFY2(state->NHarvested[t] < state->NHarvested[t - 1], qPrintable(QString::number(t)));
}

void TestGrowth::runLengthOneFillsThreeSizesAndTwoDifferences()
{
    fillStale(*state);
    simulate(*state, logistic(100, 0.2, 500, 10, 1));
    for (std::size_t t = 0; t <= 2; ++t) {
        QVERIFY(state->NOriginal[t] != Stale);
        QVERIFY(state->NHarvested[t] != Stale);
    }
    QVERIFY(state->NOriginal[3] == Stale);
    QVERIFY(state->dNOriginal[1] != Stale);
    QVERIFY(state->dNperNHarvested[1] != Stale);
    QVERIFY(state->dNOriginal[2] == Stale);
    QVERIFY(state->dNperNHarvested[2] == Stale);
}

void TestGrowth::shorterRunKeepsLaterEntries()
{
    simulate(*state, logistic(100, 0.2, 500, 10, 65));
    const HarvestState first = *state;
    simulate(*state, logistic(50, 0.3, 400, 5, 30));
    QVERIFY(state->NOriginal[31] != first.NOriginal[31]);
    for (std::size_t t = 32; t <= 66; ++t) {
        QVERIFY(state->NOriginal[t] == first.NOriginal[t]);
        QVERIFY(state->NHarvested[t] == first.NHarvested[t]);
    }
}

void TestGrowth::harvestedValueOfExactlyZeroIsExtinct()
{
    // Without growth, 100 - 50 - 50 reaches exactly 0 at step 2.
    const RunOutcome outcome = simulate(*state, logistic(100, 0, 500, 50, 10));
    QVERIFY(outcome.extinct);
    QVERIFY(state->SimuT == 1);
    QVERIFY(state->NHarvested[1] == 50);
    QVERIFY(state->NHarvested[2] == 0);
}

void TestGrowth::exponentialWithoutGrowthLosesHPerStep()
{
    const RunOutcome outcome = simulate(*state, exponential(100, 0, 15, 10));
    QVERIFY(outcome.extinct); // 100 - 15t is no longer positive at t = 7
    QVERIFY(state->SimuT == 6);
    for (std::size_t t = 0; t <= 6; ++t) {
        QVERIFY(state->NOriginal[t] == 100);
        QVERIFY(state->NHarvested[t] == 100 - 15.0 * static_cast<double>(t));
    }
    QVERIFY(allFinite(*state, 6));
}

void TestGrowth::zeroPopulationEndsAtOnce_data()
{
    QTest::addColumn<RunParameters>("run");
    QTest::addRow("logistic") << logistic(0, 0.2, 500, 10, 65);
    QTest::addRow("logistic without harvest") << logistic(0, 0.2, 500, 0, 65);
    QTest::addRow("exponential") << exponential(0, 0.2, 15, 10);
}

void TestGrowth::zeroPopulationEndsAtOnce()
{
    QFETCH(RunParameters, run);
    const RunOutcome outcome = simulate(*state, run);
    QCOMPARE(outcome.refusal, RunRefusal::None);
    QVERIFY(outcome.extinct);
    QVERIFY(state->SimuT == 0);
    QVERIFY(state->NOriginal[1] == 0);
    QVERIFY(state->NHarvested[1] == 0);
    // A population of size 0 keeps the per-capita growth of a vanishing population.
    QCOMPARE(text(state->dNperNOriginal[0]), QStringLiteral("0.22140275816017")); // e^0.2 - 1
    QVERIFY(state->dNperNHarvested[0] == -1);
    QVERIFY(allFinite(*state, 0));
}

void TestGrowth::refusedRunsLeaveTheStateAlone_data()
{
    QTest::addColumn<RunParameters>("run");
    QTest::addColumn<RunRefusal>("refusal");
    QTest::addRow("logistic K=0") << logistic(100, 0.2, 0, 10, 65) << RunRefusal::NoCapacity;
    QTest::addRow("logistic K<0") << logistic(100, 0.2, -500, 10, 65) << RunRefusal::NoCapacity;
    QTest::addRow("N(0)<0") << logistic(-100, 0.2, 500, 10, 65) << RunRefusal::NegativeN0;
    QTest::addRow("r<0") << exponential(100, -0.2, 15, 10) << RunRefusal::NegativeRate;
    QTest::addRow("H<0") << logistic(100, 0.2, 500, -1, 65) << RunRefusal::NegativeHarvest;
    QTest::addRow("e^(rt) overflows") << exponential(100, 0.4, 15, 2000) << RunRefusal::OutOfRange;
    QTest::addRow("N(0) at the top of the range")
        << exponential(1e308, 1, 0, 10) << RunRefusal::OutOfRange;
    // The series end at step 10001: a run is whole and at most 10000 steps long,
    // whoever asks for it.
    QTest::addRow("run length 20000")
        << logistic(100, 0.2, 500, 10, 20000) << RunRefusal::RunLength;
    QTest::addRow("run length 10001")
        << logistic(100, 0.2, 500, 10, 10001) << RunRefusal::RunLength;
    QTest::addRow("run length 12.5") << logistic(100, 0.2, 500, 10, 12.5) << RunRefusal::RunLength;
    QTest::addRow("run length 0") << exponential(100, 0.2, 15, 0) << RunRefusal::RunLength;
    QTest::addRow("run length -3") << exponential(100, 0.2, 15, -3) << RunRefusal::RunLength;
    QTest::addRow("run length not a number")
        << logistic(100, 0.2, 500, 10, std::nan("")) << RunRefusal::RunLength;
}

void TestGrowth::refusedRunsLeaveTheStateAlone()
{
    QFETCH(RunParameters, run);
    QFETCH(RunRefusal, refusal);
    simulate(*state, logistic(100, 0.2, 500, 10, 65));
    const HarvestState before = *state;
    QCOMPARE(simulate(*state, run).refusal, refusal);
    QVERIFY(*state == before); // every member, every entry of every series
}

void TestGrowth::overflowNamesTheLongestRun()
{
    // 100 e^(0.4 t) leaves the range of a double at t = 1763; a run of length T
    // computes up to T + 1.
    const RunOutcome refused = simulate(*state, exponential(100, 0.4, 15, 2000));
    QCOMPARE(refused.refusal, RunRefusal::OutOfRange);
    QCOMPARE(refused.longestRunLength, 1761);
    QCOMPARE(simulate(*state, exponential(100, 0.4, 15, 1761)).refusal, RunRefusal::None);
    QVERIFY(allFinite(*state, 1761));
    QCOMPARE(simulate(*state, exponential(100, 0.4, 15, 1762)).refusal, RunRefusal::OutOfRange);
}

void TestGrowth::parameterCaption_data()
{
    QTest::addColumn<RunParameters>("run");
    QTest::addColumn<QString>("caption");
    QTest::addRow("logistic defaults")
        << logistic(100, 0.2, 500, 10, 65) << " [N(0)=100, K=500, r=0.2, H=10.]";
    QTest::addRow("exponential defaults")
        << exponential(100, 0.2, 15, 10) << " [N(0)=100, r=0.2, H=15.]";
    QTest::addRow("fractions") << logistic(12.5, 0.05, 1e16, 0.25, 5)
                               << " [N(0)=12.5, K=1E+16, r=0.05, H=0.25.]";
}

void TestGrowth::parameterCaption()
{
    QFETCH(RunParameters, run);
    QFETCH(QString, caption);
    // The option buttons may already name the other model: the caption follows
    // the model the run used.
    state->GrowthModel = run.model == Growth::Logistic ? Growth::Exponential : Growth::Logistic;
    simulate(*state, run);
    QVERIFY(state->RunModel == run.model);
    QCOMPARE(QString::fromStdString(state->ParameterCaption), caption);
}

void TestGrowth::exponentialRunStoresNoCapacity()
{
    state->CarryingCapacity = 500;
    simulate(*state, exponential(100, 0.2, 15, 10));
    QVERIFY(state->CarryingCapacity == 0);
    QVERIFY(state->IntrinsicRate == 0.2);
    QVERIFY(state->HarvestRate == 15);
}

void TestGrowth::longestRunFillsTheSeriesToTheEnd()
{
    fillStale(*state);
    QCOMPARE(simulate(*state, logistic(100, 0.2, 500, 10, MaxRunLength)).refusal, RunRefusal::None);
    QVERIFY(state->SimuT == MaxRunLength);
    QVERIFY(state->NOriginal[SeriesLength - 1] != Stale);
    QVERIFY(state->NHarvested[SeriesLength - 1] != Stale);
    QVERIFY(state->dNperNHarvested[MaxRunLength] != Stale);
    QVERIFY(allFinite(*state, MaxRunLength));
}

QTEST_GUILESS_MAIN(TestGrowth)
#include "tst_growth.moc"
