#include "widgets/printing.h"

#include "widgets/environment.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

bool printWindowImage(QWidget *window, QPrinter &printer)
{
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (auto *aware = dynamic_cast<PrintAware *>(widget))
            aware->aboutToPrint();
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

QString printWindow(QWidget *window)
{
    std::unique_ptr<QPrinter> printer = Environment::defaultPrinter();
    if (!printer) // no printer on this system: the print dialog can still save a PDF file
        printer = Environment::choosePrinter(window);
    if (!printer)
        return QStringLiteral("No printer: nothing printed");
    return printWindowImage(window, *printer) ? QStringLiteral("Printed")
                                              : QStringLiteral("Printing failed");
}

QString proposedPdfPath(const QDate &date, const QString &folder)
{
    const QDir dir(folder);
    const QString stem = QStringLiteral("tarnwick-") + date.toString(Qt::ISODate);
    QString path = dir.filePath(stem + QStringLiteral(".pdf"));
    for (int number = 2; QFileInfo::exists(path); ++number)
        path = dir.filePath(stem + QStringLiteral("-%1.pdf").arg(number));
    return path;
}
