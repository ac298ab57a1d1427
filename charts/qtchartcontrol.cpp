#include "charts/qtchartcontrol.h"

#include "charts/axisscale.h"
#include "charts/chartcallout.h"
#include "charts/chartgrid.h"
#include "charts/linesimplify.h"
#include "widgets/timednotice.h"

#include "widgets/units.h"

#include <QChart>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QImage>
#include <QKeyEvent>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <unordered_map>

namespace {

constexpr double Empty = std::numeric_limits<double>::quiet_NaN();
constexpr double Undrawable = std::numeric_limits<double>::infinity();

// Marker sizes and outline widths come in twips, like every length of the
// layout. The usual marker is 8 pixels across; other sizes are kept within
// bounds where a square still reads as a point and not as a blot.
constexpr int DefaultMarkerPixels = 8;
constexpr int MinMarkerPixels = 5;
constexpr int MaxMarkerPixels = 16;
constexpr int MaxOutlinePixels = 3;

// The plot area is not known until the chart is laid out, so the axis lengths are
// estimated from the control's size. The y axis' labels and the chart margins take
// about a fifth of the width; a legend its widest text and its swatch; the x
// axis' labels two lines of text and a little gap; a title one and a half lines.
constexpr double PlotWidthShare = 0.82;
constexpr double LegendSwatchPixels = 40;
constexpr double LabelLinesBelowPlot = 2;
constexpr double GapBelowPlotPixels = 12;
constexpr double TitleLines = 1.5;
// However small the control, an axis is fitted as if at least this long.
constexpr double ShortestXAxis = 60;
constexpr double ShortestYAxis = 40;

// Lines of this many points or more are simplified for the screen, to within a
// quarter of a pixel.
constexpr qsizetype SimplifyFrom = 200;
constexpr double PixelTolerance = 0.25;

// The focus frame: wide enough to see at a glance, inside the control's edge.
constexpr int FocusFramePixels = 2;

// Sizes are kept between 4 and 72 points, whatever the caller passed.
QFont fontOf(const QString &family, double points)
{
    QFont font(family);
    font.setPixelSize(pointsToPixels(points >= 4 ? std::min(points, 72.0) : 4.0));
    return font;
}

} // namespace

QtChartControl::QtChartControl(QWidget *parent) : QChartView(parent)
{
    QChart *c = chart();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setDropShadowEnabled(false);
    c->setMargins(QMargins(4, 4, 10, 4));
    c->layout()->setContentsMargins(0, 0, 0, 0);
    c->legend()->setAlignment(Qt::AlignRight);
    c->legend()->setVisible(false);

    for (int i = 0; i < 2; ++i) {
        auto *axis = new QValueAxis(this);
        // The axis line, its ticks and the grid are drawn by the ruling below.
        axis->setLineVisible(false);
        axis->setGridLineVisible(false);
        axis->setLabelsColor(Qt::black);
        axis->setTitleBrush(Qt::black);
        axis->setMinorGridLineVisible(false);
        axis->setRange(0.0, 1.0);
        m_axes[size_t(i)].axis = axis;
        c->addAxis(axis, i == 0 ? Qt::AlignBottom : Qt::AlignLeft);
    }
    m_grid = new ChartGrid(c, {m_axes[0].axis, m_axes[1].axis});
    m_callout = new ChartCallout(c);
    // Where nothing listens to notice(), the message stands in the chart's title.
    m_notice = new TimedNotice(
        this,
        [this](const QString &text) {
            chart()->setTitle(text);
            showChanges();
        },
        [this] {
            chart()->setTitle(shownTitle());
            showChanges();
        });

    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("Chart"));
    setBackgroundBrush(Qt::white);
    setRenderHint(QPainter::Antialiasing, true);
    setOptimizationFlags(QGraphicsView::DontSavePainterState
                         | QGraphicsView::DontAdjustForAntialiasing);
    setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    setRubberBand(QChartView::NoRubberBand);
    scene()->setItemIndexMethod(QGraphicsScene::NoIndex);
    // The view's white background is the only fill under the chart: neither the
    // viewport's own background nor the chart's is painted as well.
    viewport()->setAutoFillBackground(false);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    c->setBackgroundVisible(false);

    // Mouse events of a view reach it on its viewport; taking them there keeps
    // the chart view's own handlers, which are unsafe on an empty spot, out of it.
    viewport()->installEventFilter(this);
    viewport()->setMouseTracking(true);

    applyChartSettings();
    applyAxisSettings(m_axes[0], true);
    applyAxisSettings(m_axes[1], false);
}

QtChartControl::~QtChartControl() = default;

