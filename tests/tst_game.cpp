// The game window: start values, entries confirmed with Enter, "Run" and its
// verdict, "Random data", the examples, the instruction panel and the way back.
#include "programfixture.h"

#include "game/game.h"
#include "model/randomsource.h"

#include <QGroupBox>
#include <deque>

namespace {

// Hands out the same number every time; remembers the seeds.
class SteadySource : public RandomSource
{
public:
    double u = 0.5;
    QList<int> seeds;
    void reseed(int seed) override { seeds << seed; }
    double next() override { return u; }
};

const QString Instructions = QStringLiteral(
    "Click RUN to try your strategy. If you change any default value, press ENTER to "
    "confirm change. \nYou have to make more money than the minimum living expense in "
    "order to survive.\nIf you try RANDOM DATA, you have to fill all data of blue boxes, "
    "then press ENTER. \nGood luck!");

QStringList boxTexts(const Controls<Game> &ui)
{
    QStringList texts;
    for (TextBox *box : ui.boxes)
        texts << box->text();
    return texts;
}

} // namespace

class TestGame : public ProgramTest
{
    Q_OBJECT

private slots:
    void init();

    void gameButtonOpensTheWindowAtItsStart();
    void runWithTheStartValues_data();
    void runWithTheStartValues();
    void examplesShowTheirVerdicts_data();
    void examplesShowTheirVerdicts();
    void typingClearsTheResults();
    void enterChecksAndWaitsForTheListedBoxes();
    void randomDataLocksUntilTheNextRun();
    void aSeedGivesEveryStartTheSameBusinesses();
    void refusedRunsSayWhy();
    void hugeGrowthStopsAndSaysSo();
    void panelAndWayBack();
    void aDebtKeepsItsSignInSight_data();
    void aDebtKeepsItsSignInSight();
    void closeBoxRestoresTheStartValuesButKeepsTheGame();
    void keyboardRunsWithEnter();

private:
    SteadySource random;
    Game &open(const QStringList &arguments = {})
    {
        const Controls<Form1> ui(program.startAtMainWindow(arguments));
        QTest::mouseClick(ui.Command12, Qt::LeftButton);
        return WindowRegistry::get<Game>();
    }
};

void TestGame::init()
{
    HarvestGame = GameState{};
    random = SteadySource{};
    Environment::setRandom(&random);
    Environment::setNow([] { return QDateTime(QDate(2031, 3, 4), QTime(10, 0, 42)); });
}

void TestGame::gameButtonOpensTheWindowAtItsStart()
{
    Game &game = open();
    const Controls<Game> ui(game);
    QVERIFY(game.isVisible());
    QVERIFY(!WindowRegistry::get<Form1>().isVisible());
    QCOMPARE(game.windowTitle(), QStringLiteral("Game"));
    QCOMPARE(boxTexts(ui),
             QStringList({"1000", "", "0.2", "1", "100000", "200", "5", "2000", "0.001", "30"}));
    QVERIFY(!ui.box(GameBox::CarryingK)->isEnabled());
    QVERIFY(ui.Option1->isChecked());
    QVERIFY(ui.Frame4->isVisible());
    QCOMPARE(ui.Label20->text(), Instructions);
    for (QRadioButton *example : {ui.EgRich, ui.EgOk, ui.EgLoser, ui.Egbroke, ui.EgJail})
        QVERIFY(!example->isChecked());
    for (QLineEdit *result : {ui.FinalSimuT, ui.FinalN, ui.FinalCapital, ui.Profit, ui.GNP})
        QVERIFY(result->text().isEmpty());
    QVERIFY(!ui.shownVerdict());
    QVERIFY(ui.Command1->isEnabled());
    // The pictures' centre: three quarters across, four sevenths down.
    const QPoint centre = ui.Richman->geometry().center();
    QVERIFY(std::abs(centre.x() - game.width() * 3 / 4) <= 1);
    QVERIFY(std::abs(centre.y() - game.height() * 4 / 7) <= 1);
    QCOMPARE(ui.Richman->size(), QSize(320, 241));
    // The model options' captions are read in full.
    for (QRadioButton *option : {ui.Option1, ui.Option2})
        QVERIFY(option->sizeHint().width() <= option->width());
}

void TestGame::runWithTheStartValues_data()
{
    QTest::addColumn<bool>("logistic");
    QTest::addColumn<QStringList>("results"); // stop, N, Z, profit, minimum living expense
    QTest::addColumn<QString>("verdict");
    // u = 0.5: 250 × 5 a day.
    QTest::addRow("exponential") << false << QStringList{"30", "1000", "93940", "-6060", "37500"}
                                 << "Loser";
    QTest::addRow("logistic") << true << QStringList{"15", "0", "160096", "60096", "18750"}
                              << "Makegeld";
}

