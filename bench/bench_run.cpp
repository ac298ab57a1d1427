// How long a student waits, measured from outside with the real windows under the
// offscreen platform: every figure a student waits for includes the painting.
// Prints one line per figure: name, median, unit, and the budget it must meet.
//
//   tarnwick_bench [--repeat N] [--probe path/to/tarnwick_startup_probe]
#include "app/prophecy.h"
#include "app/startup.h"
#include "app/titlform.h"
#include "charts/qtchartcontrol.h"
#include "game/game.h"
#include "info/copyrigh.h"
#include "info/howto.h"
#include "info/introfrm.h"
#include "info/quiz.h"
#include "info/referenc.h"
#include "info/vater.h"
#include "largegraph/larggraf.h"
#include "mainwindow/form1.h"
#include "model/harvest.h"
#include "widgets/design.h"
#include "widgets/environment.h"
#include "widgets/windowregistry.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

int repeat = 21;
int overBudget = 0;
QString only; // run only the figures whose names hold this

// Lets everything queued happen, as the event loop would, until nothing is left:
// the painting of the window included, and whatever the painting queued in turn.
// A widget that has nothing left to paint by then (its window not exposed) is
// painted into a picture instead.
void settle(QWidget *painted)
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    for (int pass = 0; pass < 50 && dispatcher->processEvents(QEventLoop::AllEvents); ++pass) {
    }
    if (!painted->window()->windowHandle() || !painted->window()->windowHandle()->isExposed())
        painted->grab();
}

bool wanted(const QString &name) { return only.isEmpty() || name.contains(only); }

void report(const QString &name, double median, const char *unit, double budget)
{
    const bool over = budget > 0 && median > budget;
    overBudget += over;
    std::printf("%-34s %10.2f %-3s %s\n", qPrintable(name), median, unit,
                budget > 0 ? qPrintable(QStringLiteral("(budget %1%2)")
                                            .arg(budget)
                                            .arg(over ? QStringLiteral(", OVER") : QString()))
                           : "");
    std::fflush(stdout);
}

// The median of `repeat` timings of `measured`, each after an untimed `prepare`.
double medianMs(const std::function<void()> &prepare, const std::function<void()> &measured)
{
    if (repeat <= 0)
        return 0;
    std::vector<double> times;
    for (int i = 0; i < repeat; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        measured();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + long(times.size() / 2), times.end());
    return times[times.size() / 2];
}

Form1 &mainWindow(Growth model, const char *runLength)
{
    WindowRegistry::unloadAll();
    Harvest = HarvestState{};
    StartUp::begin();
    Form1 &form = WindowRegistry::get<Form1>();
    WindowRegistry::get<titlform>().Form_Click();
    QCoreApplication::processEvents();
    WindowRegistry::get<Prophecy>().Form_Click();
    form.resize(form.size());
    if (model == Growth::Exponential)
        form.Option1->click();
    form.simut->setText(QString::fromLatin1(runLength));
    QTest::keyClick(form.simut, Qt::Key_Return);
    form.Command2_Click();
    settle(&form);
    return form;
}

void runFigures(const char *runLength)
{
    const QString name
        = QStringLiteral("run (T=%1) to painted chart").arg(QLatin1String(runLength));
    if (!wanted(name))
        return;
    Form1 &form = mainWindow(Growth::Logistic, runLength);
    bool flip = false;
    // An entry confirmed with Enter hides the chart; RUN brings it back.
    const double ms = medianMs(
        [&] {
            flip = !flip;
            form.Kvalue->setText(flip ? QStringLiteral("500.0") : QStringLiteral("500"));
            QTest::keyClick(form.Kvalue, Qt::Key_Return);
            QCoreApplication::processEvents();
        },
        [&] {
            QTest::mouseClick(form.Command2, Qt::LeftButton);
            settle(form.MSChart1);
        });
    report(name, ms, "ms", QLatin1String(runLength) == QLatin1String("2000") ? 3 : 0);
}

// The nine clicks of a chart cycle, each from the position before it: `index` is
// the window's cycle position, `at` a place on its chart.
void cycleFigures(const QString &window, const char *model, int &index, QtChartControl *chart,
                  QPoint at)
{
    for (int position = 1; position <= 9; ++position) {
        const int target = position % 9;
        const QString figure
            = QStringLiteral("%1 %2 chart %3 click").arg(window, QLatin1String(model)).arg(target);
        if (!wanted(figure))
            continue;
        const double ms = medianMs([&] { index = (target + 8) % 9; },
                                   [&] {
                                       QTest::mouseClick(chart->viewport(), Qt::LeftButton, {}, at);
                                       settle(chart);
                                   });
        report(figure, ms, "ms", 3);
    }
}

