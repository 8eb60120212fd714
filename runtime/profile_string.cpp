#include "runtime/profile_string.h"

#include "runtime/files.h"

namespace rt {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view upToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

// Bytes in the character at i: a lead byte of 0x80 or more takes its trail byte along.
std::size_t characterLength(std::string_view text, std::size_t i)
{
    return static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size() ? 2 : 1;
}

char foldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// ASCII letters match in either case; two-byte characters must match exactly, so a trail
// byte such as 0x41..0x5A ('A'..'Z') is never folded.
bool namesMatch(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size();) {
        const std::size_t length = characterLength(a, i);
        if (length == 2) {
            if (a.compare(i, 2, b, i, 2) != 0)
                return false;
        } else if (foldAscii(a[i]) != foldAscii(b[i])) {
            return false;
        }
        i += length;
    }
    return true;
}

// The name of a "[name]" line, or nothing when the line is no section header. The last
// ']' that is a whole character closes the name.
bool sectionName(std::string_view line, std::string_view& name)
{
    if (line.empty() || line.front() != '[')
        return false;
    std::size_t close = std::string_view::npos;
    for (std::size_t i = 1; i < line.size(); i += characterLength(line, i)) {
        if (line[i] == ']')
            close = i;
    }
    if (close == std::string_view::npos)
        return false;
    name = trimBlanks(line.substr(1, close - 1));
    return true;
}

std::string_view unquoted(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

// At most limit bytes, ending on a character boundary.
std::string_view cutToFit(std::string_view value, std::size_t limit)
{
    std::size_t end = 0;
    while (end < value.size()) {
        const std::size_t next = end + characterLength(value, end);
        if (next > limit)
            break;
        end = next;
    }
    return value.substr(0, end);
}

// Calls visit(line) for each line; CR LF, LF and CR all end a line.
template <typename Visit>
bool forEachLine(std::string_view text, Visit visit)
{
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        if (visit(text.substr(start, end - start)))
            return true;
        start = end + 1;
        if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n')
            ++start;
    }
    return false;
}

}  // namespace

std::string lookupProfileString(std::string_view iniText, std::string_view section,
                                std::string_view key, std::size_t bufferSize)
{
    section = trimBlanks(upToNul(section));
    key = trimBlanks(upToNul(key));
    if (section.empty() || key.empty() || bufferSize == 0)
        return std::string();

    bool inWantedSection = false;
    std::string_view found;
    // A later section of the same name is still searched when an earlier one lacks the key.
    forEachLine(upToNul(iniText), [&](std::string_view rawLine) {
        const std::string_view line = trimBlanks(rawLine);
        if (line.empty() || line.front() == ';')
            return false;
        std::string_view name;
        if (sectionName(line, name)) {
            inWantedSection = namesMatch(name, section);
            return false;
        }
        if (!inWantedSection)
            return false;
        const std::size_t equals = line.find('=');  // never a trail byte: those start at 0x40
        const std::string_view lineKey = trimBlanks(line.substr(0, equals));
        if (!namesMatch(lineKey, key))
            return false;
        found = equals == std::string_view::npos ? std::string_view()
                                                 : trimBlanks(line.substr(equals + 1));
        return true;
    });
    return std::string(cutToFit(unquoted(found), bufferSize - 1));
}

std::string readConfigItem(std::string_view gbkPath, std::string_view section,
                           std::string_view key)
{
    if (gbkPath.empty() || section.empty() || key.empty())
        return std::string();
    return lookupProfileString(readFile(gbkPath), section, key);
}

}  // namespace rt
