// Every chart in words: what a screen reader reads after the chart's name and what
// a teacher copies as the alternative text of a handout.
#include "chartkit/chartdescription.h"
#include "game/game.h"
#include "largegraph/larggraf.h"
#include "programfixture.h"

Q_DECLARE_METATYPE(SeriesPoints)

// What a student changes on screen without moving the focus.
enum class Change {
    NextChart,
    PointReadOut,
    PeakReadOut,
    Step,
    RefusedRun,
    GameRun,
};
Q_DECLARE_METATYPE(Change)

class TestChartDescription : public QObject
{
    Q_OBJECT

    ProgramFixture program;

private slots:
    void initTestCase() { ProgramFixture::prepareApplication(); }
    void cleanup() { program.stop(); }

    void describesWhatIsDrawn_data();
    void describesWhatIsDrawn();
    void describesEveryRun_data();
    void describesEveryRun();
    void followsTheChartAndTellsTheScreenReader();
    void eachChangeIsSaid_data();
    void eachChangeIsSaid();
};

void TestChartDescription::describesWhatIsDrawn_data()
{
    QTest::addColumn<SeriesPoints>("series");
    QTest::addColumn<bool>("leftOut");
    QTest::addColumn<QString>("description");
    QTest::addRow("nothing") << SeriesPoints{{}, {}} << false << "Nothing is drawn.";
    QTest::addRow("one point, one left out")
        << SeriesPoints{{{2, 1234567}}, {}} << true
        << "Time 2; N(t) 1235000. The a series is one point, 1235000 at time 2. Some values too "
           "large to draw are left out.";
    QTest::addRow("a rounding's remains read as 0")
        << SeriesPoints{{{0, 0}, {1, 2.842e-14}, {2, 0}}, {{0, 1800}, {2, -0.00049}}} << false
        << "Time 0 to 2; N(t) -0.00049 to 1800. The a series stays at 0 from time 0 to 2. The b "
           "series runs from 1800 at time 0 to -0.00049 at time 2; lowest -0.00049, highest 1800.";
}

void TestChartDescription::describesWhatIsDrawn()
{
    QFETCH(SeriesPoints, series);
    QFETCH(bool, leftOut);
    QFETCH(QString, description);
    PlottedPoints plotted;
    plotted.series = series;
    plotted.extent = extentOf(series);
    plotted.leftOut = leftOut;
    QCOMPARE(chartDescription({"a", "b"}, plotted, "Time", "N(t)", {}), description);
}

