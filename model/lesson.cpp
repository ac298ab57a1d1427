#include "model/lesson.h"

#include "model/numbertext.h"
#include "model/translatable.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace {

// The one version of the format this program writes and reads.
constexpr int FormatVersion = 1;

// A lesson file is a few lines a teacher types; anything far larger is not one.
constexpr std::uintmax_t LargestFile = 64 * 1024;

// A value or key quoted in a message is cut to this many characters, so one line
// stays one readable line whatever the file holds.
constexpr std::size_t QuotedLength = 40;

// The keys of the parameters, as the file writes them, and what each means for the
// file's header.
struct ParameterKey
{
    ParameterBox box;
    const char *key;
    const char *meaning;
};

// clang-format off
constexpr std::array<ParameterKey, ParameterBoxCount> ParameterKeys = {{
    {ParameterBox::N0, "n0", "the initial population size N(0), 0 or more"},
    {ParameterBox::Rate, "r", "the intrinsic rate r, 0 or more"},
    {ParameterBox::Capacity, "K", "the carrying capacity K, above 0 (logistic model only)"},
    {ParameterBox::HarvestRate, "H", "the harvest H per time interval, 0 or more"},
    {ParameterBox::RunLength, "T", "the run length, a whole number from 1 to 2000"},
}};
// clang-format on
static_assert(MaxRunLengthEntry == 2000, "the run length's meaning above names the longest run");

std::string lowered(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return result;
}

