// Live exploration in the main window: the arrow keys, Page Up and Page Down and
// the mouse wheel step a parameter box and run at once, the chart on screen stays,
// and steps that come faster than the runs are merged.
#include "paintwatch.h"
#include "programfixture.h"

#include <QSignalSpy>
#include <QWheelEvent>

namespace {

// A turn of the mouse wheel over a box, in eighths of a degree (120 a notch).
void turnWheel(QWidget *box, int eighths)
{
    const QPointF at = QPointF(box->rect().center());
    QWheelEvent wheel(at, box->mapToGlobal(at), QPoint(), QPoint(0, eighths), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box, &wheel);
}

// What RUN shows for a box's text typed and confirmed with Enter, in a fresh start.
QString resultAfterRun(ProgramFixture &program, const char *boxName, const QString &text)
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    auto *box = findControl<TextBox>(form, QString::fromLatin1(boxName));
    type(box, text);
    pressEnter(box);
    click(ui.Command2);
    return ui.Label12->text();
}

} // namespace

class TestForm1Steps : public ProgramTest
{
    Q_OBJECT

private slots:
    void aStepIsTypeEnterRun_data();
    void aStepIsTypeEnterRun();
    void aLimitChangesNothing();
    void aRefusedStepSaysWhy();
    void theChartOnScreenStays_data();
    void theChartOnScreenStays();
    void kLockedUnderTheExponentialModel();
    void stepsFasterThanRunsAreMerged();
    void stepsRunForTheStudentsRunLength();
    void theKeysAreNamedInTheTooltip();
};

void TestForm1Steps::aStepIsTypeEnterRun_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key"); // 0: the wheel
    QTest::addColumn<int>("wheel");
    QTest::addColumn<QString>("after");
    QTest::addRow("N(0), Page Up") << "n0" << int(Qt::Key_PageUp) << 0 << "200";
    QTest::addRow("r, Down") << "rrate" << int(Qt::Key_Down) << 0 << "0.19";
    QTest::addRow("K, Page Down") << "Kvalue" << int(Qt::Key_PageDown) << 0 << "400";
    QTest::addRow("H, Up") << "Harvestrate" << int(Qt::Key_Up) << 0 << "11";
    QTest::addRow("run length, a notch of the wheel") << "simut" << 0 << 120 << "66";
    QTest::addRow("H, two half notches of a touchpad") << "Harvestrate" << 0 << 60 << "11";
}

void TestForm1Steps::aStepIsTypeEnterRun()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(int, wheel);
    QFETCH(QString, after);
    const QString expected = resultAfterRun(program, qPrintable(box), after);

    Form1 &form = program.startAtMainWindow();

    const Controls<Form1> ui(form);
    auto *entry = findControl<TextBox>(form, box);
    if (key) {
        entry->setFocus();
        QTest::keyClick(entry, Qt::Key(key));
    } else {
        ui.Command2->setFocus(); // the wheel needs no focus in the box
        turnWheel(entry, wheel);
        if (wheel < 120) {
            runUntilIdle();
            QCOMPARE(entry->text(), QStringLiteral("10")); // half a notch is no step yet
            turnWheel(entry, wheel);
        }
    }
    runUntilIdle();
    QCOMPARE(entry->text(), after);
    QCOMPARE(ui.Label12->text(), expected);
    QVERIFY(ui.MSChart1->isChartVisible());
    QVERIFY(!ui.Command2->isEnabled());
    QVERIFY(ui.Command5->isEnabled());
    if (key)
        QCOMPARE(QApplication::focusWidget(), entry); // the student can go on stepping
}

void TestForm1Steps::aLimitChangesNothing()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    enter(ui.Harvestrate, QStringLiteral("0"));
    click(ui.Command2);
    const QString result = ui.Label12->text();
    runUntilIdle();
    PaintCount paints(ui.MSChart1->viewport());
    ui.Harvestrate->setFocus();
    runUntilIdle();
    paints.count = 0;
    QTest::keyClick(ui.Harvestrate, Qt::Key_Down);
    QTest::keyClick(ui.Harvestrate, Qt::Key_PageDown);
    runUntilIdle();
    QCOMPARE(ui.Harvestrate->text(), QStringLiteral("0"));
    QCOMPARE(ui.Label12->text(), result);
    QCOMPARE(paints.count, 0);
}

void TestForm1Steps::aRefusedStepSaysWhy()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    ui.Option1->click();
    enter(ui.simut, QStringLiteral("2000"));
    enter(ui.rrate, QStringLiteral("0.35"));
    click(ui.Command2);
    QVERIFY(ui.MSChart1->isChartVisible());
    // 100 e^(0.36 t) leaves the doubles at t = 1959, so 1957 is the longest run.
    ui.rrate->setFocus();
    QTest::keyClick(ui.rrate, Qt::Key_Up);
    runUntilIdle();
    QCOMPARE(ui.rrate->text(), QStringLiteral("0.36"));
    QCOMPARE(ui.Label12->text(), QStringLiteral("Not run: N(t) grows too large"));
    QCOMPARE(ui.Label4->text(), QStringLiteral("What to change:"));
    QCOMPARE(ui.Text4->text(), QStringLiteral("Run for t = 1 to 1957 at most"));
    QVERIFY(!ui.MSChart1->isChartVisible());
    QCOMPARE(QApplication::focusWidget(), ui.rrate);
    // A step back runs again.
    QTest::keyClick(ui.rrate, Qt::Key_Down);
    runUntilIdle();
    QVERIFY(ui.MSChart1->isChartVisible());
    QCOMPARE(ui.Label4->text(), QStringLiteral("Without harvest, N(2000)="));
}

