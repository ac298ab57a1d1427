// The chart for handouts: the picture on the clipboard, as PNG or SVG, and the
// points as CSV.
#include "chartkit/qtchartcontrol.h"

#include "chartkit/chartcallout.h"
#include "chartkit/chartreadout.h"
#include "chartkit/seriesstyle.h"
#include "widgets/documentsfolder.h"
#include "widgets/timednotice.h"

#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QMenu>
#include <QMetaMethod>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QValueAxis>

namespace {

QtChartControl::FileChooser &chooser()
{
    static QtChartControl::FileChooser choose;
    return choose;
}

QString chooseFile(QWidget *parent, const QString &caption, const QString &suggested,
                   const QString &filter)
{
    if (chooser())
        return chooser()(parent, caption, suggested, filter);
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

} // namespace

void QtChartControl::setFileChooser(FileChooser choose) { chooser() = std::move(choose); }

// The chart alone, without the focus frame of the window it sits in, on white
// paper as on the screen. A chart filled a moment ago is laid out first, as it
// would be on the screen.
void QtChartControl::renderChart(QPainter &painter) const
{
    chart()->layout()->activate();
    const QRectF area(QPointF(0, 0), QSizeF(size()));
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    // The read-out belongs to the screen, not to the picture.
    const bool readOutShown = m_callout->isVisible();
    m_callout->setVisible(false);
    chart()->scene()->render(&painter, area, sceneRect());
    m_callout->setVisible(readOutShown);
}

// A picture finer than the screen gets the lines drawn for its own pixels, and
// the screen gets its own back afterwards.
QPixmap QtChartControl::picture(qreal scale, Lines lines)
{
    const double screen = devicePixelRatioF();
    const bool ownLines = lines == Lines::EveryPoint || scale != screen;
    if (ownLines)
        paintPoints(scale, lines);
    QPixmap pixmap(size() * scale);
    pixmap.setDevicePixelRatio(scale);
    QPainter painter(&pixmap);
    renderChart(painter);
    painter.end();
    if (ownLines)
        paintPoints(screen);
    return pixmap;
}

// Qt Charts draws a solid line as one short piece per pair of points. For a
// picture to edit and zoom into, the series are drawn here instead: each line one
// path through every point plotted, its markers one path of squares, both in
// the chart's coordinates and within its plot area.
void QtChartControl::renderVector(QPainter &painter)
{
    QChart *c = chart();
    const QList<QAbstractSeries *> shown = c->series();
    for (QAbstractSeries *series : shown)
        series->setVisible(false);
    renderChart(painter);
    for (QAbstractSeries *series : shown)
        series->setVisible(true);

    // The scene as renderChart maps it onto the chart's own size.
    const QRectF scene = sceneRect();
    painter.save();
    painter.scale(width() / scene.width(), height() / scene.height());
    painter.translate(-scene.topLeft());
    painter.setClipRect(c->mapRectToScene(c->plotArea()));
    const auto at = [c](QPointF value) { return c->mapToScene(c->mapToPosition(value)); };
    for (qsizetype i = 0; i < shown.size() && i < m_plotted.series.size(); ++i) {
        const QList<QPointF> &points = m_plotted.series.at(i);
        if (points.isEmpty())
            continue;
        const SeriesSettings &settings = seriesSettingsAt(int(i));
        const auto *series = static_cast<const QLineSeries *>(shown.at(i));
        if (settings.lineShown && points.size() > 1) {
            QPainterPath line(at(points.first()));
            for (qsizetype p = 1; p < points.size(); ++p)
                line.lineTo(at(points.at(p)));
            painter.setPen(series->pen());
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(line);
        } else if (settings.lineShown && !settings.markersDrawn()) {
            // A line of one point: its dot, as on the screen.
            const double radius = singlePointImage(series->pen().color()).width() / 2.0;
            painter.setPen(Qt::NoPen);
            painter.setBrush(series->pen().color());
            painter.drawEllipse(at(points.first()), radius, radius);
        }
        if (settings.markersDrawn()) {
            // The squares of the screen's marker: its outline inside its edge.
            const double side = series->markerSize();
            const double outline = std::min(outlinePixels(settings), int(side - 1) / 2);
            const double inset = outline / 2;
            const QPointF corner(side / 2 - inset, side / 2 - inset);
            QPainterPath marks;
            for (const QPointF &p : points)
                marks.addRect(QRectF(at(p) - corner, at(p) + corner));
            painter.setPen(outline > 0 ? QPen(settings.outlineColour, outline, Qt::SolidLine,
                                              Qt::SquareCap, Qt::MiterJoin)
                                       : QPen(Qt::NoPen));
            painter.setBrush(markerFill(settings, defaultSeriesColour(int(i) + 1)));
            painter.drawPath(marks);
        }
    }
    painter.restore();
}

void QtChartControl::tell(const QString &text)
{
    if (isSignalConnected(QMetaMethod::fromSignal(&QtChartControl::notice))) {
        emit notice(text);
        return;
    }
    m_notice->post(text);
}

void QtChartControl::copyPicture()
{
    QApplication::clipboard()->setPixmap(picture(devicePixelRatioF()));
    tell(tr("Picture copied"));
}

void QtChartControl::copyDescription()
{
    QApplication::clipboard()->setText(m_description);
    tell(tr("Description copied"));
}

bool QtChartControl::savePicture(const QString &path)
{
    bool saved = false;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size());
        svg.setViewBox(QRect(QPoint(0, 0), size()));
        svg.setTitle(shownTitle());
        svg.setDescription(m_description);
        QPainter painter;
        if (painter.begin(&svg)) {
            renderVector(painter);
            saved = painter.end() && QFileInfo(path).size() > 0;
        }
    } else {
        saved = picture(2).save(path, "PNG");
    }
    tell(saved ? tr("Picture saved") : tr("Picture not saved: %1 cannot be written").arg(path));
    return saved;
}

