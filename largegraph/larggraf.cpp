#include "largegraph/larggraf.h"

#include "chartkit/qtchartcontrol.h"
#include "largegraph/handout.h"
#include "largegraph/largelooks.h"
#include "model/harvest.h"
#include "widgets/layout.h"
#include "widgets/printing.h"
#include "widgets/spokenitems.h"
#include "widgets/timednotice.h"
#include "widgets/windowregistry.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QShowEvent>

namespace {

//: the large graph window's caption
QString caption() { return QCoreApplication::translate("larggraf", "Large graph"); }

struct ButtonSpec
{
    QPushButton *larggraf::*member;
    const char *name;
    const char *caption; // translated where the button is made
    int left;
    int width;
};

} // namespace

larggraf::larggraf() : ProgramWindow(FixedSingleBorder)
{
    prepareWindow(this, "larggraf", caption(), 10308, 7440, Colours::White);
    //: the caption of the frame round the chart
    Frame2 = makeFrame(this, "Frame2", tr("Graph"), 120, 120, 10095, 7215);
    MSChart1 = makeControl<QtChartControl>(Frame2, "MSChart1", 96, 192, 9900, 6444);

    // The row under the chart, left to right.
    // clang-format off
    static constexpr ButtonSpec Buttons[] = {
        //: a button: the chart of the population size N against time t
        {&larggraf::Command1, "Command1", QT_TRANSLATE_NOOP("larggraf", "N vs. t"), 120, 855},
        //: a button: the chart of the change dN against time t
        {&larggraf::Command3, "Command3", QT_TRANSLATE_NOOP("larggraf", "dN vs. t"), 1080, 975},
        //: a button: the chart of N and dN against time t
        {&larggraf::Command8, "Command8", QT_TRANSLATE_NOOP("larggraf", "N, dN vs. t"), 2160, 1095},
        //: a button: the chart of the change dN against the population size N
        {&larggraf::Command2, "Command2", QT_TRANSLATE_NOOP("larggraf", "dN vs. N"), 3360, 975},
        //: a button: the chart of the logarithm of N against time t
        {&larggraf::Command9, "Command9", QT_TRANSLATE_NOOP("larggraf", "lnN vs. t"), 4440, 1095},
        //: the chart of the change dN per individual against the population size N: a
        //: chart title, and a button's caption
        {&larggraf::Command7, "Command7", QT_TRANSLATE_NOOP("larggraf", "dN/N vs. N"), 5640, 1215},
        //: a button: prints the window
        {&larggraf::Command6, "Command6", QT_TRANSLATE_NOOP("larggraf", "Print"), 6960, 975},
        //: a button: back to the main window
        {&larggraf::Command4, "Command4", QT_TRANSLATE_NOOP("larggraf", "Main form"), 8040, 1095},
        //: a button: ends the program
        {&larggraf::Command5, "Command5", QT_TRANSLATE_NOOP("larggraf", "Quit"), 9240, 735},
    };
    // clang-format on
    QWidget *previous = MSChart1;
    const QFont font = designFont(TimesNewRoman, 9.6, true);
    for (const ButtonSpec &b : Buttons) {
        QPushButton *button
            = makeButton(Frame2, b.name, QCoreApplication::translate("larggraf", b.caption), b.left,
                         6720, b.width, 375, font);
        this->*b.member = button;
        setTabOrder(previous, button);
        previous = button;
    }

    connect(Command1, &QPushButton::clicked, this, &larggraf::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &larggraf::Command3_Click);
    connect(Command8, &QPushButton::clicked, this, &larggraf::Command8_Click);
    connect(Command2, &QPushButton::clicked, this, &larggraf::Command2_Click);
    connect(Command9, &QPushButton::clicked, this, &larggraf::Command9_Click);
    connect(Command7, &QPushButton::clicked, this, &larggraf::Command7_Click);
    connect(Command6, &QPushButton::clicked, this, &larggraf::Command6_Click);
    connect(Command4, &QPushButton::clicked, this, &larggraf::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &larggraf::Command5_Click);
    connect(MSChart1, &QtChartControl::clicked, this, &larggraf::MSChart1_Click);
    addRunCommands(
        *MSChart1, this, [this](const QString &said) { compareRuns(said); }, [this] { handOut(); },
        [this] { return m_shownView.value_or(Chart::NvsT); },
        [this](const QString &said) { m_notice->post(said); });
    onKey(Qt::CTRL | Qt::Key_H, [this] { handOut(); });
    m_announcer = new Announcer(this);

    // This window has no label of its own: a short message stands in its caption.
    m_notice = new TimedNotice(
        this,
        [this](const QString &text) {
            //: the large graph window's caption while it shows a short message (%1)
            setWindowTitle(tr("Large graph: %1").arg(text));
        },
        [this] { setWindowTitle(caption()); });
}

