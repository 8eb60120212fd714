#include "data/profile_data.h"

#include "runtime/split_text.h"

namespace data {
namespace {

// The folder and file names in GBK, the encoding every path of the program is built in.
constexpr std::string_view kConfigFolder = "\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE";  // 配置文件
constexpr std::string_view kKindsFile = "1\xD6\xD6\xC0\xE0.ini";                // 1种类.ini
constexpr std::string_view kStandardsFile =
    "0\xB1\xEA\xD7\xBC\xC5\xE4\xD6\xC3.ini";  // 0标准配置.ini
constexpr std::string_view kProfileExtension = ".kvd";

}  // namespace

std::vector<ProfileRow> parseProfile(std::string_view plaintext)
{
    const std::string_view text = plaintext.substr(0, plaintext.find('\0'));
    std::vector<ProfileRow> rows;
    for (const std::string_view line : rt::splitTextViews(text, "\r\n")) {
        const std::vector<std::string_view> fields = rt::splitTextViews(line, "//");
        if (fields.size() < 4)
            continue;
        rows.push_back({std::string(fields[0]), std::string(fields[1]), std::string(fields[2]),
                        std::string(fields[3])});
    }
    return rows;
}

std::string configFilePath(std::string_view runDir, std::string_view fileName)
{
    std::string path(runDir);
    path += '\\';
    path += kConfigFolder;
    path += '\\';
    path += fileName;
    return path;
}

std::string kindsFilePath(std::string_view runDir)
{
    return configFilePath(runDir, kKindsFile);
}

std::string standardsFilePath(std::string_view runDir)
{
    return configFilePath(runDir, kStandardsFile);
}

std::string profileFilePath(std::string_view runDir, std::string_view kind)
{
    std::string name(kind);
    name += kProfileExtension;
    return configFilePath(runDir, name);
}

}  // namespace data
