#include "data/load_profile.h"

#include "data/data_cipher.h"
#include "data/profile_data.h"
#include "runtime/files.h"
#include "runtime/gbk.h"
#include "runtime/profile_string.h"

namespace data {
namespace {

constexpr char kContactAddress[] = "kalvon-data@example.com";

}  // namespace

std::string noDataNotice()
{
    return rt::utf8ToGbk(std::string("没有找到数据文件,") + kContactAddress);
}

const std::vector<rt::TableRow>& missingDataRows()
{
    static const std::vector<rt::TableRow> rows = [] {
        const char* lines[][2] = {
            {"小?:", "咋个没有数据呢?"},
            {"Verrant:", "就是不告诉你."},
            {"小?:", "告诉我嘛...."},
            {"Verrant:", "给我一块钱我就告诉你"},
            {"话外", "数据文件损坏!!"},
            {"", "请修复数据!!!"},
        };
        std::vector<rt::TableRow> result;
        for (const auto& line : lines)
            result.push_back({rt::utf8ToGbk(line[0]), rt::utf8ToGbk(line[1]), "", ""});
        return result;
    }();
    return rows;
}

bool kindFileStaysInside(std::string_view runDir, std::string_view kind)
{
    // Judged on the path as it is opened: decoded from GBK, where a backslash is a separator
    // but a trail byte 0x5C is not. The folder's part decodes the same in both paths, as it
    // ends in an ASCII backslash.
    const std::string folder = rt::nativePath(configFilePath(runDir, ""));
    const std::string path = rt::nativePath(profileFilePath(runDir, kind));
    if (path.compare(0, folder.size(), folder) != 0)
        return false;
    std::string_view rest = std::string_view(path).substr(folder.size());
    while (!rest.empty()) {
        const std::size_t slash = rest.find('/');
        if (rest.substr(0, slash) == "..")
            return false;
        rest.remove_prefix(slash == std::string_view::npos ? rest.size() : slash + 1);
    }
    return true;
}

void loadProfileData(rt::WindowOps& ops, std::string_view runDir)
{
    using rt::WindowId;
    const std::string kind = ops.readText(WindowId::Main, "Verrant", rt::prop::kContent);
    const std::string container = kindFileStaysInside(runDir, kind)
                                      ? rt::readFile(profileFilePath(runDir, kind))
                                      : std::string();
    std::vector<ProfileRow> rows = parseProfile(openDataFile(container, kDataFilePassword));

    // Every load empties the table first, so nothing of an earlier kind survives a failure.
    ops.deleteAllItems(WindowId::Main, "显示数据");
    ops.appendRows(WindowId::Main, "显示数据", std::move(rows));

    const std::string section = ops.readText(WindowId::Main, "Verrant", rt::prop::kContent);
    static const std::string kStandardKey = rt::utf8ToGbk("标准");
    ops.writeText(WindowId::Main, "钢材标准", rt::prop::kCaption,
                  rt::readConfigItem(standardsFilePath(runDir), section, kStandardKey));

    if (ops.getItemCount(WindowId::Main, "显示数据") == 0) {
        ops.writeText(WindowId::Main, "钢材标准", rt::prop::kCaption, noDataNotice());
        ops.appendRows(WindowId::Main, "显示数据", missingDataRows());
    }
}

}  // namespace data