void larggraf::load() { centreOnScreen(this); }

// Each graph hands the keyboard to a button, so Enter leads on through the views.
QPushButton *larggraf::focusAfter(Chart chart) const
{
    switch (chart) {
    case Chart::NvsT:
    case Chart::lnNvsT:
    case Chart::CostAndRevenue:
    case Chart::NetProfit:
    case Chart::ExponentialCostAndRevenue:
    case Chart::ExponentialNetProfit: return Command7;
    case Chart::dNvsT: return Command8;
    case Chart::dNvsN: return Command9;
    case Chart::dNperNvsN: return Command1;
    case Chart::LogisticTheory:
    case Chart::ExponentialTheory: return Command5;
    case Chart::NanddNvsT: return nullptr;
    }
    return nullptr;
}

void larggraf::drawOpeningView()
{
    ChartLook look = largeWindowLook(Chart::NvsT, QString::fromStdString(Harvest.ParameterCaption));
    look.legend = false;
    const auto untilTheEnd = [](const HarvestState &run) {
        ChartInputs inputs;
        inputs.runLength = run.SimuT;
        inputs.n0 = run.NOriginal[0];
        return inputs;
    };
    drawChart(Chart::NvsT, MSChart1->control(), Harvest, untilTheEnd(Harvest), look,
              KeptDrawing{&Kept, untilTheEnd});
    m_shownView.reset();
}

void larggraf::showView(Chart chart, FocusAfterChart focus)
{
    const ChartInputs inputs = largeWindowInputs(chart, Harvest);
    if (chart == Chart::NvsT)
        Harvest.LastPoint = inputs.runLength;
    drawChart(chart, MSChart1->control(), Harvest, inputs,
              largeWindowLook(chart, QString::fromStdString(Harvest.ParameterCaption)),
              KeptDrawing{&Kept, [chart](const HarvestState &run) {
                              return largeWindowInputs(chart, run);
                          }});
    m_shownView = chart;
    if (QPushButton *next = focusAfter(chart); next && focus == FocusAfterChart::HandOn)
        next->setFocus();
}

// Keeping or forgetting runs draws the view on screen again, with the focus where
// it is, and says what came of it.
void larggraf::compareRuns(const QString &said)
{
    if (m_shownView)
        showView(*m_shownView, FocusAfterChart::Stay);
    else
        drawOpeningView();
    m_notice->post(said);
    m_announcer->say(said, MSChart1);
}

void larggraf::Command1_Click() { showView(Chart::NvsT); }
void larggraf::Command3_Click() { showView(Chart::dNvsT); }
void larggraf::Command8_Click() { showView(Chart::NanddNvsT); }
void larggraf::Command2_Click() { showView(Chart::dNvsN); }
void larggraf::Command9_Click() { showView(Chart::lnNvsT); }
void larggraf::Command7_Click() { showView(Chart::dNperNvsN); }

void larggraf::MSChart1_Click()
{
    Harvest.LargeGraphIndex = nextCyclePosition(Harvest.LargeGraphIndex);
    showView(chartAtCyclePosition(Harvest.LargeGraphIndex, Harvest.GrowthModel),
             MSChart1->clickFromKeyboard() ? FocusAfterChart::Stay : FocusAfterChart::HandOn);
}

// Whenever the window comes up, its chart has the focus: Enter and Space step
// through the charts, and a focus left on "Quit" by the last visit never quits.
void larggraf::showEvent(QShowEvent *event)
{
    ProgramWindow::showEvent(event);
    if (!event->spontaneous())
        MSChart1->setFocus(Qt::OtherFocusReason);
}

void larggraf::Command6_Click() { m_notice->post(printWindow(this)); }
void larggraf::Command4_Click() { WindowRegistry::goHome(*this); }
void larggraf::Command5_Click() { WindowRegistry::startQuitting(*this); }
void larggraf::Form_Unload() { WindowRegistry::goHome(*this); }

void larggraf::handOut()
{
    if (const QString said = saveHandout(this); !said.isEmpty())
        m_notice->post(said);
}
