// The harvest game without its window: the daily loop, the verdict, the display
// of whole numbers, the examples, the random business and the Enter rules. The
// expected numbers were worked out independently in the loop's order.
#include "model/gameentry.h"
#include "model/harvestgame.h"
#include "model/numbertext.h"
#include "model/randomsource.h"

#include <QTest>

#include <cmath>
#include <deque>
#include <memory>

Q_DECLARE_METATYPE(Growth)
Q_DECLARE_METATYPE(GameExample)
Q_DECLARE_METATYPE(Verdict)
Q_DECLARE_METATYPE(GameInputs)
Q_DECLARE_METATYPE(GameRefusal)
Q_DECLARE_METATYPE(GameBox)

namespace {

// Hands out the numbers it was given, in turn; remembers the seeds.
class FixedSource : public RandomSource
{
public:
    explicit FixedSource(std::deque<double> numbers) : m_numbers(std::move(numbers)) {}
    void reseed(int seed) override { seeds.push_back(seed); }
    double next() override
    {
        const double u = m_numbers.front();
        m_numbers.pop_front();
        return u;
    }
    QList<int> seeds;

private:
    std::deque<double> m_numbers;
};

GameInputs inputs(double n0, double K, double r, double E, double A, double H, double P, double L,
                  double I, double t)
{
    GameInputs in;
    in.n0 = n0, in.K = K, in.r = r, in.E = E, in.A = A, in.H = H, in.P = P, in.L = L, in.I = I;
    in.t = t;
    return in;
}

QString shown(double value) { return QString::fromStdString(wholeNumberText(value)); }

} // namespace

class TestHarvestGame : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        game = std::make_unique<GameState>();
        currentT = 0;
    }

    void startValues_data();
    void startValues();
    void harvestEqualToTheStockIsAnOrdinaryDay();
    void stockFarAboveCapacitySellsANegativeStock();
    void runLengthZeroRunsNoDay();
    void fractionalRunLengthShowsTheLastDayRun();
    void refusedRunsChangeNothing_data();
    void refusedRunsChangeNothing();
    void growthBeyondADoubleStopsAtTheLastDay();
    void verdictBoundaries_data();
    void verdictBoundaries();
    void wholeNumbers_data();
    void wholeNumbers();
    void examplesEarnTheirNames_data();
    void examplesEarnTheirNames();
    void randomBusinessRedrawsZero();
    void minimumLivingExpense();
    void enterRules_data();
    void enterRules();

private:
    std::unique_ptr<GameState> game;
    double currentT = 0;
};

void TestHarvestGame::startValues_data()
{
    QTest::addColumn<Growth>("model");
    QTest::addColumn<GameInputs>("in");
    QTest::addColumn<double>("stop");
    QTest::addColumn<QString>("finalN");
    QTest::addColumn<QString>("capital");
    QTest::addColumn<QString>("profit");
    QTest::addColumn<Verdict>("verdict");
    // Growth 200 = H every day: the stock stays 1000, and each day loses 202.
    QTest::addRow("exponential") << Growth::Exponential
                                 << inputs(1000, 0, 0.2, 1, 100000, 200, 5, 2000, 0.001, 30) << 30.0
                                 << "1000"
                                 << "93940"
                                 << "-6060" << Verdict::Loser;
    // Growth 180 < H: the stock shrinks and runs out on day 15.
    QTest::addRow("logistic") << Growth::Logistic
                              << inputs(1000, 10000, 0.2, 1, 100000, 200, 25, 2000, 0.001, 30)
                              << 15.0 << "0"
                              << "160096"
                              << "60096" << Verdict::SomeMoney;
}

void TestHarvestGame::startValues()
{
    QFETCH(Growth, model);
    QFETCH(GameInputs, in);
    QFETCH(double, stop);
    QFETCH(QString, finalN);
    QFETCH(QString, capital);
    QFETCH(QString, profit);
    QFETCH(Verdict, verdict);
    game->GameModel = model;
    const GameOutcome outcome = playGame(*game, currentT, in);
    QVERIFY(game->GameStopT == stop);
    QCOMPARE(shown(game->GameN[std::size_t(outcome.shownDay)]), finalN);
    QCOMPARE(shown(game->GameFinalCapital), capital);
    QCOMPARE(shown(game->GameNetProfit), profit);
    QCOMPARE(outcome.verdict, verdict);
    QVERIFY(game->GameInitialCapital == 100000);
}