void clickFigures(Growth model)
{
    const char *name = model == Growth::Logistic ? "logistic" : "exponential";
    Form1 &form = mainWindow(model, "2000");
    cycleFigures(QStringLiteral("main"), name, Harvest.GraphIndex, form.MSChart1, QPoint(100, 100));
    form.ShowLargeGraph();
    larggraf &large = WindowRegistry::get<larggraf>();
    settle(&large);
    cycleFigures(QStringLiteral("large"), name, Harvest.LargeGraphIndex, large.MSChart1,
                 QPoint(200, 200));
}

void openLargeFigure()
{
    if (!wanted(QStringLiteral("open large graph to painted")))
        return;
    Form1 &form = mainWindow(Growth::Logistic, "2000");
    const double ms = medianMs(
        [&] {
            if (WindowRegistry::loaded<larggraf>())
                WindowRegistry::get<larggraf>().Command4_Click();
            QCoreApplication::processEvents();
        },
        [&] {
            QTest::mouseClick(form.Command11, Qt::LeftButton);
            settle(&WindowRegistry::get<larggraf>());
        });
    report(QStringLiteral("open large graph to painted"), ms, "ms", 16);
}

void gameFigure()
{
    if (!wanted(QStringLiteral("game run of 10000 days")))
        return;
    mainWindow(Growth::Logistic, "65").Command12_Click();
    Game &game = WindowRegistry::get<Game>();
    game.box(GameBox::DailyH)->setText(QStringLiteral("10"));
    game.box(GameBox::SimutY)->setText(QStringLiteral("10000"));
    const double ms = medianMs([&] { game.Command1->setEnabled(true); },
                               [&] {
                                   game.Command1_Click();
                                   settle(&game);
                               });
    report(QStringLiteral("game run of 10000 days"), ms, "ms", 0);
}

void startupFigure(const QString &probe)
{
    if (probe.isEmpty() || !QFile::exists(probe) || !wanted(QStringLiteral("start-up")))
        return;
    const double ms = medianMs([] {},
                               [&] {
                                   QProcess process;
                                   process.start(probe, {});
                                   process.waitForFinished(10000);
                               });
    report(QStringLiteral("start-up to painted title"), ms, "ms", 300);
}

// The highest resident memory after a tour of every window.
void memoryFigure()
{
    if (!wanted(QStringLiteral("peak resident memory")))
        return;
    Form1 &form = mainWindow(Growth::Logistic, "2000");
    for (int click = 0; click < 9; ++click)
        form.MSChart1_Click();
    form.ShowLargeGraph();
    for (int click = 0; click < 9; ++click)
        WindowRegistry::get<larggraf>().MSChart1_Click();
    WindowRegistry::get<larggraf>().Command4_Click();
    form.Command12_Click();
    WindowRegistry::get<Game>().Command1_Click();
    WindowRegistry::get<Game>().Command4_Click();
    form.Command9_Click();
    WindowRegistry::get<Introfrm>().Command2_Click();
    WindowRegistry::get<Referenc>().Command1_Click();
    form.Label15_Click();
    WindowRegistry::get<Howto>().Command1_Click();
    form.Command13_Click();
    WindowRegistry::get<Quiz>().Command1_Click();
    form.Command1_Click();
    WindowRegistry::get<copyrigh>().Command1_Click();
    settle(&WindowRegistry::get<Vater>());
    QFile status(QStringLiteral("/proc/self/status"));
    double peak = 0;
    if (status.open(QIODevice::ReadOnly))
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("VmHWM:"))
                peak = line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    report(QStringLiteral("peak resident memory after a tour"), peak, "MB", 80);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    Environment::setEndProgram([] {});
    QString probe;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--repeat"))
            repeat = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--probe"))
            probe = args[i + 1];
        else if (args[i] == QLatin1String("--only"))
            only = args[i + 1];
    }
    runFigures("65");
    runFigures("2000");
    clickFigures(Growth::Logistic);
    clickFigures(Growth::Exponential);
    openLargeFigure();
    gameFigure();
    startupFigure(probe);
    memoryFigure();
    WindowRegistry::unloadAll();
    std::printf("%d figure(s) over budget\n", overBudget);
    return 0;
}
