// The named behaviours and the table that binds them to control events.
#pragma once

#include "runtime/qt/events.h"

#include <span>

namespace ui {

enum class Behaviour {
    MainWindowCreated,
    DockLogWindow,
    LoadProfileData,
    CopyChosenKind,
    Recalculate,
    SelectLengthText,
    CopyUnitWeight,
    CopyTotalWeight,
    CopyLengthFromWeight,
    CopyBarCount,
    SwapParameterFrame,
    SetAlwaysOnTop,
    DragWindow,
    RollUp,
    Minimise,
    CloseProgram,
    ToggleLogWindow,
    ShowRandomQuote,
    LogWindowCreated,
    DragLogWindow,
    CloseLogWindow,
};

struct BindingRow {
    rt::WindowId window;
    const char* control;  // "" for the window itself
    rt::Event event;
    Behaviour behaviour;
};

std::span<const BindingRow> bindings();

}  // namespace ui
