// Builds a window and all its controls from its layout rows. Knows every control kind and
// style, and nothing about what any control is for.
#pragma once

#include "runtime/qt/qt_runtime.h"
#include "ui/layout.h"

namespace ui {

rt::TopWindow* buildWindow(const WindowLayout& layout, const rt::EventSink& sink);

}  // namespace ui
