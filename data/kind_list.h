// The kind selector: filled once from the kinds file, and a pick copied into the hidden
// kind field `Verrant`, whose every write loads that kind's table.
#pragma once

#include "runtime/window_ops.h"

#include <string_view>

namespace data {

// Appends every kind of the kinds file after the selector's prompt item; a missing or
// unreadable file adds nothing.
void loadKindList(rt::WindowOps& ops, std::string_view runDir);

// Writes the selector's current text into the hidden kind field, which reloads the kind
// even when it is the one already shown.
void copyChosenKind(rt::WindowOps& ops);

}  // namespace data
