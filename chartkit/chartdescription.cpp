#include "chartkit/chartdescription.h"

#include "model/numbertext.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr int SignificantDigits = 4;

// An axis title inside a sentence: a word loses its capital ("Time" reads "time"),
// a symbol keeps its form ("N(t)").
QString inSentence(const QString &title)
{
    if (title.isEmpty())
        return QStringLiteral("x");
    if (title.size() > 1 && title.at(0).isUpper() && title.at(1).isLower())
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
    return number(lo) + QStringLiteral(" to ") + number(hi);
}

// One series in a sentence, by its name in the legend: "The harvested series runs
// from 100 at time 0 to 443.6 at time 65; lowest 100, highest 443.6."
QString seriesSentence(const QString &legendName, const QList<QPointF> &points, const QString &x,
                       const AxisNumbers &xNumber, const AxisNumbers &yNumber)
{
    const QString name = QStringLiteral("The ") + legendName + QStringLiteral(" series");
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
    const auto at = [&](double value) { return x + QLatin1Char(' ') + xNumber(value); };
    const auto y = yNumber;
    if (points.size() == 1)
        return name + QStringLiteral(" is one point, ") + y(first.y()) + QStringLiteral(" at ")
               + at(first.x()) + QLatin1Char('.');
    if (y(lowest) == y(highest))
        return name + QStringLiteral(" stays at ") + y(lowest) + QStringLiteral(" from ") + at(left)
               + QStringLiteral(" to ") + xNumber(right) + QLatin1Char('.');
    if (xNumber(left) == xNumber(right))
        return name + QStringLiteral(" stands at ") + at(left) + QStringLiteral(", from ")
               + y(first.y()) + QStringLiteral(" to ") + y(last.y()) + QLatin1Char('.');
    return name + QStringLiteral(" runs from ") + y(first.y()) + QStringLiteral(" at ")
           + at(first.x()) + QStringLiteral(" to ") + y(last.y()) + QStringLiteral(" at ")
           + at(last.x()) + QStringLiteral("; lowest ") + y(lowest) + QStringLiteral(", highest ")
           + y(highest) + QLatin1Char('.');
}

// Numbers as read along each axis of a picture of this extent.
std::pair<AxisNumbers, AxisNumbers> axisNumbers(const std::array<double, 4> &extent)
{
    return {AxisNumbers{std::max(std::abs(extent[0]), std::abs(extent[1]))},
            AxisNumbers{std::max(std::abs(extent[2]), std::abs(extent[3]))}};
}

} // namespace

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
        sentences << QStringLiteral("Nothing is drawn.");
    } else {
        const QString x = xTitle.isEmpty() ? QStringLiteral("x") : xTitle;
        const QString y = yTitle.isEmpty() ? QStringLiteral("y") : yTitle;
        const auto [xNumber, yNumber] = axisNumbers(plotted.extent);
        sentences << x + QLatin1Char(' ') + range(xNumber, xLo, xHi) + QStringLiteral("; ") + y
                         + QLatin1Char(' ') + range(yNumber, yLo, yHi) + QLatin1Char('.');
        const SeriesPoints &series = plotted.series;
        for (qsizetype s = 0; s < series.size(); ++s)
            if (!series.at(s).isEmpty())
                sentences << seriesSentence(seriesNames.value(s), series.at(s), inSentence(xTitle),
                                            xNumber, yNumber);
    }
    sentences << notes;
    if (plotted.leftOut)
        sentences << QStringLiteral("Some values too large to draw are left out.");
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
        peaks << yNumber(best.y()) + QStringLiteral(" at N = ") + xNumber(best.x())
                     + QLatin1Char(' ') + labels.value(s);
    }
    if (peaks.isEmpty())
        return {};
    return opening + QStringLiteral(": ") + peaks.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString spokenList(const QStringList &items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ")
           + items.last();
}

QString chartKeysHint()
{
    return QStringLiteral("Left and Right read the points of a series, Home and End its ends, "
                          "Page Up and Page Down ten points forward or back; Up and Down go to "
                          "the next or the previous series; Escape ends the reading. Enter or a "
                          "click shows the next chart; the menu key or a right click copies or "
                          "saves it.");
}