void TestForm1Steps::theChartOnScreenStays_data()
{
    QTest::addColumn<bool>("exponential");
    QTest::addColumn<QString>("theory");
    QTest::addRow("logistic") << false << "Theoretical dN vs. N (logistic model)";
    QTest::addRow("exponential") << true << "Theoretical dN vs. N (exponential model)";
}

void TestForm1Steps::theChartOnScreenStays()
{
    QFETCH(bool, exponential);
    QFETCH(QString, theory);
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    if (exponential)
        ui.Option1->click();
    // Before the first run a step shows N(t), as RUN does.
    ui.Harvestrate->setFocus();
    QTest::keyClick(ui.Harvestrate, Qt::Key_Up);
    runUntilIdle();
    QCOMPARE(chartTitle(ui.MSChart1), QStringLiteral("N(t) vs. time"));
    for (int click = 0; click < 6; ++click)
        clickChart(ui.MSChart1);
    QCOMPARE(chartTitle(ui.MSChart1), theory);
    const QList<QPointF> before = chartPoints(ui.MSChart1, 2); // the harvest line

    QVERIFY(QTest::qWaitForWindowExposed(&form));
    runUntilIdle();
    PaintCount paints(ui.MSChart1->viewport());
    ui.Harvestrate->setFocus();
    runUntilIdle();
    paints.count = 0;
    QTest::keyClick(ui.Harvestrate, Qt::Key_Up);
    runUntilIdle();
    QCOMPARE(chartTitle(ui.MSChart1), theory);
    QCOMPARE(chartPoints(ui.MSChart1, 2).value(0).y(), before.value(0).y() + 1);
    QCOMPARE(Harvest.GraphIndex, 6); // the cycle stands where it stood
    QCOMPARE(paints.count, 1);       // drawn once, with no hide-and-show between
    QVERIFY(looksTheSame(onScreen(ui.MSChart1), rendered(ui.MSChart1)));
    clickChart(ui.MSChart1);
    QCOMPARE(Harvest.GraphIndex, 7);
}

void TestForm1Steps::kLockedUnderTheExponentialModel()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    ui.Option1->click();
    QVERIFY(!ui.Kvalue->isEnabled());
    QTest::keyClick(ui.Kvalue, Qt::Key_Up);
    turnWheel(ui.Kvalue, 120);
    runUntilIdle();
    QCOMPARE(ui.Kvalue->text(), QString());
    QVERIFY(!ui.MSChart1->isChartVisible()); // nothing ran
}

// Keys that arrive before the event loop comes round, as a held key or a fast wheel
// while a run is being drawn, make one run with the latest value.
void TestForm1Steps::stepsFasterThanRunsAreMerged()
{
    const QString expected = resultAfterRun(program, "Harvestrate", QStringLiteral("15"));
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command2);
    runUntilIdle();
    QSignalSpy results(ui.Text4, &QLineEdit::textChanged); // "????", then the result
    ui.Harvestrate->setFocus();
    for (int key = 0; key < 5; ++key)
        QTest::keyClick(ui.Harvestrate, Qt::Key_Up);
    QCOMPARE(ui.Harvestrate->text(), QStringLiteral("10")); // the run is queued, once
    runUntilIdle();
    QCOMPARE(ui.Harvestrate->text(), QStringLiteral("15"));
    QCOMPARE(results.size(), 2);
    QCOMPARE(ui.Label12->text(), expected);
}

// An extinction lowers the run-length box, as RUN does; the next step of another
// box runs for the run length the student chose again.
void TestForm1Steps::stepsRunForTheStudentsRunLength()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    QTest::mouseClick(ui.Command2, Qt::LeftButton);
    for (int click = 0; click < 6; ++click)
        clickChart(ui.MSChart1);
    ui.Harvestrate->setFocus();
    for (const char *lowered : {"11", "5", "3"}) { // H = 20, 30, 40
        QTest::keyClick(ui.Harvestrate, Qt::Key_PageUp);
        runUntilIdle();
        QCOMPARE(ui.simut->text(), QLatin1String(lowered));
    }
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(ui.Harvestrate, Qt::Key_PageDown);
        runUntilIdle();
    }
    // As a plain run of the defaults.
    QCOMPARE(ui.Harvestrate->text(), QStringLiteral("10"));
    QCOMPARE(ui.simut->text(), QStringLiteral("65"));
    QCOMPARE(ui.Label12->text(), QStringLiteral("443.570191641478"));
    QCOMPARE(ui.Text4->text(), QStringLiteral("499.995479382058"));
    QCOMPARE(ui.Label4->text(), QStringLiteral("Without harvest, N(65)="));
    for (int click = 0; click < 3; ++click)
        clickChart(ui.MSChart1);
    QCOMPARE(chartTitle(ui.MSChart1), QStringLiteral("N(t) vs. time"));
    QCOMPARE(chartPoints(ui.MSChart1, 1).size(), 66);
    QVERIFY(chartPoints(ui.MSChart1, 1).last().y() == 443.570191641478);
}

void TestForm1Steps::theKeysAreNamedInTheTooltip()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    const QString hint = QStringLiteral("Up and Down change H by 1, Page Up and Page Down by 10");
    QCOMPARE(ui.Harvestrate->toolTip(), hint);
    QCOMPARE(ui.Harvestrate->accessibleDescription(), hint);
    QCOMPARE(ui.simut->toolTip(),
             QStringLiteral("Up and Down change the run length by 1, Page Up and Page Down by 10"));
}

QTEST_MAIN(TestForm1Steps)
#include "tst_form1steps.moc"