void TestGame::runWithTheStartValues()
{
    QFETCH(bool, logistic);
    QFETCH(QStringList, results);
    QFETCH(QString, verdict);
    Game &game = open();
    const Controls<Game> ui(game);
    if (logistic)
        QTest::mouseClick(ui.Option2, Qt::LeftButton, {}, QPoint(8, 10));
    QCOMPARE(ui.box(GameBox::Price)->text(), logistic ? QStringLiteral("25") : QStringLiteral("5"));
    QTest::mouseClick(ui.Command1, Qt::LeftButton);
    QCOMPARE(QStringList({ui.FinalSimuT->text(), ui.FinalN->text(), ui.FinalCapital->text(),
                          ui.Profit->text(), ui.GNP->text()}),
             results);
    QVERIFY(ui.shownVerdict());
    QCOMPARE(ui.shownVerdict()->objectName(), verdict);
    QVERIFY(!ui.Frame4->isVisible());
    QCOMPARE(random.seeds, QList<int>({42})); // re-seeded from the clock's seconds
}

void TestGame::examplesShowTheirVerdicts_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<QString>("verdict");
    QTest::addColumn<QString>("words");
    QTest::addRow("Richmen") << "EgRich"
                             << "Richman"
                             << "You are rich.";
    QTest::addRow("OK") << "EgOk"
                        << "Makegeld"
                        << "You Make Some Money.";
    QTest::addRow("Loser") << "EgLoser"
                           << "Loser"
                           << "You are a Loser.";
    QTest::addRow("Broke") << "Egbroke"
                           << "Broke"
                           << "You go broke.";
    QTest::addRow("Jail") << "EgJail"
                          << "Jail"
                          << "You can't pay your debt, you have to stay in jail.";
}

void TestGame::examplesShowTheirVerdicts()
{
    QFETCH(QString, example);
    QFETCH(QString, verdict);
    QFETCH(QString, words);
    Game &game = open();
    const Controls<Game> ui(game);
    for (QRadioButton *option : {ui.Option1, ui.Option2}) {
        option->click();
        auto *button = findControl<QRadioButton>(game, example);
        button->click();
        QVERIFY(button->isChecked());
        QVERIFY(ui.Command1->isEnabled());
        click(ui.Command1);
        QCOMPARE(ui.shownVerdict()->objectName(), verdict);
        QCOMPARE(ui.shownVerdict()->accessibleName(), words);
        QCOMPARE(ui.FinalSimuT->text(), QStringLiteral("30"));
    }
}

void TestGame::typingClearsTheResults()
{
    Game &game = open();
    const Controls<Game> ui(game);
    click(ui.Command1);
    QVERIFY(ui.shownVerdict());
    QTest::keyClick(ui.box(GameBox::Price), Qt::Key_0);
    QVERIFY(!ui.shownVerdict());
    QVERIFY(!ui.Command1->isEnabled());
    for (QLineEdit *result : {ui.FinalSimuT, ui.FinalN, ui.FinalCapital, ui.Profit, ui.GNP})
        QVERIFY(result->text().isEmpty());
}

void TestGame::enterChecksAndWaitsForTheListedBoxes()
{
    Game &game = open();
    const Controls<Game> ui(game);
    ui.box(GameBox::Price)->clear();
    pressEnter(ui.box(GameBox::DailyH)); // "Price" is empty: "Run" stays off
    QVERIFY(!ui.Command1->isEnabled());
    pressEnter(ui.box(GameBox::InitN)); // N(0) needs nothing else
    QVERIFY(ui.Command1->isEnabled());
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : game.focusWidget(),
             ui.Command1);
    click(ui.Command1); // an empty box: nothing happens
    QVERIFY(ui.FinalSimuT->text().isEmpty());

    ui.box(GameBox::Lohn)->setText(QStringLiteral("0"));
    pressEnter(ui.box(GameBox::Lohn));
    QCOMPARE(ui.box(GameBox::Lohn)->text(), QStringLiteral("10000"));
    ui.box(GameBox::InterestRate)->setText(QStringLiteral("abc"));
    pressEnter(ui.box(GameBox::InterestRate));
    QCOMPARE(ui.box(GameBox::InterestRate)->text(), QStringLiteral("1000"));
}

