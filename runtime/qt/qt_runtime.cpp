#include "runtime/qt/qt_runtime.h"

#include "runtime/qt/controls.h"
#include "runtime/qt/gbk_qt.h"

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QScreen>

#include <algorithm>

namespace rt {
namespace {

constexpr int kPositionLimit = 32627;

int clampPosition(int value) { return std::clamp(value, -kPositionLimit, kPositionLimit); }
int clampSize(int value) { return std::clamp(value, 0, kPositionLimit); }

QString tagOf(const QObject* object) { return object->property("kalvonTag").toString(); }

}  // namespace

void installFontSubstitutions()
{
    const QStringList song{QStringLiteral("AR PL UMing CN"), QStringLiteral("Noto Serif CJK SC")};
    QFont::insertSubstitutions(QStringLiteral("SimSun"), song);
    QFont::insertSubstitutions(QStringLiteral("宋体"), song);
}

QFont songFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("SimSun"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QtRuntime::~QtRuntime()
{
    m_closing = true;
    for (Slot& s : m_slots)
        delete s.open.data();
}

void QtRuntime::registerWindow(WindowId window, WindowFactory factory, QRect layoutGeometry,
                               bool alwaysOnTop)
{
    Slot& s = slot(window);
    s.factory = std::move(factory);
    s.layoutGeometry = layoutGeometry;
    s.storedGeometry = layoutGeometry;
    s.alwaysOnTop = alwaysOnTop;
}

TopWindow* QtRuntime::window(WindowId window) const { return slot(window).open; }

QWidget* QtRuntime::control(WindowId window, std::string_view control) const
{
    TopWindow* top = slot(window).open;
    if (!top)
        return nullptr;
    return control.empty() ? top : top->control(control);
}

void QtRuntime::loadWindow(WindowId id)
{
    Slot& s = slot(id);
    if (s.open) {
        s.open->raise();
        s.open->activateWindow();
        return;
    }
    TopWindow* top = s.factory(*this);
    s.open = top;
    top->setAttribute(Qt::WA_DeleteOnClose);
    top->alwaysOnTop = s.alwaysOnTop;
    top->setWindowFlag(Qt::WindowStaysOnTopHint, s.alwaysOnTop);
    // Both windows open centred for their layout size, whatever their stored position.
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize size = s.layoutGeometry.size();
    top->setGeometry(screen.x() + (screen.width() - size.width()) / 2,
                     screen.y() + (screen.height() - size.height()) / 2, size.width(),
                     size.height());
    QObject::connect(top, &QObject::destroyed, &m_connections, [this] {
        // The process ends when its last window has gone, the log window included. Looked
        // at once the window is wholly gone: while it announces its destruction it is no
        // longer a TopWindow, and its guard is not yet cleared.
        QMetaObject::invokeMethod(
            &m_connections,
            [this] {
                if (!m_closing && !slot(WindowId::Main).open && !slot(WindowId::Log).open)
                    QCoreApplication::exit(0);
            },
            Qt::QueuedConnection);
    });

    QPointer<TopWindow> alive(top);
    top->raiseEvent({}, Event::Created);
    if (!alive)
        return;
    top->show();
    top->announce();
}

void QtRuntime::destroyWindow(WindowId id)
{
    Slot& s = slot(id);
    TopWindow* top = s.open;
    if (!top)
        return;
    s.storedGeometry = top->geometry();
    s.open = nullptr;
    top->hide();
    top->deleteLater();  // the running handler may belong to this very window
}

void QtRuntime::sendMessage(WindowId window, int message, int wParam, int)
{
    if (message == kNonClientLeftButtonDown && wParam == kCaptionHit)
        startWindowDrag(slot(window).open);
}

int QtRuntime::readWindowNumber(Slot& s, int index)
{
    TopWindow* top = s.open;
    const QRect geometry = top ? top->geometry() : s.storedGeometry;
    switch (index) {
    case prop::kLeft: return geometry.x();
    case prop::kTop: return geometry.y();
    case prop::kWidth: return geometry.width();
    case prop::kHeight: return geometry.height();
    case prop::kVisible: return top && top->isVisible() ? 1 : 0;
    case prop::kDisabled: return top && !top->isEnabled() ? 1 : 0;
    case prop::kWindowState:
        if (!top)
            return 0;
        return top->isMinimized() ? 2 : top->isMaximized() ? 3 : 0;
    case prop::kAlwaysOnTop: return (top ? top->alwaysOnTop : s.alwaysOnTop) ? 1 : 0;
    default: return 0;
    }
}

int QtRuntime::readNumber(WindowId window, std::string_view control, int index)
{
    if (control.empty())
        return readWindowNumber(slot(window), index);
    QWidget* widget = this->control(window, control);
    if (!widget)
        return 0;
    switch (index) {
    case prop::kLeft: return widget->x();
    case prop::kTop: return widget->y();
    case prop::kWidth: return widget->width();
    case prop::kHeight: return widget->height();
    case prop::kVisible: return widget->isVisibleTo(widget->window()) ? 1 : 0;
    case prop::kDisabled: return widget->isEnabled() ? 0 : 1;
    default: break;
    }
    if (auto* edit = dynamic_cast<EditBox*>(widget)) {
        if (index == prop::kSelectionStart)
            return edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
        if (index == prop::kSelectionLength)
            return static_cast<int>(edit->selectedText().size());
    }
    if (auto* box = dynamic_cast<CheckBox*>(widget); box && index == prop::kChecked)
        return box->isChecked() ? 1 : 0;
    if (auto* list = dynamic_cast<ReportListView*>(widget); list && index == prop::kCurrentRow)
        return list->firstSelectedRow();
    return 0;
}

std::string QtRuntime::readText(WindowId window, std::string_view control, int index)
{
    QWidget* widget = this->control(window, control);
    if (!widget)
        return {};
    if (index == prop::kTag)
        return control.empty() ? slot(window).open->tag : toGbk(tagOf(widget));
    if (control.empty())
        return index == prop::kTitle ? toGbk(widget->windowTitle()) : std::string();
    if (auto* edit = dynamic_cast<EditBox*>(widget); edit && index == prop::kContent)
        return toGbk(edit->text());
    if (auto* edit = dynamic_cast<MultiLineEdit*>(widget); edit && index == prop::kContent)
        return toGbk(edit->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n")));
    if (auto* label = dynamic_cast<TransparentLabel*>(widget); label && index == prop::kCaption)
        return toGbk(label->caption());
    if (auto* combo = dynamic_cast<ComboBox*>(widget); combo && index == prop::kComboText)
        return toGbk(combo->currentText());
    if (auto* box = dynamic_cast<CheckBox*>(widget); box && index == prop::kCaption)
        return toGbk(box->text());
    return {};
}

void QtRuntime::setAlwaysOnTop(TopWindow* top, bool on)
{
    top->alwaysOnTop = on;
    const bool visible = top->isVisible();
    top->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (visible)
        top->show();  // changing a window flag hides the window
    if (on)
        return;
    // Taking one window out of the topmost band puts every other one that asks for it back.
    for (Slot& other : m_slots) {
        if (other.open && other.open != top && other.open->alwaysOnTop) {
            other.open->setWindowFlag(Qt::WindowStaysOnTopHint, true);
            other.open->show();
            other.open->raise();
        }
    }
}

void QtRuntime::writeWindowNumber(Slot& s, int index, int value)
{
    TopWindow* top = s.open;
    QRect geometry = top ? top->geometry() : s.storedGeometry;
    switch (index) {
    case prop::kLeft: geometry.moveLeft(clampPosition(value)); break;
    case prop::kTop: geometry.moveTop(clampPosition(value)); break;
    case prop::kWidth: geometry.setWidth(clampSize(value)); break;
    case prop::kHeight: geometry.setHeight(clampSize(value)); break;
    case prop::kVisible:
        if (top)
            top->setVisible(value != 0);
        return;
    case prop::kDisabled:
        if (top)
            top->setEnabled(value == 0);
        return;
    case prop::kWindowState:
        if (!top || !top->isVisible())
            return;
        if (value == 2) {
            top->showMinimized();
        } else if (value == 3) {
            top->showMaximized();
        } else {
            top->showNormal();
            if (value == 1) {
                const QRect screen = QGuiApplication::primaryScreen()->geometry();
                top->move(screen.x() + (screen.width() - top->width()) / 2,
                          screen.y() + (screen.height() - top->height()) / 2);
                top->noteGeometry();
            }
        }
        return;
    case prop::kAlwaysOnTop:
        if (top)
            setAlwaysOnTop(top, value != 0);
        else
            s.alwaysOnTop = value != 0;
        return;
    default: return;
    }
    if (!top) {
        s.storedGeometry = geometry;
        return;
    }
    top->setGeometry(geometry);
    top->noteGeometry();  // Moved and Resized run now, before the write returns
}

void QtRuntime::writeNumber(WindowId window, std::string_view control, int index, int value)
{
    if (control.empty()) {
        writeWindowNumber(slot(window), index, value);
        return;
    }
    QWidget* widget = this->control(window, control);
    if (!widget)
        return;
    QRect geometry = widget->geometry();
    switch (index) {
    case prop::kLeft: geometry.moveLeft(clampPosition(value)); widget->setGeometry(geometry); return;
    case prop::kTop: geometry.moveTop(clampPosition(value)); widget->setGeometry(geometry); return;
    case prop::kWidth: geometry.setWidth(clampSize(value)); widget->setGeometry(geometry); return;
    case prop::kHeight: geometry.setHeight(clampSize(value)); widget->setGeometry(geometry); return;
    case prop::kVisible: widget->setVisible(value != 0); return;
    case prop::kDisabled: widget->setEnabled(value == 0); return;
    default: break;
    }
    if (auto* edit = dynamic_cast<EditBox*>(widget)) {
        if (index == prop::kSelectionStart)
            edit->setSelectionStart(value);
        else if (index == prop::kSelectionLength)
            edit->setSelectionLength(value);
    } else if (auto* edit = dynamic_cast<MultiLineEdit*>(widget)) {
        if (index == prop::kSelectionStart)
            edit->setSelectionStart(value);
    } else if (auto* box = dynamic_cast<CheckBox*>(widget); box && index == prop::kChecked) {
        box->setChecked(value != 0);
    } else if (auto* list = dynamic_cast<ReportListView*>(widget); list && index == prop::kCurrentRow) {
        list->selectRow(std::max(value, -1));
    }
}

void QtRuntime::writeText(WindowId window, std::string_view control, int index,
                          std::string_view text)
{
    QWidget* widget = this->control(window, control);
    if (!widget)
        return;
    if (index == prop::kTag) {
        if (control.empty())
            slot(window).open->tag = std::string(text);
        else
            widget->setProperty("kalvonTag", fromGbk(text));
        return;
    }
    if (control.empty()) {
        if (index == prop::kTitle)
            widget->setWindowTitle(fromGbk(text));
        return;
    }
    if (auto* edit = dynamic_cast<EditBox*>(widget); edit && index == prop::kContent)
        edit->writeContent(fromGbk(text));
    else if (auto* edit = dynamic_cast<MultiLineEdit*>(widget); edit && index == prop::kContent)
        edit->writeContent(fromGbk(text));
    else if (auto* label = dynamic_cast<TransparentLabel*>(widget); label && index == prop::kCaption)
        label->setCaption(fromGbk(text));
    else if (auto* box = dynamic_cast<CheckBox*>(widget); box && index == prop::kCaption)
        box->setText(fromGbk(text));
}

void QtRuntime::appendText(WindowId window, std::string_view control, std::string_view text)
{
    QWidget* widget = this->control(window, control);
    if (auto* edit = dynamic_cast<MultiLineEdit*>(widget)) {
        edit->appendAtEnd(fromGbk(text));
    } else if (auto* line = dynamic_cast<EditBox*>(widget)) {
        line->end(false);
        line->insert(fromGbk(text));
    }
}

void QtRuntime::addItem(WindowId window, std::string_view control, std::string_view text)
{
    if (auto* combo = dynamic_cast<ComboBox*>(this->control(window, control)))
        combo->addItem(fromGbk(text));
}

namespace {
ReportListView* listView(QtRuntime& runtime, WindowId window, std::string_view control)
{
    return dynamic_cast<ReportListView*>(runtime.control(window, control));
}
}  // namespace

int QtRuntime::insertItem(WindowId window, std::string_view control)
{
    ReportListView* list = listView(*this, window, control);
    return list ? list->rows()->appendRow() : -1;
}

void QtRuntime::setItemText(WindowId window, std::string_view control, int row, int column,
                            std::string_view text)
{
    if (ReportListView* list = listView(*this, window, control))
        list->rows()->setCell(row, column, std::string(text));
}

std::string QtRuntime::getItemText(WindowId window, std::string_view control, int row, int column)
{
    ReportListView* list = listView(*this, window, control);
    return list ? list->rows()->gbkCell(row, column) : std::string();
}

int QtRuntime::getItemCount(WindowId window, std::string_view control)
{
    ReportListView* list = listView(*this, window, control);
    return list ? list->rows()->rowCount() : 0;
}

void QtRuntime::deleteAllItems(WindowId window, std::string_view control)
{
    if (ReportListView* list = listView(*this, window, control))
        list->rows()->clear();
}

void QtRuntime::appendRows(WindowId window, std::string_view control,
                           std::vector<TableRow> rows)
{
    if (ReportListView* list = listView(*this, window, control))
        list->rows()->appendRows(std::move(rows));
}

void QtRuntime::setClipboardText(std::string_view text)
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(fromGbk(text));
}

void QtRuntime::endProgram()
{
    if (m_exitRoutine)
        m_exitRoutine();
    QCoreApplication::exit(0);
}

}  // namespace rt
