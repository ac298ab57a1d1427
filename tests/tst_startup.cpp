// The start-up sequence: backdrop, animated title, proverb window, main window.
#include "programfixture.h"

#include "game/game.h"
#include "info/copyrigh.h"
#include "info/howto.h"
#include "info/introfrm.h"
#include "info/quiz.h"
#include "info/referenc.h"
#include "info/vater.h"
#include "largegraph/larggraf.h"
#include "widgets/artwork.h"

#include <QLabel>
#include <QTimer>

class TestStartup : public ProgramTest
{
    Q_OBJECT

private slots:
    void loadShowsBackdropAndTitleOnly();
    void titleAnimationCycle();
    void leavingTheTitle_data();
    void leavingTheTitle();
    void doubleClickGoesStraightToTheMainWindow();
    void leavingTheProverb_data();
    void leavingTheProverb();
    void noticeFollowsTheSystemYear();
    void portraitSitsAtTheFramesRightEdge();
    void layoutMatchesTheTwips_data();
    void layoutMatchesTheTwips();
    void everyControlCarriesItsName();
    void greekCaption();
    void closingTheMainWindowEndsTheProgram();
    void everyWindowCarriesTheProgramIcon();
};

void TestStartup::loadShowsBackdropAndTitleOnly()
{
    Form1 &form = program.start();
    const Controls<Form1> ui(form);
    QVERIFY(WindowRegistry::get<Backform>().isVisible());
    QCOMPARE(WindowRegistry::get<Backform>().background(), QColor(0, 0, 64));
    QVERIFY(WindowRegistry::get<titlform>().isVisible());
    QVERIFY(!form.isVisible());
    QVERIFY(!WindowRegistry::loaded<Prophecy>());
    QCOMPARE(form.windowTitle(), QStringLiteral("Basic Tarnwick Theory"));
    QCOMPARE(form.size(), QSize(850, 618));
    QVERIFY(Harvest.SimuT == 65);
    QVERIFY(Harvest.GrowthModel == Growth::Logistic);
    QVERIFY(ui.Label16->isVisibleTo(&form) && ui.Label17->isVisibleTo(&form));
    QVERIFY(!ui.MSChart1->isChartVisible());
    QCOMPARE(ui.Label17->text().split(QLatin1Char('\n')).size(), 4);
    QVERIFY(ui.Label17->text().startsWith(
        QStringLiteral("Press Enter or click RUN to begin the simulation.  \n")));
    QCOMPARE(ui.Label9->text().split(QLatin1Char('\n')).size(), 7);
    QVERIFY(ui.Command2->isEnabled());
    QVERIFY(!ui.Command11->isEnabled());
    QVERIFY(!ui.Command5->isEnabled());
    QVERIFY(controlsOf<titlform>().Timer1->isActive());
    QCOMPARE(controlsOf<titlform>().Timer1->interval(), 200);
}

void TestStartup::titleAnimationCycle()
{
    program.start();
    titlform &title = WindowRegistry::get<titlform>();
    const Controls<titlform> ui(title);
    auto shown = [&] {
        QList<int> visible;
        for (int i = 0; i < 8; ++i)
            if (ui.Label1[static_cast<std::size_t>(i)]->isVisibleTo(&title))
                visible << i;
        return visible;
    };
    QCOMPARE(shown(), QList<int>());
    // Growing from the bottom (24 pt) to the top (60 pt), resting six ticks, then
    // Greek at the bottom, and again from the start.
    const QList<int> expected = {1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 7, 7, 0, 1, 2};
    for (int tick = 0; tick < expected.size(); ++tick) {
        QVERIFY(nextTick(ui.Timer1));
        QCOMPARE(shown(), QList<int>({expected[tick]}));
    }
    QCOMPARE(ui.Label1[1]->font().pixelSize(), pointsToPixels(24));
    QCOMPARE(ui.Label1[7]->font().pixelSize(), pointsToPixels(60));
    QVERIFY(ui.Label1[1]->y() > ui.Label1[7]->y());
}

void TestStartup::leavingTheTitle_data()
{
    QTest::addColumn<int>("how");
    QTest::addRow("Enter") << 0;
    QTest::addRow("letter key") << 1;
    QTest::addRow("space key") << 2;
    QTest::addRow("click on the window") << 3;
    QTest::addRow("click on a title label") << 4;
    QTest::addRow("click on the start label") << 5;
    QTest::addRow("closed by the window manager") << 6;
}

