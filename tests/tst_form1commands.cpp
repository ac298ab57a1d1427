// The main window's commands: model options, "N, dN vs. t", print, the date label
// and the chart click cycle.
#include "paintwatch.h"
#include "programfixture.h"

#include "widgets/documentsfolder.h"
#include "widgets/printing.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Counts how often each box's change handler runs, through its changed text.
struct ChangeCounter
{
    QList<std::shared_ptr<QSignalSpy>> spies;
    explicit ChangeCounter(Form1 &form)
    {
        for (QLineEdit *box : {form.Kvalue, form.rrate, form.n0, form.Harvestrate, form.simut})
            spies << std::make_shared<QSignalSpy>(box, &QLineEdit::textChanged);
    }
    QList<int> counts() const
    {
        QList<int> c;
        for (const auto &spy : spies)
            c << int(spy->count());
        return c;
    }
};

std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

} // namespace

class TestForm1Commands : public ProgramTest
{
    Q_OBJECT

private slots:
    void exponentialOptionSetsItsBoxes();
    void logisticOptionRestoresItsBoxes();
    void optionWithUnchangedTextsKeepsTheChart();
    void nAndDnButtonDrawsWithoutMovingTheCycle();
    void chartCycleUnderBothModels_data();
    void chartCycleUnderBothModels();
    void nineClicksComeBackAndRunDoesNotReset();
    void aClickOnTheChartAdvancesTheCycle();
    void runAndEachClickPaintTheChartOnce();
    void exponentialTheoryMovesTheFocus();
    void theoryReadsNZeroAsTheRunDid();
    void printWritesOnePage();
    void printWithoutPrinterUsesTheDialog();
    void printFailureIsReported();
    void printDialogProposesAFile();
    void proposedFileNeverOverwrites();
    void exportSaysSoInTheDateLabel();
    void dateLabelFollowsTheClock();
};

void TestForm1Commands::exponentialOptionSetsItsBoxes()
{
    Form1 &form = program.startAtMainWindow();
    form.Command2_Click();
    ChangeCounter changes(form);
    QTest::mouseClick(form.Option1, Qt::LeftButton, {}, QPoint(8, form.Option1->height() / 2));
    QVERIFY(Harvest.GrowthModel == Growth::Exponential);
    QCOMPARE(form.Kvalue->text(), QString());
    QVERIFY(!form.Kvalue->isEnabled());
    QCOMPARE(form.rrate->text(), QStringLiteral("0.2"));
    QCOMPARE(form.n0->text(), QStringLiteral("100"));
    QCOMPARE(form.Harvestrate->text(), QStringLiteral("15"));
    QCOMPARE(form.simut->text(), QStringLiteral("10"));
    // Only the texts that change run their handlers: K, H and T.
    QCOMPARE(changes.counts(), QList<int>({1, 0, 0, 1, 1}));
    QVERIFY(!form.MSChart1->isChartVisible());
    QCOMPARE(form.Text4->text(), QStringLiteral("???")); // the run-length box changed last
    QVERIFY(form.Command2->isEnabled());
    QVERIFY(!form.Command5->isEnabled());
    // The parameters of the last run stay until the next RUN.
    QVERIFY(Harvest.CarryingCapacity == 500);
}

void TestForm1Commands::logisticOptionRestoresItsBoxes()
{
    Form1 &form = program.startAtMainWindow();
    form.Option1->click();
    ChangeCounter changes(form);
    form.Option2->click();
    QVERIFY(Harvest.GrowthModel == Growth::Logistic);
    QVERIFY(form.Kvalue->isEnabled());
    QCOMPARE(form.Kvalue->text(), QStringLiteral("500"));
    QCOMPARE(form.Harvestrate->text(), QStringLiteral("10"));
    QCOMPARE(form.simut->text(), QStringLiteral("65"));
    QCOMPARE(changes.counts(), QList<int>({1, 0, 0, 1, 1}));
    QVERIFY(form.Command2->isEnabled());
}

