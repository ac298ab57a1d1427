// RUN in the main window: the boxes become the shared record, the model runs, the
// window shows the results and the N(t) chart, or says why it cannot run.
#include "programfixture.h"

#include "chartkit/chartframe.h"

#include "model/numbertext.h"

#include <QValueAxis>

#include <cmath>

namespace {

QString text(double value) { return QString::fromStdString(textOfNumber(value)); }

} // namespace

class TestForm1Run : public ProgramTest
{
    Q_OBJECT

private slots:
    void runWithDefaults();
    void extinctionLowersTheRunLength();
    void deathInTheFirstStep_data();
    void deathInTheFirstStep();
    void runLengthIsCheckedBeforeRunning_data();
    void runLengthIsCheckedBeforeRunning();
    void leniencyReadsTheBoxes();
    void refusedRuns_data();
    void refusedRuns();
    void aLongResultShowsItsBeginning();
    void exponentialRunUsesTheEmptyKBox();
    void runNeverShowsNonsense_data();
    void runNeverShowsNonsense();
};

void TestForm1Run::runWithDefaults()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    click(ui.Command2);
    QVERIFY(!ui.Label16->isVisibleTo(&form));
    QVERIFY(!ui.Label17->isVisibleTo(&form));
    QCOMPARE(ui.Text4->text(), QStringLiteral("499.995479382058"));
    QCOMPARE(ui.Label12->text(), QStringLiteral("443.570191641478"));
    QCOMPARE(ui.Label4->text(), QStringLiteral("Without harvest, N(65)="));
    QVERIFY(ui.MSChart1->isChartVisible());
    QCOMPARE(chartTitle(ui.MSChart1), QStringLiteral("N(t) vs. time"));
    QCOMPARE(chartPoints(ui.MSChart1, 0).size(), 66);
    QCOMPARE(chartPoints(ui.MSChart1, 1).size(), 66);
    QVERIFY(!ui.Command2->isEnabled());
    QVERIFY(ui.Command5->isEnabled());
    QVERIFY(ui.Command11->isEnabled());
    QCOMPARE(QString::fromStdString(Harvest.ParameterCaption),
             QStringLiteral(" [N(0)=100, K=500, r=0.2, H=10.]"));
    QVERIFY(Harvest.SimuT == 65);
    QVERIFY(Harvest.CarryingCapacity == 500);
}

void TestForm1Run::extinctionLowersTheRunLength()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    enter(ui.Harvestrate, QStringLiteral("40"));
    click(ui.Command2);
    QCOMPARE(ui.simut->text(), QStringLiteral("3"));
    QVERIFY(Harvest.SimuT == 3);
    QCOMPARE(ui.Label12->text(), QStringLiteral("17.711442804736"));
    QCOMPARE(ui.Text4->text(), text(Harvest.NOriginal[3]));
    QCOMPARE(ui.Label4->text(), QStringLiteral("Without harvest, N(3)="));
    QVERIFY(ui.MSChart1->isChartVisible()); // the change handler of the rewrite is overruled
    QCOMPARE(chartPoints(ui.MSChart1, 1).size(), 4);
    QVERIFY(ui.Command5->isEnabled());
    // A short run's time axis ticks at the whole steps 0, 1, 2, 3.
    const auto *time
        = qobject_cast<QValueAxis *>(ui.MSChart1->chart()->axes(Qt::Horizontal).value(0));
    QVERIFY(time->min() == 0 && time->max() == 3);
    QCOMPARE(ui.MSChart1->frame().marks(0).labels, QStringList({"0", "1", "2", "3"}));
}

