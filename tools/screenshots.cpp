// Renders every window of the program to PNG for visual review: the start-up
// windows, the main window before and after a run, each of the nine charts of the
// main window's click cycle under both models, and the information windows.
#include "tests/windowcontrols.h"

#include "app/backform.h"
#include "app/startup.h"
#include "largegraph/handout.h"
#include "model/harvest.h"
#include "model/keptruns.h"
#include "widgets/controls.h"
#include "widgets/design.h"
#include "widgets/environment.h"
#include "widgets/printing.h"
#include "widgets/translation.h"
#include "widgets/windowregistry.h"

#include <QApplication>
#include <QChart>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
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

// A click on a button; a disabled one takes none, and the picture after it would
// not show what its name says.
void click(QAbstractButton *button)
{
    if (!button->isEnabled())
        std::fprintf(stderr, "%s is disabled\n", qPrintable(button->objectName()));
    button->click();
}

// Lets the title's own timer run until it has ticked `ticks` times in all, then
// holds the title there for its picture.
void titleAfterTicks(QTimer *timer, QSignalSpy &ticked, int ticks)
{
    timer->start();
    while (ticked.size() < ticks)
        ticked.wait(1000);
    timer->stop();
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
    const Controls<Form1> ui(form);
    // The cycle position survives runs: bring it to 0 so the names match the positions.
    Harvest.GraphIndex = 0;
    click(ui.Command2);
    QList<QPixmap> charts;
    save(&form, QStringLiteral("form1-%1-0").arg(QLatin1String(model)));
    charts << ui.Frame3->grab();
    for (int position = 1; position <= 8; ++position) {
        clickChart(ui.MSChart1);
        save(&form, QStringLiteral("form1-%1-%2").arg(QLatin1String(model)).arg(position));
        charts << ui.Frame3->grab();
    }
    saveSheet(charts, QStringLiteral("form1-%1-charts").arg(QLatin1String(model)));
}

// The main window with the read-out of the point under the mouse, drawn in the
// chart beside the point.
void hoverShot(Form1 &form)
{
    QtChartControl *chart = Controls<Form1>(form).MSChart1;
    clickChart(chart); // round to N(t) against time
    settle();
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
    click(Controls<Form1>(form).Command11);
    larggraf &large = WindowRegistry::get<larggraf>();
    const Controls<larggraf> ui(large);
    for (int clicks = 0; clicks < 9
                         && !ui.MSChart1->accessibleName().startsWith(
                             QLatin1String("Graph for theoretical analysis"));
         ++clicks)
        clickChart(ui.MSChart1);
    ui.MSChart1->setFocus();
    for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Up, Qt::Key_PageUp, Qt::Key_PageUp})
        QTest::keyClick(ui.MSChart1, key);
    save(&large, QStringLiteral("larggraf-keyboard-readout"));
    click(ui.Command4);
}

// A run of 2000 steps for a handout: the chart saved as SVG, drawn back from the
// file at twice the size, and the main window as the printer gets it.
void handoutShots(Form1 &form)
{
    const Controls<Form1> ui(form);
    enter(ui.simut, QStringLiteral("2000"));
    click(ui.Command2);
    settle();
    const QString svg = QDir(outputDir).filePath(QStringLiteral("export-2000.svg"));
    ui.MSChart1->exporter().savePicture(svg);
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
    enter(ui.simut, QStringLiteral("65"));
}

// The large window's opening view and the nine positions of its own cycle.
void largeCycle(Form1 &form, const char *model)
{
    Harvest.LargeGraphIndex = 0;
    click(Controls<Form1>(form).Command11);
    larggraf &large = WindowRegistry::get<larggraf>();
    const Controls<larggraf> ui(large);
    save(&large, QStringLiteral("larggraf-%1-open").arg(QLatin1String(model)));
    QList<QPixmap> charts;
    for (int position = 1; position <= 9; ++position) {
        clickChart(ui.MSChart1);
        save(&large, QStringLiteral("larggraf-%1-%2").arg(QLatin1String(model)).arg(position % 9));
        charts << ui.Frame2->grab().scaled(ui.Frame2->size() / 2, Qt::KeepAspectRatio,
                                           Qt::SmoothTransformation);
    }
    charts.prepend(charts.takeLast()); // position 0 first
    saveSheet(charts, QStringLiteral("larggraf-%1-charts").arg(QLatin1String(model)));
    click(ui.Command4);
}