void TestForm1Commands::optionWithUnchangedTextsKeepsTheChart()
{
    Form1 &form = program.startAtMainWindow();
    form.Command2_Click();
    QVERIFY(!form.Command2->isEnabled());
    form.Option2->click(); // the logistic texts are already there
    QVERIFY(form.MSChart1->isChartVisible());
    QVERIFY(form.Command2->isEnabled());
    QVERIFY(form.Command5->isEnabled());
}

void TestForm1Commands::nAndDnButtonDrawsWithoutMovingTheCycle()
{
    Form1 &form = program.startAtMainWindow();
    form.Command2_Click();
    pressEnter(form.rrate); // RUN enabled again
    QTest::mouseClick(form.Command5, Qt::LeftButton);
    QCOMPARE(chartTitle(form), QStringLiteral("N and dN(t) vs. time"));
    QCOMPARE(form.MSChart1->chart()->series().size(), 4);
    QCOMPARE(chartPoints(form, 0).size(), 65);
    QVERIFY(!form.Command2->isEnabled());
    QCOMPARE(Harvest.GraphIndex, 0);
}

void TestForm1Commands::chartCycleUnderBothModels_data()
{
    QTest::addColumn<bool>("exponential");
    QTest::addColumn<QStringList>("titles");
    const QStringList common
        = {"dN(t) vs. time", "dN vs. N", "lnN(t) vs. time", "N and dN(t) vs. time", "dN/N vs. N"};
    QTest::addRow("logistic") << false
                              << common
                                     + QStringList{"Theoretical dN vs. N (logistic model)",
                                                   "Cost and Revenue vs. N",
                                                   "Net profit vs. N (p/e = 50, 20, 10, 5)",
                                                   "N(t) vs. time"};
    QTest::addRow("exponential") << true
                                 << common
                                        + QStringList{"Theoretical dN vs. N (exponential model)",
                                                      "Cost and Revenue vs. N (exponential model)",
                                                      "Net profit vs. N (exponential model)",
                                                      "N(t) vs. time"};
}

void TestForm1Commands::chartCycleUnderBothModels()
{
    QFETCH(bool, exponential);
    QFETCH(QStringList, titles);
    Form1 &form = program.startAtMainWindow();
    if (exponential)
        form.Option1->click();
    form.Command2_Click();
    QStringList shown;
    for (int click = 0; click < 9; ++click) {
        pressEnter(form.rrate);
        form.MSChart1_Click();
        shown << chartTitle(form);
        QVERIFY(!form.Command2->isEnabled()); // every chart disables RUN
        QVERIFY(form.MSChart1->isChartVisible());
    }
    QCOMPARE(shown, titles);
}

void TestForm1Commands::nineClicksComeBackAndRunDoesNotReset()
{
    Form1 &form = program.startAtMainWindow();
    form.Command2_Click();
    for (int click = 0; click < 3; ++click)
        form.MSChart1_Click();
    QCOMPARE(Harvest.GraphIndex, 3);
    pressEnter(form.rrate);
    form.Command2_Click();
    QCOMPARE(chartTitle(form), QStringLiteral("N(t) vs. time"));
    QCOMPARE(Harvest.GraphIndex, 3);
    form.MSChart1_Click();
    QCOMPARE(chartTitle(form), QStringLiteral("N and dN(t) vs. time"));
}

void TestForm1Commands::aClickOnTheChartAdvancesTheCycle()
{
    Form1 &form = program.startAtMainWindow();
    form.Command2_Click();
    QTest::mouseClick(form.MSChart1->viewport(), Qt::LeftButton, {}, QPoint(200, 150));
    QTRY_COMPARE(Harvest.GraphIndex, 1); // the click arrives through the event loop
    QCOMPARE(chartTitle(form), QStringLiteral("dN(t) vs. time"));
}