bool QtChartControl::saveData(const QString &path)
{
    const QString &x = axisSettings(ChartAxis::X).titleText;
    const QString &y = axisSettings(ChartAxis::Y).titleText;
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly | QIODevice::Text)
                       && file.write(pointsAsCsv(m_names, x, y, m_plotted.series).toUtf8()) >= 0
                       && file.commit();
    tell(saved ? tr("Data saved") : tr("Data not saved: %1 cannot be written").arg(path));
    return saved;
}

// The title up to any bracketed caption, as lower-case words joined by hyphens and
// cut at a word, then the chart's tag, which says in short what the caption says.
QString QtChartControl::fileNameStem() const
{
    constexpr int LongestTitle = 40;
    QString title = titleText().section(QLatin1Char('['), 0, 0).toLower();
    title.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    if (title.size() > LongestTitle)
        title = title.left(title.lastIndexOf(QLatin1Char('-'), LongestTitle));
    while (title.startsWith(QLatin1Char('-')))
        title.remove(0, 1);
    while (title.endsWith(QLatin1Char('-')))
        title.chop(1);
    QStringList parts;
    parts << (title.isEmpty() ? QStringLiteral("chart") : title);
    if (!fileNameTag().isEmpty())
        parts << fileNameTag();
    return QDir(documentsFolder()).filePath(parts.join(QLatin1Char('_')));
}

void QtChartControl::showExportMenu(const QPoint &globalPos)
{
    hideReadOut();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("ExportMenu"));
    QAction *copy = menu.addAction(tr("Copy picture"));
    QAction *copyText = menu.addAction(tr("Copy description"));
    QAction *savePng = menu.addAction(tr("Save picture…"));
    QAction *saveCsv = menu.addAction(tr("Save data…"));
    QAction *chosen = menu.exec(globalPos);
    if (chosen == copy) {
        copyPicture();
    } else if (chosen == copyText) {
        copyDescription();
    } else if (chosen == savePng) {
        const QString path
            = chooseFile(this, tr("Save picture"), fileNameStem() + QStringLiteral(".png"),
                         tr("PNG picture (*.png);;SVG picture (*.svg)"));
        if (!path.isEmpty())
            savePicture(path);
    } else if (chosen == saveCsv) {
        const QString path
            = chooseFile(this, tr("Save data"), fileNameStem() + QStringLiteral(".csv"),
                         tr("Comma-separated values (*.csv)"));
        if (!path.isEmpty())
            saveData(path);
    }
}