void TestHarvestGame::harvestEqualToTheStockIsAnOrdinaryDay()
{
    // No growth: day 1 sells all 200; day 2 finds nothing, sells nothing, pays interest.
    playGame(*game, currentT, inputs(200, 0, 0, 1, 1000, 200, 3, 100, 0.01, 30));
    QVERIFY(game->GameStopT == 2);
    QVERIFY(game->GameN[1] == 0 && game->GameN[2] == 0);
    QVERIFY(game->GameDailyProfit == 0 && game->GameRearingCost == 0);
    QVERIFY(game->GameFinalCapital == 1000 + 3 * 200 - 200 - 1 - 1);
}

void TestHarvestGame::stockFarAboveCapacitySellsANegativeStock()
{
    game->GameModel = Growth::Logistic;
    // Growth 0.2 * 100000 * (1 - 10) = -180000: the stock S = -80000 ends the run.
    playGame(*game, currentT, inputs(100000, 10000, 0.2, 1, 1000, 200, 5, 0, 0.001, 30));
    QVERIFY(game->GameStopT == 1);
    QVERIFY(game->GameN[1] == 0);
    QVERIFY(game->GameDailyProfit == 5 * -80000.0);
    QVERIFY(game->GameRearingCost == -80000.0);
    QVERIFY(game->GameFinalCapital == 5 * -80000.0 + (1000 + 80000.0));
}

void TestHarvestGame::runLengthZeroRunsNoDay()
{
    const GameOutcome outcome
        = playGame(*game, currentT, inputs(1000, 0, 0.2, 1, 100000, 200, 5, 2000, 0.001, 0));
    QVERIFY(game->GameStopT == 0);
    QVERIFY(game->GameN[std::size_t(outcome.shownDay)] == 1000);
    QVERIFY(game->GameFinalCapital == 100000 && game->GameNetProfit == 0);
    QCOMPARE(outcome.verdict, Verdict::SomeMoney);
}

void TestHarvestGame::fractionalRunLengthShowsTheLastDayRun()
{
    // 31.5 rounds to 32, but day 31 is the last one run.
    const GameOutcome outcome
        = playGame(*game, currentT, inputs(100, 0, 0.1, 1, 100000, 1, 5, 0, 0, 31.5));
    QVERIFY(game->GameStopT == 31.5);
    QVERIFY(outcome.shownDay == 31);
    QVERIFY(game->GameN[31] > 0 && game->GameN[32] == 0);
}

void TestHarvestGame::refusedRunsChangeNothing_data()
{
    QTest::addColumn<Growth>("model");
    QTest::addColumn<double>("K");
    QTest::addColumn<double>("t");
    QTest::addColumn<GameRefusal>("refusal");
    QTest::addRow("run length -1") << Growth::Exponential << 0.0 << -1.0 << GameRefusal::RunLength;
    QTest::addRow("run length 10001")
        << Growth::Exponential << 0.0 << 10001.0 << GameRefusal::RunLength;
    QTest::addRow("logistic K = 0") << Growth::Logistic << 0.0 << 30.0 << GameRefusal::NoCapacity;
    QTest::addRow("logistic K < 0") << Growth::Logistic << -5.0 << 30.0 << GameRefusal::NoCapacity;
}

void TestHarvestGame::refusedRunsChangeNothing()
{
    QFETCH(Growth, model);
    QFETCH(double, K);
    QFETCH(double, t);
    QFETCH(GameRefusal, refusal);
    game->GameModel = model;
    game->GameCapital = 7;
    game->GameN[0] = 3;
    const GameOutcome outcome
        = playGame(*game, currentT, inputs(1000, K, 0.2, 1, 100000, 200, 5, 2000, 0.001, t));
    QCOMPARE(outcome.refusal, refusal);
    QVERIFY(game->GameCapital == 7 && game->GameN[0] == 3);
}

