// Renders every window of the program to PNG for visual review: the start-up
// windows, the main window before and after a run, each of the nine charts of the
// main window's click cycle under both models, and the information windows.
#include "app/backform.h"
#include "app/prophecy.h"
#include "app/startup.h"
#include "app/titlform.h"
#include "chartkit/qtchartcontrol.h"
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
#include "widgets/controls.h"
#include "widgets/design.h"
#include "widgets/environment.h"
#include "widgets/printing.h"
#include "widgets/windowregistry.h"

#include <QApplication>
#include <QChart>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

QString outputDir;

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(20);
    }
}

void save(QWidget *window, const QString &name)
{
    settle();
    const QString path = QDir(outputDir).filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(path))
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void enter(QLineEdit *box, const QString &text)
{
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

// The nine charts of one model side by side, three to a row, for a quick review.
void saveSheet(const QList<QPixmap> &charts, const QString &name)
{
    const QSize cell = charts.first().size();
    QPixmap sheet(cell.width() * 3, cell.height() * int((charts.size() + 2) / 3));
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    for (int i = 0; i < charts.size(); ++i)
        painter.drawPixmap((i % 3) * cell.width(), (i / 3) * cell.height(), charts[i]);
    painter.end();
    const QString path = QDir(outputDir).filePath(name + QStringLiteral(".png"));
    if (sheet.save(path))
        std::printf("%s\n", qPrintable(path));
}

void chartCycle(Form1 &form, const char *model)
{
    // The cycle position survives runs: bring it to 0 so the names match the positions.
    Harvest.GraphIndex = 0;
    form.Command2_Click();
    QList<QPixmap> charts;
    save(&form, QStringLiteral("form1-%1-0").arg(QLatin1String(model)));
    charts << form.Frame3->grab();
    for (int position = 1; position <= 8; ++position) {
        form.MSChart1_Click();
        save(&form, QStringLiteral("form1-%1-%2").arg(QLatin1String(model)).arg(position));
        charts << form.Frame3->grab();
    }
    saveSheet(charts, QStringLiteral("form1-%1-charts").arg(QLatin1String(model)));
}

// The main window with the read-out of the point under the mouse, drawn in the
// chart beside the point.
void hoverShot(Form1 &form)
{
    form.MSChart1_Click(); // round to N(t) against time
    settle();
    QtChartControl *chart = form.MSChart1;
    const QPointF value = chart->plotted().at(1).at(20);
    const QPointF inChart = chart->chart()->mapToPosition(value, chart->chart()->series().at(1));
    QTest::mouseMove(chart->viewport(), chart->mapFromScene(chart->chart()->mapToScene(inChart)));
    save(&form, QStringLiteral("form1-readout"));
}

// The read-out the arrow keys move, on the theory chart of the large window: the
// first point, up to the harvested curve, and twenty points along it.
void keyboardShot(Form1 &form)
{
    Harvest.LargeGraphIndex = 0;
    form.ShowLargeGraph();
    larggraf &large = WindowRegistry::get<larggraf>();
    for (int click = 0; click < 9
                        && !large.MSChart1->accessibleName().startsWith(
                            QLatin1String("Graph for theoretical analysis"));
         ++click)
        large.MSChart1_Click();
    large.MSChart1->setFocus();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_PageUp})
        QTest::keyClick(large.MSChart1, key);
    save(&large, QStringLiteral("larggraf-keyboard-readout"));
    large.Command4_Click();
}

// A run of 2000 steps for a handout: the chart saved as SVG, drawn back from the
// file at twice the size, and the main window as the printer gets it.
void handoutShots(Form1 &form)
{
    enter(form.simut, QStringLiteral("2000"));
    form.Command2_Click();
    settle();
    const QString svg = QDir(outputDir).filePath(QStringLiteral("export-2000.svg"));
    form.MSChart1->exporter().savePicture(svg);
    QSvgRenderer drawing(svg);
    QImage drawn(drawing.defaultSize() * 2, QImage::Format_ARGB32);
    drawn.fill(Qt::white);
    QPainter painter(&drawn);
    drawing.render(&painter);
    painter.end();
    drawn.save(QDir(outputDir).filePath(QStringLiteral("export-2000-svg.png")));

    QImage page(form.size() * 2, QImage::Format_ARGB32);
    page.fill(Qt::white);
    QPainter printer(&page);
    paintWindow(&form, printer, page.rect());
    printer.end();
    page.save(QDir(outputDir).filePath(QStringLiteral("print-form1.png")));
    enter(form.simut, QStringLiteral("65"));
}

