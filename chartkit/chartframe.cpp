#include "chartkit/chartframe.h"

#include "widgets/units.h"

#include <QChart>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The chart's own stacking: background, plot area, shades, then the frame, and
// the series above it.
constexpr qreal FrameStacking = 2;

// The legend: a square swatch, the gap to its name, and the lines a good way apart.
constexpr qreal SwatchPixels = 8;
constexpr qreal SwatchGap = 6;
constexpr qreal LegendLineSpacing = 1.7;
constexpr qreal LegendGap = 12;
// The legend keeps clear of the chart's right edge by a little more than the rest.
constexpr qreal LegendRightMargin = 10;

// Evenly from one end of an axis to the other, both ends included.
std::vector<qreal> tickPositions(int count, qreal start, qreal length)
{
    std::vector<qreal> positions;
    if (count < 2)
        return positions;
    for (int t = 0; t < count; ++t)
        positions.push_back(start + t * length / (count - 1));
    return positions;
}

} // namespace

QFont chartFont(const QString &family, double points)
{
    QFont font(family);
    font.setPixelSize(pointsToPixels(points >= 4 ? std::min(points, 72.0) : 4.0));
    return font;
}

ChartFrame::ChartFrame(QChart *chart) : QGraphicsObject(chart), m_chart(chart)
{
    setZValue(FrameStacking);
    setAcceptedMouseButtons(Qt::NoButton);
    connect(chart, &QChart::plotAreaChanged, this, [this] { update(); });
}

ChartFrame::Text ChartFrame::preparedText(const QString &text, const QFont &font)
{
    Text prepared;
    prepared.text = text;
    prepared.font = font;
    prepared.prepared.setText(text);
    prepared.prepared.setTextFormat(Qt::PlainText);
    prepared.prepared.setPerformanceHint(QStaticText::AggressiveCaching);
    prepared.prepared.prepare(QTransform(), font);
    prepared.height = text.isEmpty() ? 0 : QFontMetricsF(font).height();
    return prepared;
}

void ChartFrame::changed()
{
    prepareGeometryChange();
    update();
}

void ChartFrame::setTitle(const QString &title, const QFont &font)
{
    if (title == m_title.text && font == m_title.font)
        return;
    m_title = preparedText(title, font);
    changed();
}

void ChartFrame::setLines(int axis, bool shown, const QColor &colour)
{
    m_lines[size_t(axis)] = {shown, colour};
    update();
}

void ChartFrame::setMarks(int axis, const AxisMarks &marks)
{
    PreparedMarks &prepared = m_marks[size_t(axis)];
    if (prepared.marks == marks)
        return;
    if (prepared.marks.labels != marks.labels || prepared.marks.labelFont != marks.labelFont) {
        prepared.labels.clear();
        prepared.widestLabel = 0;
        for (const QString &label : marks.labels) {
            prepared.labels.append(preparedText(label, marks.labelFont).prepared);
            prepared.widestLabel
                = std::max(prepared.widestLabel, prepared.labels.last().size().width());
        }
        prepared.labelHeight = QFontMetricsF(marks.labelFont).height();
    }
    prepared.title = preparedText(marks.title, marks.titleFont);
    prepared.marks = marks;
    changed();
}

void ChartFrame::setLegend(const QList<LegendEntry> &entries, const QFont &font)
{
    if (entries == m_legend && font == m_legendFont)
        return;
    m_legend = entries;
    m_legendFont = font;
    m_legendTexts.clear();
    for (const LegendEntry &entry : entries)
        m_legendTexts.append(preparedText(entry.name, font));
    changed();
}

qreal ChartFrame::legendWidth() const
{
    if (m_legend.isEmpty())
        return 0;
    qreal widest = 0;
    for (const Text &name : m_legendTexts)
        widest = std::max(widest, name.prepared.size().width());
    return LegendGap + SwatchPixels + SwatchGap + widest + LegendRightMargin - EdgeMargin;
}

