// The lesson reader takes any bytes: it never reads past them, it refuses with one
// line, and a lesson it accepts holds only values the boxes take as they stand,
// and comes back the same once written and read again.
#include "model/lesson.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const LessonReading reading = readLesson(text);
    if (!reading.lesson) {
        // One short line, whatever the file held.
        const std::string said = reading.error.text();
        if (said.empty() || said.find('\n') != std::string::npos || said.size() > 400)
            std::abort();
        return 0;
    }
    if (!reading.error.empty())
        std::abort();
    for (int i = 0; i < ParameterBoxCount; ++i) {
        const auto &entry = reading.lesson->entries[std::size_t(i)];
        if (entry && correctedEntry(static_cast<ParameterBox>(i), *entry))
            std::abort();
    }
    if (reading.lesson->model == Growth::Exponential
        && reading.lesson->entries[std::size_t(ParameterBox::Capacity)])
        std::abort();
    const LessonReading again = readLesson(writeLesson(*reading.lesson));
    if (!again.lesson || !(*again.lesson == *reading.lesson))
        std::abort();
    return 0;
}
