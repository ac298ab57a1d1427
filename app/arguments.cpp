#include "app/arguments.h"

#include "model/numbertext.h"

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
};

struct OptionName
{
    const char *name;
    Option option;
    ParameterBox box; // of an Entry
};

// clang-format off
constexpr std::array<OptionName, 7> Options = {{
    {"model", Option::Model, ParameterBox::N0},
    {"n0", Option::Entry, ParameterBox::N0},
    {"r", Option::Entry, ParameterBox::Rate},
    {"k", Option::Entry, ParameterBox::Capacity},
    {"h", Option::Entry, ParameterBox::HarvestRate},
    {"t", Option::Entry, ParameterBox::RunLength},
    {"seed", Option::Seed, ParameterBox::N0},
}};
// clang-format on

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return result;
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
            refuse("unknown argument '" + std::string(argument) + "'");
        } else if (m_result.file) {
            refuse("two lesson files, '" + *m_result.file + "' and '" + std::string(argument)
                   + "'; give one");
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
        = lowered(argument.substr(2, equals == std::string_view::npos ? equals : equals - 2));
    const auto known = std::find_if(Options.begin(), Options.end(),
                                    [&](const OptionName &o) { return name == o.name; });
    if (known == Options.end()) {
        refuse("unknown argument '" + std::string(argument) + "'");
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
        refuse(shown + " needs a value");
        return;
    }
    take(*known, value, typed);
}

void Parser::take(const OptionName &known, std::string_view value, const std::string &typed)
{
    const std::string shown = "--" + std::string(known.name);
    switch (known.option) {
    case Option::Model:
        if (!m_result.modelOption.empty())
            return refuse(shown + " is given twice");
        m_result.options.model = lessonModel(value);
        if (!m_result.options.model)
            return refuse(typed + ": the model is logistic or exponential");
        m_result.modelOption = typed;
        return;
    case Option::Seed:
        if (m_seedGiven)
            return refuse(shown + " is given twice");
        m_seedGiven = true;
        m_result.seed = seedOf(value);
        if (!m_result.seed)
            return refuse(typed + ": the seed is a whole number from 0 to "
                          + std::to_string(std::numeric_limits<std::uint32_t>::max()));
        return;
    case Option::Entry: break;
    }
    const auto index = static_cast<std::size_t>(known.box);
    if (m_result.options.entries[index])
        return refuse(shown + " is given twice");
    if (!textReadAsNumber(value))
        return refuse(typed + ": " + std::string(value) + " is not a number");
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