void TestForm1Run::deathInTheFirstStep_data()
{
    QTest::addColumn<bool>("exponential");
    QTest::addColumn<QStringList>("entries"); // N(0), r, K, H
    QTest::addColumn<double>("n0");
    QTest::addColumn<QString>("shown"); // N(0) as both results show it
    // 5 + 0.39 * 5 * (1 - 5/2500) - 10 = -3.0539.
    QTest::addRow("logistic, H above the first growth")
        << false << QStringList{"5", "0.39", "2500", "10"} << 5.0 << "5";
    // 999 + 0.5 * 999 * (1 - 999/333) - 50 = -50: far above K, the population crashes.
    QTest::addRow("logistic, far above K")
        << false << QStringList{"999", "0.5", "333", "50"} << 999.0 << "999";
    // 50/0.83 + (7 - 50/0.83) e^0.83 = -61.8.
    QTest::addRow("exponential, H above rN(0)")
        << true << QStringList{"7", "0.83", "", "50"} << 7.0 << "7";
    QTest::addRow("exponential, N(0) = 0")
        << true << QStringList{"0", "0.2", "", "15"} << 0.0 << "0";
    // The first harvested step, far above K, is beyond a double: a crash all the same.
    QTest::addRow("logistic, N(0) = 1e300")
        << false << QStringList{"1e300", "0.2", "500", "10"} << 1e300 << "1E+300";
}

// A population that dies out in the first step ends the run at t = 0, as one that
// dies out at any later step ends it at its last living step: the run length 0,
// both results N(0), one point per population.
void TestForm1Run::deathInTheFirstStep()
{
    QFETCH(bool, exponential);
    QFETCH(QStringList, entries);
    QFETCH(double, n0);
    QFETCH(QString, shown);
    const Controls<Form1> ui(program.startAtMainWindow());
    if (exponential)
        QTest::mouseClick(ui.Option1, Qt::LeftButton);
    const QList<TextBox *> boxes = {ui.n0, ui.rrate, ui.Kvalue, ui.Harvestrate};
    for (int i = 0; i < boxes.size(); ++i)
        if (boxes.at(i)->isEnabled()) {
            type(boxes.at(i), entries.at(i));
            pressEnter(boxes.at(i));
        }
    QTest::mouseClick(ui.Command2, Qt::LeftButton);
    QCOMPARE(ui.simut->text(), QStringLiteral("0"));
    QVERIFY(Harvest.SimuT == 0);
    QCOMPARE(ui.Text4->text(), shown);
    QCOMPARE(ui.Label12->text(), shown);
    QCOMPARE(ui.Label4->text(), QStringLiteral("Without harvest, N(0)="));
    const QList<QPointF> start = {QPointF(0, n0)};
    QCOMPARE(chartPoints(ui.MSChart1, 0), start);
    QCOMPARE(chartPoints(ui.MSChart1, 1), start);
    // A line of one point shows as a dot.
    for (QAbstractSeries *series : ui.MSChart1->chart()->series())
        QVERIFY(!static_cast<QLineSeries *>(series)->lightMarker().isNull());

    // The cycle from N(t): the points per population series of each chart; the
    // theory, cost and revenue charts draw curves of the parameters instead.
    const bool alive = n0 > 0;
    const QList<int> counts = exponential ? QList<int>{0, 1, alive, 0, 0, 51, 51, 51}
                                          : QList<int>{0, 1, 1, 0, 0, 51, 51, 0};
    for (int position = 1; position <= counts.size(); ++position) {
        clickChart(ui.MSChart1);
        const int count = counts.at(position - 1);
        QCOMPARE(chartPoints(ui.MSChart1, 0).size(), count);
        QCOMPARE(chartPoints(ui.MSChart1, 1).size(), count);
        if (position == 2) // dN against N: the harvested population loses all it had
            QCOMPARE(chartPoints(ui.MSChart1, 1).first(), QPointF(n0, -n0));
        if (position == 3 && alive) // ln N(t)
            QCOMPARE(chartPoints(ui.MSChart1, 1).first(), QPointF(0, std::log(n0)));
        // A chart with nothing to draw says so.
        QCOMPARE(ui.MSChart1->shownTitle().endsWith(QLatin1String("(nothing to draw)")),
                 count == 0);
    }
    // The 0 is the run's; confirmed with Enter, the box's own rule applies.
    pressEnter(ui.simut);
    QCOMPARE(ui.simut->text(), QStringLiteral("50"));
}

void TestForm1Run::runLengthIsCheckedBeforeRunning_data()
{
    QTest::addColumn<QString>("simut");
    QTest::addColumn<QString>("after");
    QTest::addRow("fraction") << "12.5"
                              << "50";
    QTest::addRow("text") << "abc"
                          << "50";
    QTest::addRow("too long") << "9000"
                              << "2000";
    QTest::addRow("negative") << "-3"
                              << "50";
}

