#include "chartfixture.h"
#include "chartkit/qtchartcontrol.h"

#include <QChart>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLineSeries>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <limits>

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// A window that notes the keys its children leave to it.
class KeyWindow : public QWidget
{
public:
    QList<int> keys;

protected:
    void keyPressEvent(QKeyEvent *event) override { keys << event->key(); }
};

// The chart between two text boxes in an active window, as in the main window.
struct FocusWindow
{
    KeyWindow window;
    QLineEdit *before = new QLineEdit(&window);
    QtChartControl *chart = new QtChartControl(&window);
    QLineEdit *after = new QLineEdit(&window);

    FocusWindow()
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(chart);
        layout->addWidget(after);
        chart->setMinimumSize(MainSize);
        chart->control().refresh();
    }

    // Shows the window and tabs from the first box into the chart.
    void showAndTabIn()
    {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        before->setFocus();
        QTest::keyClick(before, Qt::Key_Tab);
        QVERIFY(chart->hasFocus());
    }
};

} // namespace

// What the chart does with the mouse and the keyboard: a left click on it,
// anywhere, or Space or Enter while it has the focus, is one clicked() through
// the event loop.
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
        chart.control().refresh();
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
        chart.control().refresh();
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
        chart.control().refresh();
        showAndWait(chart);
        int rebuilt = 0;
        connect(&chart, &QtChartControl::clicked, &chart, [&chart, &rebuilt] {
            ++rebuilt;
            setUp(chart, 4, 2, rebuilt % 2 == 0);
            writeRows(chart, 1, {{0, 1.0 * rebuilt}, {1, 2.0 * rebuilt}});
            writeRows(chart, 3, {{0, -1.0 * rebuilt}, {1, NaN}});
            chart.control().refresh();
        });
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(chart.viewport(), Qt::LeftButton, {}, QPoint(200, 120));
            QCoreApplication::processEvents();
        }
        QCOMPARE(rebuilt, 3);
        QCOMPARE(seriesAt(chart, 0)->points(), Rows({{0, 3}, {1, 6}}));
        QCOMPARE(seriesAt(chart, 1)->points(), Rows({{0, -3}}));
    }

    void keysAsClick_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("clicks");
        QTest::addRow("Space") << Qt::Key_Space << Qt::KeyboardModifiers() << 1;
        QTest::addRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers() << 1;
        QTest::addRow("keypad Enter")
            << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier) << 1;
        QTest::addRow("Ctrl+Return")
            << Qt::Key_Return << Qt::KeyboardModifiers(Qt::ControlModifier) << 0;
        QTest::addRow("Tab") << Qt::Key_Tab << Qt::KeyboardModifiers() << 0;
        QTest::addRow("A") << Qt::Key_A << Qt::KeyboardModifiers() << 0;
    }

    // Reached by Tab; a key that clicks does so once, through the event loop.
    void keysAsClick()
    {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, clicks);
        FocusWindow w;
        w.showAndTabIn();
        QSignalSpy spy(w.chart, &QtChartControl::clicked);
        QTest::keyClick(w.chart, key, modifiers);
        QCOMPARE(spy.count(), 0);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), clicks);
        QCOMPARE(w.after->hasFocus(), key == Qt::Key_Tab);
        // What the chart does not take is left to the window around it.
        QCOMPARE(w.window.keys.contains(key), clicks == 0 && key != Qt::Key_Tab);
    }

    // A frame inside the edge while the chart has the focus, and nothing of it after.
    void focusFrameShows()
    {
        FocusWindow w;
        w.showAndTabIn();
        const QImage focused = w.chart->grab().toImage();
        w.after->setFocus();
        QVERIFY(!w.chart->hasFocus());
        const QImage unfocused = w.chart->grab().toImage();
        QCOMPARE(focused.size(), unfocused.size());

        const int width = focused.width(), height = focused.height();
        const QColor frame = w.chart->palette().color(QPalette::Highlight);
        for (int inset = 0; inset < 2; ++inset) {
            for (int x = 0; x < width; ++x) {
                QCOMPARE(focused.pixelColor(x, inset), frame);
                QCOMPARE(focused.pixelColor(x, height - 1 - inset), frame);
                QVERIFY(unfocused.pixelColor(x, inset) != frame);
            }
            for (int y = 0; y < height; ++y) {
                QCOMPARE(focused.pixelColor(inset, y), frame);
                QCOMPARE(focused.pixelColor(width - 1 - inset, y), frame);
                QVERIFY(unfocused.pixelColor(inset, y) != frame);
            }
        }
        // Inside the frame the chart is untouched.
        QCOMPARE(focused.copy(2, 2, width - 4, height - 4),
                 unfocused.copy(2, 2, width - 4, height - 4));
    }

    void accessibleName_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("name");
        QTest::addRow("Population over time")
            << QStringLiteral("Population over time") << QStringLiteral("Population over time");
        QTest::addRow("no title") << QString() << QStringLiteral("Chart");
    }

    // The name follows the title of the chart drawn last.
    void accessibleName()
    {
        QFETCH(QString, title);
        QFETCH(QString, name);
        QtChartControl chart;
        chart.control().setTitleText(QStringLiteral("Yield against effort"));
        chart.control().refresh();
        QCOMPARE(chart.accessibleName(), QStringLiteral("Yield against effort"));
        chart.control().setTitleText(title);
        chart.control().refresh();
        QCOMPARE(chart.accessibleName(), name);
    }

    void nothingPendingAfterLeaving_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::addColumn<bool>("windowHidden");
        QTest::addRow("click, chart hidden") << false << false;
        QTest::addRow("click, window hidden") << false << true;
        QTest::addRow("Space, window hidden") << true << true;
    }

    // A click still on its way when its chart leaves the screen is dropped, not
    // delivered when the chart shows again.
    void nothingPendingAfterLeaving()
    {
        QFETCH(bool, byKey);
        QFETCH(bool, windowHidden);
        FocusWindow w;
        w.showAndTabIn();
        QSignalSpy spy(w.chart, &QtChartControl::clicked);
        if (byKey)
            QTest::keyClick(w.chart, Qt::Key_Space);
        else
            QTest::mouseClick(w.chart->viewport(), Qt::LeftButton, {}, QPoint(100, 100));
        if (windowHidden)
            w.window.hide();
        else
            w.chart->setChartVisible(false);
        QCoreApplication::processEvents();
        w.window.show();
        w.chart->setChartVisible(true);
        QCoreApplication::processEvents();
        QCOMPARE(spy.count(), 0);
    }
};

QTEST_MAIN(TestChartInput)
#include "tst_chartinput.moc"
