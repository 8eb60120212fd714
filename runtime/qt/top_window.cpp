#include "runtime/qt/top_window.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWindow>

namespace rt {
namespace {

// Where the left button last went down, in screen coordinates: a drag started from a press
// handler follows the mouse from there.
QPoint g_lastPress;

class PressTracker : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress ||
            event->type() == QEvent::MouseButtonDblClick)
            g_lastPress = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
        return false;
    }
};

// One tracker per application, owned by it: it goes with the application, and an
// application created after that one gets a tracker of its own.
void trackPresses()
{
    static QPointer<PressTracker> tracker;
    if (!tracker) {
        tracker = new PressTracker(qApp);
        qApp->installEventFilter(tracker);
    }
}

}  // namespace

TopWindow::TopWindow(WindowId id, EventSink sink, QPixmap background, bool dragAnywhere)
    : QWidget(nullptr), m_id(id), m_sink(std::move(sink)), m_background(std::move(background)),
      m_dragAnywhere(dragAnywhere)
{
    trackPresses();
}

void TopWindow::raiseEvent(std::string_view control, Event event)
{
    if (m_sink)
        m_sink(m_id, control, event);
}

void TopWindow::addControl(const std::string& name, QWidget* control)
{
    control->setObjectName(QString::fromStdString(name));
    m_controls.emplace(name, control);
}

QWidget* TopWindow::control(std::string_view name) const
{
    const auto found = m_controls.find(name);
    return found == m_controls.end() ? nullptr : found->second;
}

void TopWindow::addTimer(const std::string& name, int intervalMs)
{
    auto* timer = new QTimer(this);
    timer->setObjectName(QString::fromStdString(name));
    timer->setInterval(intervalMs);
    connect(timer, &QTimer::timeout, this, [this, name] { raiseEvent(name, Event::Periodic); });
    m_timers.emplace(name, timer);
    if (intervalMs > 0)
        timer->start();
}

QTimer* TopWindow::timer(std::string_view name) const
{
    const auto found = m_timers.find(name);
    return found == m_timers.end() ? nullptr : found->second;
}

void TopWindow::noteGeometry()
{
    if (!m_announced)
        return;
    QPointer<TopWindow> alive(this);
    if (pos() != m_raisedPos) {
        m_raisedPos = pos();
        raiseEvent({}, Event::Moved);
    }
    if (alive && size() != m_raisedSize) {
        m_raisedSize = size();
        raiseEvent({}, Event::Resized);
    }
}

void TopWindow::announce()
{
    m_announced = true;
    noteGeometry();
}

void TopWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_background.isNull())
        painter.fillRect(rect(), palette().button());
    else
        painter.drawPixmap(rect(), m_background);
}

void TopWindow::mousePressEvent(QMouseEvent* event)
{
    if (m_dragAnywhere && event->button() == Qt::LeftButton)
        startWindowDrag(this);
}

void TopWindow::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    if (m_announced && pos() != m_raisedPos) {
        m_raisedPos = pos();
        raiseEvent({}, Event::Moved);
    }
}

void TopWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_announced && size() != m_raisedSize) {
        m_raisedSize = size();
        raiseEvent({}, Event::Resized);
    }
}

namespace {

// Follows the mouse with the window until the left button is released: for platforms
// whose window system will not move the window itself (no window manager, offscreen).
class DragFollower : public QObject {
public:
    DragFollower(QWidget* window, QPoint grabOffset)
        : QObject(window), m_window(window), m_grabOffset(grabOffset)
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseMove) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (!(mouse->buttons() & Qt::LeftButton)) {
                finish();
                return false;
            }
            m_window->move(mouse->globalPosition().toPoint() - m_grabOffset);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            finish();
            return false;
        }
        return false;
    }

private:
    void finish()
    {
        qApp->removeEventFilter(this);
        deleteLater();
    }
    QWidget* m_window;
    QPoint m_grabOffset;
};

}  // namespace

void startWindowDrag(QWidget* window)
{
    if (!window)
        return;
    QWindow* handle = window->windowHandle();
    if (handle && handle->startSystemMove())
        return;
    static QPointer<DragFollower> following;
    if (following)
        return;  // one drag at a time
    following = new DragFollower(window, g_lastPress - window->pos());
}

}  // namespace rt