// RUN, after an entry hid the chart, and every click of the cycle paint the chart
// exactly once, and leave on the screen the chart as a fresh rendering shows it.
void TestForm1Commands::runAndEachClickPaintTheChartOnce()
{
    Form1 &form = program.startAtMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QtChartControl *chart = form.MSChart1;
    PaintCount paints(chart->viewport());
    const auto paintedOnceAndCurrent = [&] {
        QVERIFY2(
            paints.count == 1,
            qPrintable(QStringLiteral("%1 paints of %2").arg(paints.count).arg(chartTitle(form))));
        const QImage shown = onScreen(chart);
        QVERIFY(!shown.isNull());
        QVERIFY2(looksTheSame(shown, rendered(chart)), qPrintable(chartTitle(form)));
    };
    for (const char *k : {"400", "500"}) {
        type(form.Kvalue, QString::fromLatin1(k));
        pressEnter(form.Kvalue);
        runUntilIdle();
        QVERIFY(!chart->isVisible());
        paints.count = 0;
        QTest::mouseClick(form.Command2, Qt::LeftButton);
        runUntilIdle();
        paintedOnceAndCurrent();
    }
    for (int click = 0; click < 9; ++click) {
        chart->setFocus();
        runUntilIdle();
        paints.count = 0;
        if (click % 2 == 0)
            QTest::keyClick(chart, Qt::Key_Space);
        else
            QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, QPoint(200, 150));
        runUntilIdle();
        QCOMPARE(Harvest.GraphIndex, (click + 1) % 9);
        paintedOnceAndCurrent();
    }
}

void TestForm1Commands::exponentialTheoryMovesTheFocus()
{
    Form1 &form = program.startAtMainWindow();
    form.Option1->click();
    form.Command2_Click();
    Harvest.GraphIndex = 5;
    form.MSChart1_Click();
    QCOMPARE(form.focusWidget(), form.Command5);
}

// RUN reads "50 fish" as 50; the theory chart wants the whole text to be a number
// and, where it is not, takes the N(0) of the run.
void TestForm1Commands::theoryReadsNZeroAsTheRunDid()
{
    Form1 &form = program.startAtMainWindow();
    form.Option1->click();
    form.n0->setText(QStringLiteral("50 fish"));
    pressEnter(form.rrate);
    form.Command2_Click();
    Harvest.GraphIndex = 5;
    form.MSChart1_Click();
    QCOMPARE(chartTitle(form), QStringLiteral("Theoretical dN vs. N (exponential model)"));
    QCOMPARE(chartPoints(form, 0).last().x(), 100.0);
}

void TestForm1Commands::printWritesOnePage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("form1.pdf"));
    Environment::setPrinters([path] { return pdfPrinter(path); }, nullptr);
    Form1 &form = program.startAtMainWindow();
    form.Command2_Click();
    QTest::mouseClick(form.Command10, Qt::LeftButton);
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
    // Drawn, not photographed: the text is text on the page.
    QVERIFY(content.contains("/FontName /"));
    QCOMPARE(form.Label6->text(), QStringLiteral("Printed"));
}

void TestForm1Commands::printWithoutPrinterUsesTheDialog()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chosen.pdf"));
    int dialogs = 0;
    Environment::setPrinters([] { return std::unique_ptr<QPrinter>(); },
                             [&dialogs, path](QWidget *) {
                                 ++dialogs;
                                 return pdfPrinter(path);
                             });
    Form1 &form = program.startAtMainWindow();
    form.Command10_Click();
    QCOMPARE(dialogs, 1);
    QVERIFY(QFile::exists(path));

    // Cancelling the dialog prints nothing and says only that.
    Environment::setPrinters([] { return std::unique_ptr<QPrinter>(); },
                             [](QWidget *) { return std::unique_ptr<QPrinter>(); });
    QTest::mouseClick(form.Command10, Qt::LeftButton);
    QCOMPARE(form.Label6->text(), QStringLiteral("Printing cancelled"));
}

void TestForm1Commands::printFailureIsReported()
{
    Environment::setPrinters(
        [] { return pdfPrinter(QStringLiteral("/nonexistent/dir/form1.pdf")); }, nullptr);
    Form1 &form = program.startAtMainWindow();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
    form.Command10_Click();
    QCOMPARE(form.Label6->text(), QStringLiteral("Printing failed"));
}

