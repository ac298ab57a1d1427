#include "chartfixture.h"
#include "charts/qtchartcontrol.h"

#include <QChart>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTest>

#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

} // namespace

// What the chart does with the mouse: a left click on it, anywhere, is one
// clicked() through the event loop.
class TestChartInput : public QObject
{
    Q_OBJECT

private slots:
    void clickRaisesSignal_data()
    {
        QTest::addColumn<bool>("withData");
        QTest::addRow("empty chart") << false;
        QTest::addRow("on a line") << true;
    }

    // Once per click, from the event loop, and never through the chart's own
    // handlers, which would raise the series' signals.
    void clickRaisesSignal()
    {
        QFETCH(bool, withData);
        QtChartControl chart;
        setUp(chart, 2, 3, false);
        if (withData)
            writeRows(chart, 1, {{0, 0}, {1, 1}, {2, 2}});
        chart.refresh();
        showAndWait(chart);

        QLineSeries *series = seriesAt(chart, 0);
        const QPointF onLine = chart.chart()->mapToPosition(QPointF(1, 1), series);
        const QPoint at = chart.mapFromScene(chart.chart()->mapToScene(onLine));
        QSignalSpy seriesSpy(series, &QXYSeries::pressed);
        QSignalSpy spy(&chart, &QtChartControl::clicked);
        QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(spy.count(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 1);
        QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, QPoint(2, 2));
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 2);
        QCOMPARE(seriesSpy.count(), 0);
    }

    void clickIgnored_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("releaseAt");
        QTest::addRow("right button") << Qt::RightButton << QPoint(100, 100);
        QTest::addRow("released outside") << Qt::LeftButton << QPoint(-20, 100);
    }

    void clickIgnored()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, releaseAt);
        QtChartControl chart;
        chart.refresh();
        showAndWait(chart);
        QSignalSpy spy(&chart, &QtChartControl::clicked);
        QTest::mousePress(chart.viewport(), button, {}, QPoint(100, 100));
        QTest::mouseMove(chart.viewport(), releaseAt);
        QTest::mouseRelease(chart.viewport(), button, {}, releaseAt);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 0);
    }

    // The program answers a click by drawing the next chart at once.
    void receiverRebuildsOnClick()
    {
        QtChartControl chart;
        setUp(chart, 2, 3, true);
        writeRows(chart, 1, {{0, 0}, {1, 1}, {2, 2}});
        chart.refresh();
        showAndWait(chart);
        int rebuilt = 0;
        connect(&chart, &QtChartControl::clicked, &chart, [&chart, &rebuilt] {
            ++rebuilt;
            setUp(chart, 4, 2, rebuilt % 2 == 0);
            writeRows(chart, 1, {{0, 1.0 * rebuilt}, {1, 2.0 * rebuilt}});
            writeRows(chart, 3, {{0, -1.0 * rebuilt}, {1, NaN}});
            chart.refresh();
        });
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, QPoint(200, 120));
            QCoreApplication::processEvents();
        }
        QCOMPARE(rebuilt, 3);
        QCOMPARE(seriesAt(chart, 0)->points(), Rows({{0, 3}, {1, 6}}));
        QCOMPARE(seriesAt(chart, 1)->points(), Rows({{0, -3}}));
    }
};

QTEST_MAIN(TestChartInput)
#include "tst_chartinput.moc"
