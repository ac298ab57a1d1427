// A chart for handouts: the read-out under the mouse, and the picture and the
// points saved as files.
#include "chartfixture.h"
#include "chartkit/chartcallout.h"
#include "chartkit/chartreadout.h"
#include "chartkit/qtchartcontrol.h"
#include "widgets/printing.h"

#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

Q_DECLARE_METATYPE(SeriesPoints)

namespace {

// A chart of two named series, shown.
void twoSeries(QtChartControl &chart)
{
    setUp(chart, 4, 3, false);
    chart.control().setSeriesLegendText(1, QStringLiteral("original"));
    chart.control().setSeriesLegendText(3, QStringLiteral("harvested"));
    chart.control().setTitleText(QStringLiteral("N(t) vs. time"));
    chart.control().setAxisTitleText(ChartAxis::X, QStringLiteral("Time"));
    chart.control().setAxisTitleText(ChartAxis::Y, QStringLiteral("N(t)"));
    writeRows(chart, 1, {{0, 100}, {1, 116.961170659678}, {2, 135}});
    writeRows(chart, 3, {{0, 100}, {1, 106}});
    chart.control().refresh();
    showAndWait(chart);
}

// A run of 2000 steps: two smooth curves of 2001 points each.
void longRun(QtChartControl &chart)
{
    setUp(chart, 4, 2001, false);
    Rows original, harvested;
    for (int t = 0; t <= 2000; ++t) {
        original << QPointF(t, 500 / (1 + 4 * std::exp(-0.003 * t)));
        harvested << QPointF(t, 450 / (1 + 3.5 * std::exp(-0.0025 * t)));
    }
    writeRows(chart, 1, original);
    writeRows(chart, 3, harvested);
    chart.control().refresh();
    showAndWait(chart);
}

// The largest distance, in pixels of `scale` times the chart's, from a point the
// chart plots to the line the painter was given.
double farthestFromLine(QtChartControl &chart, const QList<QPointF> &plotted,
                        const QList<QPointF> &painted, double scale)
{
    const auto pixels = [&](QPointF value) { return chart.chart()->mapToPosition(value) * scale; };
    double farthest = 0;
    for (const QPointF &value : plotted) {
        const QPointF p = pixels(value);
        double nearest = INFINITY;
        for (qsizetype i = 1; i < painted.size(); ++i) {
            const QPointF a = pixels(painted.at(i - 1));
            const QPointF ab = pixels(painted.at(i)) - a;
            const double along = std::clamp(QPointF::dotProduct(p - a, ab)
                                                / std::max(QPointF::dotProduct(ab, ab), 1e-300),
                                            0.0, 1.0);
            const QPointF off = p - (a + along * ab);
            nearest = std::min(nearest, std::hypot(off.x(), off.y()));
        }
        farthest = std::max(farthest, nearest);
    }
    return farthest;
}

QPoint onScreen(QtChartControl &chart, QPointF value, int series)
{
    const QPointF inChart = chart.chart()->mapToPosition(value, chart.chart()->series().at(series));
    return chart.mapFromScene(chart.chart()->mapToScene(inChart));
}

} // namespace

class TestChartExport : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { ChartExport::setFileChooser({}); }

    void csvOfThePoints_data();
    void csvOfThePoints();
    void readOutFollowsTheMouse();
    void savedFilesReadBack();
    void failedSaveSaysSo();
    void menuSavesWhereTheStudentChooses();
    void keyboardReadOut_data();
    void keyboardReadOut();
    void keyboardReadOutGoesWithAChange();
    void svgKeepsEveryPoint();
    void finerPicturesThinForTheirOwnPixels_data();
    void finerPicturesThinForTheirOwnPixels();
};

void TestChartExport::csvOfThePoints_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<SeriesPoints>("points");
    QTest::addColumn<QString>("csv");
    QTest::addRow("two series of different lengths")
        << QStringList{"original", "harvested"} << SeriesPoints{{{0, 100}, {1, 116.5}}, {{0, 100}}}
        << "original: Time,original: N(t),harvested: Time,harvested: N(t)\n"
           "0,100,0,100\n"
           "1,116.5,,\n";
    QTest::addRow("names with commas are quoted")
        << QStringList{"R (p/e=50), logistic"} << SeriesPoints{{{1e-5, 2.5e20}}}
        << "\"R (p/e=50), logistic: Time\",\"R (p/e=50), logistic: N(t)\"\n"
           "1E-05,2.5E+20\n";
    QTest::addRow("nothing drawn")
        << QStringList{"original"} << SeriesPoints{{}} << "original: Time,original: N(t)\n";
}

