#pragma once

class QPrinter;
class QWidget;

// Prints an image of the whole window on one page, scaled to fit the page and
// keeping its proportions. False when the printer could not be started.
bool printWindowImage(QWidget *window, QPrinter &printer);
