// The five parameter boxes: a change invalidates the results, Enter checks the box.
#include "programfixture.h"

namespace {

TextBox *box(Form1 &form, const QString &name) { return form.findChild<TextBox *>(name); }

// Runs once, so that there are results and a chart to invalidate.
void runOnce(Form1 &form)
{
    form.Command2_Click();
    QVERIFY(form.MSChart1->isChartVisible());
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
    runOnce(form);
    const QString largeGraphCaption = form.Label4->text();
    QTest::keyClick(box(form, name), Qt::Key_5);
    QCOMPARE(form.Text4->text(), text4);
    QCOMPARE(form.Label12->text(), QStringLiteral("????"));
    QVERIFY(!form.MSChart1->isChartVisible());
    QVERIFY(!form.Command2->isEnabled());
    QVERIFY(!form.Command5->isEnabled());
    // "Large graph" still shows the last run; the label above the result stays.
    QVERIFY(form.Command11->isEnabled());
    QCOMPARE(form.Label4->text(), largeGraphCaption);
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
    TextBox *b = box(form, name);
    type(b, typed);
    QVERIFY(!form.Command2->isEnabled());
    pressEnter(b);
    QCOMPARE(b->text(), after);
    QVERIFY(form.Command2->isEnabled());
    QVERIFY((form.focusWidget() == form.Command2));
}

void TestForm1Entry::replacementRunsTheChangeHandler()
{
    Form1 &form = program.startAtMainWindow();
    runOnce(form);
    form.Kvalue->setFocus();
    // Enter on "0" puts "500" back, which is a change: results go, RUN unlocks again.
    form.Kvalue->setText(QStringLiteral("0"));
    form.Text4->setText(QStringLiteral("stale"));
    pressEnter(form.Kvalue);
    QCOMPARE(form.Kvalue->text(), QStringLiteral("500"));
    QCOMPARE(form.Text4->text(), QStringLiteral("????"));
    QVERIFY(!form.MSChart1->isChartVisible());
    QVERIFY(form.Command2->isEnabled());
    QVERIFY(!form.Command5->isEnabled());
}

void TestForm1Entry::enterOnAnUnchangedBoxKeepsTheResults()
{
    Form1 &form = program.startAtMainWindow();
    runOnce(form);
    const QString result = form.Label12->text();
    QVERIFY(!form.Command2->isEnabled());
    pressEnter(form.rrate);
    QCOMPARE(form.Label12->text(), result);
    QVERIFY(form.MSChart1->isChartVisible());
    QVERIFY(form.Command2->isEnabled());
    QVERIFY(form.Command5->isEnabled());
    form.Command2_Click(); // the same parameters run again
    QCOMPARE(form.Label12->text(), result);
}

void TestForm1Entry::secondEnterRuns()
{
    Form1 &form = program.startAtMainWindow();
    type(form.Kvalue, QStringLiteral("400"));
    pressEnter(form.Kvalue);
    QVERIFY((form.focusWidget() == form.Command2));
    pressEnter(form.Command2);
    QVERIFY(Harvest.CarryingCapacity == 400);
    QVERIFY(form.MSChart1->isChartVisible());
    QVERIFY(!form.Command2->isEnabled());
    QVERIFY(form.Label12->text() != QStringLiteral("????"));
}

void TestForm1Entry::enterInAnotherBoxUnlocksRunWithoutCheckingTheFirst()
{
    Form1 &form = program.startAtMainWindow();
    type(form.n0, QStringLiteral("abc"));
    pressEnter(form.rrate);
    QCOMPARE(form.n0->text(), QStringLiteral("abc"));
    QVERIFY(form.Command2->isEnabled());
}

void TestForm1Entry::otherKeysPassThrough()
{
    Form1 &form = program.startAtMainWindow();
    type(form.simut, QStringLiteral("12x"));
    QCOMPARE(form.simut->text(), QStringLiteral("12x"));
    QVERIFY(!form.Command2->isEnabled());
    QVERIFY((form.focusWidget() == form.simut));
}

QTEST_MAIN(TestForm1Entry)
#include "tst_form1entry.moc"