void TestChartExport::csvOfThePoints()
{
    QFETCH(QStringList, names);
    QFETCH(SeriesPoints, points);
    QFETCH(QString, csv);
    QCOMPARE(pointsAsCsv(names, QStringLiteral("Time"), QStringLiteral("N(t)"), points), csv);
}

void TestChartExport::readOutFollowsTheMouse()
{
    QtChartControl chart;
    twoSeries(chart);
    const ChartCallout &mark = chart.readOut().mark();
    const QPoint original = onScreen(chart, {1, 116.961170659678}, 0);
    QTest::mouseMove(chart.viewport(), original + QPoint(2, 1));
    QTRY_VERIFY(mark.isVisible());
    QCOMPARE(mark.text(), QStringLiteral("original\nTime: 1\nN(t): 116.961170659678"));
    // Beside the point, within the plot area (off the title), and drawn.
    QVERIFY(!mark.box().contains(mark.point()));
    QVERIFY(chart.chart()->plotArea().contains(mark.box()));
    const QPointF padding = mark.box().topLeft() + QPointF(2, mark.box().height() / 2);
    const QPoint inBox = chart.mapFromScene(chart.chart()->mapToScene(padding));
    QCOMPARE(chart.grab().toImage().pixelColor(inBox), QColor(255, 255, 225));
    // A point just under the title: the read-out keeps off it.
    ChartCallout nearTop(chart.chart());
    nearTop.showAt(chart.chart()->plotArea().topLeft() + QPointF(40, 40), mark.text(),
                   chart.font());
    QVERIFY(!nearTop.box().contains(nearTop.point()));
    QVERIFY(chart.chart()->plotArea().contains(nearTop.box()));
    QTest::mouseMove(chart.viewport(), onScreen(chart, {1, 106}, 1));
    QTRY_COMPARE(mark.text(), QStringLiteral("harvested\nTime: 1\nN(t): 106"));
    // The exported picture leaves it out.
    const QImage exported = chart.exporter().picture(1).toImage();
    QVERIFY(mark.isVisible());
    // Away from every point, or off the chart, the read-out goes.
    QTest::mouseMove(chart.viewport(), onScreen(chart, {0.5, 125}, 0));
    QTRY_VERIFY(!mark.isVisible());
    QCOMPARE(chart.exporter().picture(1).toImage(), exported);
    QTest::mouseMove(chart.viewport(), original);
    QTRY_VERIFY(mark.isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(chart.viewport(), &leave);
    QVERIFY(!mark.isVisible());
    QTest::mouseMove(chart.viewport(), original + QPoint(1, 0));
    QTRY_VERIFY(mark.isVisible());
    chart.aboutToPrint(1);
    QVERIFY(!mark.isVisible());
}

void TestChartExport::savedFilesReadBack()
{
    QTemporaryDir dir;
    QtChartControl chart;
    twoSeries(chart);
    QSignalSpy notices(&chart, &QtChartControl::notice);

    const QString png = dir.filePath(QStringLiteral("chart.png"));
    QVERIFY(chart.exporter().savePicture(png));
    const QImage image(png);
    QCOMPARE(image.size(), chart.size() * 2); // twice the screen's resolution
    QVERIFY(image.pixelColor(image.width() / 2, 4) != QColor(Qt::black));

    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    QVERIFY(chart.exporter().savePicture(svg));
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgText = svgFile.readAll();
    QVERIFY(svgText.contains("<title>N(t) vs. time</title>"));
    QVERIFY(svgText.contains(
        "<desc>Time 0 to 2; N(t) 100 to 135. The original series runs from 100 at time 0 to 135 "
        "at time 2; lowest 100, highest 135. The harvested series runs from 100 at time 0 to "
        "106 at time 1; lowest 100, highest 106.</desc>"));
    // Drawn back, the picture stands on white paper, not on nothing.
    QSvgRenderer drawing(svgText);
    QVERIFY(drawing.isValid());
    QImage drawn(chart.size(), QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    QPainter painter(&drawn);
    drawing.render(&painter);
    painter.end();
    QCOMPARE(drawn.pixelColor(2, 2), QColor(Qt::white));

    const QString csv = dir.filePath(QStringLiteral("chart.csv"));
    QVERIFY(chart.exporter().saveData(csv));
    QFile csvFile(csv);
    QVERIFY(csvFile.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(csvFile.readAll()),
             QStringLiteral("original: Time,original: N(t),harvested: Time,harvested: N(t)\n"
                            "0,100,0,100\n1,116.961170659678,1,106\n2,135,,\n"));

    chart.exporter().copyPicture();
    QCOMPARE(QApplication::clipboard()->pixmap().size(), chart.size() * chart.devicePixelRatioF());
    chart.exporter().copyDescription();
    QCOMPARE(QApplication::clipboard()->text(), chart.description());
    QCOMPARE(notices.size(), 5);
}

void TestChartExport::failedSaveSaysSo()
{
    QtChartControl chart;
    twoSeries(chart);
    // Nobody listens: the chart says it in its title for a while.
    QVERIFY(!chart.exporter().saveData(QStringLiteral("/nonexistent/folder/chart.csv")));
    QVERIFY(chart.chart()->title().startsWith(QLatin1String("Data not saved")));
    QVERIFY(!chart.exporter().savePicture(QStringLiteral("/nonexistent/folder/chart.png")));
    QVERIFY(chart.chart()->title().startsWith(QLatin1String("Picture not saved")));
}

// The menu's second command asks for a file and saves the picture there.
void TestChartExport::menuSavesWhereTheStudentChooses()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("handout.png"));
    QString suggested;
    ChartExport::setFileChooser(
        [&](QWidget *, const QString &, const QString &proposal, const QString &) {
            suggested = proposal;
            return path;
        });
    QtChartControl chart;
    twoSeries(chart);
    // A title's bracketed caption gives way to the chart's tag.
    chart.control().setTitleText(
        QStringLiteral("The change of N(t) with t  [N(0)=100, K=500, r=0.2.]"));
    chart.control().setFileNameTag(QStringLiteral("logistic_n0-100_k-500_r-0.2"));
    QTimer::singleShot(0, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QStringList texts;
        for (const QAction *action : menu->actions())
            texts << action->text();
        QCOMPARE(texts,
                 QStringList({"Copy picture", "Copy description", "Save picture…", "Save data…"}));
        // Down to the third command, then Enter, as with the keyboard.
        for (int down = 0; down < 3; ++down)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    chart.setFocus();
    QTest::keyClick(&chart, Qt::Key_Menu);
    QVERIFY2(suggested.endsWith(
                 QLatin1String("/the-change-of-n-t-with-t_logistic_n0-100_k-500_r-0.2.png")),
             qPrintable(suggested));
    QVERIFY(QImage(path).width() == chart.width() * 2);
}

void TestChartExport::keyboardReadOut_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("mark"); // empty: no mark
    using K = QList<int>;
    QTest::addRow("first key, first point") << K{Qt::Key_Right} << "a\nTime: 0\nN(t): 0";
    QTest::addRow("End first, last point") << K{Qt::Key_End} << "a\nTime: 24\nN(t): 48";
    QTest::addRow("along and back")
        << K{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left} << "a\nTime: 1\nN(t): 2";
    QTest::addRow("stops at the start")
        << K{Qt::Key_End, Qt::Key_Home, Qt::Key_Left} << "a\nTime: 0\nN(t): 0";
    QTest::addRow("ten on, then the end")
        << K{Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageUp}
        << "a\nTime: 24\nN(t): 48";
    QTest::addRow("ten back") << K{Qt::Key_End, Qt::Key_PageDown} << "a\nTime: 14\nN(t): 28";
    QTest::addRow("next series, nearest time")
        << K{Qt::Key_Right, Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Up}
        << "b\nTime: 6\nN(t): 103";
    QTest::addRow("previous series goes round, past the empty one")
        << K{Qt::Key_Right, Qt::Key_Down} << "b\nTime: 0\nN(t): 100";
    QTest::addRow("Escape removes it") << K{Qt::Key_End, Qt::Key_Escape} << "";
}

