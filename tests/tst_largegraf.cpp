// The large graph window: its opening view, the six population views with
// legends, the theoretical and economic graphs, and its own chart cycle.
#include "paintwatch.h"
#include "programfixture.h"

#include "chartkit/chartframe.h"
#include "info/copyrigh.h"
#include "largegraph/larggraf.h"

#include <QLegend>
#include <QPrinter>
#include <QScreen>
#include <QTemporaryDir>

#include <cmath>

namespace {

const QString Caption = QStringLiteral(" [N(0)=100, K=500, r=0.2, H=10.]");

larggraf &large() { return WindowRegistry::get<larggraf>(); }

// The large window's controls, found afresh: the window may have been loaded again.
Controls<larggraf> largeUi() { return Controls<larggraf>(large()); }

QtChartControl *largeChart() { return largeUi().MSChart1; }

QString title() { return largeChart()->chart()->title(); }

QList<QPointF> points(int seriesIndex) { return largeChart()->plotted().value(seriesIndex); }

QStringList legendTexts()
{
    QStringList texts;
    for (QAbstractSeries *series : largeChart()->chart()->series())
        texts << series->name();
    return texts;
}

// The axes' tick labels as the chart draws them.
QStringList tickLabels()
{
    const ChartFrame &frame = largeChart()->frame();
    return frame.marks(0).labels + frame.marks(1).labels;
}

bool allFinite()
{
    for (QAbstractSeries *series : largeChart()->chart()->series())
        for (const QPointF &p : static_cast<QXYSeries *>(series)->points())
            if (!std::isfinite(p.x()) || !std::isfinite(p.y()))
                return false;
    return true;
}

// The chart title at the moment the window is shown.
class TitleAtShow : public QObject
{
public:
    QString seen;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == WindowRegistry::loaded<larggraf>())
            seen = largeChart()->chart()->title();
        return false;
    }
};

} // namespace

class TestLargeGraph : public ProgramTest
{
    Q_OBJECT

private slots:
    void openingViewBeforeTheWindowShows();
    void views_data();
    void views();
    void cycleOrderDiffersFromTheButtons_data();
    void cycleOrderDiffersFromTheButtons();
    void buttonsDoNotMoveTheCycle();
    void cycleSurvivesCloseReopenAndRuns();
    void viewsReadTheRunNotTheBox();
    void logisticGraphsWithoutEquilibriumOrRun_data();
    void logisticGraphsWithoutEquilibriumOrRun();
    void zeroPopulationDrawsNoLogarithm();
    void leavingTheWindow_data();
    void leavingTheWindow();
    void printSaysWhatCameOfIt();
    void keyboardStepsThroughTheCycle_data();
    void keyboardStepsThroughTheCycle();
    void eachClickPaintsTheChartOnce_data();
    void eachClickPaintsTheChartOnce();

private:
    bool largeGraphWaited = false;
    Form1 &openAfterRun(bool exponential = false)
    {
        Form1 &form = program.startAtMainWindow();
        const Controls<Form1> ui(form);
        if (exponential)
            ui.Option1->click();
        largeGraphWaited = !ui.Command11->isEnabled(); // "Large graph" waits for a run
        click(ui.Command2);
        QTest::mouseClick(ui.Command11, Qt::LeftButton);
        return form;
    }
};

void TestLargeGraph::openingViewBeforeTheWindowShows()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    click(ui.Command2);
    TitleAtShow watch;
    qApp->installEventFilter(&watch);
    QTest::mouseClick(ui.Command11, Qt::LeftButton);
    qApp->removeEventFilter(&watch);
    QVERIFY(!form.isVisible());
    QVERIFY(large().isVisible());
    QCOMPARE(large().windowTitle(), QStringLiteral("Large graph"));
    const QPoint offCentre
        = large().frameGeometry().center() - large().screen()->availableGeometry().center();
    QVERIFY2(std::abs(offCentre.x()) <= 2 && std::abs(offCentre.y()) <= 2,
             "the window stands in the middle of the screen");
    // The literal ends in a blank and the caption begins with one.
    QCOMPARE(watch.seen, QStringLiteral("The change of N(t) with t ") + Caption);
    QVERIFY(largeChart()->frame().legend().isEmpty());
    QCOMPARE(points(0).size(), 66);
    QCOMPARE(points(1).size(), 66);
    openAfterRun();
    QVERIFY(largeGraphWaited);
}

