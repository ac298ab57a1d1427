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

QStringList boxTexts(Game &game)
{
    QStringList texts;
    for (TextBox *box : game.boxes)
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
    void refusedRunsSayWhy();
    void hugeGrowthStopsAndSaysSo();
    void panelAndWayBack();
    void aDebtKeepsItsSignInSight_data();
    void aDebtKeepsItsSignInSight();
    void closeBoxRestoresTheStartValuesButKeepsTheGame();
    void keyboardRunsWithEnter();

private:
    SteadySource random;
    Game &open()
    {
        Form1 &form = program.startAtMainWindow();
        QTest::mouseClick(form.Command12, Qt::LeftButton);
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
    QVERIFY(game.isVisible());
    QVERIFY(!WindowRegistry::get<Form1>().isVisible());
    QCOMPARE(game.windowTitle(), QStringLiteral("Game"));
    QCOMPARE(boxTexts(game),
             QStringList({"1000", "", "0.2", "1", "100000", "200", "5", "2000", "0.001", "30"}));
    QVERIFY(!game.box(GameBox::CarryingK)->isEnabled());
    QVERIFY(game.Option1->isChecked());
    QVERIFY(game.Frame4->isVisible());
    QCOMPARE(game.Label20->text(), Instructions);
    for (QRadioButton *example : {game.EgRich, game.EgOk, game.EgLoser, game.Egbroke, game.EgJail})
        QVERIFY(!example->isChecked());
    for (QLineEdit *result :
         {game.FinalSimuT, game.FinalN, game.FinalCapital, game.Profit, game.GNP})
        QVERIFY(result->text().isEmpty());
    QVERIFY(!game.shownVerdict());
    QVERIFY(game.Command1->isEnabled());
    // The pictures' centre: three quarters across, four sevenths down.
    const QPoint centre = game.Richman->geometry().center();
    QVERIFY(std::abs(centre.x() - game.width() * 3 / 4) <= 1);
    QVERIFY(std::abs(centre.y() - game.height() * 4 / 7) <= 1);
    QCOMPARE(game.Richman->size(), QSize(320, 241));
    // The model options' captions are read in full.
    for (QRadioButton *option : {game.Option1, game.Option2})
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
    if (logistic)
        QTest::mouseClick(game.Option2, Qt::LeftButton, {}, QPoint(8, 10));
    QCOMPARE(game.box(GameBox::Price)->text(),
             logistic ? QStringLiteral("25") : QStringLiteral("5"));
    QTest::mouseClick(game.Command1, Qt::LeftButton);
    QCOMPARE(QStringList({game.FinalSimuT->text(), game.FinalN->text(), game.FinalCapital->text(),
                          game.Profit->text(), game.GNP->text()}),
             results);
    QVERIFY(game.shownVerdict());
    QCOMPARE(game.shownVerdict()->objectName(), verdict);
    QVERIFY(!game.Frame4->isVisible());
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
    for (QRadioButton *option : {game.Option1, game.Option2}) {
        option->click();
        auto *button = game.findChild<QRadioButton *>(example);
        button->click();
        QVERIFY(button->isChecked());
        QVERIFY(game.Command1->isEnabled());
        game.Command1_Click();
        QCOMPARE(game.shownVerdict()->objectName(), verdict);
        QCOMPARE(game.shownVerdict()->accessibleName(), words);
        QCOMPARE(game.FinalSimuT->text(), QStringLiteral("30"));
    }
}

void TestGame::typingClearsTheResults()
{
    Game &game = open();
    game.Command1_Click();
    QVERIFY(game.shownVerdict());
    QTest::keyClick(game.box(GameBox::Price), Qt::Key_0);
    QVERIFY(!game.shownVerdict());
    QVERIFY(!game.Command1->isEnabled());
    for (QLineEdit *result :
         {game.FinalSimuT, game.FinalN, game.FinalCapital, game.Profit, game.GNP})
        QVERIFY(result->text().isEmpty());
}

void TestGame::enterChecksAndWaitsForTheListedBoxes()
{
    Game &game = open();
    game.box(GameBox::Price)->clear();
    pressEnter(game.box(GameBox::DailyH)); // "Price" is empty: "Run" stays off
    QVERIFY(!game.Command1->isEnabled());
    pressEnter(game.box(GameBox::InitN)); // N(0) needs nothing else
    QVERIFY(game.Command1->isEnabled());
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : game.focusWidget(),
             game.Command1);
    game.Command1_Click(); // an empty box: nothing happens
    QVERIFY(game.FinalSimuT->text().isEmpty());

    game.box(GameBox::Lohn)->setText(QStringLiteral("0"));
    pressEnter(game.box(GameBox::Lohn));
    QCOMPARE(game.box(GameBox::Lohn)->text(), QStringLiteral("10000"));
    game.box(GameBox::InterestRate)->setText(QStringLiteral("abc"));
    pressEnter(game.box(GameBox::InterestRate));
    QCOMPARE(game.box(GameBox::InterestRate)->text(), QStringLiteral("1000"));
}

