// The main window with the keyboard alone, as the instruction label tells the
// student: Enter, Enter runs, further Enters step through the charts; and the
// start-up windows leave nothing pending behind them.
#include "programfixture.h"

#include <QAccessible>
#include <QPrinter>

namespace {

// The widget the keyboard talks to now.
QWidget *focused(Form1 &form)
{
    QWidget *widget = QApplication::focusWidget();
    return widget ? widget : form.focusWidget();
}

void pressOnFocus(Form1 &form, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *target = focused(form);
    QVERIFY(target);
    QTest::keyClick(target, key, modifiers);
    QCoreApplication::processEvents(); // a chart answers a key through the event loop
}

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

} // namespace

class TestForm1Keyboard : public ProgramTest
{
    Q_OBJECT

private slots:
    void init();

    void mainWindowOpensWithTheFocusOnRun();
    void enterRunsThenStepsThroughTheCharts_data();
    void enterRunsThenStepsThroughTheCharts();
    void spaceOnTheChartStepsToo();
    void enterInABoxThenEnterRuns();
    void refusedRunHandsTheFocusToTheBoxToChange();
    void tabFollowsTheLayout();
    void everyControlHasAName();

    void pendingTitleClickIsCancelledByLeaving();
    void modifierKeysDoNotLeaveTheTitle_data();
    void modifierKeysDoNotLeaveTheTitle();

private:
    int prints = 0;
};

void TestForm1Keyboard::init()
{
    // Any print would count here; the keyboard path must never print.
    prints = 0;
    Environment::setPrinters(
        [this] {
            ++prints;
            return std::unique_ptr<QPrinter>();
        },
        [this](QWidget *) {
            ++prints;
            return std::unique_ptr<QPrinter>();
        });
}

void TestForm1Keyboard::mainWindowOpensWithTheFocusOnRun()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), ui.Command2);
}

void TestForm1Keyboard::enterRunsThenStepsThroughTheCharts_data()
{
    QTest::addColumn<bool>("exponential");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addRow("logistic, Return") << false << Qt::Key_Return << Qt::KeyboardModifiers();
    QTest::addRow("logistic, keypad Enter")
        << false << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
    // The exponential theory chart hands a mouse click on to "N, dN vs. t".
    QTest::addRow("exponential, Return") << true << Qt::Key_Return << Qt::KeyboardModifiers();
}

void TestForm1Keyboard::enterRunsThenStepsThroughTheCharts()
{
    QFETCH(bool, exponential);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    if (exponential) {
        ui.Option1->click();
        ui.Command2->setFocus();
    }

    pressOnFocus(form, key, modifiers);
    QVERIFY(ui.MSChart1->isChartVisible());
    QCOMPARE(chartTitle(ui.MSChart1), QStringLiteral("N(t) vs. time"));
    QCOMPARE(QApplication::focusWidget(), ui.MSChart1);

    // Twenty Enters walk the cycle round twice and on, and never leave the chart.
    QStringList titles;
    for (int enter = 1; enter <= 20; ++enter) {
        pressOnFocus(form, key, modifiers);
        QCOMPARE(Harvest.GraphIndex, enter % 9);
        QCOMPARE(QApplication::focusWidget(), ui.MSChart1);
        titles << chartTitle(ui.MSChart1);
    }
    QCOMPARE(titles.first(), QStringLiteral("dN(t) vs. time"));
    QCOMPARE(titles.at(5), exponential ? QStringLiteral("Theoretical dN vs. N (exponential model)")
                                       : QStringLiteral("Theoretical dN vs. N (logistic model)"));
    QCOMPARE(titles.at(8), QStringLiteral("N(t) vs. time"));
    QVERIFY(form.isVisible());
    QCOMPARE(prints, 0);
}

void TestForm1Keyboard::spaceOnTheChartStepsToo()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    pressOnFocus(form, Qt::Key_Return);
    pressOnFocus(form, Qt::Key_Space);
    QCOMPARE(Harvest.GraphIndex, 1);
    QCOMPARE(chartTitle(ui.MSChart1), QStringLiteral("dN(t) vs. time"));
}

void TestForm1Keyboard::enterInABoxThenEnterRuns()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    pressOnFocus(form, Qt::Key_Return); // a first run
    type(ui.Kvalue, QStringLiteral("400"));
    pressOnFocus(form, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), ui.Command2);
    pressOnFocus(form, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(Harvest.CarryingCapacity == 400);
    QVERIFY(ui.MSChart1->isChartVisible());
    QCOMPARE(QApplication::focusWidget(), ui.MSChart1);
    pressOnFocus(form, Qt::Key_Return);
    QCOMPARE(Harvest.GraphIndex, 1);
    QCOMPARE(prints, 0);
}

