// Runs kept for comparison: at most four, each once, and the names that tell a kept
// run from the current one.
#include "model/growth.h"
#include "model/keptruns.h"

#include <QTest>

#include <memory>

namespace {

std::unique_ptr<HarvestState> run(const RunParameters &parameters)
{
    auto state = std::make_unique<HarvestState>();
    simulate(*state, parameters);
    return state;
}

} // namespace

Q_DECLARE_METATYPE(RunParameters)

class TestKeptRuns : public QObject
{
    Q_OBJECT

private slots:
    void fourAtMostEachOnce();
    void namesSayWhatDiffers_data();
    void namesSayWhatDiffers();
};

void TestKeptRuns::fourAtMostEachOnce()
{
    KeptRuns kept;
    for (double H = 1; H <= 5; ++H)
        QVERIFY(kept.keep(*run({Growth::Logistic, 100, 0.2, 500, H, 65})));
    QCOMPARE(kept.size(), std::size_t(4));
    QVERIFY(kept.at(0).HarvestRate == 2); // the oldest went
    QVERIFY(kept.at(3).HarvestRate == 5);
    // The same run again is kept once; the run length asked for tells runs apart,
    // also where an extinction shortened both.
    QVERIFY(!kept.keep(*run({Growth::Logistic, 100, 0.2, 500, 5, 65})));
    QCOMPARE(kept.size(), std::size_t(4));
    QVERIFY(kept.keep(*run({Growth::Logistic, 100, 0.2, 500, 5, 64})));
    QVERIFY(kept.at(0).HarvestRate == 3);
    kept.forget();
    QVERIFY(kept.empty());
}

void TestKeptRuns::namesSayWhatDiffers_data()
{
    QTest::addColumn<RunParameters>("kept");
    QTest::addColumn<QString>("label"); // against logistic N(0)=100, K=500, r=0.2, H=10, T=65
    const RunParameters current{Growth::Logistic, 100, 0.2, 500, 10, 65};
    RunParameters p = current;
    QTest::addRow("nothing") << p << "kept";
    p.H = 20;
    QTest::addRow("H") << p << "H = 20";
    p.r = 0.5;
    QTest::addRow("r and H") << p << "r = 0.5, H = 20";
    p.n0 = 50;
    QTest::addRow("three: the caption") << p << "[N(0)=50, K=500, r=0.5, H=20.]";
    p = current;
    p.runLength = 30;
    QTest::addRow("run length") << p << "T = 30";
    p = current;
    p.model = Growth::Exponential;
    p.K = 0;
    QTest::addRow("the other model") << p << "exponential";
    p.n0 = 50;
    p.H = 5;
    QTest::addRow("the other model and two more") << p << "exponential [N(0)=50, r=0.2, H=5.]";
}

void TestKeptRuns::namesSayWhatDiffers()
{
    QFETCH(RunParameters, kept);
    QFETCH(QString, label);
    const auto current = run({Growth::Logistic, 100, 0.2, 500, 10, 65});
    QCOMPARE(QString::fromStdString(keptRunLabel(*run(kept), *current)), label);
}

QTEST_GUILESS_MAIN(TestKeptRuns)
#include "tst_keptruns.moc"