void TestGame::randomDataLocksUntilTheNextRun()
{
    Game &game = open();
    game.EgRich->click();
    QTest::mouseClick(game.Command2, Qt::LeftButton);
    QCOMPARE(boxTexts(game),
             QStringList({"500", "", "0.5", "5", "500000", "", "50", "", "0.005", ""}));
    QVERIFY(!game.EgRich->isChecked());
    QVERIFY(!game.Command1->isEnabled());
    QVERIFY(game.box(GameBox::InitN)->isReadOnly());
    QVERIFY(!game.box(GameBox::DailyH)->isReadOnly());
    // Enter in a locked box with a number unlocks "Run", which waits for the blue boxes.
    pressEnter(game.box(GameBox::InitN));
    QVERIFY(game.Command1->isEnabled());
    game.Command1_Click();
    QVERIFY(game.FinalSimuT->text().isEmpty());
    for (const auto &[which, text] :
         {std::pair{GameBox::DailyH, "100"}, {GameBox::Lohn, "1000"}, {GameBox::SimutY, "20"}}) {
        game.box(which)->setText(QString::fromLatin1(text));
        pressEnter(game.box(which));
    }
    game.Command1_Click();
    QCOMPARE(game.FinalSimuT->text(), QStringLiteral("20"));
    QVERIFY(!game.box(GameBox::InitN)->isReadOnly());
}

void TestGame::refusedRunsSayWhy()
{
    Game &game = open();
    game.Option2->click();
    game.box(GameBox::CarryingK)->setText(QStringLiteral("0"));
    pressEnter(game.box(GameBox::InitN)); // K was not confirmed
    game.Command1_Click();
    QVERIFY(game.Frame4->isVisible());
    QVERIFY(game.Label20->text().contains(QLatin1String("carrying capacity")));
    QVERIFY(!game.shownVerdict());
    QCOMPARE(game.focusWidget(), game.box(GameBox::CarryingK));

    game.box(GameBox::CarryingK)->setText(QStringLiteral("10000"));
    game.box(GameBox::SimutY)->setText(QStringLiteral("20000"));
    pressEnter(game.box(GameBox::InitN));
    game.Command1_Click();
    QVERIFY(game.Label20->text().contains(QLatin1String("from 0 to 10000 days")));
    QVERIFY(game.FinalSimuT->text().isEmpty());

    // "How to" brings the instructions back.
    game.Command3_Click();
    QCOMPARE(game.Label20->text(), Instructions);
}

void TestGame::hugeGrowthStopsAndSaysSo()
{
    Game &game = open();
    for (const auto &[which, text] : {std::pair{GameBox::GRate, "1"}, {GameBox::SimutY, "10000"}})
        game.box(which)->setText(QString::fromLatin1(text));
    pressEnter(game.box(GameBox::InitN));
    game.Command1_Click();
    QVERIFY(game.Frame4->isVisible());
    QVERIFY(game.Label20->text().contains(QLatin1String("too large to count")));
    QVERIFY(game.FinalSimuT->text().toInt() > 1000);
    for (QLineEdit *result :
         {game.FinalSimuT, game.FinalN, game.FinalCapital, game.Profit, game.GNP})
        QVERIFY2(!result->text().contains(QLatin1String("inf"), Qt::CaseInsensitive)
                     && !result->text().contains(QLatin1String("nan"), Qt::CaseInsensitive),
                 qPrintable(result->text()));
    QVERIFY(game.shownVerdict());
}

