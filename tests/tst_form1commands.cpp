// The main window's commands: model options, "N, dN vs. t", print, the date label
// and the chart click cycle.
#include "paintwatch.h"
#include "programfixture.h"

#include "chartkit/chartexport.h"
#include "chartkit/chartframe.h"
#include "model/numbertext.h"
#include "widgets/documentsfolder.h"
#include "widgets/printing.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMenu>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>

namespace {

// Counts how often each box's change handler runs, through its changed text.
struct ChangeCounter
{
    QList<std::shared_ptr<QSignalSpy>> spies;
    explicit ChangeCounter(const Controls<Form1> &ui)
    {
        for (QLineEdit *box : {ui.Kvalue, ui.rrate, ui.n0, ui.Harvestrate, ui.simut})
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
    void comparingRuns();
    void lessonAtStart_data();
    void lessonAtStart();
    void lessonSavedAndOpened();
};

void TestForm1Commands::exponentialOptionSetsItsBoxes()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command2);
    ChangeCounter changes(ui);
    QTest::mouseClick(ui.Option1, Qt::LeftButton, {}, QPoint(8, ui.Option1->height() / 2));
    QVERIFY(Harvest.GrowthModel == Growth::Exponential);
    QCOMPARE(ui.Kvalue->text(), QString());
    QVERIFY(!ui.Kvalue->isEnabled());
    QCOMPARE(ui.rrate->text(), QStringLiteral("0.2"));
    QCOMPARE(ui.n0->text(), QStringLiteral("100"));
    QCOMPARE(ui.Harvestrate->text(), QStringLiteral("15"));
    QCOMPARE(ui.simut->text(), QStringLiteral("10"));
    // Only the texts that change run their handlers: K, H and T.
    QCOMPARE(changes.counts(), QList<int>({1, 0, 0, 1, 1}));
    QVERIFY(!ui.MSChart1->isChartVisible());
    QCOMPARE(ui.Text4->text(), QStringLiteral("???")); // the run-length box changed last
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(!ui.Command5->isEnabled());
    // The parameters of the last run stay until the next RUN.
    QVERIFY(Harvest.CarryingCapacity == 500);
}

void TestForm1Commands::logisticOptionRestoresItsBoxes()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    ui.Option1->click();
    ChangeCounter changes(ui);
    ui.Option2->click();
    QVERIFY(Harvest.GrowthModel == Growth::Logistic);
    QVERIFY(ui.Kvalue->isEnabled());
    QCOMPARE(ui.Kvalue->text(), QStringLiteral("500"));
    QCOMPARE(ui.Harvestrate->text(), QStringLiteral("10"));
    QCOMPARE(ui.simut->text(), QStringLiteral("65"));
    QCOMPARE(changes.counts(), QList<int>({1, 0, 0, 1, 1}));
    QVERIFY(ui.Command2->isEnabled());
}

void TestForm1Commands::optionWithUnchangedTextsKeepsTheChart()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command2);
    QVERIFY(!ui.Command2->isEnabled());
    ui.Option2->click(); // the logistic texts are already there
    QVERIFY(ui.MSChart1->isChartVisible());
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(ui.Command5->isEnabled());
}

void TestForm1Commands::nAndDnButtonDrawsWithoutMovingTheCycle()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command2);
    pressEnter(ui.rrate); // RUN enabled again
    QTest::mouseClick(ui.Command5, Qt::LeftButton);
    QCOMPARE(chartTitle(ui.MSChart1), QStringLiteral("N and dN(t) vs. time"));
    QCOMPARE(ui.MSChart1->chart()->series().size(), 4);
    QCOMPARE(chartPoints(ui.MSChart1, 0).size(), 65);
    QVERIFY(!ui.Command2->isEnabled());
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
    const Controls<Form1> ui(program.startAtMainWindow());
    if (exponential)
        ui.Option1->click();
    click(ui.Command2);
    QStringList shown;
    QStringList axes; // the y axis' title against the x axis'
    for (int click = 0; click < 9; ++click) {
        pressEnter(ui.rrate);
        clickChart(ui.MSChart1);
        shown << chartTitle(ui.MSChart1);
        const ChartFrame &frame = ui.MSChart1->frame();
        axes << frame.marks(1).title + QStringLiteral(" against ") + frame.marks(0).title;
        QVERIFY(!ui.Command2->isEnabled()); // every chart disables RUN
        QVERIFY(ui.MSChart1->isChartVisible());
    }
    QCOMPARE(shown, titles);
    QCOMPARE(axes, QStringList({"dN against Time", "dN against N", "lnN against Time",
                                "N and dN against Time", "dN/N against N", "dN against N",
                                "C and R against N", "Profit against N", "N(t) against Time"}));
}

