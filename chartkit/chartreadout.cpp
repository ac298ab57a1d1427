#include "chartkit/chartreadout.h"

#include "chartkit/chartcallout.h"
#include "chartkit/chartframe.h"
#include "chartkit/qtchartcontrol.h"
#include "model/numbertext.h"
#include "widgets/environment.h"

#include <QChart>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// How near the mouse must come to a point, in pixels, for its read-out.
constexpr double Reach = 6;

QString number(double value) { return QString::fromStdString(textOfNumber(value)); }

QString orDefault(const QString &title, const char *fallback)
{
    return title.isEmpty() ? QString::fromLatin1(fallback) : title;
}

// A field is quoted when it holds a separator, a quote or a line break.
QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString readOut(const QString &seriesName, const QString &xTitle, const QString &yTitle,
                QPointF value)
{
    return seriesName + QLatin1Char('\n') + orDefault(xTitle, "x") + QStringLiteral(": ")
           + number(value.x()) + QLatin1Char('\n') + orDefault(yTitle, "y") + QStringLiteral(": ")
           + number(value.y());
}

QString pointsAsCsv(const QStringList &seriesNames, const QString &xTitle, const QString &yTitle,
                    const SeriesPoints &series)
{
    QStringList header;
    qsizetype rows = 0;
    for (qsizetype s = 0; s < series.size(); ++s) {
        const QString name = s < seriesNames.size() ? seriesNames.at(s) : QString();
        header << csvField(name + QStringLiteral(": ") + orDefault(xTitle, "x"))
               << csvField(name + QStringLiteral(": ") + orDefault(yTitle, "y"));
        rows = std::max(rows, series.at(s).size());
    }
    QString csv = header.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (qsizetype row = 0; row < rows; ++row) {
        QStringList cells;
        for (const QList<QPointF> &points : series) {
            if (row < points.size())
                cells << number(points.at(row).x()) << number(points.at(row).y());
            else
                cells << QString() << QString();
        }
        csv += cells.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return csv;
}

void QtChartControl::hover(const QPoint &at)
{
    const QPointF inScene = mapToScene(at);
    QChart *c = chart();
    const QPointF inChart = c->mapFromScene(inScene);
    if (!c->plotArea().adjusted(-Reach, -Reach, Reach, Reach).contains(inChart))
        return hideReadOut();
    const auto toPixels = [c](QPointF value) { return c->mapToPosition(value); };
    const auto found = pointUnderMouse(m_plotted.series, inChart, Reach, toPixels);
    if (!found)
        return hideReadOut();
    if (m_callout->isVisible() && m_callout->point() == toPixels(found->value))
        return; // the same point: nothing to draw again
    m_callout->showAt(toPixels(found->value),
                      readOut(m_names.value(found->series), axisSettings(ChartAxis::X).titleText,
                              axisSettings(ChartAxis::Y).titleText, found->value),
                      m_frame->marks(1).labelFont);
}

void QtChartControl::hideReadOut()
{
    if (m_callout->isVisible())
        m_callout->hide();
    if (m_markSeries >= 0) {
        m_markSeries = -1;
        m_markIndex = -1;
        Environment::describe(this, spokenDescription());
    }
}

namespace {

// The next series in `direction` (1 or -1) after `from` that has points, going
// round; -1 when none has.
int seriesWithPoints(const SeriesPoints &series, int from, int direction)
{
    const int count = int(series.size());
    for (int step = 1; step <= count; ++step) {
        const int s = ((from + direction * step) % count + count) % count;
        if (!series.at(s).isEmpty())
            return s;
    }
    return -1;
}

// The point of `points` whose x is nearest `x`, the first of equals.
qsizetype nearestInX(const QList<QPointF> &points, double x)
{
    qsizetype nearest = 0;
    for (qsizetype i = 1; i < points.size(); ++i)
        if (std::abs(points.at(i).x() - x) < std::abs(points.at(nearest).x() - x))
            nearest = i;
    return nearest;
}

constexpr qsizetype PageOfPoints = 10;

} // namespace

bool QtChartControl::moveReadOut(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: break;
    default: return false;
    }
    const SeriesPoints &series = m_plotted.series;
    if (m_markSeries < 0) {
        // The first key starts at the first point of the first series drawn, End
        // at its last.
        const int first = seriesWithPoints(series, -1, 1);
        if (first >= 0)
            showReadOut(first, key == Qt::Key_End ? series.at(first).size() - 1 : 0);
        return true;
    }
    const qsizetype last = series.at(m_markSeries).size() - 1;
    const auto within = [last](qsizetype i) { return std::clamp<qsizetype>(i, 0, last); };
    switch (key) {
    case Qt::Key_Left: showReadOut(m_markSeries, within(m_markIndex - 1)); break;
    case Qt::Key_Right: showReadOut(m_markSeries, within(m_markIndex + 1)); break;
    case Qt::Key_Home: showReadOut(m_markSeries, 0); break;
    case Qt::Key_End: showReadOut(m_markSeries, last); break;
    case Qt::Key_PageUp: showReadOut(m_markSeries, within(m_markIndex + PageOfPoints)); break;
    case Qt::Key_PageDown: showReadOut(m_markSeries, within(m_markIndex - PageOfPoints)); break;
    default: {
        // Another series, at the point nearest the same x.
        const int next = seriesWithPoints(series, m_markSeries, key == Qt::Key_Up ? 1 : -1);
        const double x = series.at(m_markSeries).at(m_markIndex).x();
        showReadOut(next, nearestInX(series.at(next), x));
    }
    }
    return true;
}

void QtChartControl::showReadOut(int series, qsizetype index)
{
    m_markSeries = series;
    m_markIndex = index;
    const QPointF value = m_plotted.series.at(series).at(index);
    const QString text = readOut(m_names.value(series), axisSettings(ChartAxis::X).titleText,
                                 axisSettings(ChartAxis::Y).titleText, value);
    m_callout->showAt(chart()->mapToPosition(value), text, m_frame->marks(1).labelFont);
    // Read aloud as one line.
    Environment::describe(this, QString(text).replace(QLatin1Char('\n'), QStringLiteral(", ")));
}

void QtChartControl::aboutToPrint(double dotsPerPixel)
{
    hideReadOut();
    m_printing = true;
    paintPoints(dotsPerPixel);
}

void QtChartControl::printed()
{
    m_printing = false;
    paintPoints(devicePixelRatioF());
}
