#pragma once

#include "model/message.h"

#include <QLocale>
#include <QString>
#include <QStringList>

// The languages the program speaks: English, in which every text is written, and
// the translations compiled into it (translations/tarnwick_<language>.ts), each with
// Qt's own translation of its dialogs where the system has one.
namespace Translation {

// "de", "en", "es", "fr", "pt_BR": English and every language compiled in.
QStringList languages();

// The language to speak: `chosen` when it names one of languages() ("pt-br" and
// "pt_BR.UTF-8" name "pt_BR"; "pt" the one Portuguese there is), otherwise the
// first of the desktop's languages that does (LANGUAGE, then LC_ALL, LC_MESSAGES
// or LANG), otherwise English.
QString languageFor(const QString &chosen = QString());

// Whether `name` names one of languages(), as languageFor reads it.
bool isLanguage(const QString &name);

// Installs the program's translation and Qt's for `language` in the running
// application (none for English). Numbers keep the program's own format.
void install(const QString &language);

// The language installed last ("en" before any).
QString language();

// How dates are written: in the language spoken, or as the system writes them when
// that is English. Numbers never go through it.
QLocale dateLocale();

// A message of the model in the language spoken: each pattern translated in
// `context`, then filled with its arguments.
QString said(const Message &message, const char *context);

} // namespace Translation
