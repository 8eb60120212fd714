#include "calc/recalculate.h"

#include "calc/compute_results.h"

namespace calc {

void recalculate(rt::WindowOps& ops)
{
    using rt::WindowId;
    const auto field = [&ops](const char* name) {
        return ops.readText(WindowId::Main, name, rt::prop::kContent);
    };
    // With no row selected the row is -1, whose cells read empty: a unit weight of 0.
    const int row = ops.readNumber(WindowId::Main, "显示数据", rt::prop::kCurrentRow);
    Inputs in;
    in.tableUnitWeight = ops.getItemText(WindowId::Main, "显示数据", row, 2);
    in.density = field("密度");
    in.decimals = field("小数位数");
    in.count = field("参数1");
    in.length = field("参数2");
    in.knownWeight = field("参数3");
    in.stockLength = field("参数4");

    const Results out = computeResults(in);
    ops.writeText(WindowId::Main, "单位重量", rt::prop::kContent, out.unitWeight);
    ops.writeText(WindowId::Main, "结果2", rt::prop::kContent, out.totalWeight);
    ops.writeText(WindowId::Main, "结果3", rt::prop::kContent, out.lengthFromWeight);
    ops.writeText(WindowId::Main, "结果4", rt::prop::kContent, out.barCount);
}

}  // namespace calc
