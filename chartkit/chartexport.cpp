#include "chartkit/chartexport.h"

#include "chartkit/chartreadout.h"
#include "chartkit/qtchartcontrol.h"
#include "chartkit/seriesstyle.h"
#include "model/numbertext.h"
#include "widgets/documentsfolder.h"

#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QLineSeries>
#include <QMenu>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QValueAxis>

namespace {

ChartExport::FileChooser &chooser()
{
    static ChartExport::FileChooser choose;
    return choose;
}

QString number(double value) { return QString::fromStdString(textOfNumber(value)); }

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

void ChartExport::setFileChooser(FileChooser choose) { chooser() = std::move(choose); }

QString ChartExport::chooseFile(QWidget *parent, const QString &caption, const QString &suggested,
                                const QString &filter)
{
    if (chooser())
        return chooser()(parent, caption, suggested, filter);
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

void ChartExport::paintVector(QPainter &painter, const QRectF &target)
{
    QSizeF size = m_view.size();
    if (size.isEmpty())
        return;
    size.scale(target.size(), Qt::KeepAspectRatio);
    painter.save();
    painter.translate(target.x() + (target.width() - size.width()) / 2, target.y());
    painter.scale(size.width() / m_view.width(), size.height() / m_view.height());
    renderVector(painter);
    painter.restore();
}

QString pointsAsCsv(const QStringList &seriesNames, const QString &xTitle, const QString &yTitle,
                    const SeriesPoints &series)
{
    QStringList header;
    qsizetype rows = 0;
    for (qsizetype s = 0; s < series.size(); ++s) {
        const QString name = s < seriesNames.size() ? seriesNames.at(s) : QString();
        header << csvField(name + QStringLiteral(": ") + axisLabel(xTitle, ChartAxis::X))
               << csvField(name + QStringLiteral(": ") + axisLabel(yTitle, ChartAxis::Y));
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

// The chart alone, without the focus frame of the window it sits in, on white
// paper as on the screen. A chart filled a moment ago is laid out first, as it
// would be on the screen.
void ChartExport::renderChart(QPainter &painter) const
{
    m_view.chart()->layout()->activate();
    const QRectF area(QPointF(0, 0), QSizeF(m_view.size()));
    painter.fillRect(area, Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    // The read-out belongs to the screen, not to the picture.
    m_view.readOut().leaveOut(
        [&] { m_view.chart()->scene()->render(&painter, area, m_view.sceneRect()); });
}

// A picture finer than the screen gets the lines drawn for its own pixels, and
// the screen gets its own back afterwards.
QPixmap ChartExport::picture(qreal scale, Lines lines)
{
    const double screen = m_view.devicePixelRatioF();
    const bool ownLines = lines == Lines::EveryPoint || scale != screen;
    if (ownLines)
        m_view.paintPoints(scale, lines == Lines::EveryPoint);
    QPixmap pixmap(m_view.size() * scale);
    pixmap.setDevicePixelRatio(scale);
    QPainter painter(&pixmap);
    renderChart(painter);
    painter.end();
    if (ownLines)
        m_view.paintPoints(screen);
    return pixmap;
}

// Qt Charts draws a solid line as one short piece per pair of points. For a
// picture to edit and zoom into, the series are drawn here instead: each line one
// path through every point plotted, its markers one path of squares, both in
// the chart's coordinates and within its plot area.
void ChartExport::renderVector(QPainter &painter)
{
    QChart *c = m_view.chart();
    const QList<QAbstractSeries *> shown = c->series();
    for (QAbstractSeries *series : shown)
        series->setVisible(false);
    renderChart(painter);
    for (QAbstractSeries *series : shown)
        series->setVisible(true);

    // The scene as renderChart maps it onto the chart's own size.
    const QRectF scene = m_view.sceneRect();
    painter.save();
    painter.scale(m_view.width() / scene.width(), m_view.height() / scene.height());
    painter.translate(-scene.topLeft());
    painter.setClipRect(c->mapRectToScene(c->plotArea()));
    const auto at = [c](QPointF value) { return c->mapToScene(c->mapToPosition(value)); };
    const SeriesPoints &plotted = m_view.plotted();
    const QList<int> &drawOrder = m_view.drawOrder();
    for (qsizetype i = 0; i < shown.size() && i < drawOrder.size(); ++i) {
        const int index = drawOrder.at(i);
        const QList<QPointF> &points = plotted.at(index);
        if (points.isEmpty())
            continue;
        const SeriesSettings &settings = m_view.table().seriesSettingsAt(index);
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
            painter.setBrush(markerFill(settings, seriesColour(settings, index)));
            painter.drawPath(marks);
        }
    }
    painter.restore();
}

void ChartExport::copyPicture()
{
    QApplication::clipboard()->setPixmap(picture(m_view.devicePixelRatioF()));
    m_view.tell(QtChartControl::tr("Picture copied"));
}

void ChartExport::copyDescription()
{
    QApplication::clipboard()->setText(m_view.description());
    m_view.tell(QtChartControl::tr("Description copied"));
}

bool ChartExport::savePicture(const QString &path)
{
    bool saved = false;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(m_view.size());
        svg.setViewBox(QRect(QPoint(0, 0), m_view.size()));
        svg.setTitle(m_view.shownTitle());
        svg.setDescription(m_view.description());
        QPainter painter;
        if (painter.begin(&svg)) {
            renderVector(painter);
            saved = painter.end() && QFileInfo(path).size() > 0;
        }
    } else {
        saved = picture(2).save(path, "PNG");
    }
    m_view.tell(saved ? QtChartControl::tr("Picture saved")
                      : QtChartControl::tr("Picture not saved: %1 cannot be written").arg(path));
    return saved;
}

bool ChartExport::saveData(const QString &path)
{
    const QString &x = m_view.table().axisSettings(ChartAxis::X).titleText;
    const QString &y = m_view.table().axisSettings(ChartAxis::Y).titleText;
    QSaveFile file(path);
    const bool saved
        = file.open(QIODevice::WriteOnly | QIODevice::Text)
          && file.write(pointsAsCsv(m_view.seriesNames(), x, y, m_view.plotted()).toUtf8()) >= 0
          && file.commit();
    m_view.tell(saved ? QtChartControl::tr("Data saved")
                      : QtChartControl::tr("Data not saved: %1 cannot be written").arg(path));
    return saved;
}

// The title up to any bracketed caption, as lower-case words joined by hyphens and
// cut at a word, then the chart's tag, which says in short what the caption says.
QString ChartExport::fileNameStem() const
{
    constexpr int LongestTitle = 40;
    QString title = m_view.table().titleText().section(QLatin1Char('['), 0, 0).toLower();
    title.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    if (title.size() > LongestTitle)
        title = title.left(title.lastIndexOf(QLatin1Char('-'), LongestTitle));
    while (title.startsWith(QLatin1Char('-')))
        title.remove(0, 1);
    while (title.endsWith(QLatin1Char('-')))
        title.chop(1);
    QStringList parts;
    parts << (title.isEmpty() ? QStringLiteral("chart") : title);
    if (!m_view.table().fileNameTag().isEmpty())
        parts << m_view.table().fileNameTag();
    return QDir(documentsFolder()).filePath(parts.join(QLatin1Char('_')));
}

void ChartExport::showMenu(const QPoint &globalPos)
{
    m_view.readOut().hide();
    QMenu menu(&m_view);
    menu.setObjectName(QStringLiteral("ExportMenu"));
    // The window's own commands first.
    QList<std::pair<QAction *, std::function<void()>>> commands;
    for (const QtChartControl::Command &command : m_view.commands()) {
        QAction *action = menu.addAction(command.text);
        if (command.key != Qt::Key_unknown)
            action->setShortcut(QKeySequence(command.key));
        action->setEnabled(!command.enabled || command.enabled());
        commands.append({action, command.run});
    }
    if (!commands.isEmpty())
        menu.addSeparator();
    QAction *copy = menu.addAction(QtChartControl::tr("Copy picture"));
    QAction *copyText = menu.addAction(QtChartControl::tr("Copy description"));
    QAction *savePng = menu.addAction(QtChartControl::tr("Save picture…"));
    QAction *saveCsv = menu.addAction(QtChartControl::tr("Save data…"));
    QAction *chosen = menu.exec(globalPos);
    for (const auto &[action, run] : commands)
        if (chosen == action)
            return run();
    if (chosen == copy) {
        copyPicture();
    } else if (chosen == copyText) {
        copyDescription();
    } else if (chosen == savePng) {
        const QString path = chooseFile(
            &m_view, QtChartControl::tr("Save picture"), fileNameStem() + QStringLiteral(".png"),
            QtChartControl::tr("PNG picture (*.png);;SVG picture (*.svg)"));
        if (!path.isEmpty())
            savePicture(path);
    } else if (chosen == saveCsv) {
        const QString path = chooseFile(&m_view, QtChartControl::tr("Save data"),
                                        fileNameStem() + QStringLiteral(".csv"),
                                        QtChartControl::tr("Comma-separated values (*.csv)"));
        if (!path.isEmpty())
            saveData(path);
    }
}
