#pragma once

#include <optional>

// What an installed program owes its command line and its start, before any window
// exists. Its whole interface is the windows; the arguments only give the values a
// lesson starts with. --help and --version answer without a display.
namespace CommandLine {

struct Arguments;

// The answer to the program's arguments: the exit status when they ask for help or
// the version (0) or cannot be followed (2, with one line on standard error);
// nothing when the windows should start, with `start` holding what they start with.
std::optional<int> answerArguments(int argc, char *argv[], Arguments &start);

// From here until displayStarted(): when no platform can open a display, Qt's abort
// becomes one line saying how to run the program, and exit status 1. Qt's own
// start-up messages are held back meanwhile, and passed on once the display is there.
void guardDisplayStart();
void displayStarted();

} // namespace CommandLine
