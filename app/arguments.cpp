#include "app/arguments.h"

#include "model/numbertext.h"
#include "widgets/translation.h"

#include <QCoreApplication>

#include <algorithm>
#include <charconv>
#include <limits>

namespace CommandLine {

namespace {

// The options that take a value: the model, the five boxes and the seed.
enum class Option {
    Model,
    Entry,
    Seed,
    Language,
};

struct OptionName
{
    const char *name;
    Option option;
    ParameterBox box; // of an Entry
};

// clang-format off
constexpr std::array<OptionName, 8> Options = {{
    {"model", Option::Model, ParameterBox::N0},
    {"n0", Option::Entry, ParameterBox::N0},
    {"r", Option::Entry, ParameterBox::Rate},
    {"k", Option::Entry, ParameterBox::Capacity},
    {"h", Option::Entry, ParameterBox::HarvestRate},
    {"t", Option::Entry, ParameterBox::RunLength},
    {"seed", Option::Seed, ParameterBox::N0},
    {"lang", Option::Language, ParameterBox::N0},
}};
// clang-format on

// A refusal in the language the program speaks: `text` with its arguments.
template <typename... Texts>
std::string said(const char *text, const Texts &...arguments)
{
    QString line = QCoreApplication::translate("CommandLine", text);
    ((line = line.arg(QString::fromStdString(std::string(arguments)))), ...);
    return line.toStdString();
}

std::optional<std::uint32_t> seedOf(std::string_view text)
{
    std::uint32_t seed = 0;
    const char *end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, seed);
    if (error != std::errc() || rest != end)
        return std::nullopt;
    return seed;
}

class Parser
{
public:
    explicit Parser(const std::vector<std::string_view> &arguments) : m_arguments(arguments) {}
    Arguments parse();

private:
    void option(std::string_view argument, std::size_t &next);
    void take(const OptionName &known, std::string_view value, const std::string &typed);
    void refuse(const std::string &why)
    {
        if (m_result.refusal.empty())
            m_result.refusal = why;
    }

    const std::vector<std::string_view> &m_arguments;
    Arguments m_result;
    bool m_seedGiven = false;
};

Arguments Parser::parse()
{
    bool optionsEnded = false;
    for (std::size_t index = 0; index < m_arguments.size() && m_result.refusal.empty();) {
        const std::string_view argument = m_arguments[index++];
        if (!optionsEnded && (argument == "--help" || argument == "-h")) {
            m_result.help = true;
        } else if (!optionsEnded && argument == "--version") {
            m_result.version = true;
        } else if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument.starts_with("--")) {
            option(argument, index);
        } else if (!optionsEnded && argument.size() > 1 && argument.starts_with('-')) {
            refuse(said(QT_TRANSLATE_NOOP("CommandLine", "unknown argument '%1'"), argument));
        } else if (m_result.file) {
            refuse(
                said(QT_TRANSLATE_NOOP("CommandLine", "two lesson files, '%1' and '%2'; give one"),
                     *m_result.file, argument));
        } else {
            m_result.file = std::string(argument);
        }
    }
    return m_result;
}

void Parser::option(std::string_view argument, std::size_t &next)
{
    const std::size_t equals = argument.find('=');
    const std::string name
        = QString::fromUtf8(
              argument.substr(2, equals == std::string_view::npos ? equals : equals - 2))
              .toLower()
              .toStdString();
    const auto known = std::find_if(Options.begin(), Options.end(),
                                    [&](const OptionName &o) { return name == o.name; });
    if (known == Options.end()) {
        refuse(said(QT_TRANSLATE_NOOP("CommandLine", "unknown argument '%1'"), argument));
        return;
    }
    const std::string shown(argument.substr(0, std::min(equals, argument.size())));
    std::string_view value;
    std::string typed;
    if (equals != std::string_view::npos) {
        value = argument.substr(equals + 1);
        typed = std::string(argument);
    } else if (next < m_arguments.size() && !m_arguments[next].starts_with("--")) {
        value = m_arguments[next++];
        typed = shown + " " + std::string(value);
    }
    if (value.empty()) {
        refuse(said(QT_TRANSLATE_NOOP("CommandLine", "%1 needs a value"), shown));
        return;
    }
    take(*known, value, typed);
}

void Parser::take(const OptionName &known, std::string_view value, const std::string &typed)
{
    const std::string shown = "--" + std::string(known.name);
    const std::string twice = said(QT_TRANSLATE_NOOP("CommandLine", "%1 is given twice"), shown);
    switch (known.option) {
    case Option::Model:
        if (!m_result.modelOption.empty())
            return refuse(twice);
        m_result.options.model = lessonModel(value);
        if (!m_result.options.model)
            return refuse(
                said(QT_TRANSLATE_NOOP("CommandLine", "%1: the model is logistic or exponential"),
                     typed));
        m_result.modelOption = typed;
        return;
    case Option::Seed:
        if (m_seedGiven)
            return refuse(twice);
        m_seedGiven = true;
        m_result.seed = seedOf(value);
        if (!m_result.seed)
            return refuse(said(
                QT_TRANSLATE_NOOP("CommandLine", "%1: the seed is a whole number from 0 to %2"),
                typed, std::to_string(std::numeric_limits<std::uint32_t>::max())));
        return;
    case Option::Language:
        if (m_result.language)
            return refuse(twice);
        if (!Translation::isLanguage(QString::fromStdString(std::string(value))))
            return refuse(said(QT_TRANSLATE_NOOP("CommandLine", "%1: the languages are %2"), typed,
                               Translation::languages().join(QStringLiteral(", ")).toStdString()));
        m_result.language = std::string(value);
        return;
    case Option::Entry: break;
    }
    const auto index = static_cast<std::size_t>(known.box);
    if (m_result.options.entries[index])
        return refuse(twice);
    if (!textReadAsNumber(value))
        return refuse(
            said(QT_TRANSLATE_NOOP("CommandLine", "%1: %2 is not a number"), typed, value));
    m_result.options.entries[index] = std::string(value);
    m_result.entryOptions[index] = typed;
}

} // namespace

Arguments parseArguments(const std::vector<std::string_view> &arguments)
{
    return Parser(arguments).parse();
}

std::vector<LessonPart> lessonParts(const Arguments &arguments, const Lesson &file)
{
    const std::string fileName = arguments.file.value_or(std::string());
    std::vector<LessonPart> parts;
    if (arguments.options.model)
        parts.push_back({arguments.modelOption, {arguments.options.model, {}}});
    else if (file.model)
        parts.push_back({fileName, {file.model, {}}});
    Lesson fromFile;
    for (std::size_t i = 0; i < file.entries.size(); ++i)
        if (!arguments.options.entries[i])
            fromFile.entries[i] = file.entries[i];
    if (fromFile != Lesson{})
        parts.push_back({fileName, fromFile});
    for (std::size_t i = 0; i < arguments.options.entries.size(); ++i) {
        if (!arguments.options.entries[i])
            continue;
        LessonPart part{arguments.entryOptions[i], {}};
        part.lesson.entries[i] = arguments.options.entries[i];
        parts.push_back(part);
    }
    return parts;
}

} // namespace CommandLine
