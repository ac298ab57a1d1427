#include "chartkit/chartdescription.h"

#include "model/numbertext.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr int SignificantDigits = 4;

// A sentence of a description in the language spoken, marked where it is written
// with QT_TRANSLATE_NOOP or, with a word to the translator, QT_TRANSLATE_NOOP3.
struct Sentence
{
    const char *text;
    const char *comment;
};
QString said(const char *text) { return QCoreApplication::translate("ChartDescription", text); }
QString said(Sentence sentence)
{
    return QCoreApplication::translate("ChartDescription", sentence.text, sentence.comment);
}

// An axis title inside a sentence: in English a word loses its capital ("Time"
// reads "time"), a symbol keeps its form ("N(t)"); a language whose nouns keep
// their capitals says so in its translation.
QString inSentence(const QString &title)
{
    if (title.isEmpty())
        return said(QT_TRANSLATE_NOOP3("ChartDescription", "x",
                                       "the horizontal axis, when it has no title"));
    const bool lowered = lowerCaseInsideSentences();
    if (lowered && title.size() > 1 && title.at(0).isUpper() && title.at(1).isLower())
        return title.at(0).toLower() + title.mid(1);
    return title;
}

// Numbers as the picture shows them: a value a billion times smaller than the
// largest on its axis is drawn at the axis's 0 and is read as 0, not as the
// 2.842E-14 that rounding left of a 0.
struct AxisNumbers
{
    double largest = 0;
    bool same(double a, double b) const { return std::abs(a - b) < 1e-9 * largest; }
    QString operator()(double value) const
    {
        return shortNumber(std::abs(value) < 1e-9 * largest ? 0.0 : value);
    }
};

QString range(const AxisNumbers &number, double lo, double hi)
{
    if (number(lo) == number(hi))
        return number(lo);
    return said(QT_TRANSLATE_NOOP3("ChartDescription", "%1 to %2", "a range of values on an axis"))
        .arg(number(lo), number(hi));
}

// One series in a sentence, by its name in the legend: "The harvested series runs
// from 100 at time 0 to 443.6 at time 65; lowest 100, highest 443.6."
QString seriesSentence(const QString &legendName, const QList<QPointF> &points, const QString &x,
                       const AxisNumbers &xNumber, const AxisNumbers &yNumber)
{
    const QPointF first = points.first();
    const QPointF last = points.last();
    double lowest = first.y();
    double highest = first.y();
    double left = first.x();
    double right = first.x();
    for (const QPointF &p : points) {
        lowest = std::min(lowest, p.y());
        highest = std::max(highest, p.y());
        left = std::min(left, p.x());
        right = std::max(right, p.x());
    }
    const auto y = yNumber;
    if (points.size() == 1)
        return said(QT_TRANSLATE_NOOP3(
                        "ChartDescription", "The %1 series is one point, %2 at %3 %4.",
                        "series name, its value, the horizontal axis's title, where"))
            .arg(legendName, y(first.y()), x, xNumber(first.x()));
    if (y(lowest) == y(highest))
        return said(
                   QT_TRANSLATE_NOOP3(
                       "ChartDescription", "The %1 series stays at %2 from %3 %4 to %5.",
                       "series name, its value, the horizontal axis's title, from where, to where"))
            .arg(legendName, y(lowest), x, xNumber(left), xNumber(right));
    if (xNumber(left) == xNumber(right))
        return said(QT_TRANSLATE_NOOP3(
                        "ChartDescription", "The %1 series stands at %2 %3, from %4 to %5.",
                        "series name, the horizontal axis's title, where, first value, last value"))
            .arg(legendName, x, xNumber(left), y(first.y()), y(last.y()));
    return said(QT_TRANSLATE_NOOP3(
                    "ChartDescription",
                    "The %1 series runs from %2 at %3 %4 to %5 at %3 %6; lowest %7, highest %8.",
                    "series name, first value, the horizontal axis's title, where, last value, "
                    "where, lowest value, highest value"))
        .arg(legendName, y(first.y()), x, xNumber(first.x()), y(last.y()), xNumber(last.x()),
             y(lowest), y(highest));
}

// Numbers as read along each axis of a picture of this extent.
std::pair<AxisNumbers, AxisNumbers> axisNumbers(const std::array<double, 4> &extent)
{
    return {AxisNumbers{std::max(std::abs(extent[0]), std::abs(extent[1]))},
            AxisNumbers{std::max(std::abs(extent[2]), std::abs(extent[3]))}};
}

} // namespace

