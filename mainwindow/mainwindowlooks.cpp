#include "mainwindow/mainwindowlooks.h"

#include <QCoreApplication>

#include <array>

namespace {

struct Texts
{
    const char *title;
    const char *shortTitle;
    const char *yTitle;
    const char *xTitle;
};

// Indexed by Chart. The texts are the main window's (context Form1), translated
// where a chart is drawn.
// clang-format off
constexpr std::array<Texts, ChartCount> MainWindowTexts = {{
    {QT_TRANSLATE_NOOP("Form1", "N(t) vs. time"), QT_TRANSLATE_NOOP("Form1", "N(t) vs. time"),
     //: an axis title: the population size N at time t
     QT_TRANSLATE_NOOP("Form1", "N(t)"),
     //: an axis title: the time steps of the run
     QT_TRANSLATE_NOOP("Form1", "Time")},
    {QT_TRANSLATE_NOOP("Form1", "dN(t) vs. time"), QT_TRANSLATE_NOOP("Form1", "dN(t) vs. time"),
     //: an axis title: the change dN of the population size in a time step
     QT_TRANSLATE_NOOP("Form1", "dN"),
     QT_TRANSLATE_NOOP("Form1", "Time")},
    {QT_TRANSLATE_NOOP("Form1", "dN vs. N"), QT_TRANSLATE_NOOP("Form1", "dN vs. N"),
     QT_TRANSLATE_NOOP("Form1", "dN"),
     //: an axis title: the population size N
     QT_TRANSLATE_NOOP("Form1", "N")},
    {QT_TRANSLATE_NOOP("Form1", "lnN(t) vs. time"), QT_TRANSLATE_NOOP("Form1", "lnN(t) vs. time"),
     //: an axis title: the natural logarithm of the population size N
     QT_TRANSLATE_NOOP("Form1", "lnN"),
     QT_TRANSLATE_NOOP("Form1", "Time")},
    {QT_TRANSLATE_NOOP("Form1", "N and dN(t) vs. time"),
     QT_TRANSLATE_NOOP("Form1", "N and dN(t) vs. time"),
     //: an axis title: the population size N and its change dN
     QT_TRANSLATE_NOOP("Form1", "N and dN"),
     QT_TRANSLATE_NOOP("Form1", "Time")},
    {QT_TRANSLATE_NOOP("Form1", "dN/N vs. N"), QT_TRANSLATE_NOOP("Form1", "dN/N vs. N"),
     //: an axis title: the change dN of the population size per individual
     QT_TRANSLATE_NOOP("Form1", "dN/N"),
     QT_TRANSLATE_NOOP("Form1", "N")},
    {QT_TRANSLATE_NOOP("Form1", "Theoretical dN vs. N (logistic model)"),
     QT_TRANSLATE_NOOP("Form1", "Theoretical dN vs. N"),
     QT_TRANSLATE_NOOP("Form1", "dN"),
     QT_TRANSLATE_NOOP("Form1", "N")},
    {QT_TRANSLATE_NOOP("Form1", "Theoretical dN vs. N (exponential model)"),
     QT_TRANSLATE_NOOP("Form1", "Theoretical dN vs. N"),
     QT_TRANSLATE_NOOP("Form1", "dN"),
     QT_TRANSLATE_NOOP("Form1", "N")},
    {QT_TRANSLATE_NOOP("Form1", "Cost and Revenue vs. N"),
     QT_TRANSLATE_NOOP("Form1", "Cost and Revenue vs. N"),
     //: an axis title: the cost C and the revenue R of the harvest
     QT_TRANSLATE_NOOP("Form1", "C and R"),
     QT_TRANSLATE_NOOP("Form1", "N")},
    {//: a chart title; p/e is the ratio of the price of the harvest to its expense
     QT_TRANSLATE_NOOP("Form1", "Net profit vs. N (p/e = 50, 20, 10, 5)"),
     QT_TRANSLATE_NOOP("Form1", "Net profit vs. N"),
     //: an axis title: the net profit of the harvest
     QT_TRANSLATE_NOOP("Form1", "Profit"),
     QT_TRANSLATE_NOOP("Form1", "N")},
    {QT_TRANSLATE_NOOP("Form1", "Cost and Revenue vs. N (exponential model)"),
     QT_TRANSLATE_NOOP("Form1", "Cost and Revenue vs. N"),
     QT_TRANSLATE_NOOP("Form1", "C and R"),
     QT_TRANSLATE_NOOP("Form1", "N")},
    {QT_TRANSLATE_NOOP("Form1", "Net profit vs. N (exponential model)"),
     QT_TRANSLATE_NOOP("Form1", "Net profit vs. N"),
     QT_TRANSLATE_NOOP("Form1", "Profit"),
     QT_TRANSLATE_NOOP("Form1", "N")},
}};
// clang-format on

QString translated(const char *text) { return QCoreApplication::translate("Form1", text); }

} // namespace

ChartLook mainWindowLook(Chart chart)
{
    const Texts &t = MainWindowTexts[static_cast<std::size_t>(chart)];
    ChartLook look;
    look.title = translated(t.title);
    look.shortTitle = translated(t.shortTitle);
    look.yTitle = translated(t.yTitle);
    look.xTitle = translated(t.xTitle);
    look.legendTexts = seriesNamesOf(chart);
    return look;
}