void TestForm1Keyboard::refusedRunHandsTheFocusToTheBoxToChange()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    type(ui.Kvalue, QStringLiteral("0"));
    pressOnFocus(form, Qt::Key_Tab); // leaves K unconfirmed
    ui.rrate->setFocus();
    pressOnFocus(form, Qt::Key_Return); // confirms r, RUN takes the focus
    pressOnFocus(form, Qt::Key_Return); // RUN refuses
    QCOMPARE(ui.Label12->text(), QStringLiteral("Not run: K is not above 0"));
    QCOMPARE(QApplication::focusWidget(), ui.Kvalue);
    QCOMPARE(ui.Kvalue->selectedText(), QStringLiteral("0"));
    pressOnFocus(form, Qt::Key_Return); // Enter on K puts 500 back, then RUN
    QCOMPARE(ui.Kvalue->text(), QStringLiteral("500"));
    pressOnFocus(form, Qt::Key_Return);
    QVERIFY(ui.MSChart1->isChartVisible());
    QCOMPARE(prints, 0);
}

void TestForm1Keyboard::tabFollowsTheLayout()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    pressOnFocus(form, Qt::Key_Return); // the chart is shown and Print, Quit enabled
    pressEnter(ui.rrate);               // RUN enabled again
    // Of the two model options, the chosen one takes part; the arrow keys switch.
    ui.Option2->setFocus();
    QStringList visited;
    // The harvested result is a stop of its own, and round again the unchosen
    // option is passed over.
    for (int tab = 0; tab < 18; ++tab) {
        visited << QApplication::focusWidget()->objectName();
        pressOnFocus(form, Qt::Key_Tab);
    }
    const QStringList expected
        = {"Option2",  "Command9",    "Command12", "Command13", "rrate",    "n0",
           "Kvalue",   "Harvestrate", "simut",     "Label12",   "Text4",    "MSChart1",
           "Command2", "Command11",   "Command5",  "Command10", "Command1", "Option2"};
    QCOMPARE(visited, expected);
}

void TestForm1Keyboard::everyControlHasAName()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    click(ui.Command2);
    const std::pair<QWidget *, QString> named[] = {
        {ui.rrate, "Intrinsic rate (r):"},
        {ui.n0, "Initial population size N(0):"},
        {ui.Kvalue, "Carrying capacity (K):"},
        {ui.Harvestrate, "Harvest rate/time interval:"},
        {ui.simut, "Run for t = 1 to t ="},
        {ui.Command13, "Quiz"},
        {ui.Image1, "How to"},
        {ui.MSChart1, "N(t) vs. time"},
        {ui.Command2, "RUN"},
    };
    for (const auto &[widget, name] : named)
        QCOMPARE(accessibleName(widget), name);
    for (QWidget *widget : form.findChildren<QWidget *>())
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
            QVERIFY2(!accessibleName(widget).trimmed().isEmpty(), qPrintable(widget->objectName()));
    clickChart(ui.MSChart1);
    QCOMPARE(accessibleName(ui.MSChart1), QStringLiteral("dN(t) vs. time"));
}

void TestForm1Keyboard::pendingTitleClickIsCancelledByLeaving()
{
    Form1 &form = program.start();
    titlform &title = WindowRegistry::get<titlform>();
    // A single click on the start label waits out the double-click time; two
    // quick keys leave the title and the proverb before it is over.
    QTest::mouseClick(Controls<titlform>(title).Label2, Qt::LeftButton);
    QVERIFY(title.hasPendingCalls());
    QTest::keyClick(&title, Qt::Key_A);
    QVERIFY(!title.hasPendingCalls());
    QTest::keyClick(Controls<Prophecy>(WindowRegistry::get<Prophecy>()).Picture1, Qt::Key_B);
    QVERIFY(form.isVisible());
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    QVERIFY(!WindowRegistry::get<Prophecy>().isVisible());
    QVERIFY(form.isVisible());
    QCOMPARE(WindowRegistry::get<Backform>().background(), QColor(0, 0, 0));
}

void TestForm1Keyboard::modifierKeysDoNotLeaveTheTitle_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addRow("Shift") << Qt::Key_Shift;
    QTest::addRow("Control") << Qt::Key_Control;
    QTest::addRow("Alt") << Qt::Key_Alt;
    QTest::addRow("Caps Lock") << Qt::Key_CapsLock;
}

void TestForm1Keyboard::modifierKeysDoNotLeaveTheTitle()
{
    QFETCH(Qt::Key, key);
    program.start();
    titlform &title = WindowRegistry::get<titlform>();
    QTest::keyClick(&title, key);
    QVERIFY(title.isVisible());
    QVERIFY(!WindowRegistry::loaded<Prophecy>());
    QTest::keyClick(&title, Qt::Key_Space); // a real key still leaves
    QVERIFY(!title.isVisible());
}

QTEST_MAIN(TestForm1Keyboard)
#include "tst_form1keyboard.moc"
