#include "largegraph/handout.h"

#include "chartkit/qtchartcontrol.h"
#include "charts/runsummary.h"
#include "largegraph/largelooks.h"
#include "model/harvest.h"
#include "model/keptruns.h"
#include "widgets/documentsfolder.h"
#include "widgets/environment.h"
#include "widgets/printing.h"
#include "widgets/translation.h"
#include "widgets/units.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QTextOption>

namespace {

// The large window's chart, in twips as it was laid out.
constexpr int ChartWidthTwips = 9900;
constexpr int ChartHeightTwips = 6444;
// Type sizes on paper, in points.
constexpr double HeadingPoints = 16;
constexpr double TextPoints = 10;
constexpr double CaptionPoints = 8.5;
constexpr double SmallestCaptionPoints = 6;

// A chart control of its own, never shown, drawing `chart` as the large window does.
class PaperChart
{
public:
    explicit PaperChart(Chart chart)
    {
        // Shown, as far as Qt knows, so it is laid out as on the screen; it never
        // reaches the screen.
        m_control.setAttribute(Qt::WA_DontShowOnScreen);
        m_control.resize(twipsToPixels(ChartWidthTwips), twipsToPixels(ChartHeightTwips));
        m_control.show();
        if (chart == Chart::NvsT)
            Harvest.LastPoint = largeWindowInputs(chart, Harvest).runLength;
        drawChart(chart, m_control.control(), Harvest, largeWindowInputs(chart, Harvest),
                  largeWindowLook(chart, QString::fromStdString(Harvest.ParameterCaption)),
                  KeptDrawing{&Kept, [chart](const HarvestState &run) {
                                  return largeWindowInputs(chart, run);
                              }});
    }

    QtChartControl &control() { return m_control; }

private:
    QtChartControl m_control;
};

QFont paperFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Draws `text` wrapped into `area` from its top, in the largest size from `points`
// down that fits; returns the height it took.
qreal drawWrapped(QPainter &painter, const QRectF &area, const QString &text, double points,
                  bool bold = false)
{
    QFont font = paperFont(points, bold);
    QRectF needed;
    for (double size = points; size >= SmallestCaptionPoints; size -= 0.5) {
        font.setPointSizeF(size);
        painter.setFont(font);
        needed = painter.boundingRect(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
        if (needed.height() <= area.height())
            break;
    }
    painter.drawText(area, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
    return std::min(needed.height(), area.height());
}

// The charts of the large window's cycle under the run's model, in cycle order.
QList<Chart> handoutCharts()
{
    QList<Chart> charts;
    for (int position = 0; position < ChartCyclePositions; ++position)
        charts << chartAtCyclePosition(position, Harvest.RunModel);
    return charts;
}

} // namespace

QPageSize handoutPaper()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid())
        return printer.defaultPageSize();
    return QPageSize(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
                         ? QPageSize::Letter
                         : QPageSize::A4);
}

void paintLargeChart(QPainter &painter, const QRectF &target, Chart chart)
{
    PaperChart paper(chart);
    paper.control().exporter().paintVector(painter, target);
}

