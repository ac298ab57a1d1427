#pragma once

#include "chartkit/chartpoints.h"

#include <QString>
#include <QStringList>

// A chart in words, for screen readers and for the alternative text of a handout:
// what a student reads off the picture, in short plain sentences, every number with
// at most four significant digits, as the text of a number.

// A number as the description writes it: "443.6", "56.35", "0.06".
QString shortNumber(double value);

// The description of the points drawn: the axes and their ranges ("Time 0 to 65;
// N(t) 100 to 500."), each series by its name (where it starts and ends, its lowest
// and highest value), the chart's own notes (equilibria, crossings, the time the
// harvested population dies out), and whether values too large to draw were left
// out.
QString chartDescription(const QStringList &seriesNames, const PlottedPoints &plotted,
                         const QString &xTitle, const QString &yTitle, const QStringList &notes);

// The highest point of each series and the first x where it is reached, labelled:
// "Highest net profit: 1012 at N = 220 for p/e=50; 281.2 at N = 190 for p/e=20."
// Series without points are left out; nothing at all when none has any.
QString highestPoints(const QString &opening, const QStringList &labels,
                      const SeriesPoints &series);

// Whether the language spoken writes a word that begins a title or a note with a
// small letter inside a sentence (English "at time 65"; German keeps its nouns'
// capitals).
bool lowerCaseInsideSentences();

// Names in a list read aloud: "a", "a and b", "a, b and c".
QString spokenList(const QStringList &items);

// What the keys do on a chart.
QString chartKeysHint();
