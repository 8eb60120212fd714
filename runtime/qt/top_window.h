// A borderless top-level window of the program: paints its background picture stretched,
// keeps its controls by layout name, raises Moved and Resized when its geometry really
// changes, and can be dragged by its background when the layout says so.
#pragma once

#include "runtime/qt/events.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <map>
#include <string>

namespace rt {

class TopWindow : public QWidget {
public:
    TopWindow(WindowId id, EventSink sink, QPixmap background, bool dragAnywhere);

    WindowId id() const { return m_id; }
    void raiseEvent(std::string_view control, Event event);

    // Controls by layout name (UTF-8).
    void addControl(const std::string& name, QWidget* control);
    QWidget* control(std::string_view name) const;
    void addTimer(const std::string& name, int intervalMs);
    QTimer* timer(std::string_view name) const;

    // Raise Moved/Resized now if the geometry differs from the last one raised; the later
    // Qt event for the same change then raises nothing.
    // Nothing is raised before the window has been announced: load-window raises Created
    // first, then announces, which raises the first Moved and Resized.
    void noteGeometry();
    void announce();

    std::string tag;
    bool alwaysOnTop = false;

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    WindowId m_id;
    EventSink m_sink;
    QPixmap m_background;
    bool m_dragAnywhere;
    bool m_announced = false;
    std::map<std::string, QWidget*, std::less<>> m_controls;
    std::map<std::string, QTimer*, std::less<>> m_timers;
    QPoint m_raisedPos{INT_MIN, INT_MIN};
    QSize m_raisedSize{-1, -1};
};

// Lets the window follow the mouse until the left button is released, as if dragged by a
// caption: the window system's own move where it offers one, else by following the mouse.
void startWindowDrag(QWidget* window);

}  // namespace rt