void TestLargeGraph::views_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QStringList>("legend");
    QTest::addColumn<int>("pointsEach");
    QTest::addColumn<QString>("focus"); // empty: the focus stays on the button
    const QStringList populations = {"original", "harvested"};
    QTest::addRow("N vs. t") << "Command1"
                             << "The change of N(t) with t " + Caption << populations << 66
                             << "Command7";
    QTest::addRow("dN vs. t") << "Command3"
                              << "The change of dN(t) with t " + Caption << populations << 66
                              << "Command8";
    QTest::addRow("N, dN vs. t") << "Command8"
                                 << "N(t) and dN(t) at different t " + Caption
                                 << QStringList{"N(t)", "dN(t)", "N(t) (harvested)",
                                                "dN(t) (harvested)"}
                                 << 65 << "";
    QTest::addRow("dN vs. N") << "Command2"
                              << "The change of dN(t)/dt with N(t) " + Caption << populations << 66
                              << "Command9";
    QTest::addRow("lnN vs. t") << "Command9"
                               << "The change of N(t) (in logarithm) with t " + Caption
                               << populations << 66 << "Command7";
    QTest::addRow("dN/N vs. N") << "Command7"
                                << "dN/N vs. N" << populations << 65 << "Command1";
}

void TestLargeGraph::views()
{
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QStringList, legend);
    QFETCH(int, pointsEach);
    QFETCH(QString, focus);
    openAfterRun();
    auto *pressed = findControl<QPushButton>(large(), button);
    pressed->setFocus();
    QTest::mouseClick(pressed, Qt::LeftButton);
    QCOMPARE(::title(), title);
    QVERIFY(!largeChart()->frame().legend().isEmpty());
    QCOMPARE(legendTexts(), legend);
    for (int i = 0; i < legend.size(); ++i)
        QCOMPARE(points(i).size(), pointsEach);
    QCOMPARE(large().focusWidget()->objectName(), focus.isEmpty() ? button : focus);
    QCOMPARE(Harvest.LargeGraphIndex, 0);
    // No tick label reads a negative zero (dN/N of this run crosses zero).
    const QStringList texts = tickLabels();
    QVERIFY(texts.size() >= 6);
    QVERIFY2(!texts.contains(QStringLiteral("-0.00")) && !texts.contains(QStringLiteral("-0")),
             qPrintable(texts.join(QLatin1Char(' '))));
}

void TestLargeGraph::cycleOrderDiffersFromTheButtons_data()
{
    QTest::addColumn<bool>("exponential");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("theoryFocus");
    const QStringList populations
        = {"The change of dN(t) with t ", "The change of dN(t)/dt with N(t) ",
           "The change of N(t) (in logarithm) with t ", "N(t) and dN(t) at different t ",
           "dN/N vs. N"};
    QTest::addRow("logistic")
        << false
        << populations
               + QStringList{"Graph for theoretical analysis (logistic model)",
                             "Cost and revenue at different price-expense (p/e) ratio",
                             "Net profit of different price/expense ratio",
                             "The change of N(t) with t "}
        << "Command5";
    QTest::addRow("exponential")
        << true
        << populations
               + QStringList{"Graph for theoretical analysis (exponential model)",
                             "Cost and revenue at different price-expense (p/e) ratio "
                             "(exponential model)",
                             "Net profit of different price/expense ratio (exponential model)",
                             "The change of N(t) with t "}
        << "Command5";
}

void TestLargeGraph::cycleOrderDiffersFromTheButtons()
{
    QFETCH(bool, exponential);
    QFETCH(QStringList, titles);
    QFETCH(QString, theoryFocus);
    openAfterRun(exponential);
    QStringList shown;
    for (int click = 0; click < 9; ++click) {
        clickChart(largeChart());
        QVERIFY(allFinite());
        shown << ::title();
        if (click == 5)
            QCOMPARE(large().focusWidget()->objectName(), theoryFocus);
        if (click == 6 || click == 7)
            QCOMPARE(large().focusWidget()->objectName(), QStringLiteral("Command7"));
    }
    // A title that ends in a blank is followed by the run's parameters.
    const QString caption = QString::fromStdString(Harvest.ParameterCaption);
    for (QString &t : titles)
        if (t.endsWith(QLatin1Char(' ')))
            t += caption;
    QCOMPARE(shown, titles);
    QCOMPARE(legendTexts(), QStringList({"original", "harvested"}));
    QCOMPARE(Harvest.GraphIndex, 0); // the main window's cycle is its own
}

void TestLargeGraph::buttonsDoNotMoveTheCycle()
{
    openAfterRun();
    for (int click = 0; click < 3; ++click)
        clickChart(largeChart());
    QTest::mouseClick(largeUi().Command2, Qt::LeftButton); // "dN vs. N"
    clickChart(largeChart());
    QCOMPARE(Harvest.LargeGraphIndex, 4);
    QVERIFY(::title().startsWith(QLatin1String("N(t) and dN(t) at different t ")));
}