void TestStartup::leavingTheTitle()
{
    QFETCH(int, how);
    Form1 &form = program.start();
    titlform &title = WindowRegistry::get<titlform>();
    const Controls<titlform> ui(title);
    QVERIFY(nextTick(ui.Timer1)); // the first label of the caption shows
    switch (how) {
    case 0: QTest::keyClick(&title, Qt::Key_Return); break;
    case 1: QTest::keyClick(&title, Qt::Key_Q); break;
    case 2: QTest::keyClick(&title, Qt::Key_Space); break;
    case 3: QTest::mouseClick(&title, Qt::LeftButton, {}, QPoint(800, 300)); break;
    case 4: click(ui.Label1[1]); break;
    case 5:
        QTest::mouseClick(ui.Label2, Qt::LeftButton);
        QTRY_VERIFY(!title.isVisible()); // a single click waits out the double-click time
        break;
    case 6: QVERIFY(!title.close()); break;
    }
    QVERIFY(!title.isVisible());
    QVERIFY(WindowRegistry::get<Prophecy>().isVisible());
    QCOMPARE(WindowRegistry::get<Backform>().background(), QColor(255, 255, 255));
    QVERIFY(!form.isVisible());
    // The title keeps animating while hidden.
    QVERIFY(ui.Timer1->isActive());
}

void TestStartup::doubleClickGoesStraightToTheMainWindow()
{
    Form1 &form = program.start();
    titlform &title = WindowRegistry::get<titlform>();
    QTest::mouseDClick(Controls<titlform>(title).Label2, Qt::LeftButton);
    QVERIFY(!title.isVisible());
    QVERIFY(form.isVisible());
    QCOMPARE(WindowRegistry::get<Backform>().background(), QColor(255, 255, 255));
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    QVERIFY(!WindowRegistry::loaded<Prophecy>() || !WindowRegistry::get<Prophecy>().isVisible());
}

void TestStartup::leavingTheProverb_data()
{
    QTest::addColumn<int>("how");
    QTest::addRow("key on the picture") << 0;
    QTest::addRow("Escape on the window") << 1;
    QTest::addRow("click on the picture") << 2;
    QTest::addRow("click beside the picture") << 3;
    QTest::addRow("closed by the window manager") << 4;
}

void TestStartup::leavingTheProverb()
{
    QFETCH(int, how);
    Form1 &form = program.start();
    QTest::keyClick(&WindowRegistry::get<titlform>(), Qt::Key_Space);
    Prophecy &proverb = WindowRegistry::get<Prophecy>();
    const Controls<Prophecy> ui(proverb);
    switch (how) {
    case 0: QTest::keyClick(ui.Picture1, Qt::Key_A); break;
    case 1: QTest::keyClick(&proverb, Qt::Key_Escape); break;
    case 2: QTest::mouseClick(ui.Picture1, Qt::LeftButton); break;
    case 3: QTest::mouseClick(&proverb, Qt::LeftButton, {}, QPoint(5, 5)); break;
    case 4: QVERIFY(!proverb.close()); break;
    }
    QVERIFY(!proverb.isVisible());
    QVERIFY(form.isVisible());
    QCOMPARE(WindowRegistry::get<Backform>().background(), QColor(0, 0, 0));
    QVERIFY(WindowRegistry::loaded<Prophecy>()); // only hidden, never unloaded
    QCOMPARE(ui.Picture1->size(), QSize(640, 480));
    const QPoint offCentre = ui.Picture1->geometry().center() - proverb.rect().center();
    QVERIFY(offCentre.manhattanLength() <= 1);
}

void TestStartup::noticeFollowsTheSystemYear()
{
    Environment::setNow([] { return QDateTime(QDate(2031, 3, 4), QTime(10, 0)); });
    const Controls<Form1> ui(program.start());
    QVERIFY(ui.Label7->text().contains(QLatin1String("2031")));
    QVERIFY(!ui.Label7->text().contains(QLatin1String("2026")));
}

void TestStartup::portraitSitsAtTheFramesRightEdge()
{
    const Controls<Form1> ui(program.start());
    const QRect image = ui.Image1->geometry();
    QCOMPARE(image.size(), QSize(136, 180));
    const int rightGapTwips = (ui.Frame4->width() - image.right() - 1) * TwipsPerPixel;
    QVERIFY2(std::abs(rightGapTwips - 100) <= TwipsPerPixel,
             qPrintable(QString::number(rightGapTwips)));
    QVERIFY(std::abs(image.top() - (ui.Frame4->height() - image.bottom() - 1)) <= 1);
}

