#pragma once

#include "widgets/units.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

// Geometry, fonts and colours exactly as the windows were laid out: positions and
// sizes in twips relative to the containing window or frame, fonts in points.

QRect twipsRect(int left, int top, int width, int height);
QSize twipsSize(int width, int height);

// Places a control at a position and size in twips within its parent.
void placeTwips(QWidget *widget, int left, int top, int width, int height);
// Gives a window a fixed client area in twips.
void setClientTwips(QWidget *window, int width, int height);

// A font by its design name and point size, drawn at the layout's resolution.
QFont designFont(const QString &family, double points, bool bold = false, bool italic = false);

// Sets text and background colours; an invalid background leaves it see-through.
void setColours(QWidget *widget, const QColor &text, const QColor &background = QColor());

// The fonts named in the layout resolve to installed metric twins even where
// fontconfig lacks the aliases.
void installFontSubstitutions();

// The look every run of the program shares: the Fusion style and the font
// substitutions. Call once the application object exists.
void prepareApplication();

// Centres a top-level window on the screen it will show on.
void centreOnScreen(QWidget *window);

namespace Colours {
inline const QColor White{255, 255, 255};
inline const QColor Black{0, 0, 0};
inline const QColor Navy{0, 0, 128};
inline const QColor DarkNavy{0, 0, 64};
inline const QColor Red{255, 0, 0};
inline const QColor Yellow{255, 255, 0};
inline const QColor Blue{0, 0, 255};
inline const QColor Grey{192, 192, 192};
} // namespace Colours