void TestGame::randomDataLocksUntilTheNextRun()
{
    Game &game = open();
    const Controls<Game> ui(game);
    ui.EgRich->click();
    QTest::mouseClick(ui.Command2, Qt::LeftButton);
    QCOMPARE(boxTexts(ui),
             QStringList({"500", "", "0.5", "5", "500000", "", "50", "", "0.005", ""}));
    QVERIFY(!ui.EgRich->isChecked());
    QVERIFY(!ui.Command1->isEnabled());
    QVERIFY(ui.box(GameBox::InitN)->isReadOnly());
    QVERIFY(!ui.box(GameBox::DailyH)->isReadOnly());
    // Enter in a locked box with a number unlocks "Run", which waits for the blue boxes.
    pressEnter(ui.box(GameBox::InitN));
    QVERIFY(ui.Command1->isEnabled());
    click(ui.Command1);
    QVERIFY(ui.FinalSimuT->text().isEmpty());
    for (const auto &[which, text] :
         {std::pair{GameBox::DailyH, "100"}, {GameBox::Lohn, "1000"}, {GameBox::SimutY, "20"}}) {
        ui.box(which)->setText(QString::fromLatin1(text));
        pressEnter(ui.box(which));
    }
    click(ui.Command1);
    QCOMPARE(ui.FinalSimuT->text(), QStringLiteral("20"));
    QVERIFY(!ui.box(GameBox::InitN)->isReadOnly());
}

void TestGame::aSeedGivesEveryStartTheSameBusinesses()
{
    Environment::setRandom(nullptr);
    // The first two businesses of a start with the command line `arguments`; the
    // game is played between them, and also before them when `playFirst`.
    const auto businesses = [this](const QStringList &arguments, bool playFirst) {
        const Controls<Game> ui(open(arguments));
        const auto play = [&ui] {
            pressEnter(ui.box(GameBox::InitN));
            for (GameBox which : {GameBox::DailyH, GameBox::Lohn, GameBox::SimutY}) {
                ui.box(which)->setText(QStringLiteral("10"));
                pressEnter(ui.box(which));
            }
            click(ui.Command1);
        };
        if (playFirst)
            play();
        QList<QStringList> drawn;
        click(ui.Command2);
        drawn << boxTexts(ui);
        play();
        click(ui.Command2);
        drawn << boxTexts(ui);
        return drawn;
    };
    const QList<QStringList> first = businesses({"--seed", "7"}, false);
    // The clock stands still here: a draw seeded from it would repeat itself.
    QVERIFY(first[0] != first[1]);
    QCOMPARE(businesses({"--seed=7"}, true), first);
    QVERIFY(businesses({"--seed", "8"}, false) != first);
}

void TestGame::refusedRunsSayWhy()
{
    Game &game = open();
    const Controls<Game> ui(game);
    ui.Option2->click();
    ui.box(GameBox::CarryingK)->setText(QStringLiteral("0"));
    pressEnter(ui.box(GameBox::InitN)); // K was not confirmed
    click(ui.Command1);
    QVERIFY(ui.Frame4->isVisible());
    QVERIFY(ui.Label20->text().contains(QLatin1String("carrying capacity")));
    QVERIFY(!ui.shownVerdict());
    QCOMPARE(game.focusWidget(), ui.box(GameBox::CarryingK));

    ui.box(GameBox::CarryingK)->setText(QStringLiteral("10000"));
    ui.box(GameBox::SimutY)->setText(QStringLiteral("20000"));
    pressEnter(ui.box(GameBox::InitN));
    click(ui.Command1);
    QVERIFY(ui.Label20->text().contains(QLatin1String("from 0 to 10000 days")));
    QVERIFY(ui.FinalSimuT->text().isEmpty());

    // "How to" brings the instructions back.
    click(ui.Command3);
    QCOMPARE(ui.Label20->text(), Instructions);
}

void TestGame::hugeGrowthStopsAndSaysSo()
{
    Game &game = open();
    const Controls<Game> ui(game);
    for (const auto &[which, text] : {std::pair{GameBox::GRate, "1"}, {GameBox::SimutY, "10000"}})
        ui.box(which)->setText(QString::fromLatin1(text));
    pressEnter(ui.box(GameBox::InitN));
    click(ui.Command1);
    QVERIFY(ui.Frame4->isVisible());
    QVERIFY(ui.Label20->text().contains(QLatin1String("too large to count")));
    QVERIFY(ui.FinalSimuT->text().toInt() > 1000);
    for (QLineEdit *result : {ui.FinalSimuT, ui.FinalN, ui.FinalCapital, ui.Profit, ui.GNP})
        QVERIFY2(!result->text().contains(QLatin1String("inf"), Qt::CaseInsensitive)
                     && !result->text().contains(QLatin1String("nan"), Qt::CaseInsensitive),
                 qPrintable(result->text()));
    QVERIFY(ui.shownVerdict());
}