// A chart shown again is painted with the next painting of its window. Qt leaves
// the newly shown chart and viewport to be marked for painting later, by then the
// chart has often been painted already, and it was painted a second time.
void QtChartControl::setChartVisible(bool visible)
{
    const bool appearing = visible && isHidden();
    setVisible(visible);
    if (appearing)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateLater);
}

void QtChartControl::setColumnCount(int columns) { m_columns = std::clamp(columns, 0, MaxColumns); }

void QtChartControl::setRowCount(int rows) { m_rows = std::clamp(rows, 0, MaxRows); }

void QtChartControl::setDataPoint(int row, int column, double value, bool isNull)
{
    if (row < 1 || row > m_rows || column < 1 || column > m_columns)
        return;
    if (m_cells.size() < size_t(column))
        m_cells.resize(size_t(column));
    std::vector<double> &cells = m_cells[size_t(column - 1)];
    if (cells.size() < size_t(row))
        cells.resize(size_t(row), Empty);
    // An empty cell is NaN; a written value that is not finite is kept as an
    // infinity, so it is known as a value the chart could not draw.
    cells[size_t(row - 1)] = isNull ? Empty : std::isnan(value) ? Undrawable : value;
}

double QtChartControl::cell(int row, int column) const
{
    if (size_t(column) > m_cells.size())
        return Empty;
    const std::vector<double> &cells = m_cells[size_t(column - 1)];
    return size_t(row) > cells.size() ? Empty : cells[size_t(row - 1)];
}

QtChartControl::SeriesSettings *QtChartControl::seriesSettings(int series)
{
    // A series is named by its x column: 1, 3, 5, ...
    if (series < 1 || series >= MaxColumns || series % 2 == 0)
        return nullptr;
    return &m_series[size_t(series / 2)];
}

void QtChartControl::setSeriesMarkersShown(int series, bool shown)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->markersShown = shown;
}

void QtChartControl::setSeriesMarkerAutomatic(int series, bool automatic)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->markerAutomatic = automatic;
}

void QtChartControl::setSeriesLineShown(int series, bool shown)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->lineShown = shown;
}

void QtChartControl::setSeriesLegendText(int series, const QString &text)
{
    if (SeriesSettings *s = seriesSettings(series)) {
        s->legendText = text;
        s->legendTextSet = true;
    }
}

void QtChartControl::setPointMarkerVisible(int series, bool visible)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->pointMarkerVisible = visible;
}

void QtChartControl::setPointMarkerSize(int series, int size)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->markerSizeTwips = std::clamp(size, 0, 12 * MaxMarkerPixels);
}

// Every outline is solid, the only pattern there is.
void QtChartControl::setPointMarkerOutline(int series, LinePattern, int width, const QColor &colour)
{
    if (SeriesSettings *s = seriesSettings(series)) {
        s->outlineWidthTwips = std::clamp(width, 0, 12 * MaxOutlinePixels);
        s->outlineColour = colour;
    }
}

void QtChartControl::setPointMarkerFillRed(int series, int red)
{
    if (SeriesSettings *s = seriesSettings(series))
        s->fillRed = std::clamp(red, 0, 255);
}

// Grid lines are solid, the only pattern there is.
void QtChartControl::setAxisGridLine(ChartAxis axis, LinePattern, bool automaticColour,
                                     const QColor &colour)
{
    AxisSettings &s = axisSettings(axis);
    s.gridSet = true;
    s.gridAutomaticColour = automaticColour;
    s.gridColour = colour;
}

QColor QtChartControl::defaultSeriesColour(int seriesNumber)
{
    static const QColor colours[] = {
        QColor(0, 64, 192),  QColor(0, 150, 0),   QColor(200, 0, 0),
        QColor(128, 0, 160), QColor(224, 128, 0),
    };
    constexpr int count = int(std::size(colours));
    const int index = ((std::max(seriesNumber, 1) - 1) % count);
    return colours[index];
}

void QtChartControl::applyChartSettings()
{
    QChart *c = chart();
    c->setTitle(m_titleText);
    c->setTitleFont(fontOf(m_titleFontName, m_titleFontPoints));
    c->setTitleBrush(Qt::black);

    QLegend *legend = c->legend();
    legend->setVisible(m_legendVisible);
    legend->setAlignment(Qt::AlignRight);
    legend->setFont(fontOf(m_axes[1].titleFontName, m_axes[1].titleFontPoints - 1));
    legend->setLabelColor(Qt::black);
}

