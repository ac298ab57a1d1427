#pragma once

#include "widgets/design.h"

#include <QLabel>
#include <QString>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QWidget;

// Building a window as it was laid out: every control placed in twips within its
// parent and carrying its name.

inline const QString TimesNewRoman = QStringLiteral("Times New Roman");

// Names a top-level window, gives it its caption, the program's icon, a fixed client
// area in twips and its background colour.
void prepareWindow(QWidget *window, const char *name, const QString &caption, int clientWidth,
                   int clientHeight, const QColor &background);
// The same for a window without a size of its own, such as the full-screen backdrop.
void prepareWindow(QWidget *window, const char *name, const QString &caption,
                   const QColor &background);

template <typename Control>
Control *makeControl(QWidget *parent, const char *name, int left, int top, int width, int height)
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    placeTwips(control, left, top, width, height);
    return control;
}

template <typename Label = QLabel>
Label *makeLabel(QWidget *parent, const char *name, const QString &text, int left, int top,
                 int width, int height, const QFont &font)
{
    auto *label = makeControl<Label>(parent, name, left, top, width, height);
    label->setText(text);
    label->setFont(font);
    return label;
}

// Puts `text` in a label of a fixed size: in `font` where it fits on one line;
// otherwise wrapped in a smaller size of it, down to a legible 7 points, so the
// whole text is read; what still does not fit ends in "…", and the label's tooltip
// holds all of it.
void setTextFitted(QLabel *label, const QString &text, const QFont &font);

// A classic frame, its border running through the middle of its caption; a frame
// without a caption is a plain border.
QGroupBox *makeFrame(QWidget *parent, const char *name, const QString &caption, int left, int top,
                     int width, int height, const QColor &background = Colours::White);

// A command button that runs on Enter while it has the focus and shows the hand
// pointer.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, int left,
                        int top, int width, int height, const QFont &font);

// A frame in the highlight colour round a widget while it has the keyboard focus,
// for widgets whose own frame does not show it.
void showFocusFrame(QWidget *widget);

// What a window shows in texts no key reaches, read by a screen reader with the
// control the window opens on (its description): the labels' texts in order, each
// as one line.
void readWith(QWidget *focused, const QList<const QLabel *> &labels);

// Of a group of options only the chosen one is a tab stop (the first while none
// is chosen); the arrow keys move among them and choose, as Qt's options do.
void oneTabStopPerGroup(const QList<QRadioButton *> &options);
