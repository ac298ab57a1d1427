// Every window with the keyboard alone: Tab reaches every control there is to
// reach, and a screen reader finds a name for each of them and for every picture.
#include "programfixture.h"

#include "game/game.h"
#include "info/copyrigh.h"
#include "info/howto.h"
#include "info/introfrm.h"
#include "info/quiz.h"
#include "info/referenc.h"
#include "info/vater.h"
#include "largegraph/larggraf.h"

#include <QAccessible>
#include <QRadioButton>

namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// A control Tab stops at. Options that exclude each other make one stop together:
// Tab enters the group, the arrow keys choose within it.
bool isTabStop(QWidget *w, QWidget *window)
{
    return w->isVisibleTo(window) && w->isEnabled() && !w->focusProxy()
           && (w->focusPolicy() & Qt::TabFocus);
}

// What a stop stands for: the control, or the group of options it belongs to.
QObject *stopOf(QWidget *w)
{
    auto *option = qobject_cast<QRadioButton *>(w);
    return option && option->autoExclusive() ? option->parent() : w;
}

} // namespace

class TestKeyboardWalk : public ProgramTest
{
    Q_OBJECT

private slots:
    void tabReachesEveryControl_data();
    void tabReachesEveryControl();
};

void TestKeyboardWalk::tabReachesEveryControl_data()
{
    QTest::addColumn<QString>("window");
    for (const char *name : {"Form1", "Introfrm", "Howto", "Referenc", "copyrigh", "Quiz", "Vater",
                             "larggraf", "Game"})
        QTest::addRow("%s", name) << name;
}

void TestKeyboardWalk::tabReachesEveryControl()
{
    QFETCH(QString, window);
    Form1 &form = program.startAtMainWindow();
    const Controls<Form1> ui(form);
    click(ui.Command2);
    QWidget *shown = &form;
    if (window == QLatin1String("Introfrm"))
        click(ui.Command9), shown = &WindowRegistry::get<Introfrm>();
    else if (window == QLatin1String("Howto"))
        click(ui.Label15), shown = &WindowRegistry::get<Howto>();
    else if (window == QLatin1String("Referenc"))
        click(ui.Command9), click(controlsOf<Introfrm>().Command2),
            shown = &WindowRegistry::get<Referenc>();
    else if (window == QLatin1String("copyrigh"))
        click(ui.Command1), shown = &WindowRegistry::get<copyrigh>();
    else if (window == QLatin1String("Quiz"))
        click(ui.Command13), shown = &WindowRegistry::get<Quiz>();
    else if (window == QLatin1String("Vater"))
        click(ui.Command1), click(controlsOf<copyrigh>().Command1),
            shown = &WindowRegistry::get<Vater>();
    else if (window == QLatin1String("larggraf"))
        click(ui.Command11), shown = &WindowRegistry::get<larggraf>();
    else if (window == QLatin1String("Game"))
        click(ui.Command12), shown = &WindowRegistry::get<Game>();
    QVERIFY(QTest::qWaitForWindowActive(shown));

    QList<QObject *> stops;
    for (QWidget *w : shown->findChildren<QWidget *>())
        if (isTabStop(w, shown) && !stops.contains(stopOf(w)))
            stops << stopOf(w);
    QVERIFY(!stops.isEmpty());

    QWidget *start = QApplication::focusWidget();
    QVERIFY(start && start->window() == shown);
    QList<QWidget *> visited;
    for (int tab = 0; tab < 100; ++tab) {
        QWidget *now = QApplication::focusWidget();
        if (visited.contains(now))
            break;
        visited << now;
        QTest::keyClick(now, Qt::Key_Tab);
    }
    QList<QObject *> reached;
    for (QWidget *w : visited)
        reached << stopOf(w);
    for (QObject *stop : stops)
        QVERIFY2(reached.contains(stop), qPrintable(stop->objectName()));
    QCOMPARE(reached.size(), stops.size()); // each stop once, a group of options once
    for (QWidget *w : visited) {
        QVERIFY2(!accessibleName(w).trimmed().isEmpty(), qPrintable(w->objectName()));
    }
    // Pictures carry names too.
    for (QLabel *label : shown->findChildren<QLabel *>())
        if (!label->pixmap().isNull())
            QVERIFY2(!accessibleName(label).trimmed().isEmpty(), qPrintable(label->objectName()));
}

QTEST_MAIN(TestKeyboardWalk)
#include "tst_keyboardwalk.moc"
