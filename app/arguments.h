#pragma once

#include "model/lesson.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program's arguments, read without a display and without opening a file:
//   tarnwick [--model M] [--n0 N] [--r R] [--k K] [--h H] [--t T] [--seed S] [--lang L]
//            [LESSON]
// each option also as --option=value, in any order, each at most once.
namespace CommandLine {

struct Arguments
{
    bool help = false;
    bool version = false;
    // The model and the box texts the options give, and each option as typed
    // ("--t 3000"), so that what the main window makes of a value can name it.
    Lesson options;
    std::string modelOption;
    std::array<std::string, ParameterBoxCount> entryOptions;
    std::optional<std::string> file;     // a lesson file, as named
    std::optional<std::uint32_t> seed;   // the game's draws, the same on every start
    std::optional<std::string> language; // --lang, one of Translation::languages()
    // Why the arguments cannot be followed, in one line; empty when they can.
    std::string refusal;
};

Arguments parseArguments(const std::vector<std::string_view> &arguments);

// A piece of the lesson a class starts with, and where it came from: the lesson
// file's name or an option as typed.
struct LessonPart
{
    std::string source;
    Lesson lesson;
};

// The pieces in the order they go into the main window: the model first (choosing
// one writes every box), then the file's values, then the options', which win over
// the file's.
std::vector<LessonPart> lessonParts(const Arguments &arguments, const Lesson &file);

} // namespace CommandLine
