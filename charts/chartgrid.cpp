#include "charts/chartgrid.h"

#include <QChart>
#include <QPainter>
#include <QValueAxis>

#include <cmath>
#include <vector>

namespace {

// The chart's own stacking: background, plot area, shades, then the grid and the
// axes, and the series above them.
constexpr qreal GridStacking = 2;

} // namespace

ChartGrid::ChartGrid(QChart *chart, std::array<QValueAxis *, 2> axes)
    : QGraphicsObject(chart), m_chart(chart), m_axes(axes)
{
    setZValue(GridStacking);
    setAcceptedMouseButtons(Qt::NoButton);
    connect(chart, &QChart::plotAreaChanged, this, &ChartGrid::followPlotArea);
    for (QValueAxis *axis : m_axes) {
        connect(axis, &QValueAxis::rangeChanged, this, [this] { update(); });
        connect(axis, &QValueAxis::tickCountChanged, this, [this] { update(); });
    }
    followPlotArea(chart->plotArea());
}

void ChartGrid::setLines(int axis, bool shown, const QColor &colour)
{
    m_lines[size_t(axis)] = {shown, colour};
    update();
}

void ChartGrid::followPlotArea(const QRectF &area)
{
    prepareGeometryChange();
    m_bounds = area.adjusted(-TickLength - 1, -1, 1, TickLength + 1);
}

void ChartGrid::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF area = m_chart->plotArea();
    if (area.isEmpty())
        return;
    // One pixel of the device wide, on a whole pixel.
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const qreal pixel = 1.0 / ratio;
    const auto onPixel = [ratio](qreal at) { return std::floor(at * ratio) / ratio; };
    const qreal left = onPixel(area.left());
    const qreal bottom = onPixel(area.bottom());
    const bool antialiased = painter->testRenderHint(QPainter::Antialiasing);
    painter->setRenderHint(QPainter::Antialiasing, false);

    // Evenly from one end of each axis to the other, as the labels are.
    std::array<std::vector<qreal>, 2> ticks;
    for (size_t i = 0; i < 2; ++i) {
        const int count = m_axes[i]->tickCount();
        if (count < 2)
            continue;
        const qreal step = (i == 0 ? area.width() : -area.height()) / (count - 1);
        const qreal start = i == 0 ? area.left() : area.bottom();
        for (int t = 0; t < count; ++t)
            ticks[i].push_back(onPixel(start + t * step));
    }
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
    painter->setRenderHint(QPainter::Antialiasing, antialiased);
}