void TestForm1Run::runLengthIsCheckedBeforeRunning()
{
    QFETCH(QString, simut);
    QFETCH(QString, after);
    const Controls<Form1> ui(program.startAtMainWindow());
    ui.simut->setText(simut); // typed, then confirmed with Enter in another box
    pressEnter(ui.rrate);
    click(ui.Command2);
    QCOMPARE(ui.simut->text(), after);
    QVERIFY(Harvest.SimuT == after.toDouble());
    QCOMPARE(ui.Label4->text(), QStringLiteral("Without harvest, N(%1)=").arg(after));
    QCOMPARE(chartPoints(ui.MSChart1, 0).size(), after.toInt() + 1);
}

void TestForm1Run::leniencyReadsTheBoxes()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    ui.Kvalue->setText(QStringLiteral("400 individuals"));
    pressEnter(ui.rrate);
    click(ui.Command2);
    QVERIFY(Harvest.CarryingCapacity == 400);
    QCOMPARE(QString::fromStdString(Harvest.ParameterCaption),
             QStringLiteral(" [N(0)=100, K=400, r=0.2, H=10.]"));
}

void TestForm1Run::refusedRuns_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("detail");
    QTest::addRow("K = 0") << "Kvalue"
                           << "0"
                           << "Not run: K is not above 0"
                           << "Enter K greater than 0";
    QTest::addRow("K empty") << "Kvalue"
                             << ""
                             << "Not run: K is not above 0"
                             << "Enter K greater than 0";
    QTest::addRow("N(0) negative") << "n0"
                                   << "-5"
                                   << "Not run: N(0) is negative"
                                   << "Enter N(0) of 0 or more";
    QTest::addRow("r negative") << "rrate"
                                << "-0.1"
                                << "Not run: r is negative"
                                << "Enter r of 0 or more";
    QTest::addRow("H negative") << "Harvestrate"
                                << "-1"
                                << "Not run: H is negative"
                                << "Enter H of 0 or more";
}

void TestForm1Run::refusedRuns()
{
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, reason);
    QFETCH(QString, detail);
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    click(ui.Command2);
    const double before = Harvest.NHarvested[65];
    auto *b = findControl<TextBox>(form, box);
    b->setText(typed); // not confirmed: Enter goes to another box
    pressEnter(box == QLatin1String("simut") ? ui.n0 : ui.simut);
    click(ui.Command2);
    QCOMPARE(ui.Label12->text(), reason);
    QCOMPARE(ui.Text4->text(), detail);
    QCOMPARE(ui.Label4->text(), QStringLiteral("What to change:"));
    QVERIFY(!ui.MSChart1->isChartVisible());
    QVERIFY(!ui.Command5->isEnabled());
    QVERIFY(ui.Command11->isEnabled()); // the large graph still shows the last run
    QVERIFY(Harvest.NHarvested[65] == before);

    // The advice goes as soon as a box changes.
    QTest::keyClick(ui.n0, Qt::Key_0);
    QCOMPARE(ui.Label4->text(), QStringLiteral("Population size :"));
    QCOMPARE(ui.Label12->text(), QStringLiteral("????"));
}

void TestForm1Run::aLongResultShowsItsBeginning()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    const int designPixels = ui.Label12->font().pixelSize();
    // The longest refusal fits in a smaller font, whole and centred.
    const QString reason = QStringLiteral("Not run: t is not a whole number from 1 to 2000");
    ui.Label12->setResult(reason);
    QVERIFY(!ui.Label12->textCut());
    QVERIFY(ui.Label12->font().pixelSize() < designPixels);
    QCOMPARE(ui.Label12->alignment(), Qt::Alignment(Qt::AlignCenter));
    // A text too long even for the smallest font shows its beginning.
    const QString longer = reason + QStringLiteral(", nor is anything else here");
    ui.Label12->setResult(longer);
    QVERIFY(ui.Label12->textCut());
    QCOMPARE(ui.Label12->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(ui.Label12->toolTip(), longer);
    QCOMPARE(ui.Label12->accessibleDescription(), longer);
    // A result that fits is shown as laid out again and says nothing more.
    QTest::mouseClick(ui.Command2, Qt::LeftButton);
    QCOMPARE(ui.Label12->text(), QStringLiteral("443.570191641478"));
    QCOMPARE(ui.Label12->font().pixelSize(), designPixels);
    QCOMPARE(ui.Label12->alignment(), Qt::Alignment(Qt::AlignCenter));
    QVERIFY(ui.Label12->toolTip().isEmpty());
}

