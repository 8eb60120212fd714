// The window operations over Qt Widgets. Builds a window through the factory its layout
// registered, raises Created, Moved and Resized inside load-window, maps property indexes
// onto the widgets (with the clamping of positions and sizes), and keeps the position and
// size of a closed window as its stored layout.
#pragma once

#include "runtime/qt/events.h"
#include "runtime/qt/top_window.h"
#include "runtime/window_ops.h"

#include <QPointer>
#include <QRect>

#include <array>
#include <functional>

namespace rt {

class QtRuntime : public WindowOps {
public:
    // Builds the window with all its controls, hidden, sized and placed from its layout.
    using WindowFactory = std::function<TopWindow*(QtRuntime& runtime)>;

    QtRuntime() = default;
    ~QtRuntime() override;  // closes the windows still open
    QtRuntime(const QtRuntime&) = delete;
    QtRuntime& operator=(const QtRuntime&) = delete;

    void registerWindow(WindowId window, WindowFactory factory, QRect layoutGeometry,
                        bool alwaysOnTop);
    void setEventSink(EventSink sink) { m_sink = std::move(sink); }
    const EventSink& eventSink() const { return m_sink; }
    void setExitRoutine(std::function<void()> routine) { m_exitRoutine = std::move(routine); }

    TopWindow* window(WindowId window) const;  // nullptr while it is not open
    QWidget* control(WindowId window, std::string_view control) const;

    int readNumber(WindowId window, std::string_view control, int index) override;
    std::string readText(WindowId window, std::string_view control, int index) override;
    void writeNumber(WindowId window, std::string_view control, int index, int value) override;
    void writeText(WindowId window, std::string_view control, int index,
                   std::string_view text) override;

    void loadWindow(WindowId window) override;
    void destroyWindow(WindowId window) override;
    void sendMessage(WindowId window, int message, int wParam, int lParam) override;

    void appendText(WindowId window, std::string_view control, std::string_view text) override;
    void addItem(WindowId window, std::string_view control, std::string_view text) override;

    int insertItem(WindowId window, std::string_view control) override;
    void setItemText(WindowId window, std::string_view control, int row, int column,
                     std::string_view text) override;
    std::string getItemText(WindowId window, std::string_view control, int row,
                            int column) override;
    int getItemCount(WindowId window, std::string_view control) override;
    void deleteAllItems(WindowId window, std::string_view control) override;
    void appendRows(WindowId window, std::string_view control,
                    std::vector<TableRow> rows) override;

    void setClipboardText(std::string_view text) override;
    void endProgram() override;

private:
    struct Slot {
        WindowFactory factory;
        QRect layoutGeometry;    // the layout's size decides the centred opening position
        QRect storedGeometry;    // what writes change while the window is closed
        bool alwaysOnTop = false;
        QPointer<TopWindow> open;
    };
    Slot& slot(WindowId window) { return m_slots[static_cast<int>(window)]; }
    const Slot& slot(WindowId window) const { return m_slots[static_cast<int>(window)]; }

    int readWindowNumber(Slot& slot, int index);
    void writeWindowNumber(Slot& slot, int index, int value);
    void setAlwaysOnTop(TopWindow* window, bool on);

    std::array<Slot, 2> m_slots;
    EventSink m_sink;
    std::function<void()> m_exitRoutine;
    bool m_closing = false;
    // The context of the runtime's connections to its windows: a window closed with
    // destroyWindow is deleted later, possibly after the runtime itself, and its
    // destroyed signal must not reach a runtime that is gone.
    QObject m_connections;
};

// The Song-style face the layouts ask for ("宋体"/SimSun), falling back to the Song faces
// Debian ships. Call once before any window is built.
void installFontSubstitutions();
QFont songFont(int pixelSize, bool bold);

}  // namespace rt
