#pragma once

#include <optional>

// What an installed program owes its command line and its start, before any window
// exists. The program takes no arguments of its own: its whole interface is the
// windows. Only --help and --version answer, and neither needs a display.
namespace CommandLine {

// The answer to the program's arguments: the exit status when they ask for help or
// the version (0) or name something the program does not know (2, with the usage on
// standard error); nothing when there are none and the windows should start.
std::optional<int> answerArguments(int argc, char *argv[]);

// From here until displayStarted(): when no platform can open a display, Qt's abort
// becomes one line saying how to run the program, and exit status 1. Qt's own
// start-up messages are held back meanwhile, and passed on once the display is there.
void guardDisplayStart();
void displayStarted();

} // namespace CommandLine
