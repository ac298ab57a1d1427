#pragma once

#include "app/arguments.h"

// The way into the program, in one place: the backdrop and the animated title,
// the proverb on a white backdrop, then the main window on a black one. The
// windows involved only report that the student leaves them.
namespace StartUp {

// The start of the program: says which windows are home (the main window) and
// the way out (the citation window), loads the main window, which stays hidden,
// gives it the lesson of the command line, and shows the navy backdrop over the
// whole screen with the title in front of it.
void begin(const CommandLine::Arguments &arguments = {});

// A key or click on the title: the proverb window on a white backdrop.
void titleLeft();

// A double click on the title's start label: straight to the main window, the
// backdrop white.
void titleDoubleClicked();

// A key or click on the proverb window: the main window on a black backdrop.
void proverbLeft();

} // namespace StartUp
