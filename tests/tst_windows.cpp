// The window registry: one instance per window, loaded on first use, unloaded by
// its close box, and every loaded window gone after unloadAll().
#include "widgets/programwindow.h"
#include "widgets/windows.h"

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
        selfFound = &Windows::get<OtherWindow>() == this;
    }
    bool selfFound = false;
};

} // namespace

class TestWindows : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        Windows::unloadAll();
        loads = unloads = 0;
    }
    void cleanup() { Windows::unloadAll(); }

    void loadedOnceOnFirstUse()
    {
        QVERIFY(!Windows::loaded<SomeWindow>());
        SomeWindow &first = Windows::get<SomeWindow>();
        QCOMPARE(&Windows::get<SomeWindow>(), &first);
        QCOMPARE(Windows::loaded<SomeWindow>(), &first);
        QCOMPARE(loads, 1);
        QVERIFY(Windows::get<OtherWindow>().selfFound);
    }

    void closeBoxUnloads()
    {
        QPointer<SomeWindow> window = &Windows::get<SomeWindow>();
        window->show();
        QVERIFY(window->close());
        QCOMPARE(unloads, 1);
        QVERIFY(!Windows::loaded<SomeWindow>());
        // The next use loads a fresh one, even before the closed one is gone.
        QVERIFY(&Windows::get<SomeWindow>() != window.data());
        QCOMPARE(loads, 2);
        QTRY_VERIFY(window.isNull());
    }

    void unloadAllLeavesNoWindow()
    {
        QPointer<SomeWindow> some = &Windows::get<SomeWindow>();
        QPointer<OtherWindow> other = &Windows::get<OtherWindow>();
        Windows::unloadAll();
        QVERIFY(some.isNull() && other.isNull());
        QVERIFY(!Windows::loaded<SomeWindow>() && !Windows::loaded<OtherWindow>());
        QCOMPARE(unloads, 0); // unloading at the end is not the close box
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
        SomeWindow &window = Windows::get<SomeWindow>();
        window.show();
        window.callLater(20, [&calls] { ++calls; });
        window.callLater(40, [&calls] { ++calls; });
        QVERIFY(window.hasPendingCalls());
        closed ? (void)window.close() : window.hide();
        QTest::qWait(100);
        QCOMPARE(calls, 0);

        // A window shown again makes its calls as usual.
        Windows::get<SomeWindow>().show();
        Windows::get<SomeWindow>().callLater(10, [&calls] { ++calls; });
        QTRY_COMPARE(calls, 1);
        QVERIFY(!Windows::get<SomeWindow>().hasPendingCalls());
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
