// The chart's axes: their titles, fonts and grid lines as set up, and the range,
// ticks and label format each is fitted to for the points drawn and its length.
#include "charts/qtchartcontrol.h"

#include "charts/axisscale.h"
#include "charts/chartgrid.h"

#include <QChart>
#include <QFontMetricsF>
#include <QLegend>
#include <QValueAxis>

#include <algorithm>
#include <string>
#include <unordered_map>

namespace {

// The plot area is not known until the chart is laid out, so the axis lengths are
// estimated from the control's size. The y axis' labels and the chart margins take
// about a fifth of the width; a legend its widest text and its swatch; the x
// axis' labels two lines of text and a little gap; a title one and a half lines.
constexpr double PlotWidthShare = 0.82;
constexpr double LegendSwatchPixels = 40;
constexpr double LabelLinesBelowPlot = 2;
constexpr double GapBelowPlotPixels = 12;
constexpr double TitleLines = 1.5;
// However small the control, an axis is fitted as if at least this long.
constexpr double ShortestXAxis = 60;
constexpr double ShortestYAxis = 40;

const QColor QuietGrey(220, 220, 220);

} // namespace

void QtChartControl::applyAxisSettings(ChartAxis which)
{
    const AxisSettings &s = axisSettings(which);
    const bool isX = which == ChartAxis::X;
    QValueAxis *axis = m_axis[isX ? 0 : 1];
    axis->setTitleText(s.titleText);
    axis->setTitleVisible(s.titleVisible && !s.titleText.isEmpty());
    axis->setTitleFont(chartFont(s.titleFontName, s.titleFontPoints));
    // Tick labels a point smaller than the title, so the title stands out.
    axis->setLabelsFont(chartFont(s.titleFontName, s.titleFontPoints - 1));

    // Unless told otherwise, the y axis carries quiet grey lines and the x axis none.
    m_grid->setLines(isX ? 0 : 1, s.gridSet || !isX,
                     s.gridSet && !s.gridAutomaticColour ? s.gridColour : QuietGrey);
}

void QtChartControl::fitAxes()
{
    const QFontMetricsF labels(m_axis[1]->labelsFont());
    double legendWidth = 0;
    if (legendVisible()) {
        const QFontMetricsF legendMetrics(chart()->legend()->font());
        for (int i = 0; i < seriesCount(); ++i)
            legendWidth = std::max(legendWidth, legendMetrics.horizontalAdvance(seriesName(i)));
        legendWidth += LegendSwatchPixels;
    }
    const double xLength = width() * PlotWidthShare - legendWidth;
    double yLength = height() - LabelLinesBelowPlot * labels.height() - GapBelowPlotPixels;
    if (!titleText().isEmpty())
        yLength -= TitleLines * QFontMetricsF(chart()->titleFont()).height();
    if (m_axis[0]->isTitleVisible())
        yLength -= TitleLines * QFontMetricsF(m_axis[0]->titleFont()).height();

    const double lengths[2] = {std::max(xLength, ShortestXAxis), std::max(yLength, ShortestYAxis)};
    m_plotLengths = {lengths[0], lengths[1]};
    for (size_t i = 0; i < 2; ++i) {
        QValueAxis *axis = m_axis[i];
        const QFontMetricsF metrics(axis->labelsFont());
        // The tick counts tried share most of their labels: each is measured once.
        std::unordered_map<std::string, double> widths;
        const auto labelWidth = [&metrics, &widths](const std::string &label) {
            const auto known = widths.find(label);
            if (known != widths.end())
                return known->second;
            const double width = metrics.horizontalAdvance(QString::fromStdString(label));
            widths.emplace(label, width);
            return width;
        };
        const AxisScale::LabelMetrics measure{labelWidth, metrics.height()};
        AxisScale::AxisRequest request;
        request.lo = m_plotted.extent[2 * i];
        request.hi = m_plotted.extent[2 * i + 1];
        request.markerRoom = m_plotted.markers;
        request.wholeNumbers = axisSettings(i == 0 ? ChartAxis::X : ChartAxis::Y).wholeNumbers;
        request.length = lengths[i];
        request.horizontal = i == 0;
        const AxisScale::Scale scale = AxisScale::axisScale(request, measure);
        // Only a real change, which relays every attached series out, is passed on.
        if (axis->min() != scale.min || axis->max() != scale.max)
            axis->setRange(scale.min, scale.max);
        axis->setTickCount(scale.ticks);
        axis->setLabelFormat(scale.decimals == AxisScale::Scale::SignificantDigits
                                 ? QStringLiteral("%.3g")
                                 : QStringLiteral("%.%1f").arg(scale.decimals));
    }
}
