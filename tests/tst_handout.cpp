// The teacher's handout: one PDF of the run, its kept runs and every chart of the
// large window's cycle, read back with poppler's tools; and its saving from the
// main window.
#include "programfixture.h"

#include "chartkit/chartexport.h"
#include "largegraph/handout.h"
#include "model/growth.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// What a poppler tool prints about a file.
QString popplerSays(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput()).simplified();
}

} // namespace

class TestHandout : public ProgramTest
{
    Q_OBJECT

private slots:
    void readsBack();
    void savedFromTheMainWindow_data();
    void savedFromTheMainWindow();
};

void TestHandout::readsBack()
{
    program.startAtMainWindow();
    simulate(Harvest, RunParameters{Growth::Logistic, 100, 0.2, 500, 20, 65});
    Kept.keep(Harvest);
    simulate(Harvest, RunParameters{Growth::Logistic, 100, 0.2, 500, 10, 65});
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("handout.pdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(writeHandout(file, QPageSize(QPageSize::A4)));
    file.close();

    QVERIFY(popplerSays(QStringLiteral("pdfinfo"), {path}).contains(QLatin1String("Pages: 5")));
    const QString text = popplerSays(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    for (const char *line :
         {"Parameters: N(0) = 100, K = 500, r = 0.2, H = 10; run for t = 1 to 65.",
          "Final population size with harvest: N(65) = 443.570191641478.",
          "Equilibria under the harvest: unstable at N = 56.35, stable at N = 443.6.",
          "Maximum sustainable yield: rK/4 = 25, at N = K/2 = 250.",
          "Kept for comparison, H = 20: logistic model", "Page 5 of 5"})
        QVERIFY2(text.contains(QLatin1String(line)), line);
    // Each chart of the cycle once, drawn with its title, its kept curves named in
    // its legend, and its description under it.
    for (const char *title :
         {"The change of N(t) with t", "The change of dN(t) with t",
          "The change of dN(t)/dt with N(t)", "The change of N(t) (in logarithm) with t",
          "N(t) and dN(t) at different t", "dN/N vs. N",
          "Graph for theoretical analysis (logistic model)",
          "Cost and revenue at different price-expense (p/e) ratio",
          "Net profit of different price/expense ratio"})
        QCOMPARE(text.count(QLatin1String(title)), 1);
    QVERIFY(text.contains(QLatin1String("harvested, H = 20")));
    QVERIFY(text.contains(QLatin1String(
        "Time 0 to 65; N(t) 9.408 to 500. The original series runs from 100 at time 0 to 500")));
    QVERIFY(text.contains(QLatin1String("Kept, H = 20: harvest rate 20")));
}

void TestHandout::savedFromTheMainWindow_data()
{
    QTest::addColumn<QString>("chosen"); // "": the student cancels
    QTest::addColumn<QString>("notice");
    QTest::addRow("saved") << "handout.pdf"
                           << "Handout saved";
    QTest::addRow("cancelled") << ""
                               << "";
    QTest::addRow("not writable") << "no/such/folder/handout.pdf"
                                  << "Handout not saved: %1 cannot be written";
}

void TestHandout::savedFromTheMainWindow()
{
    QFETCH(QString, chosen);
    QFETCH(QString, notice);
    QTemporaryDir dir;
    const QString path = chosen.isEmpty() ? QString() : dir.filePath(chosen);
    QString proposed;
    ChartExport::setFileChooser(
        [&](QWidget *, const QString &, const QString &suggested, const QString &) {
            proposed = suggested;
            return path;
        });
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    click(ui.Command2);
    const QString before = ui.Label6->text();
    QTest::keyClick(ui.MSChart1, Qt::Key_H, Qt::ControlModifier);
    ChartExport::setFileChooser({});
    QVERIFY(proposed.endsWith(QLatin1String("/handout_logistic_n0-100_k-500_r-0.2_h-10_t-65.pdf")));
    QCOMPARE(ui.Label6->text(), notice.isEmpty()                       ? before
                                : notice.contains(QLatin1String("%1")) ? notice.arg(path)
                                                                       : notice);
    QCOMPARE(QFile::exists(dir.filePath(QStringLiteral("handout.pdf"))), chosen == "handout.pdf");
}

QTEST_MAIN(TestHandout)
#include "tst_handout.moc"
