#include "widgets/printing.h"

#include "widgets/environment.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QWidget>

void paintWindow(QWidget *window, QPainter &painter, const QRect &page)
{
    if (window->width() <= 0 || window->height() <= 0)
        return;
    QSizeF size = window->size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    const double scale = size.width() / window->width();
    QList<QWidget *> widgets = window->findChildren<QWidget *>();
    widgets << window;
    QList<PrintAware *> aware;
    for (QWidget *widget : widgets)
        if (auto *a = dynamic_cast<PrintAware *>(widget))
            aware << a;
    // Qt renders a widget straight onto a printer as one picture of pixels, its
    // text included. Recorded as drawing commands first and played back at the
    // page's scale, text and lines stay text and lines on paper.
    for (PrintAware *a : aware)
        a->aboutToPrint(scale);
    QPicture drawing;
    {
        QPainter recorder(&drawing);
        window->render(&recorder, QPoint(), QRegion(),
                       QWidget::DrawWindowBackground | QWidget::DrawChildren);
    }
    for (PrintAware *a : aware)
        a->printed();
    // A drawing plays back at the device's resolution against its own.
    const QPaintDevice *device = painter.device();
    painter.save();
    painter.translate(page.x() + (page.width() - size.width()) / 2, page.y());
    painter.scale(scale * drawing.logicalDpiX() / device->logicalDpiX(),
                  scale * drawing.logicalDpiY() / device->logicalDpiY());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPicture(0, 0, drawing);
    painter.restore();
}

bool printWindowImage(QWidget *window, QPrinter &printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paintWindow(window, painter, painter.viewport());
    return painter.end();
}

QString printWith(QWidget *parent, const std::function<bool(QPrinter &)> &print)
{
    std::unique_ptr<QPrinter> printer = Environment::defaultPrinter();
    if (!printer) // no printer on this system: the print dialog can still save a PDF file
        printer = Environment::choosePrinter(parent);
    if (!printer) // the student cancelled the dialog
        return QCoreApplication::translate("Printing", "Printing cancelled");
    return print(*printer) ? QCoreApplication::translate("Printing", "Printed")
                           : QCoreApplication::translate("Printing", "Printing failed");
}

QString printWindow(QWidget *window)
{
    return printWith(window,
                     [window](QPrinter &printer) { return printWindowImage(window, printer); });
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
