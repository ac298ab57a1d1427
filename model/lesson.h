#pragma once

#include "model/harvest.h"
#include "model/message.h"
#include "model/parameterentry.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

// A lesson: the model and the parameters a teacher starts a class with, given on
// the command line or in a lesson file. What it leaves out stays as the program
// starts it.
struct Lesson
{
    std::optional<Growth> model;
    // The texts of the five boxes, by ParameterBox, as a student would type them.
    std::array<std::optional<std::string>, ParameterBoxCount> entries;

    bool operator==(const Lesson &) const = default;
};

// What came of reading a lesson: the lesson, or one line saying why there is none.
struct LessonReading
{
    std::optional<Lesson> lesson;
    Message error;
};

// The lesson file format: an INI file, "#" and ";" comments, one [lesson] section
// with version = 1 and at most once each the keys model (logistic or exponential),
// n0, r, K, H and T. Every value must be a number the box's Enter rule takes as it
// stands; anything else refuses the whole file.
LessonReading readLesson(std::string_view text);
std::string writeLesson(const Lesson &lesson);

// A lesson file read from disk: a missing, unreadable or unsuitable file, and a
// directory, are refused with their reason; `name` is how the line names the file.
LessonReading readLessonFile(const std::string &path, const std::string &name);

// The model a lesson names, "logistic" or "exponential" in any case; nothing for
// any other name.
std::optional<Growth> lessonModel(std::string_view name);

// The file extension and MIME type of lesson files.
inline constexpr std::string_view LessonExtension = ".tarnwick";
inline constexpr std::string_view LessonMimeType = "application/x-tarnwick-lesson";