void TestHarvestGame::growthBeyondADoubleStopsAtTheLastDay()
{
    const GameOutcome outcome
        = playGame(*game, currentT, inputs(1000, 0, 1, 1, 100000, 10, 5, 0, 0, 10000));
    QVERIFY(outcome.stoppedOutOfRange);
    // The stock doubles every day and no longer fits a double after about 1014 days.
    QVERIFY(game->GameStopT > 1000 && game->GameStopT < 1030);
    const auto last = std::size_t(outcome.shownDay);
    QVERIFY(std::isfinite(game->GameN[last]) && game->GameN[last] > 1e300);
    QVERIFY(std::isfinite(game->GameFinalCapital) && std::isfinite(game->GameNetProfit));
    QVERIFY(!shown(game->GameFinalCapital).contains(QLatin1String("inf")));
}

void TestHarvestGame::verdictBoundaries_data()
{
    QTest::addColumn<double>("Z");
    QTest::addColumn<double>("L");
    QTest::addColumn<Verdict>("verdict");
    QTest::addRow("debt with a loan") << -1.0 << 1.0 << Verdict::Jail;
    QTest::addRow("debt without a loan") << -1.0 << 0.0 << Verdict::Broke;
    QTest::addRow("debt with a negative loan") << -1.0 << -1.0 << Verdict::Unchanged;
    QTest::addRow("nothing left") << 0.0 << 5.0 << Verdict::Loser;
    QTest::addRow("just below A") << 99.0 << 5.0 << Verdict::Loser;
    QTest::addRow("exactly A") << 100.0 << 5.0 << Verdict::SomeMoney;
    QTest::addRow("just below 2A") << 199.0 << 5.0 << Verdict::SomeMoney;
    QTest::addRow("exactly 2A") << 200.0 << 5.0 << Verdict::Rich;
}

void TestHarvestGame::verdictBoundaries()
{
    QFETCH(double, Z);
    QFETCH(double, L);
    QFETCH(Verdict, verdict);
    QCOMPARE(verdictOf(Z, 100, L), verdict);
}

void TestHarvestGame::wholeNumbers_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::addRow("2.5") << 2.5 << "2";
    QTest::addRow("3.5") << 3.5 << "4";
    QTest::addRow("-2.5") << -2.5 << "-2";
    QTest::addRow("-0.4 has no minus") << -0.4 << "0";
    QTest::addRow("just below 10^12") << 999999999999.5 << "1000000000000";
    QTest::addRow("10^12 as it is") << 1e12 << "1000000000000";
    QTest::addRow("10^12 and a half as it is") << 1000000000000.5 << "1000000000000.5";
    QTest::addRow("1.5e15 as it is") << 1.5e15 << "1.5E+15";
    QTest::addRow("large debt in full") << -1e20 << "-100000000000000000000";
}

void TestHarvestGame::wholeNumbers()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(shown(value), text);
}

void TestHarvestGame::examplesEarnTheirNames_data()
{
    QTest::addColumn<GameExample>("example");
    QTest::addColumn<Verdict>("verdict");
    QTest::addRow("Richmen") << GameExample::Rich << Verdict::Rich;
    QTest::addRow("OK") << GameExample::Ok << Verdict::SomeMoney;
    QTest::addRow("Loser") << GameExample::Loser << Verdict::Loser;
    QTest::addRow("Broke") << GameExample::Broke << Verdict::Broke;
    QTest::addRow("Jail") << GameExample::Jail << Verdict::Jail;
}

