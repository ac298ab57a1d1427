// The main window's commands: the model options, printing and the date label.
#include "mainwindow/form1.h"

#include "widgets/controls.h"
#include "widgets/printing.h"
#include "widgets/environment.h"
#include "model/harvest.h"

#include <QLocale>
#include <QPrinter>
#include <QPushButton>

namespace {

// How long a message stays in the date label.
constexpr int NoticeSeconds = 5;

} // namespace

// Each model brings its own set of parameters. The K box is enabled before its
// text is written and disabled after, so a locked box never takes an entry.
void Form1::chooseModel(Growth model)
{
    Harvest.GrowthModel = model;
    const ModelDefaults &defaults = modelDefaults(model);
    if (defaults.capacityEnabled)
        Kvalue->setEnabled(true);
    for (const auto &[which, text] : defaults.texts)
        box(which)->setText(QString::fromLatin1(text));
    if (!defaults.capacityEnabled)
        Kvalue->setEnabled(false);
    Command2->setEnabled(true);
}

void Form1::Option1_Click() { chooseModel(Growth::Exponential); }
void Form1::Option2_Click() { chooseModel(Growth::Logistic); }

void Form1::Command10_Click() { showNotice(printWindow(this)); }

void Form1::showNotice(const QString &text)
{
    Label6->setText(text);
    noticeUntil_ = Environment::now().addSecs(NoticeSeconds);
}

void Form1::Timer1_Timer()
{
    const QDateTime now = Environment::now();
    if (noticeUntil_.isValid() && now < noticeUntil_)
        return;
    noticeUntil_ = QDateTime();
    Label6->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
}
