// The main window's commands: the model options, printing and the date label.
#include "mainwindow/form1.h"

#include "model/harvest.h"
#include "widgets/controls.h"
#include "widgets/environment.h"
#include "widgets/printing.h"
#include "widgets/timednotice.h"

#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>

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
    m_studentRunLength = simut->text();
    Command2->setEnabled(true);
}

QStringList Form1::applyLesson(const Lesson &lesson)
{
    QStringList said;
    if (lesson.model) {
        (*lesson.model == Growth::Exponential ? Option1 : Option2)->setChecked(true);
        chooseModel(*lesson.model);
    }
    for (int i = 0; i < ParameterBoxCount; ++i) {
        const auto which = static_cast<ParameterBox>(i);
        const std::optional<std::string> &entry = lesson.entries[std::size_t(i)];
        if (!entry)
            continue;
        const QString quantity = QString::fromLatin1(boxRule(which).quantity);
        const QString typed = QString::fromStdString(*entry);
        TextBox *target = box(which);
        if (!target->isEnabled()) {
            said << QStringLiteral("%1: left out, the exponential model has none").arg(quantity);
            continue;
        }
        target->setText(typed);
        confirmEntry(which, EnterKeyAscii);
        if (target->text() != typed)
            said << QStringLiteral("%1: %2 became %3").arg(quantity, typed, target->text());
    }
    return said;
}

Lesson Form1::currentLesson() const
{
    Lesson lesson;
    lesson.model = Harvest.GrowthModel;
    for (int i = 0; i < ParameterBoxCount; ++i) {
        const TextBox *entry = box(static_cast<ParameterBox>(i));
        if (entry->isEnabled())
            lesson.entries[std::size_t(i)] = entry->text().trimmed().toStdString();
    }
    return lesson;
}

void Form1::Option1_Click() { chooseModel(Growth::Exponential); }
void Form1::Option2_Click() { chooseModel(Growth::Logistic); }

void Form1::Command10_Click() { showNotice(printWindow(this)); }

void Form1::showNotice(const QString &text) { m_notice->post(text); }

void Form1::Timer1_Timer()
{
    // A notice keeps the label until its seconds are over by the clock.
    if (m_notice->isShowing())
        return;
    m_notice->end();
    showDate();
}

void Form1::showDate()
{
    Label6->setText(QLocale::system().toString(Environment::now().date(), QLocale::ShortFormat));
}