bool writeHandout(QIODevice &device, const QPageSize &paper)
{
    QPdfWriter pdf(&device);
    pdf.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(18, 18, 18, 14),
                                  QPageLayout::Millimeter));
    //: the title of the handout's PDF file; %1 is the run's parameters, with a space
    //: before them: " [N(0)=100, K=500, r=0.2, H=10.]"
    pdf.setTitle(QCoreApplication::translate("Handout", "Tarnwick (Basic): handout of a run%1")
                     .arg(QString::fromStdString(Harvest.ParameterCaption)));
    //: the program's name, as the PDF file names its creator
    pdf.setCreator(QCoreApplication::translate("Handout", "Tarnwick (Basic)"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QRectF page = painter.viewport();
    const qreal line = page.height() / 60; // a line of text at 10 points, about
    const QList<Chart> charts = handoutCharts();
    // Page 1: the run, then the first chart; then two charts a page.
    const int pages = 1 + (int(charts.size()) - 1 + 1) / 2;
    const qreal footer = 2 * line;
    const qreal slot = (page.height() - footer) / 2; // room for one chart and its caption

    const auto drawChartAndCaption = [&](Chart chart, const QRectF &area) {
        // The chart as wide as the page, unless that leaves too little for its caption.
        const qreal height
            = std::min(area.height() * 0.7, area.width() * ChartHeightTwips / ChartWidthTwips);
        const QRectF picture(area.left(), area.top(), area.width(), height);
        PaperChart drawn(chart);
        drawn.control().exporter().paintVector(painter, picture);
        painter.setPen(Qt::black);
        drawWrapped(painter,
                    QRectF(area.left(), picture.bottom() + line * 0.4, area.width(),
                           area.bottom() - picture.bottom() - line * 0.8),
                    drawn.control().description(), CaptionPoints);
    };
    const auto drawFooter = [&](int number) {
        painter.setFont(paperFont(CaptionPoints));
        painter.setPen(Qt::black);
        painter.drawText(
            QRectF(page.left(), page.bottom() - footer + line * 0.5, page.width(),
                   footer - line * 0.5),
            Qt::AlignHCenter | Qt::AlignVCenter,
            //: the footer of each page of the handout
            QCoreApplication::translate("Handout", "Page %1 of %2").arg(number).arg(pages));
    };

    // The first block: the program, the date, the run.
    painter.setPen(Qt::black);
    qreal top = page.top();
    top += drawWrapped(
        painter, QRectF(page.left(), top, page.width(), 3 * line),
        //: the heading of the handout's first page
        QCoreApplication::translate("Handout", "Tarnwick (Basic): harvest theory, a run"),
        HeadingPoints, true);
    top += line * 0.5;
    //: the first line under the handout's heading; %1 is today's date
    QStringList block{QCoreApplication::translate("Handout", "Date: %1")
                          .arg(Translation::dateLocale().toString(Environment::now().date(),
                                                                  QLocale::LongFormat))};
    block << runSummary(Harvest, Kept);
    top += drawWrapped(painter, QRectF(page.left(), top, page.width(), slot - 2 * line),
                       block.join(QLatin1Char('\n')), TextPoints);
    top += line;
    drawChartAndCaption(charts.first(),
                        QRectF(page.left(), top, page.width(), page.bottom() - footer - top));
    drawFooter(1);
    for (int i = 1, number = 2; i < charts.size(); i += 2, ++number) {
        if (!pdf.newPage())
            return false;
        for (int k = 0; k < 2 && i + k < charts.size(); ++k)
            drawChartAndCaption(charts.at(i + k),
                                QRectF(page.left(), page.top() + k * slot, page.width(), slot));
        drawFooter(number);
    }
    return painter.end();
}

QString saveHandout(QWidget *parent)
{
    const QString suggested = QDir(documentsFolder())
                                  .filePath(QStringLiteral("handout_") + runFileNameTag(Harvest)
                                            + QStringLiteral(".pdf"));
    //: the caption of the file dialog that saves the handout
    const QString title = QCoreApplication::translate("Handout", "Save handout");
    //: a file type of the file dialog: the pattern in brackets stays as it is
    const QString pdfFiles = QCoreApplication::translate("Handout", "PDF document (*.pdf)");
    const QString path = ChartExport::chooseFile(parent, title, suggested, pdfFiles);
    if (path.isEmpty())
        return {};
    QSaveFile file(path);
    const bool saved
        = file.open(QIODevice::WriteOnly) && writeHandout(file, handoutPaper()) && file.commit();
    if (saved)
        return QCoreApplication::translate("Handout", "Handout saved");
    //: %1 is the path of the file
    return QCoreApplication::translate("Handout", "Handout not saved: %1 cannot be written")
        .arg(path);
}

QString printChart(Chart chart, QWidget *parent)
{
    return printWith(parent, [chart](QPrinter &printer) {
        printer.setPageOrientation(QPageLayout::Landscape);
        QPainter painter;
        if (!painter.begin(&printer))
            return false;
        paintLargeChart(painter, painter.viewport(), chart);
        return painter.end();
    });
}

void addRunCommands(QtChartControl &chart, QWidget *window,
                    const std::function<void(const QString &)> &compared,
                    const std::function<void()> &handOut, const std::function<Chart()> &shown,
                    const std::function<void(const QString &)> &told)
{
    chart.addCommand({KeepCommandText(),
                      Qt::Key_K,
                      KeepCommandHint(),
                      [compared] { compared(keepForComparison(Kept, Harvest)); },
                      {}});
    chart.addCommand({ForgetCommandText(), Qt::Key_unknown, QString(),
                      [compared] { compared(forgetKeptRuns(Kept)); },
                      [] { return !Kept.empty(); }});
    chart.addCommand({HandoutCommandText(), Qt::Key_unknown, HandoutCommandHint(), handOut, {}});
    chart.addCommand({PrintChartCommandText(),
                      Qt::Key_unknown,
                      QString(),
                      [window, shown, told] { told(printChart(shown(), window)); },
                      {}});
}
