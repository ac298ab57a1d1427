// The window registry: one instance per window, loaded on first use, unloaded by
// its close box, every loaded window gone after unloadAll(), the way home and out;
// and what a window has pending (calls, notices) ends when the window is left.
#include "widgets/programwindow.h"
#include "widgets/timednotice.h"
#include "widgets/windowregistry.h"

#include <QApplication>
#include <QTest>

namespace {

int loads = 0;
int unloads = 0;

class SomeWindow : public ProgramWindow
{
public:
    SomeWindow() : ProgramWindow(Qt::Dialog) {}
    void load() override { ++loads; }
    using ProgramWindow::callLater;

protected:
    void Form_Unload() override { ++unloads; }
};

class OtherWindow : public ProgramWindow
{
public:
    OtherWindow() : ProgramWindow(Qt::Dialog) {}
    void load() override
    {
        // A window that refers to itself while it loads finds itself.
        selfFound = &WindowRegistry::get<OtherWindow>() == this;
    }
    bool selfFound = false;
};

class HomeWindow : public ProgramWindow
{
public:
    HomeWindow() : ProgramWindow(Qt::Dialog) {}
};

// Whether home was on the screen at the moment the window left hid.
class HomeAtHide : public QObject
{
public:
    bool seen = false;
    bool homeShown = false;
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Hide && !seen) {
            seen = true;
            homeShown = WindowRegistry::get<HomeWindow>().isVisible();
        }
        return false;
    }
};

} // namespace

class TestWindowRegistry : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        WindowRegistry::unloadAll();
        loads = unloads = 0;
    }
    void cleanup()
    {
        WindowRegistry::unloadAll();
        WindowRegistry::setHome({});
        WindowRegistry::setWayOut({});
    }

    void loadedOnceOnFirstUse()
    {
        QVERIFY(!WindowRegistry::loaded<SomeWindow>());
        SomeWindow &first = WindowRegistry::get<SomeWindow>();
        QCOMPARE(&WindowRegistry::get<SomeWindow>(), &first);
        QCOMPARE(WindowRegistry::loaded<SomeWindow>(), &first);
        QCOMPARE(loads, 1);
        QVERIFY(WindowRegistry::get<OtherWindow>().selfFound);
    }

    void closeBoxUnloads()
    {
        QPointer<SomeWindow> window = &WindowRegistry::get<SomeWindow>();
        window->show();
        QVERIFY(window->close());
        QCOMPARE(unloads, 1);
        QVERIFY(!WindowRegistry::loaded<SomeWindow>());
        // The next use loads a fresh one, even before the closed one is gone.
        QVERIFY(&WindowRegistry::get<SomeWindow>() != window.data());
        QCOMPARE(loads, 2);
        QTRY_VERIFY(window.isNull());
    }

    void unloadAllLeavesNoWindow()
    {
        QPointer<SomeWindow> some = &WindowRegistry::get<SomeWindow>();
        QPointer<OtherWindow> other = &WindowRegistry::get<OtherWindow>();
        WindowRegistry::unloadAll();
        QVERIFY(some.isNull() && other.isNull());
        QVERIFY(!WindowRegistry::loaded<SomeWindow>() && !WindowRegistry::loaded<OtherWindow>());
        QCOMPARE(unloads, 0); // unloading at the end is not the close box
    }

    // Home and the way out are whatever the program said they are.
    void homeAndWayOut_data()
    {
        QTest::addColumn<bool>("quitting");
        QTest::addColumn<bool>("showFirst");
        QTest::addRow("home, hiding first") << false << false;
        QTest::addRow("home, shown first") << false << true;
        QTest::addRow("the way out") << true << false;
    }

    void homeAndWayOut()
    {
        QFETCH(bool, quitting);
        QFETCH(bool, showFirst);
        SomeWindow &from = WindowRegistry::get<SomeWindow>();
        from.show();
        // Nowhere to go: the window stays rather than leave the student with none.
        quitting ? WindowRegistry::startQuitting(from) : WindowRegistry::goHome(from);
        QVERIFY(from.isVisible());

        const auto home = []() -> ProgramWindow & { return WindowRegistry::get<HomeWindow>(); };
        quitting ? WindowRegistry::setWayOut(home) : WindowRegistry::setHome(home);
        HomeAtHide watch;
        from.installEventFilter(&watch);
        if (quitting)
            WindowRegistry::startQuitting(from);
        else
            WindowRegistry::goHome(from, showFirst ? WindowRegistry::Handover::ShowFirst
                                                   : WindowRegistry::Handover::HideFirst);
        QVERIFY(!from.isVisible());
        QVERIFY(WindowRegistry::get<HomeWindow>().isVisible());
        QCOMPARE(watch.homeShown, showFirst);
    }

    void leavingCancelsPendingCalls_data()
    {
        QTest::addColumn<bool>("closed");
        QTest::addRow("hidden") << false;
        QTest::addRow("closed") << true;
    }

    void leavingCancelsPendingCalls()
    {
        QFETCH(bool, closed);
        int calls = 0;
        SomeWindow &window = WindowRegistry::get<SomeWindow>();
        window.show();
        window.callLater(20, [&calls] { ++calls; });
        window.callLater(40, [&calls] { ++calls; });
        QVERIFY(window.hasPendingCalls());
        closed ? (void)window.close() : window.hide();
        QTest::qWait(100);
        QCOMPARE(calls, 0);

        // A window shown again makes its calls as usual.
        WindowRegistry::get<SomeWindow>().show();
        WindowRegistry::get<SomeWindow>().callLater(10, [&calls] { ++calls; });
        QTRY_COMPARE(calls, 1);
        QVERIFY(!WindowRegistry::get<SomeWindow>().hasPendingCalls());
    }

    // A notice stands its whole time even when another came before it, and goes
    // with the window.
    void noticesStandTheirTimeAndGoWithTheWindow()
    {
        SomeWindow &window = WindowRegistry::get<SomeWindow>();
        window.show();
        QString place = QStringLiteral("date");
        TimedNotice notice(
            &window, [&place](const QString &text) { place = text; },
            [&place] { place = QStringLiteral("date"); }, 300);
        notice.post(QStringLiteral("Printed"));
        QTest::qWait(200);
        notice.post(QStringLiteral("Picture saved"));
        QTest::qWait(200); // the first notice's time is over, the second's is not
        QCOMPARE(place, QStringLiteral("Picture saved"));
        QVERIFY(notice.isShowing());
        QTRY_COMPARE(place, QStringLiteral("date"));
        QVERIFY(!notice.isShowing());

        notice.post(QStringLiteral("Printed"));
        window.hide();
        QCOMPARE(place, QStringLiteral("date"));
        QVERIFY(!notice.isShowing());
    }
};

QTEST_MAIN(TestWindowRegistry)
#include "tst_windowregistry.moc"
