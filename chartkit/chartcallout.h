#pragma once

#include <QFont>
#include <QGraphicsItem>
#include <QRectF>
#include <QString>

class QChart;

// The read-out of one point, drawn inside the chart itself: a ring round the
// point and a small box beside it with the series and the point's values, its
// tail pointing at the point. Being part of the chart's scene it shows on every
// platform and in every screenshot; it takes no mouse buttons, so clicks go
// through it to the chart.
class ChartCallout : public QGraphicsItem
{
public:
    explicit ChartCallout(QChart *chart);

    // Shows `text` beside `point` (in the chart's coordinates), inside the chart.
    void showAt(QPointF point, const QString &text, const QFont &font);

    QString text() const { return m_text; }
    QPointF point() const { return m_point; }
    // Where the box stands, in the chart's coordinates.
    QRectF box() const { return m_box; }

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override;

private:
    void place();

    QChart *m_chart;
    QString m_text;
    QFont m_font;
    QPointF m_point;
    QRectF m_box;
};