void QtChartControl::applyAxisSettings(const AxisSettings &s, bool isX)
{
    QValueAxis *axis = s.axis;
    axis->setTitleText(s.titleText);
    axis->setTitleVisible(s.titleVisible && !s.titleText.isEmpty());
    axis->setTitleFont(fontOf(s.titleFontName, s.titleFontPoints));
    // Tick labels a point smaller than the title, so the title stands out.
    axis->setLabelsFont(fontOf(s.titleFontName, s.titleFontPoints - 1));

    // Unless told otherwise, the y axis carries quiet grey lines and the x axis none.
    m_grid->setLines(isX ? 0 : 1, s.gridSet || !isX,
                     s.gridSet && !s.gridAutomaticColour ? s.gridColour : QColor(220, 220, 220));
}

// A visible outline is at least one pixel, however thin it was asked to be.
int QtChartControl::outlinePixels(const SeriesSettings &s)
{
    if (s.outlineWidthTwips <= 0)
        return 0;
    return std::clamp(twipsToPixels(s.outlineWidthTwips), 1, MaxOutlinePixels);
}

QImage QtChartControl::markerImage(const SeriesSettings &s, const QColor &seriesColour)
{
    const int side = s.markerSizeTwips > 0 ? std::clamp(twipsToPixels(s.markerSizeTwips),
                                                        MinMarkerPixels, MaxMarkerPixels)
                                           : DefaultMarkerPixels;
    const QColor fill = markerFill(s, seriesColour);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const int outline = std::min(outlinePixels(s), (side - 1) / 2);
    painter.fillRect(image.rect(), outline > 0 ? s.outlineColour : fill);
    painter.fillRect(image.rect().adjusted(outline, outline, -outline, -outline), fill);
    return image;
}

QColor QtChartControl::markerFill(const SeriesSettings &s, const QColor &seriesColour)
{
    QColor fill = seriesColour;
    if (s.fillRed >= 0)
        fill.setRed(s.fillRed);
    return fill;
}

QList<QPointF> QtChartControl::seriesPoints(int seriesIndex)
{
    const int xColumn = 2 * seriesIndex + 1;
    QList<QPointF> points;
    points.reserve(m_rows);
    for (int row = 1; row <= m_rows; ++row) {
        const double x = cell(row, xColumn);
        const double y = cell(row, xColumn + 1);
        if (std::isnan(x) || std::isnan(y))
            continue; // an empty cell: no point
        // Beyond this bound the axis arithmetic could overflow: such a point is
        // left out, never moved, and the title says so.
        if (!(std::abs(x) <= AxisScale::MaxCoordinate && std::abs(y) <= AxisScale::MaxCoordinate)) {
            m_pointsLeftOut = true;
            continue;
        }
        points.append(QPointF(x, y));
        m_extent[0] = std::min(m_extent[0], x);
        m_extent[1] = std::max(m_extent[1], x);
        m_extent[2] = std::min(m_extent[2], y);
        m_extent[3] = std::max(m_extent[3], y);
    }
    return points;
}

QString QtChartControl::legendText(int seriesIndex) const
{
    const SeriesSettings &s = m_series[size_t(seriesIndex)];
    return s.legendTextSet ? s.legendText : QStringLiteral("Series %1").arg(seriesIndex + 1);
}

void QtChartControl::styleSeries(QLineSeries *series, int seriesIndex)
{
    const SeriesSettings &s = m_series[size_t(seriesIndex)];
    const QColor colour = defaultSeriesColour(seriesIndex + 1);

    series->setName(legendText(seriesIndex));
    // A hidden line keeps its colour, which the legend uses for the series' swatch.
    QPen pen(colour, 2);
    if (!s.lineShown)
        pen.setStyle(Qt::NoPen);
    series->setPen(pen);
    if (s.markersDrawn()) {
        // One image stamped at every point keeps a series a single graphics item,
        // however many points it has.
        const QImage marker = markerImage(s, colour);
        series->setMarkerSize(marker.width());
        series->setLightMarker(marker);
    } else if (!series->lightMarker().isNull()) {
        series->setLightMarker(QImage());
    }
}

// A line of many points is handed to the painter with only the points that can
// be told apart on the screen; markers and the read-out keep every point.
QList<QPointF> QtChartControl::onScreen(const QList<QPointF> &points, const SeriesSettings &s) const
{
    const bool markers = s.markersDrawn();
    if (points.size() < SimplifyFrom || (!markers && !s.lineShown))
        return points;
    const QValueAxis *x = m_axes[0].axis;
    const QValueAxis *y = m_axes[1].axis;
    const double ratio = devicePixelRatioF();
    const double xPixels = ratio * m_plotLengths[0] / (x->max() - x->min());
    const double yPixels = ratio * m_plotLengths[1] / (y->max() - y->min());
    if (!markers)
        return simplifiedLine(points, xPixels, yPixels, PixelTolerance);
    if (s.lineShown)
        return points;
    // Markers alone: one marker on a pixel where another one already stands
    // changes nothing on the screen.
    return distinctPixels(points, xPixels, yPixels);
}