void TestLargeGraph::cycleSurvivesCloseReopenAndRuns()
{
    Form1 &form = openAfterRun();
    const Controls<Form1> ui(form);
    clickChart(largeChart());
    clickChart(largeChart());
    QVERIFY(large().close()); // unloaded
    QVERIFY(form.isVisible());
    QVERIFY(!WindowRegistry::loaded<larggraf>());
    pressEnter(ui.rrate);
    click(ui.Command2);  // a new run
    click(ui.Command11); // a fresh window on its opening view, with no legend
    QVERIFY(largeChart()->frame().legend().isEmpty());
    clickChart(largeChart());
    QCOMPARE(Harvest.LargeGraphIndex, 3);
    QVERIFY(::title().startsWith(QLatin1String("The change of N(t) (in logarithm) with t ")));
}

// After an edit of the run-length box without a new run, the views show the last run.
void TestLargeGraph::viewsReadTheRunNotTheBox()
{
    const Controls<Form1> ui(openAfterRun());
    click(largeUi().Command4);
    ui.simut->setText(QStringLiteral("10"));
    click(ui.Command11);
    QCOMPARE(points(0).size(), 66);
    click(largeUi().Command3);
    QCOMPARE(points(1).size(), 66);
    click(largeUi().Command7);
    QCOMPARE(points(0).size(), 65);
}

void TestLargeGraph::logisticGraphsWithoutEquilibriumOrRun_data()
{
    QTest::addColumn<QString>("H");
    QTest::addColumn<bool>("exponentialRun");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("curves"); // series with points
    QTest::addRow("H above rK/4") << "26" << false
                                  << "Graph for theoretical analysis: no equilibrium, H > rK/4"
                                  << 3;
    QTest::addRow("exponential run, logistic option")
        << "15" << true << "Graph for theoretical analysis: needs a run of the logistic model" << 0;
}

void TestLargeGraph::logisticGraphsWithoutEquilibriumOrRun()
{
    QFETCH(QString, H);
    QFETCH(bool, exponentialRun);
    QFETCH(QString, title);
    QFETCH(int, curves);
    const Controls<Form1> ui(program.startAtMainWindow());
    if (exponentialRun)
        ui.Option1->click();
    ui.Harvestrate->setText(H);
    pressEnter(ui.Harvestrate);
    click(ui.Command2);
    if (exponentialRun)
        ui.Option2->click(); // the option says logistic, the run was exponential
    click(ui.Command11);
    Harvest.LargeGraphIndex = 5;
    clickChart(largeChart());
    QCOMPARE(::title(), title);
    QVERIFY(allFinite());
    int drawn = 0;
    for (int i = 0; i < 5; ++i)
        drawn += !points(i).isEmpty();
    QCOMPARE(drawn, curves);
    for (int position = 7; position <= 8; ++position) {
        clickChart(largeChart());
        QVERIFY(allFinite());
    }
}

void TestLargeGraph::zeroPopulationDrawsNoLogarithm()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    ui.Option1->click();
    ui.n0->setText(QStringLiteral("0"));
    pressEnter(ui.n0);
    click(ui.Command2);
    click(ui.Command11);
    click(largeUi().Command1); // LastPoint is -1: nothing to draw
    QVERIFY(Harvest.LastPoint == -1);
    QVERIFY(points(0).isEmpty() && points(1).isEmpty());
    click(largeUi().Command9);
    QVERIFY(points(0).isEmpty() && points(1).isEmpty());
    QVERIFY(allFinite());
}

void TestLargeGraph::leavingTheWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("shown");
    QTest::addRow("Main form") << "Command4" << QStringList{"Form1"};
    QTest::addRow("Quit") << "Command5" << QStringList{"copyrigh"};
    QTest::addRow("close box") << "" << QStringList{"Form1"};
}

void TestLargeGraph::leavingTheWindow()
{
    QFETCH(QString, how);
    QFETCH(QStringList, shown);
    Form1 &form = openAfterRun();
    if (how.isEmpty())
        QVERIFY(large().close());
    else
        QTest::mouseClick(findControl<QPushButton>(large(), how), Qt::LeftButton);
    QCOMPARE(form.isVisible(), shown.contains(QLatin1String("Form1")));
    QCOMPARE(WindowRegistry::loaded<copyrigh>() && WindowRegistry::loaded<copyrigh>()->isVisible(),
             shown.contains(QLatin1String("copyrigh")));
    QCOMPARE(WindowRegistry::loaded<larggraf>() != nullptr,
             !how.isEmpty()); // the close box unloads
    if (WindowRegistry::loaded<larggraf>())
        QVERIFY(!large().isVisible());
    QVERIFY(!program.ended);
}

