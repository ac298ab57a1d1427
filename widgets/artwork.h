#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's pictures, drawn as SVG and compiled into the program.

// The picture `name` (for example "proverb") rendered at `size` pixels of the
// layout (at its own size when `size` is empty), with as many device pixels as
// the screen has. The words a picture carries (the proverb, the dedication, the
// quiz sheet, the verdicts) are drawn in the language the program speaks.
QPixmap artwork(const QString &name, QSize size = QSize());

// What the quiz sheet and the dedication picture say, for those who cannot see
// them, in the language the program speaks.
QString quizQuestions();
QString dedicationCaption();

// The program's icon, for every window's title bar and the task bar. (Not named
// windowIcon: inside a widget that name is the widget's own, empty icon.)
QIcon programIcon();
QIcon quizIcon();

// Mouse pointer over the main window's buttons and portrait.
QCursor handCursor();
// Mouse pointer over the title window's "press any key" label.
QCursor startCursor();