void TestStartup::layoutMatchesTheTwips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::addRow("title label") << "Label15" << QRect(120, 120, 3975, 615);
    QTest::addRow("parameters frame") << "Frame2" << QRect(120, 3120, 3975, 4215);
    QTest::addRow("K box") << "Kvalue" << QRect(2640, 1200, 1215, 420);
    QTest::addRow("chart") << "MSChart1" << QRect(120, 240, 5676, 3468);
    QTest::addRow("RUN") << "Command2" << QRect(120, 3720, 1095, 375);
    QTest::addRow("quiz button") << "Command13" << QRect(3240, 1200, 615, 615);
    QTest::addRow("date label") << "Label6" << QRect(120, 2400, 3852, 372);
}

void TestStartup::layoutMatchesTheTwips()
{
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    Form1 &form = program.start();
    auto *control = form.findChild<QWidget *>(name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
}

void TestStartup::everyControlCarriesItsName()
{
    Form1 &form = program.start();
    const Controls<Form1> ui(form);
    for (const char *name :
         {"Label15",  "Label7",    "Frame1",    "Option1",  "Option2",     "Label10",  "Label11",
          "Command9", "Command12", "Command13", "Frame2",   "Label1",      "rrate",    "Label2",
          "n0",       "Label8",    "Kvalue",    "Label5",   "Harvestrate", "Label3",   "simut",
          "Label13",  "Label12",   "Label4",    "Text4",    "Frame3",      "MSChart1", "Label16",
          "Label17",  "Command2",  "Command11", "Command5", "Command10",   "Command1", "Frame4",
          "Label9",   "Label6",    "Image1",    "Timer1"})
        QVERIFY2(form.findChild<QObject *>(QLatin1String(name)), name);
    for (int i = 0; i < 8; ++i)
        QVERIFY(WindowRegistry::get<titlform>().findChild<QLabel *>(
            QStringLiteral("Label1(%1)").arg(i)));
    QCOMPARE(ui.Command2->toolTip(), QStringLiteral("Run simulation"));
    QCOMPARE(ui.Command11->toolTip(), QStringLiteral("Show more detail in large graph"));
    QCOMPARE(ui.Command10->text(), QStringLiteral(" Print"));
    QCOMPARE(ui.Image1->toolTip(), QStringLiteral("How to"));
    QCOMPARE(ui.Command2->cursor().shape(), Qt::BitmapCursor);
}

void TestStartup::greekCaption()
{
    QCOMPARE(symbolFontText(QStringLiteral("Tarnwick (Basic)")),
             QStringLiteral("Ταρνωιχκ (Βασιχ)"));
    program.start();
    const Controls<titlform> title = controlsOf<titlform>();
    QCOMPARE(title.Label1[0]->text(), QStringLiteral("Ταρνωιχκ (Βασιχ)"));
    QCOMPARE(title.Label1[3]->text(), QStringLiteral("Tarnwick (Basic)"));
}

void TestStartup::closingTheMainWindowEndsTheProgram()
{
    Form1 &form = program.startAtMainWindow();
    QVERIFY(form.isVisible());
    QVERIFY(!program.ended);
    form.close();
    QVERIFY(program.ended);
}

// The title bar and the task bar show the program's icon for every window,
// those of the start-up included.
void TestStartup::everyWindowCarriesTheProgramIcon()
{
    program.start();
    const QImage icon = programIcon().pixmap(32).toImage();
    QVERIFY(!icon.isNull());
    const QList<QWidget *> windows
        = {&WindowRegistry::get<Backform>(), &WindowRegistry::get<titlform>(),
           &WindowRegistry::get<Prophecy>(), &WindowRegistry::get<Form1>(),
           &WindowRegistry::get<larggraf>(), &WindowRegistry::get<Game>(),
           &WindowRegistry::get<Introfrm>(), &WindowRegistry::get<Howto>(),
           &WindowRegistry::get<Referenc>(), &WindowRegistry::get<Quiz>(),
           &WindowRegistry::get<copyrigh>(), &WindowRegistry::get<Vater>()};
    for (QWidget *window : windows)
        QVERIFY2(window->windowIcon().pixmap(32).toImage() == icon,
                 qPrintable(window->objectName()));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
