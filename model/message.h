#pragma once

#include <string>
#include <vector>

// A line the program says, kept as its English pattern and its arguments, so that
// a window can say it in the language spoken: the pattern is marked where it is
// written with QT_TRANSLATE_NOOP (model/translatable.h); %1, %2, … are the
// arguments and then the inner messages, in that order ("line %1: %2" holds the
// line's number and what is wrong with it).
struct Message
{
    const char *pattern = "";
    std::vector<std::string> arguments;
    std::vector<Message> inner;

    bool empty() const { return pattern[0] == '\0'; }
    // The line in English.
    std::string text() const;
};