std::string_view trimmed(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A piece of the file as a message shows it: cut after QuotedLength characters,
// never inside a character.
std::string excerpt(std::string_view text)
{
    std::size_t end = 0;
    std::size_t characters = 0;
    while (end < text.size() && characters < QuotedLength) {
        ++end;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        ++characters;
    }
    if (end == text.size())
        return std::string(text);
    return std::string(text.substr(0, end)) + "…";
}

// The length of a UTF-8 sequence from its first byte, and the least value it may
// encode (so that overlong forms are refused); 0 for a byte no sequence starts with.
struct SequenceStart
{
    std::size_t length;
    std::uint32_t bits; // the value's bits in the first byte
    std::uint32_t least;
};

SequenceStart sequenceStart(unsigned char byte)
{
    if ((byte & 0xE0u) == 0xC0u)
        return {2, byte & 0x1Fu, 0x80};
    if ((byte & 0xF0u) == 0xE0u)
        return {3, byte & 0x0Fu, 0x800};
    if ((byte & 0xF8u) == 0xF0u)
        return {4, byte & 0x07u, 0x10000};
    return {0, 0, 0};
}

Message said(const char *pattern, std::vector<std::string> arguments = {},
             std::vector<Message> inner = {})
{
    return {pattern, std::move(arguments), std::move(inner)};
}

// Whether a line is text: UTF-8, without control characters other than the tab.
// Says what is wrong otherwise.
std::optional<Message> notText(std::string_view line)
{
    const Message notUtf8
        = said(QT_TRANSLATE_NOOP("Lesson", "is not UTF-8 text; save the file as UTF-8"));
    std::size_t i = 0;
    while (i < line.size()) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if ((byte < 0x20 && byte != '\t') || byte == 0x7F)
            return said(QT_TRANSLATE_NOOP("Lesson",
                                          "holds control characters; a lesson file is plain text"));
        if (byte < 0x80) {
            ++i;
            continue;
        }
        const SequenceStart start = sequenceStart(byte);
        if (start.length == 0 || i + start.length > line.size())
            return notUtf8;
        std::uint32_t value = start.bits;
        for (std::size_t k = 1; k < start.length; ++k) {
            const auto next = static_cast<unsigned char>(line[i + k]);
            if ((next & 0xC0u) != 0x80u)
                return notUtf8;
            value = (value << 6) | (next & 0x3Fu);
        }
        // Overlong forms, the surrogates and values past U+10FFFF are no characters.
        if (value < start.least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
            return notUtf8;
        i += start.length;
    }
    return std::nullopt;
}

// Why a value cannot stand in its box as it is, or nothing when it can; `shown` is
// the line as the message quotes it ("r = -0.5").
std::optional<Message> refusedValue(ParameterBox box, std::string_view value,
                                    const std::string &shown)
{
    if (!textReadAsNumber(value))
        return said(QT_TRANSLATE_NOOP("Lesson", "%1 is not a number"), {shown});
    if (!correctedEntry(box, value))
        return std::nullopt;
    switch (boxRule(box).rule) {
    case EntryRule::AtLeastZero: return said(QT_TRANSLATE_NOOP("Lesson", "%1 is below 0"), {shown});
    case EntryRule::AboveZero:
        return said(QT_TRANSLATE_NOOP("Lesson", "%1 is not above 0"), {shown});
    case EntryRule::WholeRunLength: break;
    }
    return said(QT_TRANSLATE_NOOP("Lesson", "%1 is not a whole number from 1 to %2"),
                {shown, std::to_string(MaxRunLengthEntry)});
}

// The reading, line by line. The first fault is kept, but the lines after it are
// still read for the version: a file of a later version is refused for being one,
// not for a key this program does not know.
class Reader
{
public:
    LessonReading read(std::string_view text);

private:
    void line(int number, std::string_view text);
    void entry(int number, std::string_view key, std::string_view value);
    void fault(int number, Message why);

    Lesson m_lesson;
    Message m_fault;
    bool m_notText = false;
    bool m_inSection = false;
    bool m_sectionSeen = false;
    int m_versionLine = 0;
    std::string m_version;
    int m_modelLine = 0;
    std::array<int, ParameterBoxCount> m_entryLines{};
};

void Reader::fault(int number, Message why)
{
    if (m_fault.empty())
        m_fault = said(QT_TRANSLATE_NOOP("Lesson", "line %1: %2"), {std::to_string(number)},
                       {std::move(why)});
}

void Reader::line(int number, std::string_view text)
{
    if (!text.empty() && text.back() == '\r')
        text.remove_suffix(1);
    if (const auto why = notText(text)) {
        // Not text at all: nothing after it is worth reading.
        fault(number, *why);
        m_notText = true;
        return;
    }
    text = trimmed(text);
    if (text.empty() || text.front() == '#' || text.front() == ';')
        return;
    if (text.front() == '[') {
        if (text.size() < 2 || text.back() != ']') {
            fault(number,
                  said(QT_TRANSLATE_NOOP("Lesson", "%1 is not a section line (no closing ])"),
                       {excerpt(text)}));
        } else if (lowered(trimmed(text.substr(1, text.size() - 2))) != "lesson") {
            fault(number, said(QT_TRANSLATE_NOOP(
                                   "Lesson", "%1 is not a section this program reads ([lesson])"),
                               {excerpt(text)}));
            m_inSection = false;
        } else if (m_sectionSeen) {
            fault(number, said(QT_TRANSLATE_NOOP("Lesson", "a second [lesson] section")));
        } else {
            m_inSection = m_sectionSeen = true;
        }
        return;
    }
    const std::size_t equals = text.find('=');
    if (equals == std::string_view::npos) {
        fault(number, said(QT_TRANSLATE_NOOP("Lesson", "%1 is not a line of the form key = value"),
                           {excerpt(text)}));
        return;
    }
    const std::string_view key = trimmed(text.substr(0, equals));
    const std::string_view value = trimmed(text.substr(equals + 1));
    if (!m_inSection) {
        fault(number, said(QT_TRANSLATE_NOOP("Lesson", "%1 is outside the [lesson] section"),
                           {excerpt(text)}));
        return;
    }
    if (key.empty()) {
        fault(number, said(QT_TRANSLATE_NOOP("Lesson", "no key before =")));
        return;
    }
    entry(number, key, value);
}

void Reader::entry(int number, std::string_view key, std::string_view value)
{
    const std::string name = lowered(key);
    const auto twice = [&](int &seen, const std::string &shown) {
        if (seen != 0) {
            fault(number, said(QT_TRANSLATE_NOOP("Lesson", "%1 is given twice"), {shown}));
            return true;
        }
        seen = number;
        return false;
    };
    if (name == "version") {
        if (value.empty())
            fault(number, said(QT_TRANSLATE_NOOP("Lesson", "version has no value")));
        else if (!twice(m_versionLine, "version"))
            m_version = value;
        return;
    }
    if (name == "model") {
        if (twice(m_modelLine, "model"))
            return;
        m_lesson.model = lessonModel(value);
        if (!m_lesson.model)
            fault(number,
                  said(QT_TRANSLATE_NOOP("Lesson", "model = %1 is not logistic or exponential"),
                       {excerpt(value)}));
        else if (*m_lesson.model == Growth::Exponential
                 && m_entryLines[std::size_t(ParameterBox::Capacity)] != 0)
            fault(number,
                  said(QT_TRANSLATE_NOOP("Lesson",
                                         "the exponential model has no K, but line %1 gives one"),
                       {std::to_string(m_entryLines[std::size_t(ParameterBox::Capacity)])}));
        return;
    }
    const auto known = std::find_if(ParameterKeys.begin(), ParameterKeys.end(),
                                    [&](const ParameterKey &p) { return lowered(p.key) == name; });
    if (known == ParameterKeys.end()) {
        fault(number,
              said(QT_TRANSLATE_NOOP("Lesson",
                                     "unknown key %1; a lesson has version, model, n0, r, K, H, T"),
                   {excerpt(key)}));
        return;
    }
    const auto index = static_cast<std::size_t>(known->box);
    if (twice(m_entryLines[index], known->key))
        return;
    const std::string shown = std::string(known->key) + " = " + excerpt(value);
    if (value.empty()) {
        fault(number, said(QT_TRANSLATE_NOOP("Lesson", "%1 has no value"), {known->key}));
        return;
    }
    if (auto why = refusedValue(known->box, value, shown)) {
        fault(number, std::move(*why));
        return;
    }
    if (known->box == ParameterBox::Capacity && m_lesson.model == Growth::Exponential) {
        fault(number,
              said(QT_TRANSLATE_NOOP("Lesson", "%1, but the exponential model has no K"), {shown}));
        return;
    }
    m_lesson.entries[index] = std::string(value);
}

LessonReading Reader::read(std::string_view text)
{
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return {std::nullopt, said(QT_TRANSLATE_NOOP("Lesson", "the file is empty"))};
    // A byte-order mark, as some editors write before UTF-8 text, is no part of it.
    constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, ByteOrderMark.size()) == ByteOrderMark)
        text.remove_prefix(ByteOrderMark.size());

    int number = 0;
    while (!text.empty() && !m_notText) {
        const std::size_t end = text.find('\n');
        line(++number, text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }

    if (!m_notText && m_versionLine != 0 && textReadAsNumber(m_version) != FormatVersion)
        return {std::nullopt,
                said(QT_TRANSLATE_NOOP("Lesson", "version %1 is not one this program reads (%2)"),
                     {excerpt(m_version), std::to_string(FormatVersion)})};
    if (!m_fault.empty())
        return {std::nullopt, m_fault};
    if (!m_sectionSeen)
        return {std::nullopt, said(QT_TRANSLATE_NOOP("Lesson", "no [lesson] section"))};
    if (m_versionLine == 0)
        return {std::nullopt,
                said(QT_TRANSLATE_NOOP("Lesson", "the [lesson] section has no version = 1"))};
    return {m_lesson, {}};
}

