// Parameter entry: any change of a box's text invalidates the shown results and
// locks RUN; Enter checks the box, puts a fixed text in place of an invalid value,
// unlocks RUN and gives it the focus, so that a second Enter runs.
#include "app/form1.h"

#include "app/controls.h"
#include "charts/qtchartcontrol.h"
#include "model/numbertext.h"

#include <QPushButton>

#include <cmath>

namespace {

constexpr int Enter = 13;

std::optional<double> strictNumber(const QLineEdit *box)
{
    return textReadAsNumber(box->text().toStdString());
}

} // namespace

void Form1::invalidateResults(const QString &text4Placeholder)
{
    Text4->setText(text4Placeholder);
    Label12->setText(QStringLiteral("????"));
    MSChart1->setChartVisible(false);
    Command2->setEnabled(false);
    Command5->setEnabled(false);
    // The advice of a refused run goes with it; a run's own caption stays.
    if (refusalShown_) {
        Label4->setText(QStringLiteral("Population size :"));
        refusalShown_ = false;
    }
}

void Form1::n0_Change() { invalidateResults(QStringLiteral("????")); }
void Form1::rrate_Change() { invalidateResults(QStringLiteral("????")); }
void Form1::Kvalue_Change() { invalidateResults(QStringLiteral("????")); }
void Form1::Harvestrate_Change() { invalidateResults(QStringLiteral("????")); }
void Form1::simut_Change() { invalidateResults(QStringLiteral("???")); }

void Form1::confirmEntry(TextBox *box, bool valid, const QString &replacement)
{
    if (!valid)
        box->setText(replacement); // runs the box's change handler when the text differs
    Command2->setEnabled(true);
    Command2->setFocus();
}

void Form1::n0_KeyPress(int keyAscii)
{
    if (keyAscii != Enter)
        return;
    const auto n = strictNumber(n0);
    confirmEntry(n0, n && *n >= 0, QStringLiteral("100"));
}

void Form1::rrate_KeyPress(int keyAscii)
{
    if (keyAscii != Enter)
        return;
    const auto r = strictNumber(rrate);
    confirmEntry(rrate, r && *r >= 0, QStringLiteral("0.2"));
}

void Form1::Kvalue_KeyPress(int keyAscii)
{
    if (keyAscii != Enter)
        return;
    const auto K = strictNumber(Kvalue);
    confirmEntry(Kvalue, K && *K > 0, QStringLiteral("500"));
}

void Form1::Harvestrate_KeyPress(int keyAscii)
{
    if (keyAscii != Enter)
        return;
    const auto H = strictNumber(Harvestrate);
    confirmEntry(Harvestrate, H && *H >= 0, QStringLiteral("10"));
}

bool Form1::checkRunLength()
{
    const auto T = strictNumber(simut);
    if (T && *T > 0) {
        if (*T > 2000)
            simut->setText(QStringLiteral("2000"));
        const double read = numberOfText(simut->text().toStdString());
        if (read == std::trunc(read))
            return true;
    }
    simut->setText(QStringLiteral("50"));
    return false;
}

void Form1::simut_KeyPress(int keyAscii)
{
    if (keyAscii != Enter)
        return;
    checkRunLength();
    Command2->setEnabled(true);
    Command2->setFocus();
}