QString QtChartControl::shownTitle() const
{
    if (!m_pointsLeftOut)
        return m_titleText;
    const QString note = tr("some values too large to draw");
    return m_titleText.isEmpty() ? note
                                 : m_titleText + QStringLiteral(" (") + note + QLatin1Char(')');
}

void QtChartControl::refresh()
{
    QChart *c = chart();
    // The point read out may no longer be there, and the title is the new chart's.
    hideReadOut();
    m_notice->end();
    applyChartSettings();
    applyAxisSettings(m_axes[0], true);
    applyAxisSettings(m_axes[1], false);

    constexpr double inf = std::numeric_limits<double>::infinity();
    m_extent = {inf, -inf, inf, -inf};
    m_pointsLeftOut = false;
    const int seriesCount = std::min(m_columns / 2, MaxSeries);
    QList<QList<QPointF>> points;
    m_markersDrawn = false;
    for (int i = 0; i < seriesCount; ++i) {
        points.append(seriesPoints(i));
        const SeriesSettings &s = m_series[size_t(i)];
        if (!points.last().isEmpty() && s.markersDrawn())
            m_markersDrawn = true;
    }

    if (m_pointsLeftOut)
        c->setTitle(shownTitle());
    // The axes take their final ranges before any series is attached, so each
    // series is laid out against them once.
    updateAxisRanges();

    m_drawn = points;
    m_names.clear();
    // The series objects of the last chart serve the next one: only their looks
    // and points change, so nothing is taken down and built up again.
    const QList<QAbstractSeries *> existing = c->series();
    for (qsizetype i = seriesCount; i < existing.size(); ++i) {
        c->removeSeries(existing.at(i));
        delete existing.at(i);
    }
    for (int i = 0; i < seriesCount; ++i) {
        m_names << legendText(i);
        QLineSeries *series
            = i < existing.size() ? static_cast<QLineSeries *>(existing.at(i)) : nullptr;
        if (!series) {
            series = new QLineSeries;
            c->addSeries(series);
            series->attachAxis(m_axes[0].axis);
            series->attachAxis(m_axes[1].axis);
        }
        styleSeries(series, i);
        series->replace(onScreen(points.at(i), m_series[size_t(i)]));
        // Points alone: the legend swatch shows the marker, not the hidden line;
        // otherwise the line's colour.
        const SeriesSettings &s = m_series[size_t(i)];
        const bool pointsAlone
            = series->pen().style() == Qt::NoPen && !series->lightMarker().isNull();
        const QColor colour = defaultSeriesColour(i + 1);
        for (QLegendMarker *marker : c->legend()->markers(series)) {
            marker->setBrush(pointsAlone ? markerFill(s, colour) : QBrush(colour));
            marker->setPen(pointsAlone ? QPen(s.outlineColour, outlinePixels(s)) : QPen(colour));
        }
    }
    // A screen reader names the chart by what it shows.
    setAccessibleName(shownTitle().isEmpty() ? tr("Chart") : shownTitle());
    showChanges();
}

// The chart and its legend laid out at once rather than when the event loop comes
// round to it: the next painting then shows the chart complete, and is the only
// one. Left to the event loop, a click that also moved the focus was painted
// twice, once for the focus and again when the new layout came through.
void QtChartControl::showChanges()
{
    QChart *c = chart();
    c->layout()->activate();
    if (QGraphicsLayout *legendLayout = c->legend()->layout())
        legendLayout->activate();
    viewport()->update();
}

