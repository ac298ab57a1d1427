#pragma once

#include <QString>

#include <functional>

class QDate;
class QPainter;
class QRect;
class QPrinter;
class QWidget;

// A widget that is drawn otherwise on paper than on the screen: a chart leaves
// out the read-out that follows the mouse or the keyboard, and draws its lines
// for the paper's finer dots. The print routine tells every such widget of the
// window before it draws the window, with the paper's dots per pixel of the
// screen, and again when it is done.
class PrintAware
{
public:
    virtual void aboutToPrint(double dotsPerPixel) = 0;
    virtual void printed() = 0;

protected:
    ~PrintAware() = default;
};

// Draws the whole window into `page` of the painter's device, scaled to fit it
// and keeping its proportions, centred across and at the top: the widgets draw
// themselves at the device's resolution, so lines and text stay sharp on paper.
void paintWindow(QWidget *window, QPainter &painter, const QRect &page);

// Prints the whole window on one page, as paintWindow draws it. False when the
// printer could not be started.
bool printWindowImage(QWidget *window, QPrinter &printer);

// Prints on the default printer or, where there is none, on the printer or PDF file
// the student picks in the print dialog: `print` draws onto the printer and says
// whether it could. Says in a few words what came of it: "Printed", "Printing
// failed" or, when the student cancels the dialog, "Printing cancelled".
QString printWith(QWidget *parent, const std::function<bool(QPrinter &)> &print);

// Prints the window, as printWindowImage does, through printWith.
QString printWindow(QWidget *window);

// Where the print dialog proposes to save a PDF file: "tarnwick-<date>.pdf" in
// `folder`, numbered "-2", "-3", … where that name is taken, so Enter in the dialog
// saves at once and never over an earlier file.
QString proposedPdfPath(const QDate &date, const QString &folder);