void TestForm1Run::exponentialRunUsesTheEmptyKBox()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    ui.Option1->click();
    click(ui.Command2);
    QVERIFY(Harvest.CarryingCapacity == 0);
    QCOMPARE(ui.Text4->text(), QStringLiteral("738.905609893065"));
    QCOMPARE(ui.Label12->text(), QStringLiteral("259.726402473266"));
    QCOMPARE(QString::fromStdString(Harvest.ParameterCaption),
             QStringLiteral(" [N(0)=100, r=0.2, H=15.]"));
}

void TestForm1Run::runNeverShowsNonsense_data()
{
    QTest::addColumn<bool>("exponential");
    QTest::addColumn<QString>("n0");
    QTest::addColumn<QString>("r");
    QTest::addColumn<QString>("K");
    QTest::addColumn<QString>("H");
    QTest::addColumn<QString>("T");
    QTest::addRow("exponential overflow") << true << "100"
                                          << "0.4"
                                          << ""
                                          << "15"
                                          << "2000";
    QTest::addRow("exponential r = 0") << true << "100"
                                       << "0"
                                       << ""
                                       << "15"
                                       << "10";
    QTest::addRow("huge N(0)") << true << "1e308"
                               << "1"
                               << ""
                               << "0"
                               << "10";
    QTest::addRow("logistic huge r") << false << "100"
                                     << "1e300"
                                     << "500"
                                     << "10"
                                     << "65";
    QTest::addRow("logistic huge K") << false << "100"
                                     << "0.2"
                                     << "1e308"
                                     << "10"
                                     << "2000";
    QTest::addRow("logistic tiny N(0)") << false << "1e-320"
                                        << "0.2"
                                        << "500"
                                        << "0"
                                        << "2000";
    QTest::addRow("logistic all zero") << false << "0"
                                       << "0"
                                       << "500"
                                       << "0"
                                       << "10";
}

void TestForm1Run::runNeverShowsNonsense()
{
    QFETCH(bool, exponential);
    QFETCH(QString, n0);
    QFETCH(QString, r);
    QFETCH(QString, K);
    QFETCH(QString, H);
    QFETCH(QString, T);
    const Controls<Form1> ui(program.startAtMainWindow());
    if (exponential)
        ui.Option1->click();
    ui.n0->setText(n0);
    ui.rrate->setText(r);
    if (!exponential)
        ui.Kvalue->setText(K);
    ui.Harvestrate->setText(H);
    ui.simut->setText(T);
    pressEnter(ui.simut);
    click(ui.Command2);
    for (int click = 0; click < 9 && ui.MSChart1->isChartVisible(); ++click) {
        clickChart(ui.MSChart1);
        const auto axes = ui.MSChart1->chart()->axes();
        QCOMPARE(axes.size(), 2);
        for (const QAbstractAxis *a : axes) {
            const auto *axis = qobject_cast<const QValueAxis *>(a);
            QVERIFY(std::isfinite(axis->min()) && std::isfinite(axis->max()));
            QVERIFY(axis->min() < axis->max());
        }
    }
    for (const QString &shown :
         {ui.Text4->text(), ui.Label12->text(), ui.Label4->text(), ui.simut->text()}) {
        QVERIFY2(!shown.contains(QLatin1String("nan"), Qt::CaseInsensitive), qPrintable(shown));
        QVERIFY2(!shown.contains(QLatin1String("inf"), Qt::CaseInsensitive), qPrintable(shown));
    }
}

QTEST_MAIN(TestForm1Run)
#include "tst_form1run.moc"
