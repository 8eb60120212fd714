#include "ui/layout_builder.h"

#include "runtime/gbk.h"
#include "runtime/qt/controls.h"
#include "ui/main_window_layout.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHeaderView>
#include <QIcon>

namespace ui {
namespace {

const StyleRow& styleOf(Style style)
{
    for (const StyleRow& row : styles())
        if (row.style == style)
            return row;
    return styles().back();
}

QColor colour(std::uint32_t rgb)
{
    if (rgb == kSystemFace)
        return QApplication::palette().color(QPalette::Button);
    return QColor::fromRgb(rgb);
}

QFont fontOf(const StyleRow& style)
{
    if (style.fontPixels == 0)
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    return rt::songFont(style.fontPixels, style.bold);
}

Qt::Alignment alignmentOf(Align align, Qt::Alignment fallback)
{
    switch (align) {
    case Align::Left: return Qt::AlignLeft;
    case Align::Centre: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    case Align::Default: break;
    }
    return fallback;
}

std::array<QPixmap, 3> facesOf(Faces faces)
{
    static constexpr const char* kNames[] = {"blank", "close", "minimise", "log"};
    const QString base = QStringLiteral(":/assets/%1_").arg(kNames[static_cast<int>(faces)]);
    return {QPixmap(base + "normal.gif"), QPixmap(base + "hot.gif"),
            QPixmap(base + "pressed.gif")};
}

// One icon of each kind for the whole run. Qt caches an icon's pixmaps under that icon's
// own key, so a fresh icon for every opening of the log window would fill the pixmap
// cache with copies of the same picture, some 5 KB an opening.
const QIcon& windowIcon(bool taskBar)
{
    static const QIcon program(QStringLiteral(":/assets/kalvon.png"));
    static const QIcon log(QStringLiteral(":/assets/log_window.ico"));
    return taskBar ? program : log;
}

void paintFieldColours(QWidget* widget, const StyleRow& style)
{
    QPalette colours = widget->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Text, colour(style.text));
        colours.setColor(group, QPalette::WindowText, colour(style.text));
        colours.setColor(group, QPalette::Base, colour(style.back));
    }
    widget->setPalette(colours);
}

QWidget* createControl(const ControlRow& row, QWidget* parent)
{
    const StyleRow& style = styleOf(row.style);
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case Kind::Frame:
        return new rt::Frame(parent, rt::Frame::Shape::Rectangle, colour(style.back),
                             colour(style.line), colour(style.fill));
    case Kind::Line:
        return new rt::Frame(parent, rt::Frame::Shape::HorizontalLine, colour(style.back),
                             colour(style.line), colour(style.fill));
    case Kind::Label: {
        auto* label = new rt::TransparentLabel(parent, colour(style.text),
                                               alignmentOf(row.options.align, Qt::AlignLeft),
                                               style.engraved);
        label->setFont(fontOf(style));
        label->setCaption(caption);
        return label;
    }
    case Kind::EditBox: {
        auto* edit = new rt::EditBox(parent, row.options.mode,
                                     row.options.border == Border::ShallowSunken);
        edit->setFont(fontOf(style));
        paintFieldColours(edit, style);
        edit->setAlignment(alignmentOf(row.options.align, Qt::AlignRight) | Qt::AlignVCenter);
        if (row.options.maxLength > 0)
            edit->setMaxLength(row.options.maxLength);
        edit->setText(caption);
        edit->setTextMargins(0, 0, 0, 0);
        return edit;
    }
    case Kind::MultiLineEdit: {
        auto* edit = new rt::MultiLineEdit(parent);
        edit->setFont(fontOf(style));
        paintFieldColours(edit, style);
        return edit;
    }
    case Kind::PictureButton:
        return new rt::PictureButton(parent, facesOf(row.options.faces));
    case Kind::ComboBox: {
        auto* combo = new rt::ComboBox(parent);
        combo->setFont(fontOf(style));
        paintFieldColours(combo, style);
        combo->addItem(caption);
        combo->setMaxVisibleItems(8);  // the dropped list reaches 160 pixels below the top
        return combo;
    }
    case Kind::ListView: {
        auto* list = new rt::ReportListView(parent, fontOf(style),
                                            {{QStringLiteral("序号"), 39},
                                             {QStringLiteral("型号"), 142},
                                             {QStringLiteral("kg/m等"), 60},
                                             {QStringLiteral("其它"), 81}});
        paintFieldColours(list, style);
        std::vector<rt::TableRow> samples;
        for (const auto& sample : kProfileTableSampleRows)
            samples.push_back({rt::utf8ToGbk(sample[0]), rt::utf8ToGbk(sample[1]),
                               rt::utf8ToGbk(sample[2]), rt::utf8ToGbk(sample[3])});
        list->rows()->appendRows(std::move(samples));
        return list;
    }
    case Kind::CheckBox: {
        auto* box = new rt::CheckBox(parent, caption);
        box->setFont(fontOf(style));
        QPalette colours = box->palette();
        colours.setColor(QPalette::WindowText, colour(style.text));
        colours.setColor(QPalette::Window, colour(style.back));
        box->setPalette(colours);
        box->setAutoFillBackground(true);
        box->setChecked(row.options.checked);
        return box;
    }
    case Kind::Timer: break;
    }
    return nullptr;
}

}  // namespace

rt::TopWindow* buildWindow(const WindowLayout& layout, const rt::EventSink& sink)
{
    const QPixmap background(QStringLiteral(":/assets/background.gif"));
    auto* window = new rt::TopWindow(layout.id, sink, background, layout.dragAnywhere);
    Qt::WindowFlags flags = Qt::FramelessWindowHint;
    flags |= layout.taskBar ? Qt::Window : Qt::Tool;
    window->setWindowFlags(flags);
    window->resize(layout.width, layout.height);
    window->setWindowIcon(windowIcon(layout.taskBar));

    for (const ControlRow& row : layout.controls) {
        if (row.kind == Kind::Timer) {
            window->addTimer(row.name, row.options.interval);
            continue;
        }
        QWidget* container = *row.container ? window->control(row.container) : window;
        if (!container)
            container = window;
        QWidget* control = createControl(row, container);
        control->setGeometry(row.left, row.top, row.width, row.height);
        if (*row.options.tag)
            control->setProperty("kalvonTag", QString::fromUtf8(row.options.tag));
        if (*row.options.accessibleName)
            control->setAccessibleName(QString::fromUtf8(row.options.accessibleName));
        if (row.options.hidden)
            control->hide();
        window->addControl(row.name, control);
    }
    return window;
}

}  // namespace ui
