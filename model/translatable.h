#pragma once

// Marks a text of the model's tables that a window shows: lupdate finds it by this
// name, and the window translates it where it shows it, with
// QCoreApplication::translate and the same context. The model itself knows no Qt
// and keeps the English text. (Spelled as Qt spells it, so the two agree.)
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