void TestGame::panelAndWayBack()
{
    Game &game = open();
    QTest::mouseClick(game.Command5, Qt::LeftButton);
    QVERIFY(!game.Frame4->isVisible());
    QTest::mouseClick(game.Command3, Qt::LeftButton);
    QVERIFY(game.Frame4->isVisible());
    game.Command1_Click();
    QVERIFY(game.shownVerdict());
    // After a run the panel comes back above the verdict picture, not under it.
    QTest::mouseClick(game.Command3, Qt::LeftButton);
    QWidget *top = game.childAt(game.Frame4->geometry().center());
    QVERIFY(top == game.Frame4 || game.Frame4->isAncestorOf(top));
    QTest::mouseClick(game.Label1, Qt::LeftButton); // "Simulation stopped at t ="
    QVERIFY(!game.isVisible());
    QVERIFY(WindowRegistry::get<Form1>().isVisible());
    // Back again: inputs and results as they were, but no picture.
    const QString profit = game.Profit->text();
    WindowRegistry::get<Form1>().Command12_Click();
    QCOMPARE(&WindowRegistry::get<Game>(), &game);
    QCOMPARE(game.Profit->text(), profit);
    QVERIFY(!game.shownVerdict());
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
    for (const auto &[which, text] : {std::pair{GameBox::CostPerInd, expense},
                                      {GameBox::GRate, rate}, {GameBox::SimutY, days}}) {
        type(game.box(which), text);
        pressEnter(game.box(which));
    }
    QTest::mouseClick(game.Command1, Qt::LeftButton);
    QCOMPARE(game.shownVerdict()->objectName(), QStringLiteral("Jail"));
    if (!capital.isEmpty())
        QCOMPARE(game.FinalCapital->text(), capital);
    const QString whole = game.FinalCapital->text();
    // Only as much of the number as fits, at the least its sign, its first
    // digits and its size; the tooltip and a screen reader get it whole.
    QCOMPARE(game.FinalCapital->textCut(), !capitalShown.isEmpty());
    QCOMPARE(game.FinalCapital->shownText(), capitalShown.isEmpty() ? whole : capitalShown);
    QCOMPARE(game.FinalCapital->toolTip(), capitalShown.isEmpty() ? QString() : whole);
    QCOMPARE(game.FinalCapital->accessibleDescription(), game.FinalCapital->toolTip());
    if (!finalNShown.isEmpty())
        QCOMPARE(game.FinalN->shownText(), finalNShown);
    // Reached with Tab, the box still shows its beginning.
    game.FinalCapital->setFocus(Qt::TabFocusReason);
    QCOMPARE(game.FinalCapital->cursorPosition(), 0);
}

void TestGame::closeBoxRestoresTheStartValuesButKeepsTheGame()
{
    Game &game = open();
    game.Option2->click();
    game.Command1_Click();
    QVERIFY(game.close());
    QVERIFY(WindowRegistry::get<Form1>().isVisible());
    QVERIFY(!WindowRegistry::loaded<Game>());
    QVERIFY(HarvestGame.GameStopT == 15); // the game state stays
    WindowRegistry::get<Form1>().Command12_Click();
    Game &fresh = WindowRegistry::get<Game>();
    QVERIFY(fresh.Option1->isChecked());
    QCOMPARE(fresh.box(GameBox::Price)->text(), QStringLiteral("5"));
    QVERIFY(HarvestGame.GameModel == Growth::Exponential);
}

void TestGame::keyboardRunsWithEnter()
{
    Game &game = open();
    QVERIFY(QTest::qWaitForWindowActive(&game));
    QCOMPARE(QApplication::focusWidget(), game.Command1);
    QTest::keyClick(game.Command1, Qt::Key_Return);
    QCOMPARE(game.shownVerdict()->objectName(), QStringLiteral("Loser"));
}

QTEST_MAIN(TestGame)
#include "tst_game.moc"
