#include "runtime/qt/controls.h"

#include "runtime/qt/gbk_qt.h"
#include "runtime/qt/top_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyledItemDelegate>
#include <QScrollBar>

namespace rt {

void raiseControlEvent(QWidget* control, Event event)
{
    if (auto* top = dynamic_cast<TopWindow*>(control->window()))
        top->raiseEvent(control->objectName().toStdString(), event);
}

Frame::Frame(QWidget* parent, Shape shape, QColor background, QColor line, QColor fill)
    : QWidget(parent), m_shape(shape), m_background(background), m_line(line), m_fill(fill)
{
}

void Frame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    if (m_shape == Shape::Rectangle) {
        painter.fillRect(rect(), m_fill);
        painter.setPen(m_line);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        painter.setPen(m_line);
        painter.drawLine(0, 0, width() - 1, 0);
    }
}

void Frame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        startWindowDrag(window());
}

TransparentLabel::TransparentLabel(QWidget* parent, QColor textColour, Qt::Alignment alignment,
                                   bool engraved)
    : QWidget(parent), m_textColour(textColour), m_alignment(alignment), m_engraved(engraved)
{
}

void TransparentLabel::setCaption(const QString& caption)
{
    m_caption = caption;
    update();  // without a background of our own, this repaints what lies under the label
}

void TransparentLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(font());
    const int flags = static_cast<int>(m_alignment | Qt::AlignVCenter) | Qt::TextSingleLine;
    if (m_engraved) {
        painter.setPen(Qt::white);
        painter.drawText(rect().translated(1, 1), flags, m_caption);
    }
    painter.setPen(m_textColour);
    painter.drawText(rect(), flags, m_caption);
}

void TransparentLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        raiseControlEvent(this, Event::LeftButtonPressed);
}

void TransparentLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        raiseControlEvent(this, Event::DoubleClicked);
}

EditBox::EditBox(QWidget* parent, InputMode mode, bool sunkenBorder)
    : QLineEdit(parent), m_mode(mode), m_sunkenBorder(sunkenBorder)
{
    setReadOnly(mode == InputMode::ReadOnly);
    setFrame(sunkenBorder);
    connect(this, &QLineEdit::textEdited, this,
            [this] { raiseControlEvent(this, Event::ContentChanged); });
}

// A single-line border: one flat line around the field, where a sunken one has the
// desktop style's bevel.
void EditBox::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (m_sunkenBorder)
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void EditBox::writeContent(const QString& text)
{
    setText(text);
    raiseControlEvent(this, Event::ContentChanged);
}

void EditBox::setSelectionStart(int start)
{
    if (start < 0) {
        end(false);
        return;
    }
    const int length = selectedText().size();
    setSelection(start, length);
}

void EditBox::setSelectionLength(int length)
{
    if (length < 0) {
        setSelection(0, text().size());
        return;
    }
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    setSelection(start, length);
}

void EditBox::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    // Shortcuts (Ctrl+V, Ctrl+C...) and control characters pass: pasted text is not filtered.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (!shortcut && !typed.isEmpty()) {
        for (const char32_t ch : typed.toUcs4()) {
            if (!acceptsTypedCharacter(m_mode, ch)) {
                event->accept();
                return;
            }
        }
    }
    QLineEdit::keyPressEvent(event);
}

void EditBox::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    raiseControlEvent(this, Event::GotFocus);
}

void EditBox::focusOutEvent(QFocusEvent* event)
{
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    QLineEdit::focusOutEvent(event);
    if (m_mode == InputMode::Double || m_mode == InputMode::Single ||
        m_mode == InputMode::ShortInteger) {
        const QString rewritten = fromGbk(rewriteOnFocusLoss(m_mode, toGbk(text())));
        if (rewritten != text()) {
            writeContent(rewritten);
            setCursorPosition(std::min<int>(caret, text().size()));
        }
    }
    raiseControlEvent(this, Event::LostFocus);
}

MultiLineEdit::MultiLineEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void MultiLineEdit::writeContent(const QString& text)
{
    setPlainText(text);
    raiseControlEvent(this, Event::ContentChanged);
}

void MultiLineEdit::appendAtEnd(const QString& text)
{
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    // CR LF ends a line in the notes; the document wants a single line break.
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    cursor.insertText(normalised);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void MultiLineEdit::setSelectionStart(int start)
{
    QTextCursor cursor(document());
    if (start < 0)
        cursor.movePosition(QTextCursor::End);
    else
        cursor.setPosition(std::min(start, document()->characterCount() - 1));
    setTextCursor(cursor);
    ensureCursorVisible();
}

PictureButton::PictureButton(QWidget* parent, std::array<QPixmap, 3> faces)
    : QAbstractButton(parent), m_faces(std::move(faces))
{
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, this,
            [this] { raiseControlEvent(this, Event::Clicked); });
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& face = isDown() ? m_faces[2] : underMouse() ? m_faces[1] : m_faces[0];
    painter.drawPixmap(rect(), face);
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void PictureButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    update();
}

namespace {

// The desktop style shows a combo box's list over the box, as a menu that ignores the
// number of visible items; the kind selector drops its list below itself instead.
class ListBelowStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ComboBox_Popup)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Each row of the dropped list two pixels taller than its font needs.
class SpacedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(QFontMetrics(option.font).height() + 2);
        return size;
    }
};

}  // namespace

ComboBox::ComboBox(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new SpacedRowDelegate(this));
    static auto* listBelow = [] {
        auto* style = new ListBelowStyle;
        style->setParent(qApp);
        return style;
    }();
    setStyle(listBelow);
    setEditable(false);
    setInsertPolicy(QComboBox::InsertAtBottom);
    connect(this, &QComboBox::activated, this,
            [this] { raiseControlEvent(this, Event::ItemSelected); });
}

CheckBox::CheckBox(QWidget* parent, const QString& caption) : QCheckBox(caption, parent)
{
    connect(this, &QAbstractButton::clicked, this,
            [this] { raiseControlEvent(this, Event::Clicked); });
}

}  // namespace rt
