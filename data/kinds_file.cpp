#include "data/kinds_file.h"

#include "runtime/split_text.h"

namespace data {

std::vector<std::string> parseKinds(std::string_view fileBytes)
{
    const std::string_view text = fileBytes.substr(0, fileBytes.find('\0'));
    std::vector<std::string> kinds;
    for (const std::string& line : rt::splitText(text, "\r\n")) {
        std::vector<std::string> fields = rt::splitText(line, "//");
        if (fields.size() >= 2)
            kinds.push_back(std::move(fields[1]));
    }
    return kinds;
}

}  // namespace data