// Two series, the second with a point at every other time, and a third empty.
void TestChartExport::keyboardReadOut()
{
    QFETCH(QList<int>, keys);
    QFETCH(QString, mark);
    QtChartControl chart;
    setUp(chart, 6, 25, false);
    chart.control().setSeriesLegendText(1, QStringLiteral("a"));
    chart.control().setSeriesLegendText(3, QStringLiteral("b"));
    chart.control().setAxisTitleText(ChartAxis::X, QStringLiteral("Time"));
    chart.control().setAxisTitleText(ChartAxis::Y, QStringLiteral("N(t)"));
    Rows a, b;
    for (int i = 0; i < 25; ++i)
        a << QPointF(i, 2 * i);
    for (int i = 0; i < 5; ++i)
        b << QPointF(2 * i, 100 + i);
    writeRows(chart, 1, a);
    writeRows(chart, 3, b);
    chart.control().refresh();
    showAndWait(chart);
    const QString description = chart.accessibleDescription();
    QVERIFY(description.startsWith(chart.description()) && description.contains("Page Up"));
    QSignalSpy clicks(&chart, &QtChartControl::clicked);
    chart.setFocus();
    for (int key : keys)
        QTest::keyClick(&chart, Qt::Key(key));
    QCOMPARE(chart.readOut().mark().isVisible() ? chart.readOut().mark().text() : QString(), mark);
    // Told to a screen reader as one line, and the description back when it goes.
    QCOMPARE(chart.accessibleDescription(),
             mark.isEmpty() ? description : QString(mark).replace('\n', ", "));
    QCoreApplication::processEvents();
    QCOMPARE(clicks.size(), 0);
}

