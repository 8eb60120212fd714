// The control kinds of the two windows, as small Qt widgets that paint and behave the way
// the layouts expect: frames that paint their own panel, labels that paint only their text,
// edit boxes with numeric input modes, buttons made of three pictures, and the report
// list view over a model of its own. Each raises its events through its top window; none
// knows what any behaviour does.
#pragma once

#include "runtime/input_rewrite.h"
#include "runtime/qt/events.h"
#include "runtime/qt/report_list_view.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QWidget>

#include <array>
#include <vector>

namespace rt {

// Raises an event of a control on the top window that holds it.
void raiseControlEvent(QWidget* control, Event event);

// A panel: its whole area in the background colour, then a rectangle (line inside the
// area, filled) or a horizontal line along its top pixel row. A press on it drags the window.
class Frame : public QWidget {
public:
    enum class Shape { Rectangle, HorizontalLine };
    Frame(QWidget* parent, Shape shape, QColor background, QColor line, QColor fill);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    Shape m_shape;
    QColor m_background, m_line, m_fill;
};

// One line of text with no background of its own; engraved text is drawn in white one
// pixel down and right first. Every character is literal: '&' is no mnemonic.
class TransparentLabel : public QWidget {
public:
    TransparentLabel(QWidget* parent, QColor textColour, Qt::Alignment alignment, bool engraved);
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QString m_caption;
    QColor m_textColour;
    Qt::Alignment m_alignment;
    bool m_engraved;
};

// A single-line field. User edits and program writes both raise ContentChanged (a write
// always, even of the same text); numeric modes filter typed characters and rewrite the
// text when the focus leaves.
class EditBox : public QLineEdit {
public:
    EditBox(QWidget* parent, InputMode mode, bool sunkenBorder);
    InputMode mode() const { return m_mode; }
    void writeContent(const QString& text);  // the program's write: raises ContentChanged
    // The stored selection that selection-start and selection-length writes combine with.
    void setSelectionStart(int start);
    void setSelectionLength(int length);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    InputMode m_mode;
    bool m_sunkenBorder;
};

// The read-only multi-line box of the log window.
class MultiLineEdit : public QPlainTextEdit {
public:
    explicit MultiLineEdit(QWidget* parent);
    void writeContent(const QString& text);
    void appendAtEnd(const QString& text);
    void setSelectionStart(int start);
};

// A button drawn only from pictures: normal, hot while the mouse is over it, pressed while
// the left button is held on it.
class PictureButton : public QAbstractButton {
public:
    PictureButton(QWidget* parent, std::array<QPixmap, 3> faces);

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    std::array<QPixmap, 3> m_faces;  // normal, hot, pressed
};

class ComboBox : public QComboBox {
public:
    explicit ComboBox(QWidget* parent);
};

class CheckBox : public QCheckBox {
public:
    CheckBox(QWidget* parent, const QString& caption);
};

}  // namespace rt
