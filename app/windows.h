#pragma once

class Backform;
class Form1;
class Prophecy;
class titlform;

// Every window is one process-wide instance, created (loaded) on first use and
// then only hidden and shown. A window closed with its close box is unloaded: the
// instance goes, and the next use builds it afresh.
namespace Windows {

Form1 &form1();
Backform &backform();
titlform &title();
Prophecy &prophecy();

// Whether the window exists now, without creating it.
Form1 *loadedForm1();
titlform *loadedTitle();
Prophecy *loadedProphecy();
Backform *loadedBackform();

// Deletes every window; the next use loads each again.
void unloadAll();

} // namespace Windows