// Runs compared: the defaults and r = 0.3, H = 20 kept, then H = 15 on screen, on
// N(t), the theory and cost and revenue of both windows.
void comparisonShots(Form1 &form)
{
    const Controls<Form1> ui(form);
    Harvest.GraphIndex = 0;
    click(ui.Command2);
    QTest::keyClick(ui.MSChart1, Qt::Key_K);
    enter(ui.rrate, QStringLiteral("0.3"));
    enter(ui.Harvestrate, QStringLiteral("20"));
    click(ui.Command2);
    QTest::keyClick(ui.MSChart1, Qt::Key_K);
    enter(ui.rrate, QStringLiteral("0.2"));
    enter(ui.Harvestrate, QStringLiteral("15"));
    click(ui.Command2);
    save(&form, QStringLiteral("compare-form1-0"));
    for (int position = 1; position <= 8; ++position) {
        clickChart(ui.MSChart1);
        if (position >= 6)
            save(&form, QStringLiteral("compare-form1-%1").arg(position));
    }
    clickChart(ui.MSChart1);
    Harvest.LargeGraphIndex = 0;
    click(ui.Command11);
    larggraf &large = WindowRegistry::get<larggraf>();
    const Controls<larggraf> big(large);
    click(big.Command1);
    save(&large, QStringLiteral("compare-larggraf-0"));
    for (int position = 1; position <= 8; ++position) {
        clickChart(big.MSChart1);
        if (position >= 6)
            save(&large, QStringLiteral("compare-larggraf-%1").arg(position));
    }
    clickChart(big.MSChart1);
    click(big.Command4);
    // The handout of this run with its two kept runs, and the theory chart alone
    // as "Print chart…" puts it on paper.
    {
        QFile handout(QDir(outputDir).filePath(QStringLiteral("handout.pdf")));
        if (!handout.open(QIODevice::WriteOnly) || !writeHandout(handout, QPageSize(QPageSize::A4)))
            std::fprintf(stderr, "the handout was not written\n");
        QPdfWriter page(QDir(outputDir).filePath(QStringLiteral("print-chart.pdf")));
        page.setPageOrientation(QPageLayout::Landscape);
        QPainter painter(&page);
        paintLargeChart(painter, painter.viewport(), Chart::LogisticTheory);
    }
    // Four kept runs, the most: the legend of the theory still fits.
    for (const char *harvest : {"5", "25"}) {
        QTest::keyClick(ui.MSChart1, Qt::Key_K);
        enter(ui.Harvestrate, QString::fromLatin1(harvest));
        click(ui.Command2);
    }
    click(ui.Command11);
    for (int position = 1; position <= 6; ++position)
        clickChart(big.MSChart1);
    save(&large, QStringLiteral("compare-larggraf-6-four"));
    click(big.Command4);
    Kept.forget();
    enter(ui.Harvestrate, QStringLiteral("10"));
    click(ui.Command2);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    // The language of the desktop (LANGUAGE=de make screenshots), as the program does.
    Translation::install(Translation::languageFor());
    outputDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
    QDir().mkpath(outputDir);
    Environment::setEndProgram([] {});

    StartUp::begin();
    Form1 &form = WindowRegistry::get<Form1>();
    const Controls<Form1> ui(form);
    titlform &title = WindowRegistry::get<titlform>();
    QTimer *titleTimer = Controls<titlform>(title).Timer1;
    titleTimer->stop();
    QSignalSpy titleTicks(titleTimer, &QTimer::timeout);
    titleAfterTicks(titleTimer, titleTicks, 1);
    save(&title, QStringLiteral("titlform-tick1"));
    titleAfterTicks(titleTimer, titleTicks, 7);
    save(&title, QStringLiteral("titlform-tick7"));
    titleAfterTicks(titleTimer, titleTicks, 13);
    save(&title, QStringLiteral("titlform-greek"));

    Backform &back = WindowRegistry::get<Backform>();
    back.resize(320, 200);
    save(&back, QStringLiteral("backform-navy"));

    // Any click on the title and on the proverb leaves them.
    QTest::mouseClick(&title, Qt::LeftButton);
    save(&WindowRegistry::get<Prophecy>(), QStringLiteral("prophecy"));
    QTest::mouseClick(&WindowRegistry::get<Prophecy>(), Qt::LeftButton);
    save(&form, QStringLiteral("form1-start"));

    chartCycle(form, "logistic");
    largeCycle(form, "logistic");

    // A handout: the read-out under the mouse, and the chart saved as a picture.
    hoverShot(form);
    ui.MSChart1->exporter().savePicture(
        QDir(outputDir).filePath(QStringLiteral("export-chart.png")));
    keyboardShot(form);
    handoutShots(form);
    comparisonShots(form);

    enter(ui.Harvestrate, QStringLiteral("40"));
    click(ui.Command2);
    save(&form, QStringLiteral("form1-logistic-extinct"));

    // Extinct in the first step: one point each, and a chart with nothing to draw.
    enter(ui.n0, QStringLiteral("5"));
    enter(ui.rrate, QStringLiteral("0.39"));
    enter(ui.Kvalue, QStringLiteral("2500"));
    enter(ui.Harvestrate, QStringLiteral("10"));
    click(ui.Command2);
    save(&form, QStringLiteral("form1-first-step-extinct"));
    clickChart(ui.MSChart1);
    save(&form, QStringLiteral("form1-first-step-extinct-dn"));
    for (int position = 2; position <= 9; ++position)
        clickChart(ui.MSChart1);
    enter(ui.n0, QStringLiteral("100"));
    enter(ui.Kvalue, QStringLiteral("500"));
    enter(ui.rrate, QStringLiteral("0.2"));
    enter(ui.Harvestrate, QStringLiteral("40"));
    enter(ui.simut, QStringLiteral("65"));

    enter(ui.Kvalue, QStringLiteral("0"));
    ui.Kvalue->setText(QStringLiteral("0"));
    enter(ui.rrate, QStringLiteral("0.2"));
    click(ui.Command2);
    save(&form, QStringLiteral("form1-refused-k0"));

    ui.Option1->click();
    save(&form, QStringLiteral("form1-exponential-options"));
    chartCycle(form, "exponential");
    largeCycle(form, "exponential");

    enter(ui.rrate, QStringLiteral("0.4"));
    enter(ui.simut, QStringLiteral("2000"));
    click(ui.Command2);
    save(&form, QStringLiteral("form1-refused-overflow"));

    // The game: at start, each verdict (from the examples), and after "Random data".
    click(ui.Command12);
    Game &game = WindowRegistry::get<Game>();
    const Controls<Game> gameUi(game);
    save(&game, QStringLiteral("game-start"));
    const std::pair<QRadioButton *, const char *> examples[] = {{gameUi.EgRich, "rich"},
                                                                {gameUi.EgOk, "money"},
                                                                {gameUi.EgLoser, "loser"},
                                                                {gameUi.Egbroke, "broke"},
                                                                {gameUi.EgJail, "jail"}};
    for (const auto &[example, name] : examples) {
        example->click();
        click(gameUi.Command1);
        save(&game, QStringLiteral("game-%1").arg(QLatin1String(name)));
    }
    // A debt of twelve digits keeps its sign in sight; "How to" shows above the picture.
    enter(gameUi.box(GameBox::CostPerInd), QStringLiteral("10000000"));
    click(gameUi.Command1);
    save(&game, QStringLiteral("game-debt"));
    // Doubling for 300 days: numbers of 94 digits keep their size in sight.
    enter(gameUi.box(GameBox::CostPerInd), QStringLiteral("1"));
    enter(gameUi.box(GameBox::GRate), QStringLiteral("1"));
    enter(gameUi.box(GameBox::SimutY), QStringLiteral("300"));
    click(gameUi.Command1);
    save(&game, QStringLiteral("game-huge"));
    enter(gameUi.box(GameBox::GRate), QStringLiteral("0.2"));
    enter(gameUi.box(GameBox::SimutY), QStringLiteral("30"));
    enter(gameUi.box(GameBox::CostPerInd), QStringLiteral("10000000"));
    click(gameUi.Command1);
    click(gameUi.Command3);
    save(&game, QStringLiteral("game-howto-after-run"));
    gameUi.Option2->click();
    click(gameUi.Command2);
    save(&game, QStringLiteral("game-random-data"));
    click(gameUi.Command4);

    // The information windows and the way out.
    click(ui.Command9);
    save(&WindowRegistry::get<Introfrm>(), QStringLiteral("introfrm"));
    click(controlsOf<Introfrm>().Command2);
    save(&WindowRegistry::get<Referenc>(), QStringLiteral("referenc"));
    click(controlsOf<Referenc>().Command1);
    QTest::mouseClick(ui.Label15, Qt::LeftButton);
    save(&WindowRegistry::get<Howto>(), QStringLiteral("howto"));
    click(controlsOf<Howto>().Command1);
    click(ui.Command13);
    save(&WindowRegistry::get<Quiz>(), QStringLiteral("quiz"));
    click(controlsOf<Quiz>().Command1);
    click(ui.Command1);
    save(&WindowRegistry::get<copyrigh>(), QStringLiteral("copyrigh"));
    click(controlsOf<copyrigh>().Command1);
    save(&WindowRegistry::get<Vater>(), QStringLiteral("vater"));

    WindowRegistry::unloadAll();
    return 0;
}
