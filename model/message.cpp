#include "model/message.h"

std::string Message::text() const
{
    std::vector<std::string> filling = arguments;
    for (const Message &part : inner)
        filling.push_back(part.text());
    std::string line;
    for (const char *at = pattern; *at != '\0'; ++at) {
        const auto place = static_cast<std::size_t>(at[1] - '1');
        if (at[0] == '%' && at[1] >= '1' && at[1] <= '9' && place < filling.size()) {
            line += filling[place];
            ++at;
        } else {
            line += *at;
        }
    }
    return line;
}