QRectF ChartFrame::plotAreaWithin(const QRectF &chart) const
{
    const PreparedMarks &x = m_marks[0];
    const PreparedMarks &y = m_marks[1];
    const qreal yTitleRoom = y.title.height > 0 ? y.title.height + TitleGap : 0;
    const qreal xTitleRoom = x.title.height > 0 ? x.title.height + TitleGap : 0;
    const qreal titleRoom = m_title.height > 0 ? m_title.height + TitleGap : 0;
    // The labels at the ends of an axis stand half beyond it.
    const qreal lastXLabel = x.labels.isEmpty() ? 0 : x.labels.last().size().width() / 2;
    const qreal left
        = chart.left() + EdgeMargin + yTitleRoom + y.widestLabel + LabelGap + TickLength;
    const qreal top = chart.top() + EdgeMargin + titleRoom + y.labelHeight / 2;
    const qreal right = chart.right() - EdgeMargin - std::max(legendWidth(), lastXLabel);
    const qreal bottom
        = chart.bottom() - EdgeMargin - xTitleRoom - x.labelHeight - LabelGap - TickLength;
    // On whole pixels: the ruling and the series' clipping meet at the same edge
    // however the chart is painted.
    const qreal l = std::ceil(left);
    const qreal t = std::ceil(top);
    return QRectF(QPointF(l, t),
                  QPointF(std::max(std::floor(right), l + 1), std::max(std::floor(bottom), t + 1)));
}

// The whole chart: the titles and the legend stand out to its edges.
QRectF ChartFrame::boundingRect() const { return m_chart->rect(); }

void ChartFrame::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF area = m_chart->plotArea();
    if (area.isEmpty())
        return;
    painter->save();
    paintRuling(painter, area);
    painter->setPen(Qt::black);
    if (m_title.height > 0) {
        painter->setFont(m_title.font);
        const qreal width = m_title.prepared.size().width();
        const QRectF chart = m_chart->rect();
        qreal left = chart.center().x() - width / 2;
        // A long legend reaching up into the title's line: the title moves left of
        // it, as far as the chart's edge allows.
        if (!m_legend.isEmpty()
            && legendPlace(area).first < chart.top() + EdgeMargin + m_title.height) {
            const qreal legendLeft = chart.right() - EdgeMargin - legendWidth();
            left = std::max(chart.left() + EdgeMargin, std::min(left, legendLeft - width));
        }
        painter->drawStaticText(QPointF(left, chart.top() + EdgeMargin), m_title.prepared);
    }
    paintLabels(painter, area);
    paintLegend(painter, area);
    painter->restore();
}

void ChartFrame::paintRuling(QPainter *painter, const QRectF &area) const
{
    // One pixel of the device wide, on a whole pixel.
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const qreal pixel = 1.0 / ratio;
    const auto onPixel = [ratio](qreal at) { return std::floor(at * ratio) / ratio; };
    const qreal left = onPixel(area.left());
    const qreal bottom = onPixel(area.bottom());
    painter->setRenderHint(QPainter::Antialiasing, false);

    std::array<std::vector<qreal>, 2> ticks = {
        tickPositions(tickCount(0), area.left(), area.width()),
        tickPositions(tickCount(1), area.bottom(), -area.height()),
    };
    for (auto &positions : ticks)
        for (qreal &at : positions)
            at = onPixel(at);
    if (m_lines[0].shown)
        for (const qreal x : ticks[0])
            painter->fillRect(QRectF(x, area.top(), pixel, bottom - area.top()), m_lines[0].colour);
    if (m_lines[1].shown)
        for (const qreal y : ticks[1])
            painter->fillRect(QRectF(left, y, area.right() - left, pixel), m_lines[1].colour);

    const QColor axisColour(Qt::black);
    painter->fillRect(QRectF(left, bottom, area.right() - left + pixel, pixel), axisColour);
    painter->fillRect(QRectF(left, area.top(), pixel, bottom - area.top() + pixel), axisColour);
    for (const qreal x : ticks[0])
        painter->fillRect(QRectF(x, bottom, pixel, TickLength), axisColour);
    for (const qreal y : ticks[1])
        painter->fillRect(QRectF(left - TickLength, y, TickLength, pixel), axisColour);
    painter->setRenderHint(QPainter::Antialiasing, true);
}

