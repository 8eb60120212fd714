#include "data/kind_list.h"

#include "data/kinds_file.h"
#include "data/profile_data.h"
#include "runtime/files.h"

namespace data {

void loadKindList(rt::WindowOps& ops, std::string_view runDir)
{
    for (const std::string& kind : parseKinds(rt::readFile(kindsFilePath(runDir))))
        ops.addItem(rt::WindowId::Main, "选择种类", kind);
}

void copyChosenKind(rt::WindowOps& ops)
{
    const std::string kind = ops.readText(rt::WindowId::Main, "选择种类", rt::prop::kComboText);
    ops.writeText(rt::WindowId::Main, "Verrant", rt::prop::kContent, kind);
}

}  // namespace data
