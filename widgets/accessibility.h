#pragma once

class QObject;
class QAccessibleInterface;
class QString;

// The accessible interfaces of the program's own widgets that Qt's would not serve
// a screen reader well: the Announcer, and the text boxes (see accessibility.cpp).
// Installed once, before the first window; a layer above adds its own factories.
void installAccessibility();
