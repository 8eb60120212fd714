// The window operations the program's logic uses: windows and controls addressed by their
// layout names, properties by index, list-view rows, the clipboard. The logic (loading a
// kind, recalculating, docking the log window...) is written against this interface only,
// so it runs on the real Qt windows and on a plain recording fake in the unit tests.
//
// Control names are UTF-8 identifiers from the layout; every text value is GBK. An empty
// control name addresses the window itself.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

enum class WindowId { Main, Log };

// Property indexes. 0..7 exist on every window and control; the others belong to a kind.
namespace prop {
constexpr int kLeft = 0;
constexpr int kTop = 1;
constexpr int kWidth = 2;
constexpr int kHeight = 3;
constexpr int kTag = 4;
constexpr int kVisible = 5;
constexpr int kDisabled = 6;
constexpr int kMousePointer = 7;
constexpr int kTitle = 8;        // window
constexpr int kContent = 8;      // edit box
constexpr int kCaption = 8;      // transparent label
constexpr int kComboText = 9;    // combo box
constexpr int kWindowState = 18; // window: 0 normal, 1 centred, 2 minimised, 3 maximised
constexpr int kChecked = 18;     // check box
constexpr int kSelectionStart = 24;
constexpr int kSelectionLength = 25;
constexpr int kAlwaysOnTop = 29;  // window
constexpr int kCurrentRow = 35;   // report list view: first selected row, -1 when none
}  // namespace prop

// The hidden-frame-less window message that lets a window follow the mouse as if dragged
// by its caption.
constexpr int kNonClientLeftButtonDown = 0xA1;
constexpr int kCaptionHit = 2;

using TableRow = std::array<std::string, 4>;

class WindowOps {
public:
    virtual ~WindowOps() = default;

    virtual int readNumber(WindowId window, std::string_view control, int index) = 0;
    virtual std::string readText(WindowId window, std::string_view control, int index) = 0;
    virtual void writeNumber(WindowId window, std::string_view control, int index, int value) = 0;
    virtual void writeText(WindowId window, std::string_view control, int index,
                           std::string_view text) = 0;

    virtual void loadWindow(WindowId window) = 0;
    virtual void destroyWindow(WindowId window) = 0;
    virtual void sendMessage(WindowId window, int message, int wParam, int lParam) = 0;

    virtual void appendText(WindowId window, std::string_view control, std::string_view text) = 0;
    virtual void addItem(WindowId window, std::string_view control, std::string_view text) = 0;

    // Report list view, rows and columns from 0.
    virtual int insertItem(WindowId window, std::string_view control) = 0;
    virtual void setItemText(WindowId window, std::string_view control, int row, int column,
                             std::string_view text) = 0;
    virtual std::string getItemText(WindowId window, std::string_view control, int row,
                                    int column) = 0;
    virtual int getItemCount(WindowId window, std::string_view control) = 0;
    virtual void deleteAllItems(WindowId window, std::string_view control) = 0;
    // Appends whole rows at once: the same as insertItem and setItemText cell by cell,
    // without paying for each step when a table has many thousands of rows.
    virtual void appendRows(WindowId window, std::string_view control,
                            std::vector<TableRow> rows) = 0;

    virtual void setClipboardText(std::string_view text) = 0;
    virtual void endProgram() = 0;
};

}  // namespace rt