// Without a printer the standard dialog saves a PDF file. It opens with a real file
// name, not a folder, so Enter in it is all it takes.
void TestForm1Commands::printDialogProposesAFile()
{
    Environment::setNow([] { return QDateTime(QDate(2031, 3, 4), QTime(10, 0)); });
    Form1 &form = program.startAtMainWindow();
    bool answered = false;
    bool stayedOpen = false;
    QTimer::singleShot(0, &form, [&answered] {
        QWidget *dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : dialog,
                        Qt::Key_Return);
        answered = true;
    });
    // A dialog that did not take the Enter (a complaint about a folder, say) is
    // closed, so the test fails instead of waiting for ever.
    QTimer::singleShot(1000, &form, [&stayedOpen] {
        while (auto *open = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            stayedOpen = true;
            open->reject();
        }
    });
    const std::unique_ptr<QPrinter> printer = Environment::choosePrinter(&form);
    QVERIFY(answered);
    QVERIFY(!stayedOpen);
    QVERIFY(printer);
    QCOMPARE(printer->outputFormat(), QPrinter::PdfFormat);
    QVERIFY(printer->outputFileName().endsWith(QLatin1String("/tarnwick-2031-03-04.pdf"))
            || printer->outputFileName().contains(QLatin1String("/tarnwick-2031-03-04-")));
    QVERIFY(QFileInfo(QFileInfo(printer->outputFileName()).path()).isDir());
}

void TestForm1Commands::proposedFileNeverOverwrites()
{
    QTemporaryDir dir;
    const QDate day(2031, 3, 4);
    const QString first = proposedPdfPath(day, dir.path());
    QCOMPARE(first, dir.filePath(QStringLiteral("tarnwick-2031-03-04.pdf")));
    QFile(first).open(QIODevice::WriteOnly);
    const QString second = proposedPdfPath(day, dir.path());
    QCOMPARE(second, dir.filePath(QStringLiteral("tarnwick-2031-03-04-2.pdf")));
    QFile(second).open(QIODevice::WriteOnly);
    QCOMPARE(proposedPdfPath(day, dir.path()),
             dir.filePath(QStringLiteral("tarnwick-2031-03-04-3.pdf")));
}

void TestForm1Commands::exportSaysSoInTheDateLabel()
{
    QTemporaryDir dir;
    Form1 &form = program.startAtMainWindow();
    form.Command2_Click();
    QVERIFY(form.MSChart1->exporter().saveData(dir.filePath(QStringLiteral("n.csv"))));
    QCOMPARE(form.Label6->text(), QStringLiteral("Data saved"));
    QFile csv(dir.filePath(QStringLiteral("n.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    // The main window's series are named although its chart shows no legend.
    QVERIFY(csv.readLine().startsWith("original: Time,original: N(t),harvested: Time"));
    QCOMPARE(chartTitle(form), QStringLiteral("N(t) vs. time")); // the title stays
}

void TestForm1Commands::dateLabelFollowsTheClock()
{
    QDateTime now(QDate(2031, 12, 31), QTime(23, 59, 59, 800));
    Environment::setNow([&now] { return now; });
    Form1 &form = program.startAtMainWindow();
    QCOMPARE(form.Timer1->interval(), 500);
    QVERIFY(form.Timer1->isActive());
    const auto shortDate
        = [](QDate d) { return QLocale::system().toString(d, QLocale::ShortFormat); };
    QCOMPARE(form.Label6->text(), shortDate(QDate(2031, 12, 31)));
    now = now.addMSecs(500); // past midnight: the next tick shows the new day
    form.Timer1_Timer();
    QCOMPARE(form.Label6->text(), shortDate(QDate(2032, 1, 1)));

    // A notice stays for a few seconds, then the date comes back.
    form.showNotice(QStringLiteral("Printed"));
    now = now.addSecs(2);
    form.Timer1_Timer();
    QCOMPARE(form.Label6->text(), QStringLiteral("Printed"));
    now = now.addSecs(4);
    form.Timer1_Timer();
    QCOMPARE(form.Label6->text(), shortDate(QDate(2032, 1, 1)));
}

QTEST_MAIN(TestForm1Commands)
#include "tst_form1commands.moc"
