#include "chartkit/seriesstyle.h"

#include "widgets/units.h"

#include <QLineSeries>
#include <QPainter>

#include <algorithm>

namespace {

// Marker sizes and outline widths come in twips, like every length of the
// layout. The usual marker is 8 pixels across; other sizes are kept within
// bounds where a square still reads as a point and not as a blot.
constexpr int DefaultMarkerPixels = 8;
constexpr int MinMarkerPixels = 5;
constexpr int MaxMarkerPixels = 16;
constexpr int MaxOutlinePixels = 3;
constexpr int LinePixels = 2;
// A line of one point is drawn as a dot three line widths across.
constexpr int SinglePointPixels = 3 * LinePixels;

} // namespace

QColor defaultSeriesColour(int seriesNumber)
{
    static const QColor colours[] = {
        QColor(0, 64, 192),  QColor(0, 150, 0),   QColor(200, 0, 0),
        QColor(128, 0, 160), QColor(224, 128, 0),
    };
    constexpr int count = int(std::size(colours));
    const int index = ((std::max(seriesNumber, 1) - 1) % count);
    return colours[index];
}

namespace {

// A faded copy's tint: towards white, the newest copy under a third of the way, the
// older ones further.
QColor tinted(const QColor &colour, int age)
{
    if (age <= 0)
        return colour;
    const double pale = std::min(0.3 + 0.12 * (age - 1), 0.7);
    const auto towardsWhite = [pale](int c) { return int(c + (255 - c) * pale + 0.5); };
    return QColor(towardsWhite(colour.red()), towardsWhite(colour.green()),
                  towardsWhite(colour.blue()));
}

QColor ownColour(const SeriesSettings &s, int index)
{
    return defaultSeriesColour(s.fadedAge > 0 ? (s.fadedLike + 1) / 2 : index + 1);
}

} // namespace

QColor seriesColour(const SeriesSettings &s, int index)
{
    return tinted(ownColour(s, index), s.fadedAge);
}

int outlinePixels(const SeriesSettings &s)
{
    if (s.outlineWidthTwips <= 0)
        return 0;
    return std::clamp(twipsToPixels(s.outlineWidthTwips), 1, MaxOutlinePixels);
}

QColor markerFill(const SeriesSettings &s, const QColor &seriesColour)
{
    if (s.fadedAge > 0) {
        // The copied series' own fill, tinted as its line is.
        SeriesSettings own = s;
        own.fadedAge = 0;
        return tinted(markerFill(own, defaultSeriesColour((s.fadedLike + 1) / 2)), s.fadedAge);
    }
    QColor fill = seriesColour;
    if (s.fillRed >= 0)
        fill.setRed(s.fillRed);
    return fill;
}

QImage markerImage(const SeriesSettings &s, const QColor &seriesColour)
{
    const int side = s.markerSizeTwips > 0 ? std::clamp(twipsToPixels(s.markerSizeTwips),
                                                        MinMarkerPixels, MaxMarkerPixels)
                                           : DefaultMarkerPixels;
    const QColor fill = markerFill(s, seriesColour);
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const int outline = std::min(outlinePixels(s), (side - 1) / 2);
    const QColor edge = s.fadedAge > 0 ? tinted(s.outlineColour, s.fadedAge) : s.outlineColour;
    painter.fillRect(image.rect(), outline > 0 ? edge : fill);
    painter.fillRect(image.rect().adjusted(outline, outline, -outline, -outline), fill);
    return image;
}

QImage singlePointImage(const QColor &seriesColour)
{
    QImage image(SinglePointPixels, SinglePointPixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(seriesColour);
    painter.drawEllipse(QRectF(image.rect()));
    return image;
}

void styleSeries(QLineSeries *series, const SeriesSettings &s, const QString &name,
                 const QColor &colour, bool singlePoint)
{
    series->setName(name);
    QPen pen(colour, LinePixels);
    if (!s.lineShown)
        pen.setStyle(Qt::NoPen);
    else if (s.fadedAge > 0) {
        // A copy of another run: dashed, so it reads as one. One pixel wide, which
        // Qt dashes fast; a wider dashed line takes it milliseconds at 2000 points.
        pen.setWidth(1);
        pen.setStyle(Qt::DashLine);
    }
    series->setPen(pen);
    if (s.markersDrawn()) {
        // One image stamped at every point keeps a series a single graphics item,
        // however many points it has.
        const QImage marker = markerImage(s, colour);
        series->setMarkerSize(marker.width());
        series->setLightMarker(marker);
    } else if (singlePoint && s.lineShown) {
        const QImage dot = singlePointImage(colour);
        series->setMarkerSize(dot.width());
        series->setLightMarker(dot);
    } else if (!series->lightMarker().isNull()) {
        series->setLightMarker(QImage());
    }
}

LegendEntry legendEntry(const SeriesSettings &s, const QString &name, const QColor &colour)
{
    if (!s.lineShown && s.markersDrawn())
        return {name, markerFill(s, colour), tinted(s.outlineColour, s.fadedAge), outlinePixels(s)};
    return {name, colour, colour, 0};
}