void TestChartDescription::describesEveryRun_data()
{
    QTest::addColumn<bool>("exponential");
    QTest::addColumn<QString>("harvest");
    QTest::addColumn<int>("clicks"); // on the chart after the run
    QTest::addColumn<QString>("description");
    QTest::addRow("defaults") << false << "10" << 0
                              << "Time 0 to 65; N(t) 100 to 500. The original series runs from 100 "
                                 "at time 0 to 500 at time 65; lowest 100, highest 500. The "
                                 "harvested series runs from 100 at time 0 to 443.6 at time 65; "
                                 "lowest 100, highest 443.6. The original population follows the "
                                 "exact solution of the model, the harvested one is computed step "
                                 "by step, so with H = 0 the two differ slightly.";
    QTest::addRow("extinction")
        << false << "40" << 0
        << "Time 0 to 3; N(t) 17.71 to 156.5. The original series runs from 100 at time 0 to "
           "156.5 at time 3; lowest 100, highest 156.5. The harvested series runs from 100 at "
           "time 0 to 17.71 at time 3; lowest 17.71, highest 100. The harvested population dies "
           "out at time 4. The original population follows the exact solution of the model, the "
           "harvested one is computed step by step, so with H = 0 the two differ slightly.";
    QTest::addRow("theory, equilibria")
        << false << "10" << 6
        << "N 0 to 500; dN -10 to 25. The original series runs from 0 at N 0 to 0 at N 500; "
           "lowest 0, highest 25. The harvested series runs from -10 at N 0 to -10 at N 500; "
           "lowest -10, highest 15. The harvest rate series stays at 10 from N 0 to 500. The "
           "unstable series stands at N 56.35, from 0 to 10. The stable series stands at N "
           "443.6, from 0 to 10. Harvest rate 10; unstable equilibrium at N = 56.35, stable at N "
           "= 443.6. The largest harvest with an equilibrium, the maximum sustainable yield, is "
           "rK/4 = 25, reached at N = K/2 = 250; with H above it there is no equilibrium.";
    QTest::addRow("theory, H > rK/4")
        << false << "40" << 6
        << "N 0 to 500; dN -40 to 40. The original series runs from 0 at N 0 to 0 at N 500; "
           "lowest 0, highest 25. The harvested series runs from -40 at N 0 to -40 at N 500; "
           "lowest -40, highest -15. The harvest rate series stays at 40 from N 0 to 500. Harvest "
           "rate 40; no equilibrium: H > rK/4, the harvested population dies out. The largest "
           "harvest with an equilibrium, the maximum sustainable yield, is rK/4 = 25, reached at "
           "N = K/2 = 250; with H above it there is no equilibrium.";
    // r = 0.5, K = 800: rK/4 = 100 at N = 400, where the growth curve peaks.
    QTest::addRow("theory, r = 0.5, K = 800")
        << false << "10" << 6
        << "N 0 to 800; dN -10 to 100. The original series runs from 0 at N 0 to 0 at N 800; "
           "lowest 0, highest 100. The harvested series runs from -10 at N 0 to -10 at N 800; "
           "lowest -10, highest 90. The harvest rate series stays at 10 from N 0 to 800. The "
           "unstable series stands at N 20.53, from 0 to 10. The stable series stands at N 779.5, "
           "from 0 to 10. Harvest rate 10; unstable equilibrium at N = 20.53, stable at N = "
           "779.5. The largest harvest with an equilibrium, the maximum sustainable yield, is "
           "rK/4 = 100, reached at N = K/2 = 400; with H above it there is no equilibrium.";
    QTest::addRow("exponential theory")
        << true << "10" << 6
        << "N 0 to 200; dN -10 to 40. The original series runs from 0 at N 0 to 40 at N 200; "
           "lowest 0, highest 40. The harvested series runs from -10 at N 0 to 30 at N 200; lowest "
           "-10, highest 30. The harvest rate series stays at 10 from N 0 to 200. Harvest rate "
           "10; one equilibrium, unstable, at N = 50: a larger population grows, a smaller one "
           "dies out.";
    QTest::addRow("cost and revenue")
        << false << "10" << 7
        << "N 0 to 500; C and R 0 to 1250. The cost series runs from 0 at N 0 to 500 at N 500; "
           "lowest 0, highest 500. The R (p/e=50) series runs from 0 at N 0 to 0 at N 500; lowest "
           "0, highest 1250. The R (p/e=20) series runs from 0 at N 0 to 0 at N 500; lowest 0, "
           "highest 500. The R (p/e=10) series runs from 0 at N 0 to 0 at N 500; lowest 0, highest "
           "250. The R (p/e=5) series runs from 0 at N 0 to 0 at N 500; lowest 0, highest 125. "
           "Revenue crosses the cost: R (p/e=50) at N = 450, R (p/e=20) at N = 375 and R "
           "(p/e=10) at N = 250. R (p/e=5) never rises above the cost.";
    QTest::addRow("exponential cost and revenue")
        << true << "10" << 7
        << "N 0 to 200; C and R 0 to 2000. The cost series runs from 0 at N 0 to 200 at N 200; "
           "lowest 0, highest 200. The R (p/e=50) series runs from 0 at N 0 to 2000 at N 200; "
           "lowest 0, highest 2000. The R (p/e=20) series runs from 0 at N 0 to 800 at N 200; "
           "lowest 0, highest 800. The R (p/e=10) series runs from 0 at N 0 to 400 at N 200; "
           "lowest 0, highest 400. The R (p/e=5) series runs from 0 at N 0 to 200 at N 200; "
           "lowest 0, highest 200. R (p/e=50), R (p/e=20) and R (p/e=10) lie above the cost for "
           "every N above 0. R (p/e=5) lies on the cost line.";
    QTest::addRow("net profit")
        << false << "10" << 8
        << "N 0 to 640; Profit -2432 to 1012. The p/e=50 series runs from 0 at N 0 to -2432 at N "
           "640; lowest -2432, highest 1012. The p/e=20 series runs from 0 at N 0 to -1357 at N "
           "640; lowest -1357, highest 281.2. The p/e=10 series runs from 0 at N 0 to -998.4 at N "
           "640; lowest -998.4, highest 62.4. The p/e=5 series runs from 0 at N 0 to -819.2 at N "
           "640; lowest -819.2, highest 0. Highest net profit: 1012 at N = 220 for p/e=50; 281.2 "
           "at N = 190 for p/e=20; 62.4 at N = 120 for p/e=10; 0 at N = 0 for p/e=5.";
}

