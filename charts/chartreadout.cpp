#include "charts/chartreadout.h"

#include "charts/chartcallout.h"
#include "charts/chartframe.h"
#include "charts/qtchartcontrol.h"
#include "model/numbertext.h"

#include <QChart>
#include <QValueAxis>

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
}

void QtChartControl::aboutToPrint() { hideReadOut(); }
