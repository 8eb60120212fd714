// Load profile data: fills the profile table with the rows of the kind named in the hidden
// kind field and shows the kind's standard. Any failure (missing, unreadable, damaged or
// empty file) ends in the same place: the no-data notice and the six missing-data rows.
// No row is selected afterwards, and the results are not recalculated.
#pragma once

#include "runtime/window_ops.h"

#include <string>
#include <string_view>

namespace data {

void loadProfileData(rt::WindowOps& ops, std::string_view runDir);

// Whether the kind's data file lies inside 配置文件 (a subfolder of it included). The kind
// name is spliced into the path unchanged, so "..\x" would reach the file beside the
// folder and "..\..\x" any file at all: a name with a ".." step is refused outright, even
// one that would climb back in. Such a kind loads nothing and shows the missing-data rows.
bool kindFileStaysInside(std::string_view runDir, std::string_view kind);

// GBK texts of the failure case.
std::string noDataNotice();
const std::vector<rt::TableRow>& missingDataRows();

}  // namespace data
