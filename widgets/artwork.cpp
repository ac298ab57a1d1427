#include "widgets/artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

QPixmap artwork(const QString &name, QSize size)
{
    QSvgRenderer renderer(QStringLiteral(":/%1.svg").arg(name));
    if (size.isEmpty())
        size = renderer.defaultSize();
    // Drawn at the screen's own resolution, so a high-resolution screen shows it
    // crisp; its size in the layout stays the same.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return pixmap;
}

const QString QuizQuestions = QStringLiteral(
    "1. What are the consequences of rearing a population and taking a harvest from it while "
    "ignoring harvest theory? "
    "2. To keep a culture of useful bacteria, should you use the exponential model, the logistic "
    "model or another model? Explain why. "
    "3. Which further factors, besides growth rate and carrying capacity, should a mass-rearing "
    "and harvest model take into account?");

const QString DedicationCaption = QStringLiteral(
    "In loving memory of our teacher, who taught us to harvest only what nature gives again.");

QIcon programIcon()
{
    QIcon icon;
    for (int side : {16, 32, 48, 64})
        icon.addPixmap(artwork(QStringLiteral("icon"), QSize(side, side)));
    return icon;
}

QIcon quizIcon()
{
    QIcon icon;
    icon.addPixmap(artwork(QStringLiteral("quiz"), QSize(48, 48)));
    return icon;
}

QCursor handCursor()
{
    return QCursor(artwork(QStringLiteral("cursor_hand"), QSize(32, 32)), 7, 1); // fingertip
}

QCursor startCursor()
{
    return QCursor(artwork(QStringLiteral("cursor_start"), QSize(32, 32)), 1, 1);
}