void TestLargeGraph::printSaysWhatCameOfIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("large.pdf"));
    Environment::setPrinters(
        [path] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            return printer;
        },
        nullptr);
    const Controls<Form1> ui(openAfterRun());
    QTest::mouseClick(largeUi().Command6, Qt::LeftButton);
    QVERIFY(QFileInfo(path).size() > 0);
    QCOMPARE(large().windowTitle(), QStringLiteral("Large graph: Printed"));
    click(largeUi().Command4);
    click(ui.Command11);
    QCOMPARE(large().windowTitle(), QStringLiteral("Large graph"));
}

void TestLargeGraph::keyboardStepsThroughTheCycle_data()
{
    QTest::addColumn<bool>("exponential");
    QTest::addRow("logistic") << false;
    QTest::addRow("exponential") << true;
}

void TestLargeGraph::keyboardStepsThroughTheCycle()
{
    QFETCH(bool, exponential);
    openAfterRun(exponential);
    QVERIFY(QTest::qWaitForWindowActive(&large()));
    QCOMPARE(QApplication::focusWidget(), largeChart());
    // Every view hands a mouse click on to a button, the theory even to "Quit";
    // twenty keys on the chart stay on the chart and open no other window.
    for (int key = 1; key <= 20; ++key) {
        QTest::keyClick(QApplication::focusWidget(), key % 2 ? Qt::Key_Return : Qt::Key_Space);
        QTRY_COMPARE(Harvest.LargeGraphIndex, key % 9);
        QCOMPARE(QApplication::focusWidget(), largeChart());
    }
    QVERIFY(large().isVisible());
    QVERIFY(!WindowRegistry::loaded<copyrigh>());
    QVERIFY(!program.ended);
    // A mouse click still hands on: ln N(t) to "dN/N vs. N".
    QTest::mouseClick(largeChart()->viewport(), Qt::LeftButton);
    QTRY_COMPARE(Harvest.LargeGraphIndex, 3);
    QCOMPARE(QApplication::focusWidget(), largeUi().Command7);
    // Clicked on to the theory, the focus goes to "Quit"; the window opened again
    // has it on the chart, so Space steps on and never quits.
    for (int position = 4; position <= 6; ++position)
        clickChart(largeChart());
    QCOMPARE(QApplication::focusWidget(), largeUi().Command5);
    QTest::mouseClick(largeUi().Command4, Qt::LeftButton);
    click(Controls<Form1>(WindowRegistry::get<Form1>()).Command11);
    QCOMPARE(large().focusWidget(), largeChart());
    QTest::keyClick(largeChart(), Qt::Key_Space);
    QTRY_COMPARE(Harvest.LargeGraphIndex, 7);
    QVERIFY(!WindowRegistry::loaded<copyrigh>());
}

void TestLargeGraph::eachClickPaintsTheChartOnce_data()
{
    QTest::addColumn<bool>("exponential");
    QTest::addRow("logistic") << false;
    QTest::addRow("exponential") << true;
}

// Round the whole cycle: a click on the chart, by keyboard or mouse, paints it
// exactly once, even where the focus moves on to a button, and what stands on the
// screen afterwards is the new chart, complete, as a fresh rendering shows it.
void TestLargeGraph::eachClickPaintsTheChartOnce()
{
    QFETCH(bool, exponential);
    openAfterRun(exponential);
    QVERIFY(QTest::qWaitForWindowExposed(&large()));
    QtChartControl *chart = largeChart();
    PaintCount paints(chart->viewport());
    for (int click = 0; click < 9; ++click) {
        chart->setFocus();
        runUntilIdle();
        paints.count = 0;
        const QString before = ::title();
        if (click % 2 == 0) {
            QTest::keyClick(chart, Qt::Key_Space);
        } else {
            // The chart has the focus already, so only the click itself paints.
            QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, QPoint(200, 200));
        }
        runUntilIdle();
        QVERIFY2(::title() != before, qPrintable(before));
        QCOMPARE(paints.count, 1);
        const QImage shown = onScreen(chart);
        QVERIFY(!shown.isNull());
        QVERIFY2(looksTheSame(shown, rendered(chart)), qPrintable(::title()));
    }
}

QTEST_MAIN(TestLargeGraph)
#include "tst_largegraf.moc"
