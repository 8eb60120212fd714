// The layouts of the main window and the log window, and their event bindings.
#pragma once

#include "ui/layout.h"

#include <array>
#include <span>

namespace ui {

extern const WindowLayout kMainWindowLayout;
extern const WindowLayout kLogWindowLayout;
std::span<const StyleRow> styles();

// The two sample rows the profile table holds until the first load replaces them.
extern const std::array<std::array<const char*, 4>, 2> kProfileTableSampleRows;

}  // namespace ui