// The line a file system error gives, starting lower case as the rest of the line.
std::string reason(const std::error_code &error)
{
    std::string message = error.message();
    if (!message.empty() && message.front() >= 'A' && message.front() <= 'Z')
        message.front() = char(message.front() - 'A' + 'a');
    return message;
}

} // namespace

LessonReading readLesson(std::string_view text) { return Reader().read(text); }

std::optional<Growth> lessonModel(std::string_view name)
{
    const std::string lower = lowered(name);
    if (lower == "logistic")
        return Growth::Logistic;
    if (lower == "exponential")
        return Growth::Exponential;
    return std::nullopt;
}

std::string writeLesson(const Lesson &lesson)
{
    std::string text
        = "# A lesson for Tarnwick (Basic): the model and the values a class starts with.\n"
          "# Open it with the program (tarnwick FILE). Every line below [lesson] is\n"
          "# key = value; lines starting with # or ; are comments. A key left out\n"
          "# keeps the value the program starts with.\n"
          "#   version  the version of this format, 1\n"
          "#   model    logistic or exponential\n";
    for (const ParameterKey &p : ParameterKeys)
        text += "#   " + std::string(p.key) + std::string(9 - std::strlen(p.key), ' ') + p.meaning
                + "\n";
    text += "\n[lesson]\nversion = " + std::to_string(FormatVersion) + "\n";
    if (lesson.model)
        text += std::string("model = ")
                + (*lesson.model == Growth::Exponential ? "exponential" : "logistic") + "\n";
    for (const ParameterKey &p : ParameterKeys) {
        const auto &entry = lesson.entries[static_cast<std::size_t>(p.box)];
        if (!entry)
            continue;
        // A line break inside a value would make a line of its own.
        std::string value = *entry;
        std::replace(value.begin(), value.end(), '\n', ' ');
        std::replace(value.begin(), value.end(), '\r', ' ');
        text += std::string(p.key) + " = " + value + "\n";
    }
    return text;
}

LessonReading readLessonFile(const std::string &path, const std::string &name)
{
    const auto refused = [&name](Message why) {
        return LessonReading{std::nullopt,
                             said(QT_TRANSLATE_NOOP("Lesson", "%1: %2"), {name}, {std::move(why)})};
    };
    const auto unreadable = [](const std::string &reason) {
        return said(QT_TRANSLATE_NOOP("Lesson", "cannot be read: %1"), {reason});
    };
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found)
        return refused(said(QT_TRANSLATE_NOOP("Lesson", "no such file")));
    if (error)
        return refused(unreadable(reason(error)));
    if (status.type() == std::filesystem::file_type::directory)
        return refused(said(QT_TRANSLATE_NOOP("Lesson", "is a folder, not a lesson file")));
    // A pipe or a device could keep the reader waiting for ever.
    if (status.type() != std::filesystem::file_type::regular)
        return refused(said(QT_TRANSLATE_NOOP("Lesson", "is not a regular file")));
    const Message tooLarge
        = said(QT_TRANSLATE_NOOP("Lesson", "is larger than a lesson file can be (%1 KiB)"),
               {std::to_string(LargestFile / 1024)});
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (!error && size > LargestFile)
        return refused(tooLarge);

    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return refused(
            unreadable(reason(std::error_code(errno != 0 ? errno : EIO, std::generic_category()))));
    // One byte past the limit tells a file that grew since it was measured.
    std::string text(LargestFile + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad())
        return refused(unreadable(reason(std::make_error_code(std::errc::io_error))));
    text.resize(static_cast<std::size_t>(file.gcount()));
    if (text.size() > LargestFile)
        return refused(tooLarge);

    LessonReading reading = readLesson(text);
    if (!reading.lesson)
        return refused(std::move(reading.error));
    return reading;
}
