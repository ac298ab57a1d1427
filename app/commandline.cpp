#include "app/commandline.h"

#include "app/arguments.h"
#include "widgets/translation.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view Synopsis = "tarnwick [OPTION...] [LESSON-FILE]";

// The version is the project's, handed in by the build.
constexpr std::string_view VersionLine = "Tarnwick (Basic) " TARNWICK_VERSION;

constexpr const char *HelpText = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Tarnwick (Basic): a teaching program on harvest theory in population ecology.\n"
    "Started without arguments it opens its windows; everything is done there.\n"
    "A lesson file or the options below start it with a teacher's model and values,\n"
    "as if a student had typed each into its box in the main window and pressed\n"
    "Enter; what the boxes correct is said on standard error.\n"
    "\n"
    "      --model M  the model: logistic or exponential\n"
    "      --n0 N     the initial population size N(0)\n"
    "      --r R      the intrinsic rate r\n"
    "      --k K      the carrying capacity K (logistic model only)\n"
    "      --h H      the harvest H per time interval\n"
    "      --t T      the run length\n"
    "      --seed S   the game's random businesses, the same on every start and\n"
    "                 every machine (a whole number from 0 to 4294967295)\n"
    "      --lang L   the language, instead of the desktop's: %1\n"
    "  -h, --help     show this help and exit\n"
    "      --version  show the version and exit\n"
    "\n"
    "Each option may also be written --option=value; an option's value wins over\n"
    "the lesson file's. A lesson file (*.tarnwick) is saved with Save lesson...\n"
    "(Ctrl+S) in the main window, or written by hand: see man tarnwick.\n"
    "\n"
    "Without a display, run it under a virtual one: xvfb-run tarnwick\n");

void print(std::FILE *stream, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stream);
}

// Exit status of an answer on standard output: one that could not be written (a full
// disk) is a failure the caller should see.
int finished() { return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1; }

// The one line for a start without a usable display, naming what was tried.
std::string noDisplayLine()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const QByteArray display = qgetenv("DISPLAY");
    std::string what;
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        what = "the display platform \"" + platform.toStdString() + "\" could not start";
    else if (display.isEmpty())
        what = "no display to open its windows on (DISPLAY is not set)";
    else
        what = "cannot connect to the display " + display.toStdString();
    return "tarnwick: " + what
           + "; start it in a desktop session, or under a virtual display: xvfb-run tarnwick\n";
}

// A message Qt gave while the display was starting, kept whole so it can be given
// again exactly as it came.
struct HeldMessage
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

struct Guard
{
    std::mutex lock;
    bool active = false;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
};

Guard &guard()
{
    static Guard instance;
    return instance;
}

// Ends the guard: the previous handler comes back and hears what was held.
void release()
{
    std::vector<HeldMessage> held;
    {
        const std::lock_guard<std::mutex> locked(guard().lock);
        if (!guard().active)
            return;
        guard().active = false;
        qInstallMessageHandler(guard().previous);
        held.swap(guard().held);
    }
    for (const HeldMessage &message : held) {
        const QMessageLogContext context(message.file.constData(), message.line,
                                         message.function.constData(),
                                         message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
}

void guardedHandler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    // Qt's last word when not one platform plugin started (xcb could not reach an X
    // server, or the chosen platform could not start), or a platform plugin's own
    // fatal error about its display.
    if (type == QtFatalMsg
        && (text.contains(u"no Qt platform plugin could be initialized")
            || text.contains(u"could not connect to display", Qt::CaseInsensitive))) {
        print(stderr, noDisplayLine());
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        // Another fatal error: everything as it was, and Qt ends as it would.
        const QtMessageHandler previous = guard().previous;
        release();
        if (previous)
            previous(type, context, text);
        return;
    }
    const std::lock_guard<std::mutex> locked(guard().lock);
    guard().held.push_back({type, QByteArray(context.file), context.line,
                            QByteArray(context.function), QByteArray(context.category), text});
}

} // namespace

namespace CommandLine {

std::optional<int> answerArguments(int argc, char *argv[], Arguments &start)
{
    const std::vector<std::string_view> arguments(argv + std::min(argc, 1), argv + argc);
    start = parseArguments(arguments);
    if (!start.help && start.version) {
        print(stdout, VersionLine);
        print(stdout, "\n");
        return finished();
    }
    if (!start.help && start.refusal.empty())
        return std::nullopt;
    // The help and a refusal speak the language the windows would speak.
    int count = argc;
    const QCoreApplication core(count, argv);
    Translation::install(
        Translation::languageFor(QString::fromStdString(start.language.value_or(std::string()))));
    start = parseArguments(arguments);
    if (start.help) {
        print(stdout, QCoreApplication::translate("CommandLine", "Usage: %1")
                          .arg(QString::fromUtf8(Synopsis.data(), qsizetype(Synopsis.size())))
                          .toStdString());
        print(stdout, "\n");
        print(stdout, QCoreApplication::translate("CommandLine", HelpText)
                          .arg(Translation::languages().join(QStringLiteral(", ")))
                          .toStdString());
        Translation::install(QStringLiteral("en"));
        return finished();
    }
    print(stderr, "tarnwick: ");
    print(stderr, QCoreApplication::translate("CommandLine", "%1; see tarnwick --help")
                      .arg(QString::fromStdString(start.refusal))
                      .toStdString());
    print(stderr, "\n");
    Translation::install(QStringLiteral("en"));
    return 2;
}

void guardDisplayStart()
{
    const std::lock_guard<std::mutex> locked(guard().lock);
    if (guard().active)
        return;
    guard().active = true;
    guard().previous = qInstallMessageHandler(guardedHandler);
}

void displayStarted() { release(); }

} // namespace CommandLine
