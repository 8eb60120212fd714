// The events windows and controls raise, and the sink that carries them to the behaviours.
#pragma once

#include "runtime/window_ops.h"

#include <functional>
#include <string_view>

namespace rt {

enum class Event {
    Created,            // window: once, after it and all its controls exist
    Moved,              // window: its position changed (and once right after Created)
    Resized,            // window: its size changed (and once right after that first Moved)
    ContentChanged,     // edit box: every user edit and every program write, even of the same text
    GotFocus,
    LostFocus,
    ItemSelected,       // combo box: after the user's pick, also of the same item
    CurrentRowChanged,  // report list view: a row became the focused row by mouse or keyboard
    Clicked,            // picture button, check box
    LeftButtonPressed,  // any control
    DoubleClicked,      // any control
    Periodic,           // timer
};

// Receives every event; an empty control name means the window itself.
using EventSink = std::function<void(WindowId window, std::string_view control, Event event)>;

}  // namespace rt
