#pragma once

#include <QColor>
#include <QFont>
#include <QGraphicsObject>
#include <QImage>
#include <QList>
#include <QMarginsF>
#include <QStaticText>
#include <QStringList>

#include <array>

class QChart;

// A font of a chart: sizes are kept between 4 and 72 points, whatever was asked.
QFont chartFont(const QString &family, double points);

// What stands beside one axis: the labels of its ticks, from its low end to its
// high end, evenly spread along it with a tick at either end, and its title.
struct AxisMarks
{
    QStringList labels; // one a tick; fewer than two: no ticks
    QFont labelFont;
    QString title; // empty: no title
    QFont titleFont;

    bool operator==(const AxisMarks &) const = default;
};

// One line of the legend: the series' name beside a swatch of its colour, or of
// its marker where the series is points alone.
struct LegendEntry
{
    QString name;
    QColor fill;
    QColor outline;
    int outlinePixels = 0;

    bool operator==(const LegendEntry &) const = default;
};

// Everything of a chart but its series: the title above, the legend at the right,
// and the ruling of the plot area with what stands beside it: a grid line at every
// tick of an axis that shows them, the two axis lines along the bottom and the
// left, their tick marks, the ticks' labels and the axes' titles. It also decides
// where the plot area lies, so that the series are laid out once, in the right
// place. Lines run along the pixel rows or columns, filled as single rows or
// columns of pixels without antialiasing: sharper than antialiased lines, which
// smear across two rows. Texts are laid out once when they change, not from a text
// document each time they are painted. Sits above the chart's background and below
// its series.
class ChartFrame : public QGraphicsObject
{
public:
    explicit ChartFrame(QChart *chart);

    void setTitle(const QString &title, const QFont &font);
    const QString &title() const { return m_title.text; }
    const QFont &titleFont() const { return m_title.font; }

    // Whether the grid lines of one axis (0: x, 1: y) are drawn, and in which colour.
    void setLines(int axis, bool shown, const QColor &colour);
    bool linesShown(int axis) const { return m_lines[size_t(axis)].shown; }
    QColor lineColour(int axis) const { return m_lines[size_t(axis)].colour; }

    void setMarks(int axis, const AxisMarks &marks);
    const AxisMarks &marks(int axis) const { return m_marks[size_t(axis)].marks; }
    int tickCount(int axis) const { return int(marks(axis).labels.size()); }

    // An empty legend is not shown.
    void setLegend(const QList<LegendEntry> &entries, const QFont &font);
    const QList<LegendEntry> &legend() const { return m_legend; }
    // The width the legend takes at the right of the chart, 0 without one.
    qreal legendWidth() const;

    // The plot area all this leaves within the chart's rectangle.
    QRectF plotAreaWithin(const QRectF &chart) const;

    QRectF boundingRect() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *) override;

    // How far a tick mark reaches out of the plot area, the gap between it and its
    // label, between the labels and the axis' title, and round the chart's edge.
    static constexpr qreal TickLength = 5;
    static constexpr qreal LabelGap = 3;
    static constexpr qreal TitleGap = 4;
    static constexpr qreal EdgeMargin = 4;

private:
    struct Lines
    {
        bool shown = false;
        QColor colour;
    };
    struct Text
    {
        QString text;
        QStaticText prepared;
        QFont font;
        qreal height = 0; // of a line of the font; 0 for no text
    };
    struct PreparedMarks
    {
        AxisMarks marks;
        QList<QStaticText> labels;
        Text title;
        qreal widestLabel = 0;
        qreal labelHeight = 0;
    };

    static Text preparedText(const QString &text, const QFont &font);
    void changed();
    void paintRuling(QPainter *painter, const QRectF &area) const;
    void paintLabels(QPainter *painter, const QRectF &area) const;
    void paintLegend(QPainter *painter, const QRectF &area) const;
    // Where the legend's lines start and how far apart they are, beside `area`.
    std::pair<qreal, qreal> legendPlace(const QRectF &area) const;

    QChart *m_chart;
    Text m_title;
    std::array<Lines, 2> m_lines;
    std::array<PreparedMarks, 2> m_marks;
    QList<LegendEntry> m_legend;
    QList<Text> m_legendTexts;
    QFont m_legendFont;
};
