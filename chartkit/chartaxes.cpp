#include "chartkit/chartaxes.h"

#include "chartkit/chartframe.h"
#include "model/axisscale.h"

#include <QCategoryAxis>
#include <QChart>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <string>
#include <unordered_map>

namespace {

// Before the labels are known, the axes' lengths are estimated from the control's
// size: the y axis' labels and the margins take about a fifth of the width, the x
// axis' labels two lines of text and a little gap, a title one and a half lines.
constexpr double PlotWidthShare = 0.82;
constexpr double LabelLinesBelowPlot = 2;
constexpr double GapBelowPlotPixels = 12;
constexpr double TitleLines = 1.5;
// However small the control, an axis is fitted as if at least this long.
constexpr double ShortestXAxis = 60;
constexpr double ShortestYAxis = 40;
// The axes are fitted again once the plot area is known, when the estimate was
// this far off.
constexpr double RefitShare = 0.1;

const QColor QuietGrey(220, 220, 220);

} // namespace

ChartAxes::ChartAxes(QChart *chart) : m_chart(chart)
{
    for (size_t i = 0; i < 2; ++i) {
        // An axis of no categories has no labels, ticks or lines of its own: it maps
        // values to places, and the frame draws all the rest.
        auto *axis = new QCategoryAxis(chart);
        axis->setLineVisible(false);
        axis->setGridLineVisible(false);
        axis->setMinorGridLineVisible(false);
        axis->setLabelsVisible(false);
        axis->setTitleVisible(false);
        axis->setRange(0.0, 1.0);
        m_axis[i] = axis;
        chart->addAxis(axis, i == 0 ? Qt::AlignBottom : Qt::AlignLeft);
    }
}

void ChartAxes::applyLines(const ChartTable &table, ChartFrame &frame) const
{
    for (const ChartAxis which : {ChartAxis::X, ChartAxis::Y}) {
        const AxisSettings &s = table.axisSettings(which);
        const bool isX = which == ChartAxis::X;
        frame.setLines(isX ? 0 : 1, s.gridSet || !isX,
                       s.gridSet && !s.gridAutomaticColour ? s.gridColour : QuietGrey);
    }
}

std::array<double, 2> ChartAxes::pixelsPerUnit(double scale) const
{
    return {scale * m_plotLengths[0] / (m_axis[0]->max() - m_axis[0]->min()),
            scale * m_plotLengths[1] / (m_axis[1]->max() - m_axis[1]->min())};
}

void ChartAxes::fit(const ChartTable &table, const PlottedPoints &plotted, ChartFrame &frame,
                    QSizeF size)
{
    const std::array<ChartAxis, 2> axes = {ChartAxis::X, ChartAxis::Y};
    std::array<QFont, 2> labelFonts;
    std::array<AxisMarks, 2> marks;
    for (size_t i = 0; i < 2; ++i) {
        const AxisSettings &s = table.axisSettings(axes[i]);
        // Tick labels a point smaller than the title, so the title stands out.
        labelFonts[i] = chartFont(s.titleFontName, s.titleFontPoints - 1);
        marks[i].labelFont = labelFonts[i];
        if (s.titleVisible)
            marks[i].title = s.titleText;
        marks[i].titleFont = chartFont(s.titleFontName, s.titleFontPoints);
    }

    // A first estimate of the axes' lengths, then their lengths as the frame
    // leaves them.
    const QFontMetricsF xLabels(labelFonts[0]);
    double xLength = size.width() * PlotWidthShare - frame.legendWidth();
    double yLength = size.height() - LabelLinesBelowPlot * xLabels.height() - GapBelowPlotPixels;
    if (!table.titleText().isEmpty())
        yLength
            -= TitleLines
               * QFontMetricsF(chartFont(table.titleFontName(), table.titleFontPoints())).height();
    if (!marks[0].title.isEmpty())
        yLength -= TitleLines * QFontMetricsF(marks[0].titleFont).height();
    std::array<AxisScale::Scale, 2> scales;
    QRectF area;
    for (int fitting = 0; fitting < 2; ++fitting) {
        const double lengths[2]
            = {std::max(xLength, ShortestXAxis), std::max(yLength, ShortestYAxis)};
        for (size_t i = 0; i < 2; ++i) {
            const QFontMetricsF metrics(labelFonts[i]);
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
            AxisScale::AxisRequest request;
            request.lo = plotted.extent[2 * i];
            request.hi = plotted.extent[2 * i + 1];
            request.markerRoom = plotted.markers;
            request.wholeNumbers = table.axisSettings(axes[i]).wholeNumbers;
            request.length = lengths[i];
            request.horizontal = i == 0;
            scales[i] = AxisScale::axisScale(request, {labelWidth, metrics.height()});
            marks[i].labels.clear();
            for (int t = 0; t < scales[i].ticks; ++t)
                marks[i].labels << QString::fromStdString(
                    AxisScale::labelText(AxisScale::tickValue(scales[i], t), scales[i].decimals));
            frame.setMarks(int(i), marks[i]);
        }
        area = frame.plotAreaWithin(QRectF(QPointF(0, 0), size));
        const bool close = std::abs(area.width() - lengths[0]) <= RefitShare * lengths[0]
                           && std::abs(area.height() - lengths[1]) <= RefitShare * lengths[1];
        if (close)
            break;
        xLength = area.width();
        yLength = area.height();
    }
    m_plotLengths = {area.width(), area.height()};
    for (size_t i = 0; i < 2; ++i) {
        // Only a real change, which relays every attached series out, is passed on.
        if (m_axis[i]->min() != scales[i].min || m_axis[i]->max() != scales[i].max)
            m_axis[i]->setRange(scales[i].min, scales[i].max);
    }
    if (m_chart->plotArea() != area)
        m_chart->setPlotArea(area);
}
