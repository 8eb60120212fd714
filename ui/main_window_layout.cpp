#include "ui/behaviour.h"
#include "ui/main_window_layout.h"

namespace ui {
namespace {

using enum Kind;
using rt::InputMode;
using rt::Event;
using rt::WindowId;


constexpr StyleRow kStyles[] = {
//   style                 font bold   text      back         line      fill      engraved
    {Style::F,             0,   false, 0x000000, kSystemFace, 0x93C251, 0xDBF3BC, false},
    {Style::L,             12,  false, 0x111111, 0,           0,        0,        false},
    {Style::G,             12,  false, 0x6C9331, 0,           0,        0,        false},
    {Style::E,             12,  true,  0x0060C0, 0xE6F7D0,    0,        0,        false},
    {Style::P,             12,  true,  0x636363, 0xFFFFFF,    0,        0,        false},
    {Style::B,             0,   false, 0,        0,           0,        0,        false},
    {Style::SeparatorLine, 0,   false, 0,        kSystemFace, 0x93C251, 0,        false},
    {Style::HiddenField,   12,  false, 0x000000, 0xE6F7D0,    0,        0,        false},
    {Style::Title,         12,  true,  0x6C9331, 0,           0,        0,        false},
    {Style::Standard,      12,  true,  0xFF0000, 0,           0,        0,        false},
    {Style::KindSelector,  13,  true,  0x111111, 0xFFFFFF,    0,        0,        false},
    {Style::ProfileTable,  12,  false, 0x111111, 0xFFFFFF,    0,        0,        false},
    {Style::TopCheckBox,   12,  false, 0x6C9331, 0xDBF3BC,    0,        0,        false},
    {Style::LogNote,       12,  false, 0xFF0000, 0,           0,        0,        true},
    {Style::LogHeader,     12,  false, 0x070707, 0,           0,        0,        true},
    {Style::LogEdit,       0,   false, 0x070707, 0xE6F7D0,    0,        0,        false},
    {Style::Plain,         0,   false, 0,        0,           0,        0,        false},
};

constexpr Options kLeft{.align = Align::Left};
constexpr Options kRight{.align = Align::Right};
constexpr Options kCentre{.align = Align::Centre};

constexpr ControlRow kMainControls[] = {
//   name            kind           container   left  top  width height style          caption
    {"Verrant",      EditBox,       "",         32,   392, 160,  24,  Style::HiddenField,
     "这个是辅助的,运行时不可见",
     {.align = Align::Left, .hidden = true, .border = Border::ShallowSunken}},
    {"其它按钮",     PictureButton, "",         546,  330, 22,   22,  Style::B,      "",
     {.accessibleName = "参数"}},
    {"随机显示标签", Label,         "",         34,   365, 512,  22,  Style::G,
     "啊哈呵呵,隔一段时间随机显示一段话,制作中.......,-----------------Verrant", kLeft},
    {"参数框",       Frame,         "",         35,   324, 507,  33,  Style::F,      "",
     {.hidden = true}},
    {"外形框2",      Frame,         "",         7,    32,  573,  293, Style::F,      ""},
    {"标题栏",       Label,         "",         11,   0,   504,  26,  Style::Title,  "Kalvon-五金 2.0a",
     kLeft},
    {"关闭按钮",     PictureButton, "",         556,  0,   31,   17,  Style::Plain,  "",
     {.faces = Faces::Close, .accessibleName = "关闭"}},
    {"最小化按钮",   PictureButton, "",         532,  0,   24,   17,  Style::Plain,  "",
     {.faces = Faces::Minimise, .accessibleName = "最小化"}},
    {"日志按钮",     PictureButton, "",         508,  0,   24,   17,  Style::Plain,  "",
     {.faces = Faces::Log, .tag = "a", .accessibleName = "日志"}},
    {"时钟1",        Timer,         "",         512,  368, 32,   24,  Style::Plain,  "",
     {.interval = 11000}},

    {"外形框3",      Frame,         "外形框2",  9,    9,   337,  277, Style::F,      ""},
    {"外形框1",      Frame,         "外形框2",  345,  9,   221,  65,  Style::F,      ""},
    {"外形框4",      Frame,         "外形框2",  345,  73,  221,  65,  Style::F,      ""},
    {"外形框5",      Frame,         "外形框2",  345,  137, 221,  149, Style::F,      ""},

    {"选择种类",     ComboBox,      "外形框3",  8,    6,   320,  20,  Style::KindSelector, "请下拉选择种类",
     {.accessibleName = "选择种类"}},
    {"显示数据",     ListView,      "外形框3",  8,    30,  320,  211, Style::ProfileTable, "",
     {.accessibleName = "型材表"}},
    {"钢材标准",     Label,         "外形框3",  16,   251, 304,  16,  Style::Standard,
     "这儿是什么呢?不告诉你!", kCentre},

    {"扩展名1",      Label,         "外形框1",  -10,  7,   69,   21,  Style::L,      "数量:", kRight},
    {"参数1",        EditBox,       "外形框1",  62,   7,   88,   21,  Style::E,      "1",
     {.mode = InputMode::Double, .accessibleName = "数量"}},
    {"透明标签29",   Label,         "外形框1",  155,  12,  63,   16,  Style::L,      "个/根/块等", kLeft},
    {"扩展名2",      Label,         "外形框1",  -10,  36,  69,   21,  Style::L,      "长度:", kRight},
    {"参数2",        EditBox,       "外形框1",  62,   36,  88,   21,  Style::E,      "1",
     {.mode = InputMode::Double, .accessibleName = "长度"}},
    {"透明标签4",    Label,         "外形框1",  155,  41,  69,   16,  Style::L,      "米", kLeft},

    {"扩展名3",      Label,         "外形框4",  -10,  7,   69,   21,  Style::L,      "单位重量:", kRight},
    {"单位重量",     EditBox,       "外形框4",  62,   7,   88,   21,  Style::E,      "77.77",
     {.mode = InputMode::ReadOnly, .accessibleName = "单位重量"}},
    {"透明标签5",    Label,         "外形框4",  155,  12,  37,   16,  Style::L,      "kg/m等", kLeft},
    {"按钮1",        PictureButton, "外形框4",  192,  7,   22,   22,  Style::B,      "",
     {.accessibleName = "复制单位重量"}},
    {"扩展名4",      Label,         "外形框4",  -10,  36,  69,   21,  Style::L,      "总重量:", kRight},
    {"结果2",        EditBox,       "外形框4",  62,   36,  88,   21,  Style::E,      "77.77",
     {.mode = InputMode::ReadOnly, .accessibleName = "总重量"}},
    {"透明标签6",    Label,         "外形框4",  155,  45,  31,   16,  Style::L,      "kg", kLeft},
    {"按钮2",        PictureButton, "外形框4",  192,  36,  22,   22,  Style::B,      "",
     {.accessibleName = "复制总重量"}},

    {"透明标签8",    Label,         "外形框5",  15,   2,   183,  21,  Style::L,      "已知重量,反算长度.", kCentre},
    {"扩展名5",      Label,         "外形框5",  -10,  26,  69,   21,  Style::L,      "重量:", kRight},
    {"参数3",        EditBox,       "外形框5",  62,   26,  88,   21,  Style::E,      "777",
     {.mode = InputMode::Double, .accessibleName = "重量"}},
    {"透明标签7",    Label,         "外形框5",  155,  31,  51,   16,  Style::L,      "kg", kLeft},
    {"扩展名6",      Label,         "外形框5",  -8,   54,  69,   21,  Style::L,      "定尺:", kRight},
    {"参数4",        EditBox,       "外形框5",  64,   54,  88,   21,  Style::E,      "12",
     {.mode = InputMode::Single, .accessibleName = "定尺"}},
    {"透明标签9",    Label,         "外形框5",  157,  59,  31,   16,  Style::L,      "m/根", kLeft},
    {"外形框7",      Line,          "外形框5",  10,   82,  200,  2,   Style::SeparatorLine, ""},
    {"扩展名7",      Label,         "外形框5",  -8,   91,  69,   21,  Style::L,      "长度:", kRight},
    {"结果3",        EditBox,       "外形框5",  64,   91,  88,   21,  Style::E,      "77.77",
     {.mode = InputMode::ReadOnly, .accessibleName = "反算长度"}},
    {"透明标签10",   Label,         "外形框5",  157,  96,  31,   16,  Style::L,      "米", kLeft},
    {"按钮3",        PictureButton, "外形框5",  192,  90,  22,   22,  Style::B,      "",
     {.accessibleName = "复制反算长度"}},
    {"扩展名8",      Label,         "外形框5",  -8,   120, 69,   21,  Style::L,      "数量:", kRight},
    {"结果4",        EditBox,       "外形框5",  64,   120, 88,   21,  Style::E,      "77.77",
     {.mode = InputMode::ReadOnly, .accessibleName = "根数"}},
    {"透明标签11",   Label,         "外形框5",  157,  125, 31,   16,  Style::L,      "根", kLeft},
    {"按钮4",        PictureButton, "外形框5",  192,  119, 22,   22,  Style::B,      "",
     {.accessibleName = "复制根数"}},

    {"是否在最前",   CheckBox,      "参数框",   19,   6,   93,   20,  Style::TopCheckBox, "总在最前",
     {.checked = true}},
    {"透明标签1",    Label,         "参数框",   118,  10,  40,   16,  Style::G,      "密度:", kRight},
    {"密度",         EditBox,       "参数框",   158,  6,   55,   20,  Style::P,      "7850",
     {.mode = InputMode::Single, .accessibleName = "密度"}},
    {"透明标签2",    Label,         "参数框",   220,  10,  56,   16,  Style::G,      "kg/立方米", kLeft},
    {"透明标签22",   Label,         "参数框",   289,  10,  40,   16,  Style::G,      "π取值:", kRight},
    {"圆周率",       EditBox,       "参数框",   334,  6,   56,   20,  Style::P,      "3.1416",
     {.mode = InputMode::Double, .border = Border::ShallowSunken, .accessibleName = "π取值"}},
    {"透明标签3",    Label,         "参数框",   402,  8,   64,   16,  Style::G,      "小数位数:", kRight},
    {"小数位数",     EditBox,       "参数框",   469,  6,   24,   20,  Style::P,      "3",
     {.align = Align::Centre, .mode = InputMode::ShortInteger, .maxLength = 1,
      .border = Border::ShallowSunken, .accessibleName = "小数位数"}},
};

constexpr ControlRow kLogControls[] = {
//   name            kind           container   left  top  width height style           caption
    {"假装说明1",    Label,         "",         280,  4,   312,  16,  Style::LogNote,
     "花纹钢板单位重量为 kg/平方米,长度输入为面积计算！", kLeft},
    {"假装说明",     Label,         "",         30,   4,   234,  16,  Style::LogHeader,
     "还 是 假 装 说 一 下    --Verrant", kLeft},
    {"开发日志",     MultiLineEdit, "",         11,   27,  560,  166, Style::LogEdit,   "",
     {.mode = InputMode::ReadOnly, .accessibleName = "开发日志"}},
};

constexpr BindingRow kBindings[] = {
//   window          control        event                     behaviour
    {WindowId::Main, "",            Event::Created,           Behaviour::MainWindowCreated},
    {WindowId::Main, "",            Event::Moved,             Behaviour::DockLogWindow},
    {WindowId::Main, "Verrant",     Event::ContentChanged,    Behaviour::LoadProfileData},
    {WindowId::Main, "选择种类",    Event::ItemSelected,      Behaviour::CopyChosenKind},
    {WindowId::Main, "显示数据",    Event::CurrentRowChanged, Behaviour::Recalculate},
    {WindowId::Main, "参数1",       Event::ContentChanged,    Behaviour::Recalculate},
    {WindowId::Main, "参数2",       Event::ContentChanged,    Behaviour::Recalculate},
    {WindowId::Main, "参数3",       Event::ContentChanged,    Behaviour::Recalculate},
    {WindowId::Main, "参数4",       Event::ContentChanged,    Behaviour::Recalculate},
    {WindowId::Main, "密度",        Event::ContentChanged,    Behaviour::Recalculate},
    {WindowId::Main, "圆周率",      Event::ContentChanged,    Behaviour::Recalculate},
    {WindowId::Main, "小数位数",    Event::ContentChanged,    Behaviour::Recalculate},
    {WindowId::Main, "参数2",       Event::GotFocus,          Behaviour::SelectLengthText},
    {WindowId::Main, "按钮1",       Event::Clicked,           Behaviour::CopyUnitWeight},
    {WindowId::Main, "按钮2",       Event::Clicked,           Behaviour::CopyTotalWeight},
    {WindowId::Main, "按钮3",       Event::Clicked,           Behaviour::CopyLengthFromWeight},
    {WindowId::Main, "按钮4",       Event::Clicked,           Behaviour::CopyBarCount},
    {WindowId::Main, "其它按钮",    Event::Clicked,           Behaviour::SwapParameterFrame},
    {WindowId::Main, "是否在最前",  Event::Clicked,           Behaviour::SetAlwaysOnTop},
    {WindowId::Main, "标题栏",      Event::LeftButtonPressed, Behaviour::DragWindow},
    {WindowId::Main, "标题栏",      Event::DoubleClicked,     Behaviour::RollUp},
    {WindowId::Main, "最小化按钮",  Event::Clicked,           Behaviour::Minimise},
    {WindowId::Main, "关闭按钮",    Event::Clicked,           Behaviour::CloseProgram},
    {WindowId::Main, "日志按钮",    Event::Clicked,           Behaviour::ToggleLogWindow},
    {WindowId::Main, "时钟1",       Event::Periodic,          Behaviour::ShowRandomQuote},
    {WindowId::Log,  "",            Event::Created,           Behaviour::LogWindowCreated},
    {WindowId::Log,  "假装说明1",   Event::LeftButtonPressed, Behaviour::DragLogWindow},
    {WindowId::Log,  "假装说明",    Event::LeftButtonPressed, Behaviour::DragLogWindow},
    {WindowId::Log,  "假装说明",    Event::DoubleClicked,     Behaviour::CloseLogWindow},
};

}  // namespace

const WindowLayout kMainWindowLayout{
    .id = WindowId::Main, .left = 50, .top = 50, .width = 587, .height = 429,
    .alwaysOnTop = true, .taskBar = true, .dragAnywhere = true, .controls = kMainControls};

const WindowLayout kLogWindowLayout{
    .id = WindowId::Log, .left = 50, .top = 50, .width = 587, .height = 200,
    .alwaysOnTop = true, .taskBar = false, .dragAnywhere = false, .controls = kLogControls};

const std::array<std::array<const char*, 4>, 2> kProfileTableSampleRows{{
    {"1", "样例一", "1.1", ""},
    {"2", "样例二", "2.2", ""},
}};

std::span<const StyleRow> styles() { return kStyles; }
std::span<const BindingRow> bindings() { return kBindings; }

}  // namespace ui
