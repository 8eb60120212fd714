// The two windows as data: one row per control, in layout order, with the shared looks in
// a style table and the event bindings in a table of their own. layout_builder.cpp turns
// the rows into widgets; nothing else in the program places a control.
#pragma once

#include "runtime/input_rewrite.h"
#include "runtime/qt/events.h"

#include <cstdint>
#include <span>

namespace ui {

enum class Kind { Frame, Line, Label, EditBox, MultiLineEdit, PictureButton, ComboBox, ListView,
                  CheckBox, Timer };

// Looks shared by many controls, and the single-use looks of a few, by key.
enum class Style {
    F,          // panel frame: line #93C251, fill #DBF3BC
    L,          // label: 宋体 12 px, #111111
    G,          // label: as L, #6C9331
    E,          // edit box: 宋体 12 px bold, #0060C0 on #E6F7D0, right-aligned
    P,          // edit box: as E, #636363 on #FFFFFF
    B,          // picture button with the blank faces
    SeparatorLine,
    HiddenField,
    Title,
    Standard,
    KindSelector,
    ProfileTable,
    TopCheckBox,
    LogNote,    // the red engraved header note of the log window
    LogHeader,
    LogEdit,
    Plain,      // no look of its own (picture buttons with their own faces, the timer)
};

constexpr std::uint32_t kSystemFace = 0xFFFFFFFF;  // the desktop's button-face colour

struct StyleRow {
    Style style;
    int fontPixels;        // 0: the system's dialog font
    bool bold;
    std::uint32_t text;    // 0xRRGGBB
    std::uint32_t back;
    std::uint32_t line;
    std::uint32_t fill;
    bool engraved;
};

enum class Align { Default, Left, Centre, Right };
enum class Faces { Blank, Close, Minimise, Log };
enum class Border { Single, ShallowSunken };

// What a row adds to its style.
struct Options {
    Align align = Align::Default;
    rt::InputMode mode = rt::InputMode::Normal;
    bool hidden = false;
    Faces faces = Faces::Blank;
    const char* tag = "";
    int interval = 0;      // timer, ms
    int maxLength = 0;     // 0: no limit
    Border border = Border::Single;
    bool checked = false;
    const char* accessibleName = "";
};

struct ControlRow {
    const char* name;       // layout name: object name and lookup key
    Kind kind;
    const char* container;  // "" for the window
    int left, top, width, height;
    Style style;
    const char* caption;    // layout caption or content, UTF-8
    Options options = {};
};

struct BindingRow;

struct WindowLayout {
    rt::WindowId id;
    int left, top, width, height;
    bool alwaysOnTop;
    bool taskBar;
    bool dragAnywhere;
    std::span<const ControlRow> controls;
};

}  // namespace ui
