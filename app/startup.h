#pragma once

// The way into the program, in one place: the backdrop and the animated title,
// the proverb on a white backdrop, then the main window on a black one. The
// windows involved only report that the student leaves them.
namespace StartUp {

// The main window's load step: the navy backdrop over the whole screen and the
// title in front of it; the main window itself stays hidden.
void showBackdropAndTitle();

// A key or click on the title: the proverb window on a white backdrop.
void titleLeft();

// A double click on the title's start label: straight to the main window, the
// backdrop white.
void titleDoubleClicked();

// A key or click on the proverb window: the main window on a black backdrop.
void proverbLeft();

} // namespace StartUp
