#pragma once

#include <QString>

class QDate;
class QPrinter;
class QWidget;

// A widget that is drawn otherwise on paper than on the screen: a chart leaves
// out the read-out that follows the mouse or the keyboard. The print routine
// tells every such widget of the window before it takes the window's picture.
class PrintAware
{
public:
    virtual void aboutToPrint() = 0;

protected:
    ~PrintAware() = default;
};

// Prints an image of the whole window on one page, scaled to fit the page and
// keeping its proportions. False when the printer could not be started.
bool printWindowImage(QWidget *window, QPrinter &printer);

// Prints the window on the default printer or, where there is none, on the
// printer or PDF file the student picks in the print dialog. Says in a few words
// what came of it: "Printed", "Printing failed" or "No printer: nothing printed".
QString printWindow(QWidget *window);

// Where the print dialog proposes to save a PDF file: "tarnwick-<date>.pdf" in
// `folder`, numbered "-2", "-3", … where that name is taken, so Enter in the dialog
// saves at once and never over an earlier file.
QString proposedPdfPath(const QDate &date, const QString &folder);