// Under either model, as the window reads the example's texts.
void TestHarvestGame::examplesEarnTheirNames()
{
    QFETCH(GameExample, example);
    QFETCH(Verdict, verdict);
    for (const Growth model : {Growth::Exponential, Growth::Logistic}) {
        const auto texts = exampleTexts(example, model);
        const auto at = [&texts](GameBox b) { return numberOfText(texts[std::size_t(b)]); };
        QCOMPARE(texts[std::size_t(GameBox::CarryingK)].empty(), model == Growth::Exponential);
        game = std::make_unique<GameState>();
        game->GameModel = model;
        const GameOutcome outcome
            = playGame(*game, currentT,
                       inputs(at(GameBox::InitN), at(GameBox::CarryingK), at(GameBox::GRate),
                              at(GameBox::CostPerInd), at(GameBox::InitialCapital),
                              at(GameBox::DailyH), at(GameBox::Price), at(GameBox::Lohn),
                              at(GameBox::InterestRate), at(GameBox::SimutY)));
        QCOMPARE(outcome.verdict, verdict);
        QVERIFY(game->GameStopT == 30); // every example runs the full 30 days
    }
}

void TestHarvestGame::randomBusinessRedrawsZero()
{
    // N(0): 0.01 gives k = 0 and is drawn again, 0.55 gives k = 6 (5.5 to even).
    // K: 0.97 gives k = 10. r: 0.004 gives j = 0, drawn again; 0.234 gives 0.23.
    // E: 0.35 gives k = 4 (3.5 to even). A: 0.99 gives 10. P: 0.12 gives 1.
    // I: 0.049 gives 0, drawn again; 0.3 gives 0.003.
    FixedSource source({0.01, 0.55, 0.97, 0.004, 0.234, 0.35, 0.99, 0.12, 0.049, 0.3});
    const auto texts = randomBusiness(Growth::Logistic, source, 42);
    QCOMPARE(source.seeds, QList<int>({42}));
    const std::vector<std::string> expected
        = {"600", "100000", "0.23", "4", "1000000", "", "10", "", "0.003", ""};
    QCOMPARE(std::vector<std::string>(texts.begin(), texts.end()), expected);

    // The exponential game has no K to draw.
    FixedSource again({0.5, 0.5, 0.5, 0.5, 0.5, 0.5});
    const auto exponential = randomBusiness(Growth::Exponential, again, 7);
    QVERIFY(exponential[std::size_t(GameBox::CarryingK)].empty());
    QCOMPARE(exponential[std::size_t(GameBox::InterestRate)], std::string("0.005"));
}

void TestHarvestGame::minimumLivingExpense()
{
    FixedSource source({0.5});
    // k = 250: 1250 a day for 30 days.
    QVERIFY(::minimumLivingExpense(30, source, 17) == 37500);
    QCOMPARE(source.seeds, QList<int>({17}));

    // The program's own source repeats its draw for the same second.
    TwisterSource twister;
    const double first = ::minimumLivingExpense(30, twister, 5);
    QVERIFY(::minimumLivingExpense(30, twister, 5) == first);
}

void TestHarvestGame::enterRules_data()
{
    QTest::addColumn<GameBox>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addRow("loan 0 cannot be confirmed") << GameBox::Lohn << "0"
                                                << "10000";
    QTest::addRow("interest abc") << GameBox::InterestRate << "abc"
                                  << "1000";
    QTest::addRow("interest -1") << GameBox::InterestRate << "-1"
                                 << "1000";
    QTest::addRow("harvest empty") << GameBox::DailyH << ""
                                   << "100";
    QTest::addRow("rate 0") << GameBox::GRate << "0"
                            << "0.2";
    QTest::addRow("price stays") << GameBox::Price << "12.5"
                                 << "12.5";
}

void TestHarvestGame::enterRules()
{
    QFETCH(GameBox, box);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    const auto corrected = correctedGameEntry(box, typed.toStdString());
    QCOMPARE(corrected ? QString::fromStdString(*corrected) : typed, after);
    int count = 0;
    const auto needs = runNeeds(Growth::Logistic, count);
    QCOMPARE(count, 10);
    QVERIFY(needs[1] == GameBox::CarryingK); // tested right after N(0)
    runNeeds(Growth::Exponential, count);
    QCOMPARE(count, 9);
}

QTEST_GUILESS_MAIN(TestHarvestGame)
#include "tst_harvestgame.moc"