void TestForm1Commands::nineClicksComeBackAndRunDoesNotReset()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command2);
    for (int click = 0; click < 3; ++click)
        clickChart(ui.MSChart1);
    QCOMPARE(Harvest.GraphIndex, 3);
    pressEnter(ui.rrate);
    click(ui.Command2);
    QCOMPARE(chartTitle(ui.MSChart1), QStringLiteral("N(t) vs. time"));
    QCOMPARE(Harvest.GraphIndex, 3);
    clickChart(ui.MSChart1);
    QCOMPARE(chartTitle(ui.MSChart1), QStringLiteral("N and dN(t) vs. time"));
}

void TestForm1Commands::aClickOnTheChartAdvancesTheCycle()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command2);
    QTest::mouseClick(ui.MSChart1->viewport(), Qt::LeftButton, {}, QPoint(200, 150));
    QTRY_COMPARE(Harvest.GraphIndex, 1); // the click arrives through the event loop
    QCOMPARE(chartTitle(ui.MSChart1), QStringLiteral("dN(t) vs. time"));
}

// RUN, after an entry hid the chart, and every click of the cycle paint the chart
// exactly once, and leave on the screen the chart as a fresh rendering shows it.
void TestForm1Commands::runAndEachClickPaintTheChartOnce()
{
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QtChartControl *chart = ui.MSChart1;
    PaintCount paints(chart->viewport());
    const auto paintedOnceAndCurrent = [&] {
        QVERIFY2(
            paints.count == 1,
            qPrintable(
                QStringLiteral("%1 paints of %2").arg(paints.count).arg(chartTitle(ui.MSChart1))));
        const QImage shown = onScreen(chart);
        QVERIFY(!shown.isNull());
        QVERIFY2(looksTheSame(shown, rendered(chart)), qPrintable(chartTitle(ui.MSChart1)));
    };
    for (const char *k : {"400", "500"}) {
        type(ui.Kvalue, QString::fromLatin1(k));
        pressEnter(ui.Kvalue);
        runUntilIdle();
        QVERIFY(!chart->isVisible());
        paints.count = 0;
        QTest::mouseClick(ui.Command2, Qt::LeftButton);
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
    const Controls<Form1> ui(form);
    ui.Option1->click();
    click(ui.Command2);
    Harvest.GraphIndex = 5;
    clickChart(ui.MSChart1);
    QCOMPARE(form.focusWidget(), ui.Command5);
}

// RUN reads "50 fish" as 50; the theory chart wants the whole text to be a number
// and, where it is not, takes the N(0) of the run.
void TestForm1Commands::theoryReadsNZeroAsTheRunDid()
{
    const Controls<Form1> ui(program.startAtMainWindow());
    ui.Option1->click();
    ui.n0->setText(QStringLiteral("50 fish"));
    pressEnter(ui.rrate);
    click(ui.Command2);
    Harvest.GraphIndex = 5;
    clickChart(ui.MSChart1);
    QCOMPARE(chartTitle(ui.MSChart1), QStringLiteral("Theoretical dN vs. N (exponential model)"));
    QCOMPARE(chartPoints(ui.MSChart1, 0).last().x(), 100.0);
}

void TestForm1Commands::printWritesOnePage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("form1.pdf"));
    Environment::setPrinters([path] { return pdfPrinter(path); }, nullptr);
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command2);
    QTest::mouseClick(ui.Command10, Qt::LeftButton);
    QFile pdf(path);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    const QByteArray content = pdf.readAll();
    QVERIFY(content.startsWith("%PDF"));
    QCOMPARE(content.count("/Type /Page\n") + content.count("/Type /Page\r"), 1);
    // Drawn, not photographed: the text is text on the page.
    QVERIFY(content.contains("/FontName /"));
    QCOMPARE(ui.Label6->text(), QStringLiteral("Printed"));
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
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command10);
    QCOMPARE(dialogs, 1);
    QVERIFY(QFile::exists(path));

    // Cancelling the dialog prints nothing and says only that.
    Environment::setPrinters([] { return std::unique_ptr<QPrinter>(); },
                             [](QWidget *) { return std::unique_ptr<QPrinter>(); });
    QTest::mouseClick(ui.Command10, Qt::LeftButton);
    QCOMPARE(ui.Label6->text(), QStringLiteral("Printing cancelled"));
}

