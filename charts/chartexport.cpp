// The chart for handouts: the picture on the clipboard, as PNG or SVG, and the
// points as CSV.
#include "charts/qtchartcontrol.h"

#include "charts/chartcallout.h"
#include "charts/chartreadout.h"
#include "widgets/documentsfolder.h"
#include "widgets/timednotice.h"

#include <QApplication>
#include <QChart>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsLayout>
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

QPixmap QtChartControl::picture(qreal scale) const
{
    QPixmap pixmap(size() * scale);
    pixmap.setDevicePixelRatio(scale);
    QPainter painter(&pixmap);
    renderChart(painter);
    return pixmap;
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

bool QtChartControl::savePicture(const QString &path)
{
    bool saved = false;
    if (path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        QSvgGenerator svg;
        svg.setFileName(path);
        svg.setSize(size());
        svg.setViewBox(QRect(QPoint(0, 0), size()));
        svg.setTitle(shownTitle());
        QPainter painter;
        if (painter.begin(&svg)) {
            renderChart(painter);
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

QString QtChartControl::fileNameStem() const
{
    QString stem = titleText().left(40).toLower();
    stem.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    while (stem.endsWith(QLatin1Char('-')))
        stem.chop(1);
    return QDir(documentsFolder()).filePath(stem.isEmpty() ? QStringLiteral("chart") : stem);
}

void QtChartControl::showExportMenu(const QPoint &globalPos)
{
    hideReadOut();
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("ExportMenu"));
    QAction *copy = menu.addAction(tr("Copy picture"));
    QAction *savePng = menu.addAction(tr("Save picture…"));
    QAction *saveCsv = menu.addAction(tr("Save data…"));
    QAction *chosen = menu.exec(globalPos);
    if (chosen == copy) {
        copyPicture();
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
