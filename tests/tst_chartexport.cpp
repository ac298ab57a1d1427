// A chart for handouts: the read-out under the mouse, and the picture and the
// points saved as files.
#include "chartfixture.h"
#include "charts/chartcallout.h"
#include "charts/chartreadout.h"
#include "charts/qtchartcontrol.h"

#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QPainter>
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
    chart.setSeriesLegendText(1, QStringLiteral("original"));
    chart.setSeriesLegendText(3, QStringLiteral("harvested"));
    chart.setTitleText(QStringLiteral("N(t) vs. time"));
    chart.setAxisTitleText(ChartAxis::X, QStringLiteral("Time"));
    chart.setAxisTitleText(ChartAxis::Y, QStringLiteral("N(t)"));
    writeRows(chart, 1, {{0, 100}, {1, 116.961170659678}, {2, 135}});
    writeRows(chart, 3, {{0, 100}, {1, 106}});
    chart.refresh();
    showAndWait(chart);
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
    void cleanup() { QtChartControl::setFileChooser({}); }

    void csvOfThePoints_data();
    void csvOfThePoints();
    void readOutFollowsTheMouse();
    void savedFilesReadBack();
    void failedSaveSaysSo();
    void menuSavesWhereTheStudentChooses();
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
    const ChartCallout &mark = chart.readOutMark();
    const QPoint original = onScreen(chart, {1, 116.961170659678}, 0);
    QTest::mouseMove(chart.viewport(), original + QPoint(2, 1));
    QTRY_VERIFY(mark.isVisible());
    QCOMPARE(mark.text(), QStringLiteral("original\nTime: 1\nN(t): 116.961170659678"));
    // Beside the point, within the chart, and drawn: the screen shows it.
    QVERIFY(!mark.box().contains(mark.point()));
    QVERIFY(chart.chart()->rect().contains(mark.box()));
    const QPointF padding = mark.box().topLeft() + QPointF(2, mark.box().height() / 2);
    const QPoint inBox = chart.mapFromScene(chart.chart()->mapToScene(padding));
    QCOMPARE(chart.grab().toImage().pixelColor(inBox), QColor(255, 255, 225));
    QTest::mouseMove(chart.viewport(), onScreen(chart, {1, 106}, 1));
    QTRY_COMPARE(mark.text(), QStringLiteral("harvested\nTime: 1\nN(t): 106"));
    // The exported picture leaves it out.
    const QImage exported = chart.picture(1).toImage();
    QVERIFY(mark.isVisible());
    // Away from every point, or off the chart, the read-out goes.
    QTest::mouseMove(chart.viewport(), onScreen(chart, {0.5, 125}, 0));
    QTRY_VERIFY(!mark.isVisible());
    QCOMPARE(chart.picture(1).toImage(), exported);
    QTest::mouseMove(chart.viewport(), original);
    QTRY_VERIFY(mark.isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(chart.viewport(), &leave);
    QVERIFY(!mark.isVisible());
    QTest::mouseMove(chart.viewport(), original + QPoint(1, 0));
    QTRY_VERIFY(mark.isVisible());
    chart.aboutToPrint();
    QVERIFY(!mark.isVisible());
}

void TestChartExport::savedFilesReadBack()
{
    QTemporaryDir dir;
    QtChartControl chart;
    twoSeries(chart);
    QSignalSpy notices(&chart, &QtChartControl::notice);

    const QString png = dir.filePath(QStringLiteral("chart.png"));
    QVERIFY(chart.savePicture(png));
    const QImage image(png);
    QCOMPARE(image.size(), chart.size() * 2); // twice the screen's resolution
    QVERIFY(image.pixelColor(image.width() / 2, 4) != QColor(Qt::black));

    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    QVERIFY(chart.savePicture(svg));
    QFile svgFile(svg);
    QVERIFY(svgFile.open(QIODevice::ReadOnly));
    const QByteArray svgText = svgFile.readAll();
    QVERIFY(svgText.contains("<svg") && svgText.contains("N(t) vs. time"));
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
    QVERIFY(chart.saveData(csv));
    QFile csvFile(csv);
    QVERIFY(csvFile.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(csvFile.readAll()),
             QStringLiteral("original: Time,original: N(t),harvested: Time,harvested: N(t)\n"
                            "0,100,0,100\n1,116.961170659678,1,106\n2,135,,\n"));

    chart.copyPicture();
    QCOMPARE(QApplication::clipboard()->pixmap().size(), chart.size() * chart.devicePixelRatioF());
    QCOMPARE(notices.size(), 4);
}

void TestChartExport::failedSaveSaysSo()
{
    QtChartControl chart;
    twoSeries(chart);
    // Nobody listens: the chart says it in its title for a while.
    QVERIFY(!chart.saveData(QStringLiteral("/nonexistent/folder/chart.csv")));
    QVERIFY(chart.chart()->title().startsWith(QLatin1String("Data not saved")));
    QVERIFY(!chart.savePicture(QStringLiteral("/nonexistent/folder/chart.png")));
    QVERIFY(chart.chart()->title().startsWith(QLatin1String("Picture not saved")));
}

// The menu's second command asks for a file and saves the picture there.
void TestChartExport::menuSavesWhereTheStudentChooses()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("handout.png"));
    QString suggested;
    QtChartControl::setFileChooser(
        [&](QWidget *, const QString &, const QString &proposal, const QString &) {
            suggested = proposal;
            return path;
        });
    QtChartControl chart;
    twoSeries(chart);
    QTimer::singleShot(0, [] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QCOMPARE(menu->actions().size(), 3);
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("Copy picture"));
        QCOMPARE(menu->actions().at(2)->text(), QStringLiteral("Save data…"));
        // Down to the second command, then Enter, as with the keyboard.
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    chart.setFocus();
    QTest::keyClick(&chart, Qt::Key_Menu);
    QVERIFY2(suggested.endsWith(QLatin1String("n-t-vs-time.png")), qPrintable(suggested));
    QVERIFY(QImage(path).width() == chart.width() * 2);
}

QTEST_MAIN(TestChartExport)
#include "tst_chartexport.moc"