void QtChartControl::updateAxisRanges()
{
    const QFontMetricsF labels(m_axes[1].axis->labelsFont());
    double legendWidth = 0;
    if (m_legendVisible) {
        const QFontMetricsF legendMetrics(chart()->legend()->font());
        const int seriesCount = std::min(m_columns / 2, MaxSeries);
        for (int i = 0; i < seriesCount; ++i)
            legendWidth = std::max(legendWidth, legendMetrics.horizontalAdvance(legendText(i)));
        legendWidth += LegendSwatchPixels;
    }
    const double xLength = width() * PlotWidthShare - legendWidth;
    double yLength = height() - LabelLinesBelowPlot * labels.height() - GapBelowPlotPixels;
    if (!m_titleText.isEmpty())
        yLength -= TitleLines * QFontMetricsF(chart()->titleFont()).height();
    if (m_axes[0].axis->isTitleVisible())
        yLength -= TitleLines * QFontMetricsF(m_axes[0].axis->titleFont()).height();

    const double lengths[2] = {std::max(xLength, ShortestXAxis), std::max(yLength, ShortestYAxis)};
    m_plotLengths = {lengths[0], lengths[1]};
    for (size_t i = 0; i < 2; ++i) {
        QValueAxis *axis = m_axes[i].axis;
        const QFontMetricsF metrics(axis->labelsFont());
        // The tick counts tried share most of their labels: each is measured once.
        std::unordered_map<std::string, double> widths;
        const auto labelWidth = [&metrics, &widths](const std::string &label) {
            const auto known = widths.find(label);
            if (known != widths.end())
                return known->second;
            const double width = metrics.horizontalAdvance(QString::fromStdString(label));
            widths.emplace(label, width);
            return width;
        };
        const AxisScale::LabelMetrics measure{labelWidth, metrics.height()};
        AxisScale::AxisRequest request;
        request.lo = m_extent[2 * i];
        request.hi = m_extent[2 * i + 1];
        request.markerRoom = m_markersDrawn;
        request.wholeNumbers = m_axes[i].wholeNumbers;
        request.length = lengths[i];
        request.horizontal = i == 0;
        const AxisScale::Scale scale = AxisScale::axisScale(request, measure);
        // Only a real change, which relays every attached series out, is passed on.
        if (axis->min() != scale.min || axis->max() != scale.max)
            axis->setRange(scale.min, scale.max);
        axis->setTickCount(scale.ticks);
        axis->setLabelFormat(scale.decimals == AxisScale::Scale::SignificantDigits
                                 ? QStringLiteral("%.3g")
                                 : QStringLiteral("%.%1f").arg(scale.decimals));
    }
}

void QtChartControl::resizeEvent(QResizeEvent *event)
{
    hideReadOut();
    QChartView::resizeEvent(event);
    updateAxisRanges();
    showChanges();
}

bool QtChartControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != viewport())
        return QChartView::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_click.press(static_cast<QMouseEvent *>(event), viewport()->rect());
        return true;
    case QEvent::MouseButtonDblClick:
        // The first half of a double click has already counted as the click.
        m_click.cancel();
        return true;
    case QEvent::MouseButtonRelease:
        if (m_click.release(static_cast<QMouseEvent *>(event), viewport()->rect()))
            queueClick(false);
        return true;
    case QEvent::MouseMove:
        // The mouse is tracked: the read-out follows it, and nothing runs while it
        // stands still.
        hover(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::Leave: hideReadOut(); return false;
    case QEvent::ContextMenu:
        showExportMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    default: return QChartView::eventFilter(watched, event);
    }
}

// Queued, so whoever rebuilds the chart on a click does so after the event has
// left the view; dropped if the chart has gone from the screen meanwhile, so
// leaving a window cancels a click still on its way.
void QtChartControl::queueClick(bool fromKeyboard)
{
    QMetaObject::invokeMethod(
        this,
        [this, fromKeyboard] {
            if (!isVisible())
                return;
            m_clickFromKeyboard = fromKeyboard;
            emit clicked();
            m_clickFromKeyboard = false;
        },
        Qt::QueuedConnection);
}

void QtChartControl::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (key == Qt::Key_Menu && modifiers == Qt::NoModifier) {
        showExportMenu(mapToGlobal(rect().center()));
        event->accept();
        return;
    }
    if (modifiers != Qt::NoModifier
        || (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter)) {
        // Not ours: the window around the chart may want it.
        event->ignore();
        return;
    }
    // A key held down clicks once, as a button held down does.
    if (!event->isAutoRepeat())
        queueClick(true);
    event->accept();
}

void QtChartControl::paintEvent(QPaintEvent *event)
{
    QChartView::paintEvent(event);
    if (!hasFocus())
        return;
    // Drawn over the chart, inside the edge, where only the chart's margin lies.
    QPainter painter(viewport());
    QPen pen(palette().color(QPalette::Highlight), FocusFramePixels);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const qreal inset = FocusFramePixels / 2.0;
    painter.drawRect(QRectF(viewport()->rect()).adjusted(inset, inset, -inset, -inset));
}

// The frame comes and goes with the focus; the viewport is where it is drawn.
void QtChartControl::focusInEvent(QFocusEvent *event)
{
    QChartView::focusInEvent(event);
    viewport()->update();
}

void QtChartControl::focusOutEvent(QFocusEvent *event)
{
    QChartView::focusOutEvent(event);
    viewport()->update();
}
