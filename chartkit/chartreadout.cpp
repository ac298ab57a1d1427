#include "chartkit/chartreadout.h"

#include "chartkit/chartcallout.h"
#include "chartkit/chartframe.h"
#include "chartkit/qtchartcontrol.h"
#include "model/numbertext.h"
#include "widgets/environment.h"

#include <QAccessible>
#include <QChart>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

// How near the mouse must come to a point, in pixels, for its read-out.
constexpr double Reach = 6;
// What a screen magnifier is shown of a point read out: a square this far round it.
constexpr int Ring = 6;

QString number(double value) { return QString::fromStdString(textOfNumber(value)); }

} // namespace

QString axisLabel(const QString &title, ChartAxis axis)
{
    if (!title.isEmpty())
        return title;
    return axis == ChartAxis::X ? QStringLiteral("x") : QStringLiteral("y");
}

QString readOut(const QString &seriesName, const QString &xTitle, const QString &yTitle,
                QPointF value, const QString &note)
{
    const QString text = seriesName + QLatin1Char('\n') + axisLabel(xTitle, ChartAxis::X)
                         + QStringLiteral(": ") + number(value.x()) + QLatin1Char('\n')
                         + axisLabel(yTitle, ChartAxis::Y) + QStringLiteral(": ")
                         + number(value.y());
    return note.isEmpty() ? text : text + QLatin1Char('\n') + note;
}

ChartReadOut::ChartReadOut(QtChartControl &view)
    : m_view(view), m_callout(new ChartCallout(view.chart()))
{}

bool ChartReadOut::isShown() const { return m_callout->isVisible(); }
bool ChartReadOut::calloutVisible() const { return m_callout->isVisible(); }
void ChartReadOut::setCalloutVisible(bool visible) { m_callout->setVisible(visible); }

void ChartReadOut::hover(const QPoint &at)
{
    const QPointF inScene = m_view.mapToScene(at);
    QChart *c = m_view.chart();
    const QPointF inChart = c->mapFromScene(inScene);
    if (!c->plotArea().adjusted(-Reach, -Reach, Reach, Reach).contains(inChart))
        return hide();
    const auto toPixels = [c](QPointF value) { return c->mapToPosition(value); };
    const auto found = pointUnderMouse(m_view.plotted(), inChart, Reach, toPixels);
    if (!found)
        return hide();
    if (m_callout->isVisible() && m_callout->point() == toPixels(found->value))
        return; // the same point: nothing to draw again
    const ChartTable &table = m_view.table();
    m_callout->showAt(toPixels(found->value),
                      readOut(m_view.seriesNames().value(found->series),
                              table.axisSettings(ChartAxis::X).titleText,
                              table.axisSettings(ChartAxis::Y).titleText, found->value,
                              m_view.pointNote(found->series, found->index)),
                      m_view.frame().marks(1).labelFont);
}

void ChartReadOut::hide()
{
    if (m_callout->isVisible())
        m_callout->hide();
    if (m_series >= 0) {
        m_series = -1;
        m_index = -1;
        Environment::describe(&m_view, m_view.spokenDescription());
        // The mark is gone: a screen reader is back on the chart and says so.
        if (m_view.hasFocus() && QAccessible::isActive()) {
            QAccessibleEvent focus(&m_view, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
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

bool ChartReadOut::moveByKey(int key)
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
    const SeriesPoints &series = m_view.plotted();
    if (m_series < 0) {
        // The first key starts at the first point of the first series drawn, End
        // at its last.
        const int first = seriesWithPoints(series, -1, 1);
        if (first >= 0)
            show(first, key == Qt::Key_End ? series.at(first).size() - 1 : 0);
        return true;
    }
    const qsizetype last = series.at(m_series).size() - 1;
    const auto within = [last](qsizetype i) { return std::clamp<qsizetype>(i, 0, last); };
    switch (key) {
    case Qt::Key_Left: show(m_series, within(m_index - 1)); break;
    case Qt::Key_Right: show(m_series, within(m_index + 1)); break;
    case Qt::Key_Home: show(m_series, 0); break;
    case Qt::Key_End: show(m_series, last); break;
    case Qt::Key_PageUp: show(m_series, within(m_index + PageOfPoints)); break;
    case Qt::Key_PageDown: show(m_series, within(m_index - PageOfPoints)); break;
    default: {
        // Another series, at the point nearest the same x.
        const int next = seriesWithPoints(series, m_series, key == Qt::Key_Up ? 1 : -1);
        const double x = series.at(m_series).at(m_index).x();
        show(next, nearestInX(series.at(next), x));
    }
    }
    return true;
}

void ChartReadOut::show(int series, qsizetype index)
{
    m_series = series;
    m_index = index;
    const QPointF value = m_view.plotted().at(series).at(index);
    const ChartTable &table = m_view.table();
    const QString text = readOut(
        m_view.seriesNames().value(series), table.axisSettings(ChartAxis::X).titleText,
        table.axisSettings(ChartAxis::Y).titleText, value, m_view.pointNote(series, index));
    m_callout->showAt(m_view.chart()->mapToPosition(value), text,
                      m_view.frame().marks(1).labelFont);
    // Read aloud as one line, and said at once.
    const QString line = QString(text).replace(QLatin1Char('\n'), QStringLiteral(", "));
    Environment::describe(&m_view, line);
    const QPoint at = m_view.mapFromScene(m_view.chart()->mapToScene(m_callout->point()));
    m_view.spoken().say(line, QString(), QAccessible::ListItem,
                        QRect(at - QPoint(Ring, Ring), QSize(2 * Ring, 2 * Ring)));
}
