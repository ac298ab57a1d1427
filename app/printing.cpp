#include "app/printing.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

bool printWindowImage(QWidget *window, QPrinter &printer)
{
    const QPixmap image = window->grab();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(QRect(QPoint(page.x() + (page.width() - size.width()) / 2, page.y()), size),
                       image);
    return painter.end();
}
