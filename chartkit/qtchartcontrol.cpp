#include "chartkit/qtchartcontrol.h"

#include "chartkit/chartdescription.h"
#include "chartkit/chartframe.h"
#include "chartkit/seriesstyle.h"
#include "widgets/environment.h"
#include "widgets/timednotice.h"

#include <QAccessible>
#include <QChart>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QLegend>
#include <QLineSeries>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QValueAxis>

#include <algorithm>

namespace {

// The focus frame: wide enough to see at a glance, inside the control's edge.
constexpr int FocusFramePixels = 2;

// A chart is a chart to assistive technology, not a scroll area: its viewport and
// scroll bars stay out of sight, and what it says as it happens (the next chart, a
// point read out) are its children.
QAccessibleInterface *chartAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QtChartControl"))
        if (auto *chart = qobject_cast<QtChartControl *>(object))
            return new HostAccessible(chart, QAccessible::Chart, chart->spoken(),
                                      HostAccessible::WidgetChildren::Hidden);
    return nullptr;
}

} // namespace

QtChartControl::QtChartControl(QWidget *parent)
    : QChartView(parent), m_axes(chart()), m_frame(new ChartFrame(chart())), m_readOut(*this)
{
    static const bool accessible = [] {
        QAccessible::installFactory(chartAccessible);
        return true;
    }();
    Q_UNUSED(accessible)
    QChart *c = chart();
    c->setAnimationOptions(QChart::NoAnimation);
    c->setDropShadowEnabled(false);
    c->setMargins(QMargins(4, 4, 10, 4));
    c->layout()->setContentsMargins(0, 0, 0, 0);
    // The frame draws the title and the legend.
    c->legend()->setVisible(false);

    // Where nothing listens to notice(), the message stands in the chart's title.
    m_notice = new TimedNotice(
        this,
        [this](const QString &text) {
            showTitle(text);
            showChanges();
        },
        [this] {
            showTitle(shownTitle());
            showChanges();
        });

    setFrameShape(QFrame::NoFrame);
    // The keyboard reaches the chart with Tab; a click gives it the focus together
    // with the chart the click draws (see queueClick), not a moment before, which
    // would paint the old chart once more with its focus frame.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Chart"));
    setToolTip(keysHint());
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
    m_axes.applyLines(m_table, *m_frame);
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

void QtChartControl::applyChartSettings()
{
    showTitle(m_table.titleText());
    QList<LegendEntry> entries;
    if (m_table.legendVisible())
        for (int i = 0; i < m_table.seriesCount(); ++i)
            entries << legendEntry(m_table.seriesSettingsAt(i), m_table.seriesName(i),
                                   seriesColour(m_table.seriesSettingsAt(i), i));
    const AxisSettings &y = m_table.axisSettings(ChartAxis::Y);
    m_frame->setLegend(entries, chartFont(y.titleFontName, y.titleFontPoints - 1));
}

void QtChartControl::showTitle(const QString &text)
{
    chart()->setTitle(text);
    m_frame->setTitle(text, chartFont(m_table.titleFontName(), m_table.titleFontPoints()));
}

QString QtChartControl::shownTitle() const
{
    const QString &titleText = m_table.titleText();
    const bool nothingDrawn
        = m_table.seriesCount() > 0
          && std::all_of(m_plotted.series.begin(), m_plotted.series.end(),
                         [](const QList<QPointF> &points) { return points.isEmpty(); });
    QString note;
    if (nothingDrawn && m_table.titleExplained())
        return titleText;
    if (nothingDrawn)
        note = m_plotted.leftOut ? tr("values too large to draw") : tr("nothing to draw");
    else if (m_plotted.leftOut)
        note = tr("some values too large to draw");
    if (note.isEmpty())
        return titleText;
    return titleText.isEmpty() ? note : titleText + QStringLiteral(" (") + note + QLatin1Char(')');
}

void QtChartControl::drawTable()
{
    QChart *c = chart();
    // The title is the new chart's.
    m_notice->end();
    applyChartSettings();
    m_axes.applyLines(m_table, *m_frame);

    m_plotted = plottedPoints(m_table);
    if (shownTitle() != m_table.titleText())
        showTitle(shownTitle());
    // The axes take their final ranges before any series is attached, so each
    // series is laid out against them once.
    m_axes.fit(m_table, m_plotted, *m_frame, size());

    const int seriesCount = m_table.seriesCount();
    m_names.clear();
    // The series objects of the last chart serve the next one: only their looks
    // and points change, so nothing is taken down and built up again.
    const QList<QAbstractSeries *> existing = c->series();
    for (qsizetype i = seriesCount; i < existing.size(); ++i) {
        c->removeSeries(existing.at(i));
        delete existing.at(i);
    }
    for (int i = 0; i < seriesCount; ++i)
        m_names << m_table.seriesName(i);
    // Qt Charts draws its series in the order they were added: the objects stand in
    // the order of drawing, faded copies behind the rest.
    for (int i = 0; i < seriesCount; ++i) {
        const int index = m_plotted.drawOrder.at(i);
        QLineSeries *series
            = i < existing.size() ? static_cast<QLineSeries *>(existing.at(i)) : nullptr;
        if (!series) {
            series = new QLineSeries;
            c->addSeries(series);
            series->attachAxis(m_axes.x());
            series->attachAxis(m_axes.y());
        }
        const SeriesSettings &settings = m_table.seriesSettingsAt(index);
        styleSeries(series, settings, m_names.at(index), seriesColour(settings, index),
                    m_plotted.series.at(index).size() == 1);
    }
    paintPoints(devicePixelRatioF());
    // A screen reader names the chart by what it shows, and reads what it shows.
    setAccessibleName(shownTitle().isEmpty() ? tr("Chart") : shownTitle());
    describe();
    // The point read out may no longer be there. Removed after the description is
    // renewed, the mark tells the screen reader nothing more.
    m_readOut.hide();
    // A chart that changes under the keyboard's focus (Enter on it) is said anew,
    // as a picture standing where the chart draws.
    if (hasFocus())
        m_spoken.say(accessibleName(), accessibleDescription(), QAccessible::Chart,
                     mapFromScene(chart()->mapToScene(chart()->plotArea())).boundingRect());
    showChanges();
}

void QtChartControl::paintPoints(double scale, bool everyPoint)
{
    const QList<QAbstractSeries *> shown = chart()->series();
    const auto [xPixels, yPixels] = m_axes.pixelsPerUnit(scale);
    for (qsizetype i = 0; i < shown.size() && i < m_plotted.drawOrder.size(); ++i) {
        const int index = m_plotted.drawOrder.at(i);
        const QList<QPointF> &points = m_plotted.series.at(index);
        static_cast<QLineSeries *>(shown.at(i))
            ->replace(everyPoint ? points
                                 : pointsToPaint(points, m_table.seriesSettingsAt(index), xPixels,
                                                 yPixels));
    }
}

void QtChartControl::describe()
{
    m_description
        = chartDescription(m_names, m_plotted, m_table.axisSettings(ChartAxis::X).titleText,
                           m_table.axisSettings(ChartAxis::Y).titleText, m_table.chartNotes());
    Environment::describe(this, spokenDescription());
}

QString QtChartControl::spokenDescription() const
{
    return m_description + QLatin1Char(' ') + keysHint();
}

// The chart laid out at once rather than when the event loop comes round to it:
// the next painting then shows the chart complete, and is the only one. Left to
// the event loop, a click that also moved the focus was painted twice, once for
// the focus and again when the new layout came through.
void QtChartControl::showChanges()
{
    chart()->layout()->activate();
    viewport()->update();
}

void QtChartControl::resizeEvent(QResizeEvent *event)
{
    m_readOut.hide();
    QChartView::resizeEvent(event);
    const std::array<double, 2> before = m_axes.plotLengths();
    m_axes.fit(m_table, m_plotted, *m_frame, size());
    // A long line thinned for the plot area of another size: thinned again.
    if (m_axes.plotLengths() != before)
        paintPoints(devicePixelRatioF());
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
        m_readOut.hover(static_cast<QMouseEvent *>(event)->position().toPoint());
        return true;
    case QEvent::Leave: m_readOut.hide(); return false;
    case QEvent::ToolTip:
        // The read-out beside a point is what the mouse asked for: the chart's
        // tooltip, on what the keys do, waits until no point is read out.
        return m_readOut.isShown();
    case QEvent::ContextMenu:
        m_export.showMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
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
            if (!fromKeyboard)
                setFocus(Qt::MouseFocusReason);
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
        m_export.showMenu(mapToGlobal(rect().center()));
        event->accept();
        return;
    }
    if (key == Qt::Key_Escape && modifiers == Qt::NoModifier && m_readOut.keyMarkShown()) {
        m_readOut.hide();
        event->accept();
        return;
    }
    for (const Command &command : std::as_const(m_commands))
        if (command.key != Qt::Key_unknown && key == command.key && modifiers == Qt::NoModifier) {
            event->accept();
            if (!command.enabled || command.enabled())
                command.run();
            return;
        }
    if (modifiers == Qt::NoModifier && m_readOut.moveByKey(key)) {
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
    if (!hasFocus() || m_printing)
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
    m_readOut.hide();
    QChartView::focusOutEvent(event);
    viewport()->update();
}

void QtChartControl::aboutToPrint(double dotsPerPixel)
{
    m_readOut.hide();
    m_printing = true;
    paintPoints(dotsPerPixel);
}

void QtChartControl::printed()
{
    m_printing = false;
    paintPoints(devicePixelRatioF());
}

void QtChartControl::tell(const QString &text)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&QtChartControl::notice))) {
        emit notice(text);
        return;
    }
    m_notice->post(text);
}

void QtChartControl::addCommand(Command command)
{
    m_commands.append(std::move(command));
    setToolTip(keysHint());
}

QString QtChartControl::keysHint() const
{
    QStringList hints{chartKeysHint()};
    for (const Command &command : m_commands)
        if (!command.hint.isEmpty())
            hints << command.hint;
    return hints.join(QLatin1Char(' '));
}