void ChartFrame::paintLabels(QPainter *painter, const QRectF &area) const
{
    const PreparedMarks &x = m_marks[0];
    const PreparedMarks &y = m_marks[1];

    painter->setFont(x.marks.labelFont);
    const std::vector<qreal> xs = tickPositions(int(x.labels.size()), area.left(), area.width());
    const qreal labelTop = area.bottom() + TickLength + LabelGap;
    for (size_t i = 0; i < xs.size(); ++i) {
        const QStaticText &label = x.labels.at(qsizetype(i));
        painter->drawStaticText(QPointF(xs[i] - label.size().width() / 2, labelTop), label);
    }
    painter->setFont(y.marks.labelFont);
    const std::vector<qreal> ys
        = tickPositions(int(y.labels.size()), area.bottom(), -area.height());
    const qreal labelRight = area.left() - TickLength - LabelGap;
    for (size_t i = 0; i < ys.size(); ++i) {
        const QStaticText &label = y.labels.at(qsizetype(i));
        painter->drawStaticText(
            QPointF(labelRight - label.size().width(), ys[i] - label.size().height() / 2), label);
    }

    // The x title under the labels, the y title upright beside them, both centred
    // on the plot area.
    if (x.title.height > 0) {
        painter->setFont(x.title.font);
        const qreal top = labelTop + x.labelHeight + TitleGap;
        painter->drawStaticText(
            QPointF(area.center().x() - x.title.prepared.size().width() / 2, top),
            x.title.prepared);
    }
    if (y.title.height > 0) {
        painter->save();
        painter->setFont(y.title.font);
        const qreal across = labelRight - y.widestLabel - TitleGap - y.title.height;
        painter->translate(across, area.center().y() + y.title.prepared.size().width() / 2);
        painter->rotate(-90);
        painter->drawStaticText(QPointF(0, 0), y.title.prepared);
        painter->restore();
    }
}

std::pair<qreal, qreal> ChartFrame::legendPlace(const QRectF &area) const
{
    const qreal lineHeight = QFontMetricsF(m_legendFont).height();
    // A long legend (runs kept for comparison) closes its lines up to fit the chart.
    const QRectF room = m_chart->rect().adjusted(0, EdgeMargin, 0, -EdgeMargin);
    qreal spacing = lineHeight * LegendLineSpacing;
    if (m_legend.size() > 1)
        spacing = std::clamp((room.height() - lineHeight) / qreal(m_legend.size() - 1), lineHeight,
                             spacing);
    const qreal height = lineHeight + spacing * qreal(m_legend.size() - 1);
    return {std::max(room.top(), std::min(area.center().y() - height / 2, room.bottom() - height)),
            spacing};
}

// At the right of the chart, its lines centred on the plot area.
void ChartFrame::paintLegend(QPainter *painter, const QRectF &area) const
{
    if (m_legend.isEmpty())
        return;
    const qreal lineHeight = QFontMetricsF(m_legendFont).height();
    auto [top, spacing] = legendPlace(area);
    const qreal left = m_chart->rect().right() - EdgeMargin - legendWidth() + LegendGap;
    painter->setFont(m_legendFont);
    for (qsizetype i = 0; i < m_legend.size(); ++i, top += spacing) {
        const LegendEntry &entry = m_legend.at(i);
        const QRectF swatch(left, top + (lineHeight - SwatchPixels) / 2, SwatchPixels,
                            SwatchPixels);
        painter->fillRect(swatch, entry.outlinePixels > 0 ? entry.outline : entry.fill);
        const qreal inset = entry.outlinePixels;
        painter->fillRect(swatch.adjusted(inset, inset, -inset, -inset), entry.fill);
        painter->setPen(Qt::black);
        painter->drawStaticText(QPointF(left + SwatchPixels + SwatchGap, top),
                                m_legendTexts.at(i).prepared);
    }
}