// The large window's opening view and the nine positions of its own cycle.
void largeCycle(Form1 &form, const char *model)
{
    Harvest.LargeGraphIndex = 0;
    form.ShowLargeGraph();
    larggraf &large = WindowRegistry::get<larggraf>();
    save(&large, QStringLiteral("larggraf-%1-open").arg(QLatin1String(model)));
    QList<QPixmap> charts;
    for (int click = 1; click <= 9; ++click) {
        large.MSChart1_Click();
        save(&large, QStringLiteral("larggraf-%1-%2").arg(QLatin1String(model)).arg(click % 9));
        charts << large.Frame2->grab().scaled(large.Frame2->size() / 2, Qt::KeepAspectRatio,
                                              Qt::SmoothTransformation);
    }
    charts.prepend(charts.takeLast()); // position 0 first
    saveSheet(charts, QStringLiteral("larggraf-%1-charts").arg(QLatin1String(model)));
    large.Command4_Click();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    outputDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outputDir);
    Environment::setEndProgram([] {});

    StartUp::begin();
    Form1 &form = WindowRegistry::get<Form1>();
    titlform &title = WindowRegistry::get<titlform>();
    title.Timer1->stop();
    title.Timer1_Timer();
    save(&title, QStringLiteral("titlform-tick1"));
    for (int tick = 2; tick <= 7; ++tick)
        title.Timer1_Timer();
    save(&title, QStringLiteral("titlform-tick7"));
    for (int tick = 8; tick <= 13; ++tick)
        title.Timer1_Timer();
    save(&title, QStringLiteral("titlform-greek"));

    Backform &back = WindowRegistry::get<Backform>();
    back.resize(320, 200);
    save(&back, QStringLiteral("backform-navy"));

    title.Form_Click();
    save(&WindowRegistry::get<Prophecy>(), QStringLiteral("prophecy"));
    WindowRegistry::get<Prophecy>().Form_Click();
    save(&form, QStringLiteral("form1-start"));

    chartCycle(form, "logistic");
    largeCycle(form, "logistic");

    // A handout: the read-out under the mouse, and the chart saved as a picture.
    hoverShot(form);
    form.MSChart1->exporter().savePicture(QDir(outputDir).filePath(QStringLiteral("export-chart.png")));
    keyboardShot(form);
    handoutShots(form);

    enter(form.Harvestrate, QStringLiteral("40"));
    form.Command2_Click();
    save(&form, QStringLiteral("form1-logistic-extinct"));

    // Extinct in the first step: one point each, and a chart with nothing to draw.
    enter(form.n0, QStringLiteral("5"));
    enter(form.rrate, QStringLiteral("0.39"));
    enter(form.Kvalue, QStringLiteral("2500"));
    enter(form.Harvestrate, QStringLiteral("10"));
    form.Command2_Click();
    save(&form, QStringLiteral("form1-first-step-extinct"));
    form.MSChart1_Click();
    save(&form, QStringLiteral("form1-first-step-extinct-dn"));
    for (int click = 0; click < 8; ++click)
        form.MSChart1_Click();
    enter(form.n0, QStringLiteral("100"));
    enter(form.Kvalue, QStringLiteral("500"));
    enter(form.rrate, QStringLiteral("0.2"));
    enter(form.Harvestrate, QStringLiteral("40"));
    enter(form.simut, QStringLiteral("65"));

    enter(form.Kvalue, QStringLiteral("0"));
    form.Kvalue->setText(QStringLiteral("0"));
    enter(form.rrate, QStringLiteral("0.2"));
    form.Command2_Click();
    save(&form, QStringLiteral("form1-refused-k0"));

    form.Option1->click();
    save(&form, QStringLiteral("form1-exponential-options"));
    chartCycle(form, "exponential");
    largeCycle(form, "exponential");

    enter(form.rrate, QStringLiteral("0.4"));
    enter(form.simut, QStringLiteral("2000"));
    form.Command2_Click();
    save(&form, QStringLiteral("form1-refused-overflow"));

    // The game: at start, each verdict (from the examples), and after "Random data".
    form.Command12_Click();
    Game &game = WindowRegistry::get<Game>();
    save(&game, QStringLiteral("game-start"));
    const std::pair<QRadioButton *, const char *> examples[] = {{game.EgRich, "rich"},
                                                                {game.EgOk, "money"},
                                                                {game.EgLoser, "loser"},
                                                                {game.Egbroke, "broke"},
                                                                {game.EgJail, "jail"}};
    for (const auto &[example, name] : examples) {
        example->click();
        game.Command1_Click();
        save(&game, QStringLiteral("game-%1").arg(QLatin1String(name)));
    }
    // A debt of twelve digits keeps its sign in sight; "How to" shows above the picture.
    enter(game.box(GameBox::CostPerInd), QStringLiteral("10000000"));
    game.Command1_Click();
    save(&game, QStringLiteral("game-debt"));
    // Doubling for 300 days: numbers of 94 digits keep their size in sight.
    enter(game.box(GameBox::CostPerInd), QStringLiteral("1"));
    enter(game.box(GameBox::GRate), QStringLiteral("1"));
    enter(game.box(GameBox::SimutY), QStringLiteral("300"));
    game.Command1_Click();
    save(&game, QStringLiteral("game-huge"));
    enter(game.box(GameBox::GRate), QStringLiteral("0.2"));
    enter(game.box(GameBox::SimutY), QStringLiteral("30"));
    enter(game.box(GameBox::CostPerInd), QStringLiteral("10000000"));
    game.Command1_Click();
    game.Command3_Click();
    save(&game, QStringLiteral("game-howto-after-run"));
    game.Option2->click();
    game.Command2_Click();
    save(&game, QStringLiteral("game-random-data"));
    game.Command4_Click();

    // The information windows and the way out.
    form.Command9_Click();
    save(&WindowRegistry::get<Introfrm>(), QStringLiteral("introfrm"));
    WindowRegistry::get<Introfrm>().Command2_Click();
    save(&WindowRegistry::get<Referenc>(), QStringLiteral("referenc"));
    WindowRegistry::get<Referenc>().Command1_Click();
    form.Label15_Click();
    save(&WindowRegistry::get<Howto>(), QStringLiteral("howto"));
    WindowRegistry::get<Howto>().Command1_Click();
    form.Command13_Click();
    save(&WindowRegistry::get<Quiz>(), QStringLiteral("quiz"));
    WindowRegistry::get<Quiz>().Command1_Click();
    form.Command1_Click();
    save(&WindowRegistry::get<copyrigh>(), QStringLiteral("copyrigh"));
    WindowRegistry::get<copyrigh>().Command1_Click();
    save(&WindowRegistry::get<Vater>(), QStringLiteral("vater"));

    WindowRegistry::unloadAll();
    return 0;
}
