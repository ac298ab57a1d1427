#include "largegraph/largelooks.h"

#include "charts/chartsetup.h"
#include "model/harvest.h"

#include <QCoreApplication>

#include <array>

namespace {

struct Texts
{
    const char *title; // %1 stands for the parameter caption where it says so
    bool withCaption;
    const char *shortTitle; // the title's start when the chart explains what it lacks
    const char *yTitle;
    const char *xTitle;
};

// Indexed by Chart. The texts are the large window's (context larggraf), translated
// where a chart is drawn.
// clang-format off
constexpr std::array<Texts, ChartCount> LargeWindowTexts = {{
    {//: a chart title; %1 is the run's parameters, with a space before them:
     //: " [N(0)=100, K=500, r=0.2, H=10.]"
     QT_TRANSLATE_NOOP("larggraf", "The change of N(t) with t %1"), true, "",
     //: an axis title: the population size N at time t
     QT_TRANSLATE_NOOP("larggraf", "N(t)"),
     //: an axis title: the time steps of the run
     QT_TRANSLATE_NOOP("larggraf", "Time")},
    {//: a chart title; %1 is the run's parameters, with a space before them
     QT_TRANSLATE_NOOP("larggraf", "The change of dN(t) with t %1"), true, "",
     //: an axis title: the change dN of the population size at time t
     QT_TRANSLATE_NOOP("larggraf", "dN(t)"),
     QT_TRANSLATE_NOOP("larggraf", "Time")},
    {//: a chart title; %1 is the run's parameters, with a space before them
     QT_TRANSLATE_NOOP("larggraf", "The change of dN(t)/dt with N(t) %1"), true, "",
     QT_TRANSLATE_NOOP("larggraf", "dN(t)"),
     QT_TRANSLATE_NOOP("larggraf", "N(t)")},
    {//: a chart title; %1 is the run's parameters, with a space before them
     QT_TRANSLATE_NOOP("larggraf", "The change of N(t) (in logarithm) with t %1"), true, "",
     //: an axis title: the natural logarithm of the population size N at time t
     QT_TRANSLATE_NOOP("larggraf", "lnN(t)"),
     QT_TRANSLATE_NOOP("larggraf", "Time")},
    {//: a chart title; %1 is the run's parameters, with a space before them
     QT_TRANSLATE_NOOP("larggraf", "N(t) and dN(t) at different t %1"), true, "",
     //: an axis title: the population size N and its change dN at time t
     QT_TRANSLATE_NOOP("larggraf", "N(t) and dN(t)"),
     QT_TRANSLATE_NOOP("larggraf", "Time")},
    {//: the chart of the change dN per individual against the population size N: a
     //: chart title, and a button's caption
     QT_TRANSLATE_NOOP("larggraf", "dN/N vs. N"), false, "",
     //: an axis title: the change dN of the population size per individual
     QT_TRANSLATE_NOOP("larggraf", "dN/N"),
     //: an axis title: the population size N
     QT_TRANSLATE_NOOP("larggraf", "N")},
    {QT_TRANSLATE_NOOP("larggraf", "Graph for theoretical analysis (logistic model)"), false,
     QT_TRANSLATE_NOOP("larggraf", "Graph for theoretical analysis"),
     //: an axis title: the change dN of the population size
     QT_TRANSLATE_NOOP("larggraf", "dN"),
     QT_TRANSLATE_NOOP("larggraf", "N")},
    {QT_TRANSLATE_NOOP("larggraf", "Graph for theoretical analysis (exponential model)"), false,
     QT_TRANSLATE_NOOP("larggraf", "Graph for theoretical analysis"),
     QT_TRANSLATE_NOOP("larggraf", "dN"),
     QT_TRANSLATE_NOOP("larggraf", "N")},
    {QT_TRANSLATE_NOOP("larggraf", "Cost and revenue at different price-expense (p/e) ratio"),
     false,
     QT_TRANSLATE_NOOP("larggraf", "Cost and revenue at different price-expense (p/e) ratio"),
     //: an axis title: the cost C and the revenue R of the harvest
     QT_TRANSLATE_NOOP("larggraf", "C and R"),
     QT_TRANSLATE_NOOP("larggraf", "N")},
    {QT_TRANSLATE_NOOP("larggraf", "Net profit of different price/expense ratio"), false,
     QT_TRANSLATE_NOOP("larggraf", "Net profit of different price/expense ratio"),
     //: an axis title: the net profit of the harvest
     QT_TRANSLATE_NOOP("larggraf", "Profit"),
     QT_TRANSLATE_NOOP("larggraf", "N")},
    {QT_TRANSLATE_NOOP("larggraf", "Cost and revenue at different price-expense (p/e) ratio "
                                   "(exponential model)"),
     false,
     QT_TRANSLATE_NOOP("larggraf", "Cost and revenue at different price-expense (p/e) ratio"),
     QT_TRANSLATE_NOOP("larggraf", "C and R"),
     QT_TRANSLATE_NOOP("larggraf", "N")},
    {QT_TRANSLATE_NOOP("larggraf",
                       "Net profit of different price/expense ratio (exponential model)"),
     false,
     QT_TRANSLATE_NOOP("larggraf", "Net profit of different price/expense ratio"),
     QT_TRANSLATE_NOOP("larggraf", "Profit"),
     QT_TRANSLATE_NOOP("larggraf", "N")},
}};
// clang-format on

QString translated(const char *text) { return QCoreApplication::translate("larggraf", text); }

} // namespace

ChartLook largeWindowLook(Chart chart, const QString &parameterCaption)
{
    const Texts &t = LargeWindowTexts[static_cast<std::size_t>(chart)];
    ChartLook look;
    look.title = t.withCaption ? translated(t.title).arg(parameterCaption) : translated(t.title);
    look.shortTitle = *t.shortTitle ? translated(t.shortTitle) : look.title;
    look.yTitle = translated(t.yTitle);
    look.xTitle = translated(t.xTitle);
    look.legend = true;
    look.legendTexts = seriesNamesOf(chart);
    return look;
}

ChartInputs largeWindowInputs(Chart chart, const HarvestState &run)
{
    ChartInputs inputs;
    inputs.n0 = run.NOriginal[0];
    switch (chart) {
    case Chart::NvsT:
    case Chart::lnNvsT: inputs.runLength = lastPlottedStep(run); break;
    case Chart::dNvsT: inputs.runLength = run.SimuT + 1; break;
    default: inputs.runLength = run.SimuT; break;
    }
    return inputs;
}
