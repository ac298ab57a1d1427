#include "chartkit/chartcallout.h"

#include <QChart>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

// Above the series and the legend.
constexpr qreal CalloutStacking = 1000;
// The ring round the point, the box's distance from it and the box's padding.
constexpr qreal RingRadius = 5;
constexpr qreal Gap = 10;
constexpr qreal Padding = 4;
// The tail's width where it leaves the box.
constexpr qreal TailWidth = 8;

const QColor Paper(255, 255, 225);
const QColor Edge(80, 80, 80);

} // namespace

ChartCallout::ChartCallout(QChart *chart) : QGraphicsItem(chart), m_chart(chart)
{
    setZValue(CalloutStacking);
    setAcceptedMouseButtons(Qt::NoButton);
    setAcceptHoverEvents(false);
    hide();
}

void ChartCallout::showAt(QPointF point, const QString &text, const QFont &font)
{
    prepareGeometryChange();
    m_point = point;
    m_text = text;
    m_font = font;
    place();
    update();
    show();
}

// Above and to the right of the point where it fits inside the plot area, else
// mirrored to the left or below, so the box never covers the point itself, nor
// the chart's title, legend or tick labels.
void ChartCallout::place()
{
    const QFontMetricsF metrics(m_font);
    const QSizeF size
        = metrics.boundingRect(QRectF(), Qt::AlignLeft | Qt::TextDontClip, m_text).size()
          + QSizeF(2 * Padding, 2 * Padding);
    const QRectF room = m_chart->plotArea();
    const std::array<QPointF, 4> corners = {
        m_point + QPointF(Gap, -Gap - size.height()),
        m_point + QPointF(-Gap - size.width(), -Gap - size.height()),
        m_point + QPointF(Gap, Gap),
        m_point + QPointF(-Gap - size.width(), Gap),
    };
    m_box = QRectF(corners[0], size);
    for (const QPointF &corner : corners) {
        const QRectF candidate(corner, size);
        if (room.contains(candidate)) {
            m_box = candidate;
            return;
        }
    }
    // A plot too small for the box on any side: inside it as far as it goes,
    // and inside the chart in any case.
    for (const QRectF &bounds : {room, m_chart->rect()}) {
        m_box.moveLeft(
            std::max(bounds.left(), std::min(m_box.left(), bounds.right() - size.width())));
        m_box.moveTop(
            std::max(bounds.top(), std::min(m_box.top(), bounds.bottom() - size.height())));
    }
}

QRectF ChartCallout::boundingRect() const
{
    const QRectF ring(m_point - QPointF(RingRadius + 1, RingRadius + 1),
                      QSizeF(2 * RingRadius + 2, 2 * RingRadius + 2));
    return m_box.adjusted(-1, -1, 1, 1).united(ring);
}

void ChartCallout::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);

    // The tail runs from the box's corner nearest the point towards the ring.
    const QPointF centre = m_box.center();
    const QPointF corner(m_point.x() < centre.x() ? m_box.left() : m_box.right(),
                         m_point.y() < centre.y() ? m_box.top() : m_box.bottom());
    const qreal along = m_point.x() < centre.x() ? TailWidth : -TailWidth;
    const qreal down = m_point.y() < centre.y() ? TailWidth : -TailWidth;
    QPainterPath path;
    path.addRoundedRect(m_box, 3, 3);
    const QPointF away = corner - m_point;
    const qreal distance = std::hypot(away.x(), away.y());
    if (distance > 2 * RingRadius) {
        QPainterPath tail;
        tail.moveTo(corner + QPointF(along, 0));
        tail.lineTo(m_point + away * (RingRadius / distance));
        tail.lineTo(corner + QPointF(0, down));
        tail.closeSubpath();
        path = path.united(tail);
    }

    painter->setPen(QPen(Edge, 1));
    painter->setBrush(Paper);
    painter->drawPath(path);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(Qt::black, 1.5));
    painter->drawEllipse(m_point, RingRadius, RingRadius);

    painter->setFont(m_font);
    painter->setPen(Qt::black);
    painter->drawText(m_box.adjusted(Padding, Padding, -Padding, -Padding),
                      Qt::AlignLeft | Qt::AlignTop, m_text);
    painter->restore();
}
