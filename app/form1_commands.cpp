// The main window's commands: the model options, "N, dN vs. t", printing, the date
// label and the click on the chart, which steps through a cycle of nine charts.
#include "app/form1.h"

#include "app/controls.h"
#include "app/printing.h"
#include "app/seams.h"
#include "charts/densitycharts.h"
#include "charts/economicscharts.h"
#include "charts/populationcharts.h"
#include "charts/qtchartcontrol.h"
#include "model/harvest.h"

#include <QLocale>
#include <QPrinter>
#include <QPushButton>

namespace {

std::string textOf(const QLineEdit *box) { return box->text().toStdString(); }

// How long a message stays in the date label.
constexpr int NoticeSeconds = 5;

} // namespace

void Form1::Option1_Click()
{
    Harvest.GrowthModel = "Exponential";
    Kvalue->setText(QString());
    rrate->setText(QStringLiteral("0.2"));
    n0->setText(QStringLiteral("100"));
    Harvestrate->setText(QStringLiteral("15"));
    simut->setText(QStringLiteral("10"));
    Kvalue->setEnabled(false);
    Command2->setEnabled(true);
}

void Form1::Option2_Click()
{
    Harvest.GrowthModel = "Logistic";
    Kvalue->setEnabled(true);
    Kvalue->setText(QStringLiteral("500"));
    rrate->setText(QStringLiteral("0.2"));
    n0->setText(QStringLiteral("100"));
    simut->setText(QStringLiteral("65"));
    Harvestrate->setText(QStringLiteral("10"));
    Command2->setEnabled(true);
}

void Form1::Command5_Click() { ShowNanddNvsT(); }

void Form1::Command10_Click()
{
    std::unique_ptr<QPrinter> printer = Seams::defaultPrinter();
    if (!printer) // no printer on this system: the print dialog can still save a PDF file
        printer = Seams::choosePrinter(this);
    if (!printer) {
        showNotice(QStringLiteral("No printer: nothing printed"));
        return;
    }
    showNotice(printWindowImage(this, *printer) ? QStringLiteral("Printed")
                                                : QStringLiteral("Printing failed"));
}

void Form1::showNotice(const QString &text)
{
    Label6->setText(text);
    noticeUntil_ = Seams::now().addSecs(NoticeSeconds);
}

void Form1::Timer1_Timer()
{
    const QDateTime now = Seams::now();
    if (noticeUntil_.isValid() && now < noticeUntil_)
        return;
    noticeUntil_ = QDateTime();
    Label6->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
}

void Form1::MSChart1_Click()
{
    Harvest.GraphIndex += 1;
    if (Harvest.GraphIndex > 8)
        Harvest.GraphIndex = 0;
    const bool logistic = Harvest.GrowthModel == "Logistic";
    switch (Harvest.GraphIndex) {
    case 0: ShowNvsT(); break;
    case 1: ShowdNvsT(); break;
    case 2: ShowdNvsN(); break;
    case 3: ShowlnNvsT(); break;
    case 4: ShowNanddNvsT(); break;
    case 5: ShowdNperNvsN(); break;
    case 6: logistic ? ShowalldNvsN() : ShowExponentdNandH(); break;
    case 7: logistic ? ShowCostandRevenue() : ShowExponentCostandRevenue(); break;
    case 8: logistic ? ShowNetProfit() : ShowExponentNetProfit(); break;
    default: break;
    }
}

// The chart procedures draw from the shared record and end with RUN disabled.
void Form1::ShowNvsT()
{
    ::ShowNvsT(*MSChart1, Harvest, textOf(simut));
    Command2->setEnabled(false);
}

void Form1::ShowdNvsT()
{
    ::ShowdNvsT(*MSChart1, Harvest, textOf(simut));
    Command2->setEnabled(false);
}

void Form1::ShowlnNvsT()
{
    ::ShowlnNvsT(*MSChart1, Harvest, textOf(simut));
    Command2->setEnabled(false);
}

void Form1::ShowNanddNvsT()
{
    ::ShowNanddNvsT(*MSChart1, Harvest, textOf(simut));
    Command2->setEnabled(false);
}

void Form1::ShowdNvsN()
{
    ::ShowdNvsN(*MSChart1, Harvest);
    Command2->setEnabled(false);
}

void Form1::ShowdNperNvsN()
{
    ::ShowdNperNvsN(*MSChart1, Harvest, textOf(simut));
    Command2->setEnabled(false);
}

void Form1::ShowalldNvsN()
{
    ::ShowalldNvsN(*MSChart1, Harvest);
    Command2->setEnabled(false);
}

void Form1::ShowExponentdNandH()
{
    ::ShowExponentdNandH(*MSChart1, Harvest, textOf(n0));
    Command2->setEnabled(false);
    Command5->setFocus();
}

void Form1::ShowCostandRevenue()
{
    ::ShowCostandRevenue(*MSChart1, Harvest);
    Command2->setEnabled(false);
}

void Form1::ShowNetProfit()
{
    ::ShowNetProfit(*MSChart1, Harvest, textOf(simut));
    Command2->setEnabled(false);
}

void Form1::ShowExponentCostandRevenue()
{
    ::ShowExponentCostandRevenue(*MSChart1, Harvest, textOf(n0));
    Command2->setEnabled(false);
}

void Form1::ShowExponentNetProfit()
{
    ::ShowExponentNetProfit(*MSChart1, Harvest, textOf(n0));
    Command2->setEnabled(false);
}