void TestChartExport::keyboardReadOutGoesWithAChange()
{
    QtChartControl chart;
    twoSeries(chart);
    chart.setFocus();
    const ChartCallout &mark = chart.readOut().mark();
    QTest::keyClick(&chart, Qt::Key_End);
    QVERIFY(mark.isVisible());
    chart.control().refresh();
    QVERIFY(!mark.isVisible());
    QTest::keyClick(&chart, Qt::Key_Right);
    QVERIFY(mark.isVisible());
    chart.clearFocus();
    QVERIFY(!mark.isVisible());
    // Enter still shows the next chart, mark or not.
    chart.setFocus();
    QTest::keyClick(&chart, Qt::Key_Right);
    QSignalSpy clicks(&chart, &QtChartControl::clicked);
    QTest::keyClick(&chart, Qt::Key_Return);
    QTRY_COMPARE(clicks.size(), 1);
}

// Each line one path through all 2001 points, where the screen draws a few dozen.
void TestChartExport::svgKeepsEveryPoint()
{
    QTemporaryDir dir;
    QtChartControl chart;
    longRun(chart);
    QVERIFY(seriesAt(chart, 0)->count() < 200);
    const QString path = dir.filePath(QStringLiteral("run.svg"));
    QVERIFY(chart.exporter().savePicture(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    QStringList lines;
    const QRegularExpression pathData(QStringLiteral("<path [^>]*d=\"([^\"]*)\""));
    for (const QRegularExpressionMatch &m : pathData.globalMatch(svg))
        lines << m.captured(1);
    QCOMPARE(lines.size(), 2);
    for (int s = 0; s < 2; ++s) {
        QCOMPARE(lines.at(s).count('M'), 1);
        QCOMPARE(lines.at(s).count('L'), 2000);
        // Starting where the chart puts the first point.
        const QPointF first = chart.chart()->mapToScene(
            chart.chart()->mapToPosition(chart.plotted().at(s).first()));
        const QStringList xy = lines.at(s).mid(1).section(' ', 0, 0).split(',');
        QVERIFY(std::abs(xy.value(0).toDouble() - first.x()) < 0.01);
        QVERIFY(std::abs(xy.value(1).toDouble() - first.y()) < 0.01);
    }
    QVERIFY(svg.contains("<desc>" + chart.description() + "</desc>"));
}

void TestChartExport::finerPicturesThinForTheirOwnPixels_data()
{
    QTest::addColumn<bool>("print");
    QTest::addRow("PNG at twice the screen's pixels") << false;
    QTest::addRow("print, a PDF page at 1200 dots an inch") << true;
}

// Measured in the picture's own pixels, every point plotted lies within a quarter
// pixel of the line drawn; the screen's line, thinned for pixels two or twenty
// times as large, does not.
void TestChartExport::finerPicturesThinForTheirOwnPixels()
{
    QFETCH(bool, print);
    QTemporaryDir dir;
    QtChartControl chart;
    longRun(chart);
    const QList<QPointF> screen = seriesAt(chart, 0)->points();
    QList<QPointF> painted;
    connect(seriesAt(chart, 0), &QLineSeries::pointsReplaced, &chart, [&] {
        if (painted.isEmpty())
            painted = seriesAt(chart, 0)->points();
    });
    double scale = 2;
    if (print) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("run.pdf")));
        scale = printer.pageLayout().paintRectPixels(printer.resolution()).width()
                / double(chart.width());
        QVERIFY(printWindowImage(&chart, printer));
    } else {
        QVERIFY(chart.exporter().savePicture(dir.filePath(QStringLiteral("run.png"))));
    }
    QVERIFY(painted.size() > screen.size() && painted.size() < 2001);
    const QList<QPointF> &plotted = chart.plotted().at(0);
    QVERIFY(farthestFromLine(chart, plotted, painted, scale) <= 0.25 + 1e-9);
    QVERIFY(farthestFromLine(chart, plotted, screen, scale) > 0.25);
    // The screen has its own line back.
    QCOMPARE(seriesAt(chart, 0)->points(), screen);
}

QTEST_MAIN(TestChartExport)
#include "tst_chartexport.moc"