void TestGame::panelAndWayBack()
{
    Game &game = open();
    const Controls<Game> ui(game);
    QTest::mouseClick(ui.Command5, Qt::LeftButton);
    QVERIFY(!ui.Frame4->isVisible());
    QTest::mouseClick(ui.Command3, Qt::LeftButton);
    QVERIFY(ui.Frame4->isVisible());
    click(ui.Command1);
    QVERIFY(ui.shownVerdict());
    // After a run the panel comes back above the verdict picture, not under it.
    QTest::mouseClick(ui.Command3, Qt::LeftButton);
    QWidget *top = game.childAt(ui.Frame4->geometry().center());
    QVERIFY(top == ui.Frame4 || ui.Frame4->isAncestorOf(top));
    QTest::mouseClick(ui.Label1, Qt::LeftButton); // "Simulation stopped at t ="
    QVERIFY(!game.isVisible());
    QVERIFY(WindowRegistry::get<Form1>().isVisible());
    // Back again: inputs and results as they were, but no picture.
    const QString profit = ui.Profit->text();
    click(controlsOf<Form1>().Command12);
    QCOMPARE(&WindowRegistry::get<Game>(), &game);
    QCOMPARE(ui.Profit->text(), profit);
    QVERIFY(!ui.shownVerdict());
}

void TestGame::aDebtKeepsItsSignInSight_data()
{
    QTest::addColumn<QString>("expense");
    QTest::addColumn<QString>("rate");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("capital");      // the box's text: the whole result
    QTest::addColumn<QString>("capitalShown"); // what the box shows, if not all of it
    QTest::addColumn<QString>("finalNShown");
    // A rearing expense of 10^7 a head: 30 days of 1200 heads run up a debt of
    // twelve digits, which a smaller font still shows whole.
    QTest::addRow("twelve digits") << "10000000"
                                   << "0.2"
                                   << "30"
                                   << "-359999870060"
                                   << ""
                                   << "";
    // Doubling for 300 days: 800 * 2^300 + 200 heads, and a debt of 94 digits.
    QTest::addRow("94 digits") << "1"
                               << "1"
                               << "300"
                               << ""
                               << "-3.25925\u2026E+93"
                               << "1.629628\u2026E+93";
}

void TestGame::aDebtKeepsItsSignInSight()
{
    QFETCH(QString, expense);
    QFETCH(QString, rate);
    QFETCH(QString, days);
    QFETCH(QString, capital);
    QFETCH(QString, capitalShown);
    QFETCH(QString, finalNShown);
    Game &game = open();
    const Controls<Game> ui(game);
    for (const auto &[which, text] : {std::pair{GameBox::CostPerInd, expense},
                                      {GameBox::GRate, rate},
                                      {GameBox::SimutY, days}}) {
        type(ui.box(which), text);
        pressEnter(ui.box(which));
    }
    QTest::mouseClick(ui.Command1, Qt::LeftButton);
    QCOMPARE(ui.shownVerdict()->objectName(), QStringLiteral("Jail"));
    if (!capital.isEmpty())
        QCOMPARE(ui.FinalCapital->text(), capital);
    const QString whole = ui.FinalCapital->text();
    // Only as much of the number as fits, at the least its sign, its first
    // digits and its size; the tooltip and a screen reader get it whole.
    QCOMPARE(ui.FinalCapital->textCut(), !capitalShown.isEmpty());
    QCOMPARE(ui.FinalCapital->shownText(), capitalShown.isEmpty() ? whole : capitalShown);
    QCOMPARE(ui.FinalCapital->toolTip(), capitalShown.isEmpty() ? QString() : whole);
    QCOMPARE(ui.FinalCapital->accessibleDescription(), ui.FinalCapital->toolTip());
    if (!finalNShown.isEmpty())
        QCOMPARE(ui.FinalN->shownText(), finalNShown);
    // Reached with Tab, the box still shows its beginning.
    ui.FinalCapital->setFocus(Qt::TabFocusReason);
    QCOMPARE(ui.FinalCapital->cursorPosition(), 0);
}

void TestGame::closeBoxRestoresTheStartValuesButKeepsTheGame()
{
    Game &game = open();
    const Controls<Game> ui(game);
    ui.Option2->click();
    click(ui.Command1);
    QVERIFY(game.close());
    QVERIFY(WindowRegistry::get<Form1>().isVisible());
    QVERIFY(!WindowRegistry::loaded<Game>());
    QVERIFY(HarvestGame.GameStopT == 15); // the game state stays
    click(controlsOf<Form1>().Command12);
    const Controls<Game> fresh = controlsOf<Game>();
    QVERIFY(fresh.Option1->isChecked());
    QCOMPARE(fresh.box(GameBox::Price)->text(), QStringLiteral("5"));
    QVERIFY(HarvestGame.GameModel == Growth::Exponential);
}

void TestGame::keyboardRunsWithEnter()
{
    Game &game = open();
    const Controls<Game> ui(game);
    QVERIFY(QTest::qWaitForWindowActive(&game));
    QCOMPARE(QApplication::focusWidget(), ui.Command1);
    QTest::keyClick(ui.Command1, Qt::Key_Return);
    QCOMPARE(ui.shownVerdict()->objectName(), QStringLiteral("Loser"));
}

QTEST_MAIN(TestGame)
#include "tst_game.moc"
