#pragma once

#include <QDateTime>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;
class QString;
class QWidget;
class RandomSource;

// The program's few contacts with the world outside it: the clock, the printer,
// the screen reader, the random numbers of the game and the end of the process.
// Tests replace them to set the date, to print into a PDF file, to hear what a
// screen reader is told, to fix a random draw, or to see that the program would end.
namespace Environment {

QDateTime now();
void setNow(std::function<QDateTime()> clock); // an empty function restores the system clock

// The default printer, or none when the system has no printer.
std::unique_ptr<QPrinter> defaultPrinter();
// A printer the user picks (the standard print dialog, which can also save a PDF
// file), or none when the user cancels.
std::unique_ptr<QPrinter> choosePrinter(QWidget *parent);
void setPrinters(std::function<std::unique_ptr<QPrinter>()> defaultPrinter,
                 std::function<std::unique_ptr<QPrinter>(QWidget *)> choosePrinter);

// Gives a widget a new accessible description and tells assistive technology, so
// that a screen reader reads it out for the widget with the focus. Nothing
// happens when the description is already that. A test may listen in.
void describe(QWidget *widget, const QString &description);
void setDescriptionListener(std::function<void(QWidget *)> listener);

// What the program says to a screen reader as it happens (SpokenItems), told to a
// test that listens, also where no screen reader does.
void said(const QString &text);
void setSpeechListener(std::function<void(const QString &)> listener);

// The random numbers of the game, for each kind of draw; a test puts in a source
// of its own for both (none: the program's own sources again).
enum class RandomDraw {
    Business,      // "Random data"
    LivingExpense, // the minimum living expense after a game
};
RandomSource &random(RandomDraw draw);
void setRandom(RandomSource *source);
// From now on the draws follow `seed` instead of the clock, each kind of draw its
// own sequence: the same businesses in the same order on every machine. No seed:
// the clock again.
void fixRandomSeed(std::optional<std::uint32_t> seed);

// A file the user picks to open (the standard file dialog), or nothing when the
// user cancels. A test answers in its place.
QString chooseFileToOpen(QWidget *parent, const QString &caption, const QString &folder,
                         const QString &filter);
void setFileToOpenChooser(std::function<QString(QWidget *parent, const QString &caption)> chooser);

// A line for whoever started the program from a command line, on its standard
// error, after "tarnwick: ".
void tellCommandLine(const QString &line);

// Ends the program at once: every window goes and nothing is saved.
void endProgram();
void setEndProgram(std::function<void()> end);

} // namespace Environment
