#include "widgets/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

constexpr auto Resources = ":/i18n";

// Where the program's translations are: compiled in, and first a folder a
// translator names to try a translation without building the program
// (TARNWICK_TRANSLATIONS=folder, holding tarnwick_<language>.qm from lrelease).
QStringList folders()
{
    QStringList found;
    if (const QString own = qEnvironmentVariable("TARNWICK_TRANSLATIONS"); !own.isEmpty())
        found << own;
    return found << QString::fromLatin1(Resources);
}
const QString English = QStringLiteral("en");

// "pt_BR.UTF-8@euro" and "pt-br" as "pt_BR"; "de_DE" as "de_DE".
QString normalised(QString name)
{
    name = name.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0).trimmed();
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    const QString region = name.section(QLatin1Char('_'), 1, 1).toUpper();
    return region.isEmpty() ? language : language + QLatin1Char('_') + region;
}

// The language of languages() that `name` names, or nothing.
QString matching(const QString &name)
{
    const QString wanted = normalised(name);
    if (wanted.isEmpty() || wanted == QLatin1String("c") || wanted == QLatin1String("posix"))
        return {};
    const QStringList known = Translation::languages();
    if (known.contains(wanted))
        return wanted;
    // "de_AT" is German, and "pt_PT" reads Brazilian Portuguese better than English.
    const QString language = wanted.section(QLatin1Char('_'), 0, 0);
    for (const QString &candidate : known)
        if (candidate.section(QLatin1Char('_'), 0, 0) == language)
            return candidate;
    return {};
}

QString &current()
{
    static QString language = English;
    return language;
}

// The translators in use, replaced by the next install().
QList<QTranslator *> &installed()
{
    static QList<QTranslator *> translators;
    return translators;
}

} // namespace

namespace Translation {

QStringList languages()
{
    QStringList names{English};
    for (const QString &folder : folders())
        for (const QString &file :
             QDir(folder).entryList({QStringLiteral("tarnwick_*.qm")}, QDir::Files))
            names << file.mid(int(qstrlen("tarnwick_"))).chopped(int(qstrlen(".qm")));
    names.removeDuplicates();
    names.sort();
    return names;
}

bool isLanguage(const QString &name) { return !matching(name).isEmpty(); }

QString languageFor(const QString &chosen)
{
    if (!chosen.isEmpty())
        if (const QString language = matching(chosen); !language.isEmpty())
            return language;
    // The desktop's choice: the list in LANGUAGE first, then the first of the
    // locale variables that is set. (gettext passes LANGUAGE over under the C
    // locale; a lab machine or a container left at C.UTF-8 would then never show
    // the language asked for, so here LANGUAGE always counts.)
    QStringList wanted
        = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const QString value = qEnvironmentVariable(variable); !value.isEmpty()) {
            wanted << value;
            break;
        }
    for (const QString &name : wanted)
        if (const QString language = matching(name); !language.isEmpty())
            return language;
    return English;
}

void install(const QString &language)
{
    for (QTranslator *translator : installed()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed().clear();
    current() = language;
    if (language == English)
        return;
    const auto load = [](const QString &file, const QString &folder) {
        auto *translator = new QTranslator;
        if (translator->load(file, folder) && QCoreApplication::installTranslator(translator)) {
            installed() << translator;
            return true;
        }
        delete translator;
        return false;
    };
    for (const QString &folder : folders())
        if (load(QStringLiteral("tarnwick_") + language, folder))
            break;
    load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString language() { return current(); }

QLocale dateLocale() { return current() == English ? QLocale::system() : QLocale(current()); }

QString said(const Message &message, const char *context)
{
    QStringList filling;
    for (const std::string &argument : message.arguments)
        filling << QString::fromStdString(argument);
    for (const Message &part : message.inner)
        filling << said(part, context);
    QString line = QCoreApplication::translate(context, message.pattern);
    // All at once, so that an argument holding "%1" stays as it is.
    QString result;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar next = i + 1 < line.size() ? line.at(i + 1) : QChar();
        const qsizetype place = next.digitValue() - 1;
        if (line.at(i) == QLatin1Char('%') && place >= 0 && place < filling.size()) {
            result += filling.at(place);
            ++i;
        } else {
            result += line.at(i);
        }
    }
    return result;
}

} // namespace Translation