void TestChartDescription::describesEveryRun()
{
    QFETCH(bool, exponential);
    QFETCH(QString, harvest);
    QFETCH(int, clicks);
    QFETCH(QString, description);
    const Controls<Form1> ui(program.startAtMainWindow());
    if (exponential)
        click(ui.Option1);
    enter(ui.Harvestrate, harvest);
    if (QString(QTest::currentDataTag()).contains(QLatin1String("r = 0.5"))) {
        enter(ui.rrate, QStringLiteral("0.5"));
        enter(ui.Kvalue, QStringLiteral("800"));
    }
    click(ui.Command2);
    for (int click = 0; click < clicks; ++click)
        clickChart(ui.MSChart1);
    QCOMPARE(ui.MSChart1->description(), description);
}

// A click on the chart draws the next one, in both windows: its description
// follows, and the screen reader hears of it once.
void TestChartDescription::followsTheChartAndTellsTheScreenReader()
{
    QList<QWidget *> events;
    Environment::setDescriptionListener([&events](QWidget *widget) { events << widget; });
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command2);
    click(ui.Command11);
    for (QtChartControl *chart : {ui.MSChart1, controlsOf<larggraf>().MSChart1}) {
        chart->window()->show();
        const QString first = chart->description();
        events.clear();
        QTest::mouseClick(chart->viewport(), Qt::LeftButton);
        QTRY_VERIFY(chart->description() != first);
        QCOMPARE(events, QList<QWidget *>{chart});
        QVERIFY(chart->accessibleDescription().startsWith(chart->description()));
    }
}

void TestChartDescription::eachChangeIsSaid_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("said"); // what is said last, from its start
    QTest::addRow("Enter on the chart") << Change::NextChart << "dN(t) vs. time";
    QTest::addRow("a point read out") << Change::PointReadOut << "original, Time: 0, N(t): 100";
    QTest::addRow("the peak of the growth curve")
        << Change::PeakReadOut
        << "original, N: 250, dN: 25, the maximum sustainable yield, rK/4 = 25";
    QTest::addRow("a step of H") << Change::Step
                                 << "H 11. Final population size (harvested): 436.950235471594. "
                                    "Without harvest, N(65)= 499.995479382058";
    QTest::addRow("a refused RUN")
        << Change::RefusedRun << "Not run: r is negative. What to change: Enter r of 0 or more";
    // 30 days of 1000 sold and 1202 spent: 100000 - 30 * 202 = 93940.
    QTest::addRow("the game's Run") << Change::GameRun
                                    << "You are a Loser. Simulation stopped at t = 30. Final "
                                       "population size N(t): 1000. Final capital (Z): 93940. Net "
                                       "profit: -6060. Minimum living expense: ";
}

// What changes on screen without moving the focus is said to a screen reader.
void TestChartDescription::eachChangeIsSaid()
{
    QFETCH(Change, change);
    QFETCH(QString, said);
    QStringList heard;
    Environment::setSpeechListener([&heard](const QString &text) { heard << text; });
    Form1 &form = program.startAtMainWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const Controls<Form1> ui(form);
    switch (change) {
    case Change::NextChart:
    case Change::PointReadOut:
        click(ui.Command2);
        ui.MSChart1->setFocus();
        QTest::keyClick(ui.MSChart1, change == Change::NextChart ? Qt::Key_Return : Qt::Key_Right);
        break;
    case Change::PeakReadOut:
        click(ui.Command2);
        ui.MSChart1->setFocus();
        for (int chart = 0; chart < 6; ++chart) // to the theory
            QTest::keyClick(ui.MSChart1, Qt::Key_Return);
        QTRY_COMPARE(Harvest.GraphIndex, 6);
        for (const Qt::Key key : {Qt::Key_Home, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_Right,
                                  Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right})
            QTest::keyClick(ui.MSChart1, key);
        break;
    case Change::Step:
        click(ui.Command2);
        ui.Harvestrate->setFocus();
        QTest::keyClick(ui.Harvestrate, Qt::Key_Up);
        break;
    case Change::RefusedRun:
        type(ui.rrate, QStringLiteral("-1"));
        pressEnter(ui.n0);
        click(ui.Command2);
        break;
    case Change::GameRun:
        click(ui.Command12);
        click(controlsOf<Game>().Command1);
        break;
    }
    QTRY_VERIFY(!heard.isEmpty());
    QVERIFY2(heard.last().startsWith(said), qPrintable(heard.last()));
}

QTEST_MAIN(TestChartDescription)
#include "tst_chartdescription.moc"
