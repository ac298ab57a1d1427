#include "mainwindow/mainwindowlooks.h"

#include <array>

namespace {

struct Texts
{
    const char *title;
    const char *shortTitle;
    const char *yTitle;
    const char *xTitle;
};

// Indexed by Chart.
constexpr std::array<Texts, ChartCount> MainWindowTexts = {{
    {"N(t) vs. time", "N(t) vs. time", "N(t)", "Time"},
    {"dN(t) vs. time", "dN(t) vs. time", "dN", "Time"},
    {"dN vs. N", "dN vs. N", "dN", "N"},
    {"lnN(t) vs. time", "lnN(t) vs. time", "lnN", "Time"},
    {"N and dN(t) vs. time", "N and dN(t) vs. time", "N and dN", "Time"},
    {"dN/N vs. N", "dN/N vs. N", "dN/N", "N"},
    {"Theoretical dN vs. N (logistic model)", "Theoretical dN vs. N", "dN", "N"},
    {"Theoretical dN vs. N (exponential model)", "Theoretical dN vs. N", "dN", "N"},
    {"Cost and Revenue vs. N", "Cost and Revenue vs. N", "C and R", "N"},
    {"Net profit vs. N (p/e = 50, 20, 10, 5)", "Net profit vs. N", "Profit", "N"},
    {"Cost and Revenue vs. N (exponential model)", "Cost and Revenue vs. N", "C and R", "N"},
    {"Net profit vs. N (exponential model)", "Net profit vs. N", "Profit", "N"},
}};

} // namespace

ChartLook mainWindowLook(Chart chart)
{
    const Texts &t = MainWindowTexts[static_cast<std::size_t>(chart)];
    ChartLook look;
    look.title = QString::fromLatin1(t.title);
    look.shortTitle = QString::fromLatin1(t.shortTitle);
    look.yTitle = QString::fromLatin1(t.yTitle);
    look.xTitle = QString::fromLatin1(t.xTitle);
    look.legendTexts = seriesNamesOf(chart);
    return look;
}