void TestForm1Commands::printFailureIsReported()
{
    Environment::setPrinters(
        [] { return pdfPrinter(QStringLiteral("/nonexistent/dir/form1.pdf")); }, nullptr);
    const Controls<Form1> ui(program.startAtMainWindow());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".*")));
    click(ui.Command10);
    QCOMPARE(ui.Label6->text(), QStringLiteral("Printing failed"));
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
    const Controls<Form1> ui(program.startAtMainWindow());
    click(ui.Command2);
    QVERIFY(ui.MSChart1->exporter().saveData(dir.filePath(QStringLiteral("n.csv"))));
    QCOMPARE(ui.Label6->text(), QStringLiteral("Data saved"));
    QFile csv(dir.filePath(QStringLiteral("n.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    // The main window's series are named although its chart shows no legend.
    QVERIFY(csv.readLine().startsWith("original: Time,original: N(t),harvested: Time"));
    QCOMPARE(chartTitle(ui.MSChart1), QStringLiteral("N(t) vs. time")); // the title stays
}

void TestForm1Commands::dateLabelFollowsTheClock()
{
    QDateTime now(QDate(2031, 12, 31), QTime(23, 59, 59, 800));
    Environment::setNow([&now] { return now; });
    const Controls<Form1> ui(program.startAtMainWindow());
    QCOMPARE(ui.Timer1->interval(), 500);
    QVERIFY(ui.Timer1->isActive());
    const auto shortDate
        = [](QDate d) { return QLocale::system().toString(d, QLocale::ShortFormat); };
    QCOMPARE(ui.Label6->text(), shortDate(QDate(2031, 12, 31)));
    now = now.addMSecs(500); // past midnight: the next tick shows the new day
    QVERIFY(nextTick(ui.Timer1));
    QCOMPARE(ui.Label6->text(), shortDate(QDate(2032, 1, 1)));

    // A notice stays for a few seconds, then the date comes back.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("form1.pdf"));
    Environment::setPrinters([path] { return pdfPrinter(path); }, nullptr);
    click(ui.Command10);
    QCOMPARE(ui.Label6->text(), QStringLiteral("Printed"));
    now = now.addSecs(2);
    QVERIFY(nextTick(ui.Timer1));
    QCOMPARE(ui.Label6->text(), QStringLiteral("Printed"));
    now = now.addSecs(4);
    QVERIFY(nextTick(ui.Timer1));
    QCOMPARE(ui.Label6->text(), shortDate(QDate(2032, 1, 1)));
}

// K on the chart keeps the run; the next run is drawn in front of it, the axes
// take both in, and the handout files carry the kept curves.
void TestForm1Commands::comparingRuns()
{
    QTemporaryDir dir;
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    click(ui.Command2);
    ui.MSChart1->setFocus();
    QTest::keyClick(ui.MSChart1, Qt::Key_K);
    QCOMPARE(ui.Label6->text(), QStringLiteral("Run kept to compare (1 of 4)"));
    QTest::keyClick(ui.MSChart1, Qt::Key_K);
    QCOMPARE(ui.Label6->text(), QStringLiteral("This run is kept already"));
    enter(ui.Harvestrate, QStringLiteral("40")); // dies out at time 4
    click(ui.Command2);
    QCOMPARE(ui.MSChart1->seriesNames(),
             QStringList({"original", "harvested", "original, H = 10", "harvested, H = 10"}));
    QCOMPARE(ui.MSChart1->plotted().at(3).size(), 66);
    QCOMPARE(ui.MSChart1->drawOrder(), QList<int>({2, 3, 0, 1})); // kept ones behind
    QCOMPARE(ui.MSChart1->frame().marks(0).labels.last(), QStringLiteral("70"));
    QVERIFY(ui.MSChart1->description().contains(
        "The harvested, H = 10 series runs from 100 at time 0 to 443.6 at time 65"));

    QVERIFY(ui.MSChart1->exporter().saveData(dir.filePath(QStringLiteral("n.csv"))));
    QFile csv(dir.filePath(QStringLiteral("n.csv")));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    QCOMPARE(csv.readLine().trimmed(),
             QByteArray("original: Time,original: N(t),harvested: Time,harvested: N(t),"
                        "\"original, H = 10: Time\",\"original, H = 10: N(t)\","
                        "\"harvested, H = 10: Time\",\"harvested, H = 10: N(t)\""));
    const QString path = dir.filePath(QStringLiteral("n.svg"));
    QVERIFY(ui.MSChart1->exporter().savePicture(path));
    QFile svg(path);
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QList<qsizetype> pieces;
    const QRegularExpression pathData(QStringLiteral("<path [^>]*d=\"([^\"]*)\""));
    for (const QRegularExpressionMatch &m : pathData.globalMatch(QString::fromUtf8(svg.readAll())))
        pieces << m.captured(1).count('L');
    QCOMPARE(pieces, QList<qsizetype>({65, 65, 3, 3})); // drawn behind first

    // "Forget kept runs" from the chart's menu.
    QTimer::singleShot(0, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("Forget kept runs"));
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QTest::keyClick(ui.MSChart1, Qt::Key_Menu);
    QVERIFY(Kept.empty());
    QCOMPARE(ui.MSChart1->seriesNames(), QStringList({"original", "harvested"}));
}

namespace {

QStringList parameterBoxes(const Controls<Form1> &ui)
{
    return {ui.n0->text(), ui.rrate->text(), ui.Kvalue->text(), ui.Harvestrate->text(),
            ui.simut->text()};
}

} // namespace

void TestForm1Commands::lessonAtStart_data()
{
    QTest::addColumn<QString>("file"); // the lesson file's text; none when empty
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("boxes"); // N(0), r, K, H, T
    QTest::addColumn<QString>("notice");    // the date label's, once the window is shown

    QTest::addRow("options") << "" << QStringList{"--model", "exponential", "--n0", "7",
                                                  "--r",     "0.83",        "--h",  "50"}
                             << QStringList{"7", "0.83", "", "50", "10"} << "";
    // The options win over the file; the boxes' rules correct what is out of range.
    QTest::addRow("file and options")
        << "# a class on a small stock\n[lesson]\nversion = 1\nmodel = logistic\n"
           "r = 0.5\nK = 333\nn0 = 999\n"
        << QStringList{"--k=400", "--t", "3000"} << QStringList{"999", "0.5", "400", "10", "2000"}
        << "Lesson opened: class.tarnwick";
    // Choosing the model writes every box: the file's values must come after it.
    QTest::addRow("model option, file values")
        << "[lesson]\nversion = 1\nn0 = 5\nH = 2\n"
        << QStringList{"--model", "exponential"} << QStringList{"5", "0.2", "", "2", "10"}
        << "Lesson opened: class.tarnwick";
    QTest::addRow("refused file") << "[lesson]\nversion = 2\nH = 3\n"
                                  << QStringList{"--h", "12"}
                                  << QStringList{"100", "0.2", "500", "12", "65"}
                                  << "class.tarnwick: version 2 is not one this program reads (1)";
}

void TestForm1Commands::lessonAtStart()
{
    QFETCH(QString, file);
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, boxes);
    QFETCH(QString, notice);
    QTemporaryDir dir;
    if (!file.isEmpty()) {
        QFile lesson(dir.filePath(QStringLiteral("class.tarnwick")));
        QVERIFY(lesson.open(QIODevice::WriteOnly));
        lesson.write(file.toUtf8());
        arguments << lesson.fileName();
    }
    const Controls<Form1> ui(program.startAtMainWindow(arguments));
    QCOMPARE(parameterBoxes(ui), boxes);
    if (!notice.isEmpty())
        QCOMPARE(ui.Label6->text(), notice);
    click(ui.Command2);
    QCOMPARE(QString::fromStdString(textOfNumber(Harvest.HarvestRate)), boxes[3]);
    QCOMPARE(QString::fromStdString(textOfNumber(Harvest.NOriginal[0])), boxes[0]);
}

void TestForm1Commands::lessonSavedAndOpened()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("class.tarnwick"));
    QString proposed;
    ChartExport::setFileChooser([&](QWidget *, const QString &, const QString &suggested,
                                    const QString &) { return proposed = suggested, path; });
    Environment::setFileToOpenChooser([&](QWidget *, const QString &) { return path; });
    Form1 &form = program.startAtMainWindow({"--model", "exponential", "--n0", "7", "--h", "50"});
    const Controls<Form1> ui(form);
    QTest::keyClick(ui.rrate, Qt::Key_S, Qt::ControlModifier);
    ChartExport::setFileChooser({});
    QVERIFY(proposed.endsWith(QLatin1String("/lesson_exponential_n0-7_r-0.2_h-50_t-10.tarnwick")));
    QCOMPARE(ui.Label6->text(), QStringLiteral("Lesson saved"));

    ui.Option2->click();
    QCOMPARE(parameterBoxes(ui), QStringList({"100", "0.2", "500", "10", "65"}));
    QTest::keyClick(ui.n0, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(parameterBoxes(ui), QStringList({"7", "0.2", "", "50", "10"}));
    QVERIFY(ui.Option1->isChecked());
    QCOMPARE(ui.Label6->text(), QStringLiteral("Lesson opened: class.tarnwick"));

    // A file that is no lesson changes nothing; nor is a box's unconfirmed text saved.
    QFile broken(path);
    QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("\x89PNG\r\n");
    broken.close();
    ui.Harvestrate->setText(QStringLiteral("x"));
    QTest::keyClick(ui.n0, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(parameterBoxes(ui), QStringList({"7", "0.2", "", "x", "10"}));
    QVERIFY(ui.Label6->text().startsWith(QLatin1String("class.tarnwick: ")));
    QTest::keyClick(ui.n0, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(ui.Label6->text().startsWith(QLatin1String("Lesson not saved: ")));
    QVERIFY(broken.open(QIODevice::ReadOnly));
    QCOMPARE(broken.readAll(), QByteArray("\x89PNG\r\n"));
}

QTEST_MAIN(TestForm1Commands)
#include "tst_form1commands.moc"
