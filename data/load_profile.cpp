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

void loadProfileData(rt::WindowOps& ops, std::string_view runDir)
{
    using rt::WindowId;
    const std::string kind = ops.readText(WindowId::Main, "Verrant", rt::prop::kContent);
    const std::string container = rt::readFile(profileFilePath(runDir, kind));
    std::vector<ProfileRow> rows = parseProfile(openDataFile(container, kDataFilePassword));

    // Every load empties the table first, so nothing of an earlier kind survives a failure.
    ops.deleteAllItems(WindowId::Main, "显示数据");
    ops.appendRows(WindowId::Main, "显示数据", rows);

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
