#include "largegraph/largelooks.h"

#include <array>

namespace {

struct Texts
{
    const char *title; // followed directly by the parameter caption where it says so
    bool withCaption;
    const char *shortTitle; // the title's start when the chart explains what it lacks
    const char *yTitle;
    const char *xTitle;
};

// Indexed by Chart.
constexpr std::array<Texts, ChartCount> LargeWindowTexts = {{
    {"The change of N(t) with t ", true, "", "N(t)", "Time"},
    {"The change of dN(t) with t ", true, "", "dN(t)", "Time"},
    {"The change of dN(t)/dt with N(t) ", true, "", "dN(t)", "N(t)"},
    {"The change of N(t) (in logarithm) with t ", true, "", "lnN(t)", "Time"},
    {"N(t) and dN(t) at different t ", true, "", "N(t) and dN(t)", "Time"},
    {"dN/N vs. N", false, "", "dN/N", "N"},
    {"Graph for theoretical analysis (logistic model)", false, "Graph for theoretical analysis",
     "dN", "N"},
    {"Graph for theoretical analysis (exponential model)", false, "Graph for theoretical analysis",
     "dN", "N"},
    {"Cost and revenue at different price-expense (p/e) ratio", false,
     "Cost and revenue at different price-expense (p/e) ratio", "C and R", "N"},
    {"Net profit of different price/expense ratio", false,
     "Net profit of different price/expense ratio", "Profit", "N"},
    {"Cost and revenue at different price-expense (p/e) ratio (exponential model)", false,
     "Cost and revenue at different price-expense (p/e) ratio", "C and R", "N"},
    {"Net profit of different price/expense ratio (exponential model)", false,
     "Net profit of different price/expense ratio", "Profit", "N"},
}};

} // namespace

ChartLook largeWindowLook(Chart chart, const QString &parameterCaption)
{
    const Texts &t = LargeWindowTexts[static_cast<std::size_t>(chart)];
    ChartLook look;
    look.title = QString::fromLatin1(t.title);
    if (t.withCaption)
        look.title += parameterCaption;
    look.shortTitle = *t.shortTitle ? QString::fromLatin1(t.shortTitle) : look.title;
    look.yTitle = QString::fromLatin1(t.yTitle);
    look.xTitle = QString::fromLatin1(t.xTitle);
    look.legend = true;
    look.legendTexts = seriesNamesOf(chart);
    return look;
}