bool lowerCaseInsideSentences()
{
    return QCoreApplication::translate(
               "ChartDescription", "yes",
               "Does a word that begins a title or a note lose its capital inside a sentence, "
               "as English \"Time\" in \"at time 65\"? Answer yes or no.")
           == QLatin1String("yes");
}

QString shortNumber(double value)
{
    if (!std::isfinite(value) || value == 0.0)
        return QString::fromStdString(textOfNumber(value == 0.0 ? 0.0 : value));
    // Rounded to four significant digits, then written as every number is.
    char buffer[32];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::scientific, SignificantDigits - 1);
    double rounded = value;
    std::from_chars(buffer, written.ptr, rounded);
    return QString::fromStdString(textOfNumber(rounded));
}

QString chartDescription(const QStringList &seriesNames, const PlottedPoints &plotted,
                         const QString &xTitle, const QString &yTitle, const QStringList &notes)
{
    QStringList sentences;
    const auto &[xLo, xHi, yLo, yHi] = plotted.extent;
    if (xLo > xHi) {
        sentences << said(QT_TRANSLATE_NOOP("ChartDescription", "Nothing is drawn."));
    } else {
        const QString x = xTitle.isEmpty() ? said(QT_TRANSLATE_NOOP3(
                              "ChartDescription", "x", "the horizontal axis, when it has no title"))
                                           : xTitle;
        const QString y = yTitle.isEmpty() ? said(QT_TRANSLATE_NOOP3(
                              "ChartDescription", "y", "the vertical axis, when it has no title"))
                                           : yTitle;
        const auto [xNumber, yNumber] = axisNumbers(plotted.extent);
        sentences << said(QT_TRANSLATE_NOOP3(
                              "ChartDescription", "%1 %2; %3 %4.",
                              "the axes: horizontal title, its range; vertical "
                              "title, its range (\"Time 0 to 65; N(t) 100 to 500.\")"))
                         .arg(x, range(xNumber, xLo, xHi), y, range(yNumber, yLo, yHi));
        const SeriesPoints &series = plotted.series;
        for (qsizetype s = 0; s < series.size(); ++s)
            if (!series.at(s).isEmpty())
                sentences << seriesSentence(seriesNames.value(s), series.at(s), inSentence(xTitle),
                                            xNumber, yNumber);
    }
    sentences << notes;
    if (plotted.leftOut)
        sentences << said(
            QT_TRANSLATE_NOOP("ChartDescription", "Some values too large to draw are left out."));
    return sentences.join(QLatin1Char(' '));
}

QString highestPoints(const QString &opening, const QStringList &labels, const SeriesPoints &series)
{
    const auto [xNumber, yNumber] = axisNumbers(extentOf(series));
    QStringList peaks;
    for (qsizetype s = 0; s < series.size(); ++s) {
        const QList<QPointF> &points = series.at(s);
        if (points.isEmpty())
            continue;
        QPointF best = points.first();
        for (const QPointF &p : points)
            if (p.y() > best.y() && !yNumber.same(p.y(), best.y()))
                best = p;
        peaks << said(QT_TRANSLATE_NOOP3("ChartDescription", "%1 at N = %2 %3",
                                         "the highest value, the population size there, and "
                                         "which curve (\"1012 at N = 220 for p/e=50\")"))
                     .arg(yNumber(best.y()), xNumber(best.x()), labels.value(s));
    }
    if (peaks.isEmpty())
        return {};
    return said(QT_TRANSLATE_NOOP3("ChartDescription", "%1: %2.", "what is listed, then the list"))
        .arg(opening, peaks.join(QStringLiteral("; ")));
}

QString spokenList(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return said(QT_TRANSLATE_NOOP3("ChartDescription", "%1 and %2",
                                   "the last two items of a list read aloud: \"a, b and c\""))
        .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.last());
}

QString chartKeysHint()
{
    return said(QT_TRANSLATE_NOOP(
        "ChartDescription", "Left and Right read the points of a series, Home and End its ends, "
                            "Page Up and Page Down ten points forward or back; Up and Down go to "
                            "the next or the previous series; Escape ends the reading. Enter or a "
                            "click shows the next chart; the menu key or a right click copies or "
                            "saves it."));
}
