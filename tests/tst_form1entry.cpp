// The five parameter boxes: a change invalidates the results, Enter checks the box.
#include "programfixture.h"

namespace {

TextBox *box(Form1 &form, const QString &name) { return findControl<TextBox>(form, name); }

// Runs once, so that there are results and a chart to invalidate.
void runOnce(const Controls<Form1> &ui)
{
    click(ui.Command2);
    QVERIFY(ui.MSChart1->isChartVisible());
}

} // namespace

class TestForm1Entry : public ProgramTest
{
    Q_OBJECT

private slots:
    void typingInvalidatesTheResults_data();
    void typingInvalidatesTheResults();
    void enterChecksTheBox_data();
    void enterChecksTheBox();
    void replacementRunsTheChangeHandler();
    void enterOnAnUnchangedBoxKeepsTheResults();
    void secondEnterRuns();
    void enterInAnotherBoxUnlocksRunWithoutCheckingTheFirst();
    void otherKeysPassThrough();
};

void TestForm1Entry::typingInvalidatesTheResults_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text4");
    for (const char *name : {"n0", "rrate", "Kvalue", "Harvestrate"})
        QTest::addRow("%s", name) << name << "????";
    QTest::addRow("simut") << "simut"
                           << "???";
}

void TestForm1Entry::typingInvalidatesTheResults()
{
    QFETCH(QString, name);
    QFETCH(QString, text4);
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    runOnce(ui);
    const QString largeGraphCaption = ui.Label4->text();
    QTest::keyClick(box(form, name), Qt::Key_5);
    QCOMPARE(ui.Text4->text(), text4);
    QCOMPARE(ui.Label12->text(), QStringLiteral("????"));
    QVERIFY(!ui.MSChart1->isChartVisible());
    QVERIFY(!ui.Command2->isEnabled());
    QVERIFY(!ui.Command5->isEnabled());
    // "Large graph" still shows the last run; the label above the result stays.
    QVERIFY(ui.Command11->isEnabled());
    QCOMPARE(ui.Label4->text(), largeGraphCaption);
    QVERIFY(Harvest.SimuT == 65);
}

// Each box as the student types into it; the rules themselves are tested with
// the table they come from.
void TestForm1Entry::enterChecksTheBox_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    const auto row
        = [](const char *rowName, const char *box, const char *typed, const char *after) {
              QTest::addRow("%s", rowName) << box << typed << after;
          };
    row("N(0) negative", "n0", "-1", "100");
    row("r 0 accepted", "rrate", "0", "0");
    row("K 0 replaced", "Kvalue", "0", "500");
    row("K positive", "Kvalue", "400", "400");
    row("H negative", "Harvestrate", "-10", "10");
    row("T 65 stays", "simut", "65", "65");
    row("T 3000 held", "simut", "3000", "2000");
    row("T 12.5", "simut", "12.5", "50");
}

void TestForm1Entry::enterChecksTheBox()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    TextBox *b = box(form, name);
    type(b, typed);
    QVERIFY(!ui.Command2->isEnabled());
    pressEnter(b);
    QCOMPARE(b->text(), after);
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY((form.focusWidget() == ui.Command2));
}

void TestForm1Entry::replacementRunsTheChangeHandler()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    runOnce(ui);
    ui.Kvalue->setFocus();
    // Enter on "0" puts "500" back, which is a change: results go, RUN unlocks again.
    ui.Kvalue->setText(QStringLiteral("0"));
    ui.Text4->setText(QStringLiteral("stale"));
    pressEnter(ui.Kvalue);
    QCOMPARE(ui.Kvalue->text(), QStringLiteral("500"));
    QCOMPARE(ui.Text4->text(), QStringLiteral("????"));
    QVERIFY(!ui.MSChart1->isChartVisible());
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(!ui.Command5->isEnabled());
}

void TestForm1Entry::enterOnAnUnchangedBoxKeepsTheResults()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    runOnce(ui);
    const QString result = ui.Label12->text();
    QVERIFY(!ui.Command2->isEnabled());
    pressEnter(ui.rrate);
    QCOMPARE(ui.Label12->text(), result);
    QVERIFY(ui.MSChart1->isChartVisible());
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(ui.Command5->isEnabled());
    click(ui.Command2); // the same parameters run again
    QCOMPARE(ui.Label12->text(), result);
}

void TestForm1Entry::secondEnterRuns()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    type(ui.Kvalue, QStringLiteral("400"));
    pressEnter(ui.Kvalue);
    QVERIFY((form.focusWidget() == ui.Command2));
    pressEnter(ui.Command2);
    QVERIFY(Harvest.CarryingCapacity == 400);
    QVERIFY(ui.MSChart1->isChartVisible());
    QVERIFY(!ui.Command2->isEnabled());
    QVERIFY(ui.Label12->text() != QStringLiteral("????"));
}

void TestForm1Entry::enterInAnotherBoxUnlocksRunWithoutCheckingTheFirst()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    type(ui.n0, QStringLiteral("abc"));
    pressEnter(ui.rrate);
    QCOMPARE(ui.n0->text(), QStringLiteral("abc"));
    QVERIFY(ui.Command2->isEnabled());
}

void TestForm1Entry::otherKeysPassThrough()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    type(ui.simut, QStringLiteral("12x"));
    QCOMPARE(ui.simut->text(), QStringLiteral("12x"));
    QVERIFY(!ui.Command2->isEnabled());
    QVERIFY((form.focusWidget() == ui.simut));
}

QTEST_MAIN(TestForm1Entry)
#include "tst_form1entry.moc"
