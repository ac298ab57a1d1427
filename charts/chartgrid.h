#pragma once

#include <QColor>
#include <QGraphicsObject>

#include <array>

class QChart;
class QValueAxis;

// The ruling of the plot area: a grid line at every tick of an axis that shows
// them, the two axis lines along the bottom and the left, and their tick marks.
// Every line runs along the pixel rows or columns, so it is filled as a single row
// or column of pixels without antialiasing: sharper than the chart's own
// antialiased lines, which smear across two rows, and a fraction of their cost on
// a large chart. Sits above the chart's background and below its series.
class ChartGrid : public QGraphicsObject
{
public:
    // x then y; the ruling follows the axes' ranges and tick counts as they change.
    ChartGrid(QChart *chart, std::array<QValueAxis *, 2> axes);

    // Whether the grid lines of one axis (0: x, 1: y) are drawn, and in which colour.
    void setLines(int axis, bool shown, const QColor &colour);
    bool linesShown(int axis) const { return m_lines[size_t(axis)].shown; }
    QColor lineColour(int axis) const { return m_lines[size_t(axis)].colour; }

    QRectF boundingRect() const override { return m_bounds; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override;

    // How far a tick mark reaches out of the plot area, in pixels.
    static constexpr qreal TickLength = 5;

private:
    struct Lines
    {
        bool shown = false;
        QColor colour;
    };

    void followPlotArea(const QRectF &area);

    QChart *m_chart;
    std::array<QValueAxis *, 2> m_axes;
    std::array<Lines, 2> m_lines;
    QRectF m_bounds; // the plot area with the tick marks, a pixel wider on each side
};
