// The main window's commands: the model options, lessons, printing and the date
// label.
#include "mainwindow/form1.h"

#include "chartkit/chartexport.h"
#include "model/harvest.h"
#include "widgets/controls.h"
#include "widgets/documentsfolder.h"
#include "widgets/environment.h"
#include "widgets/layout.h"
#include "widgets/printing.h"
#include "widgets/spokenitems.h"
#include "widgets/timednotice.h"
#include "widgets/translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSaveFile>

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
        const QString quantity
            = QCoreApplication::translate("ParameterEntry", boxRule(which).quantity);
        const QString typed = QString::fromStdString(*entry);
        TextBox *target = box(which);
        if (!target->isEnabled()) {
            //: a lesson's value for a box the exponential model locks; %1 names the
            //: box's quantity ("K")
            said << tr("%1: left out, the exponential model has none").arg(quantity);
            continue;
        }
        target->setText(typed);
        confirmEntry(which, EnterKeyAscii);
        if (target->text() != typed)
            //: a lesson's value that Enter corrected: "K: 0 became 500"; %1 names the
            //: box's quantity, %2 is the lesson's value, %3 the value in the box now
            said << tr("%1: %2 became %3").arg(quantity, typed, target->text());
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

void Form1::tellWhenShown(const QString &text)
{
    if (!isVisible()) {
        m_toldWhenShown = text;
        return;
    }
    showNotice(text);
    m_announcer->say(text, Label6);
}

void Form1::showEvent(QShowEvent *event)
{
    ProgramWindow::showEvent(event);
    if (!m_toldWhenShown.isEmpty())
        tellWhenShown(std::exchange(m_toldWhenShown, QString()));
}

namespace {

// "logistic_n0-100_k-500_r-0.2_h-10_t-65", from the values of a lesson.
QString lessonFileNameTag(const Lesson &lesson)
{
    QStringList parts{lesson.model == Growth::Exponential ? QStringLiteral("exponential")
                                                          : QStringLiteral("logistic")};
    constexpr std::array<const char *, ParameterBoxCount> Keys{"n0", "r", "k", "h", "t"};
    for (const ParameterBox which : {ParameterBox::N0, ParameterBox::Capacity, ParameterBox::Rate,
                                     ParameterBox::HarvestRate, ParameterBox::RunLength}) {
        const auto index = static_cast<std::size_t>(which);
        if (lesson.entries[index])
            parts << QString::fromLatin1(Keys[index]) + QLatin1Char('-')
                         + QString::fromStdString(*lesson.entries[index]).trimmed();
    }
    // Only what every file system takes in a name.
    return parts.join(QLatin1Char('_'))
        .toLower()
        .remove(QRegularExpression(QStringLiteral("[^a-z0-9._+-]")));
}

} // namespace

void Form1::saveLesson()
{
    const Lesson lesson = currentLesson();
    // A box may hold text the student has not confirmed yet: a lesson this program
    // would refuse to open is not written.
    const std::string text = writeLesson(lesson);
    if (const LessonReading check = readLesson(text); !check.lesson)
        //: %1 says why the lesson could not be saved
        return tellWhenShown(
            tr("Lesson not saved: %1").arg(Translation::said(check.error, "Lesson")));
    const QString suggested
        = QDir(documentsFolder())
              .filePath(QStringLiteral("lesson_") + lessonFileNameTag(lesson)
                        + QString::fromLatin1(LessonExtension.data(), LessonExtension.size()));
    //: a file type of the file dialogs: the pattern in brackets stays as it is
    const QString lessons = tr("Tarnwick lesson (*.tarnwick)");
    //: the caption of the file dialog that saves a lesson
    const QString path = ChartExport::chooseFile(this, tr("Save lesson"), suggested, lessons);
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    const bool saved = file.open(QIODevice::WriteOnly)
                       && file.write(text.data(), qint64(text.size())) == qint64(text.size())
                       && file.commit();
    if (saved)
        return tellWhenShown(tr("Lesson saved"));
    //: %1 is the path of the file
    tellWhenShown(tr("Lesson not saved: %1 cannot be written").arg(path));
}

void Form1::openLesson()
{
    //: a file type of the file dialogs: the pattern in brackets stays as it is
    const QString lessons = tr("Tarnwick lesson (*.tarnwick)");
    //: a file type of the file dialogs: the pattern in brackets stays as it is
    const QString allFiles = tr("All files (*)");
    //: the caption of the file dialog that opens a lesson
    const QString path = Environment::chooseFileToOpen(this, tr("Open lesson"), documentsFolder(),
                                                       lessons + QStringLiteral(";;") + allFiles);
    if (path.isEmpty())
        return;
    const std::optional<Lesson> lesson = lessonFromFile(path);
    if (!lesson)
        return;
    //: %1 is the name of the lesson file
    QStringList said{tr("Lesson opened: %1").arg(QFileInfo(path).fileName())};
    said << applyLesson(*lesson);
    tellWhenShown(said.join(QStringLiteral("; ")));
}

std::optional<Lesson> Form1::lessonFromFile(const QString &path)
{
    const LessonReading reading
        = readLessonFile(path.toStdString(), QFileInfo(path).fileName().toStdString());
    if (!reading.lesson) {
        const QString why = Translation::said(reading.error, "Lesson");
        Environment::tellCommandLine(why);
        tellWhenShown(why);
    }
    return reading.lesson;
}

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
    setTextFitted(
        Label6, Translation::dateLocale().toString(Environment::now().date(), QLocale::ShortFormat),
        m_dateFont);
}
