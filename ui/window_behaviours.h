// What the main window's own controls and the log window do, apart from the calculation,
// the kind selector and the quotes: docking and toggling the log window, dragging, rolling
// up, keeping on top, minimising, closing, swapping the parameter strip, selecting the
// length text, copying results. Each is one short handler over the window operations;
// none keeps state of its own (the log button's tag and the window height are the state).
#pragma once

#include "runtime/window_ops.h"

#include <string>
#include <string_view>
#include <vector>

namespace ui {

constexpr int kExpandedHeight = 363;
constexpr int kRolledUpHeight = 30;

void dockLogWindow(rt::WindowOps& ops);
void toggleLogWindow(rt::WindowOps& ops);
void logWindowCreated(rt::WindowOps& ops);
void writeVersionNotes(rt::WindowOps& ops);
void dragLogWindow(rt::WindowOps& ops);
void closeLogWindow(rt::WindowOps& ops);

void dragWindow(rt::WindowOps& ops);
void rollUp(rt::WindowOps& ops);
void setAlwaysOnTop(rt::WindowOps& ops);
void minimise(rt::WindowOps& ops);
void closeProgram(rt::WindowOps& ops);
void swapParameterFrame(rt::WindowOps& ops);
void selectLengthText(rt::WindowOps& ops);
void copyResult(rt::WindowOps& ops, std::string_view field);

// The 27 blocks of version notes as GBK, in the order they are appended.
const std::vector<std::string>& versionNoteBlocks();

}  // namespace ui
