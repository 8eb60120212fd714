#include "ui/window_behaviours.h"

#include "runtime/gbk.h"

namespace ui {

using rt::WindowId;
namespace prop = rt::prop;

void dockLogWindow(rt::WindowOps& ops)
{
    ops.writeNumber(WindowId::Log, "", prop::kLeft, ops.readNumber(WindowId::Main, "", prop::kLeft));
    const int top = ops.readNumber(WindowId::Main, "", prop::kTop);
    const int height = ops.readNumber(WindowId::Main, "", prop::kHeight);
    ops.writeNumber(WindowId::Log, "", prop::kTop, top + height);
}

// The log button's tag says whether the log window is open ("b") or closed ("a"). When the
// window system closed the log window behind our back (Alt+F4), the tag still says "b":
// the window's absence is then taken as closed, so the click opens it again rather than
// doing nothing.
void toggleLogWindow(rt::WindowOps& ops)
{
    const std::string tag = ops.readText(WindowId::Main, "日志按钮", prop::kTag);
    const bool open = ops.readNumber(WindowId::Log, "", prop::kVisible) != 0;
    if (tag == "a" || !open) {
        ops.loadWindow(WindowId::Log);
        ops.writeText(WindowId::Main, "日志按钮", prop::kTag, "b");
    } else {
        ops.destroyWindow(WindowId::Log);
        ops.writeText(WindowId::Main, "日志按钮", prop::kTag, "a");
    }
}

void logWindowCreated(rt::WindowOps& ops)
{
    dockLogWindow(ops);
    writeVersionNotes(ops);
}

const std::vector<std::string>& versionNoteBlocks()
{
    static const std::vector<std::string> blocks = [] {
        const std::string separator = std::string(77, '-') + "\r\n";
        const char* notes[] = {
            nullptr,
            "--程序名称:Kalvon-五金2.0b",
            "--程序版本:2010.05.02-2.0b",
            "--程序设计:Verrant",
            "--特别感谢:所有在软件开发、测试过程中帮助过我的朋友们",
            "--作者QQ:10000815",
            "--电子邮件:kalvon-data@example.com",
            "--作者博客:http://blog.example.com/verrant",
            "--网盘主页:http://files.example.com/verrant",
            "--其它:您有任何意见或建议请联系作者",
            "--程序升级:请联系作者或访问作者博客",
            nullptr,
            "--Kalvon-五金-1.1a 2010年4月19日",
            "--五金第一个外发测试版本",
            "--主要功能:五金查询、计算,可用于预算、材料等领域",
            "--可根据已知重量反查所需长度,并可自定义定尺长度计算所需数量(根)",
            "--注意:请不要更改<配置文件>文件夹及文件夹里面文件名称,否则可能数据出错....",
            "--根据需要可以会更新数据库版本,目前数据库版本1.0",
            "--目前数据库文件主要包括:H型钢,T型钢,L型钢,槽钢,工字钢,等边角钢,不等边角钢,钢轨",
            nullptr,
            "--Kalvon-五金2.0b",
            "--加入版本说明、开发日志等支持 2010年5月2日 17:00:20",
            "--收集花纹钢板数据,待加入数据库 2010年5月2日 17:52:49",
            "--加入花纹钢板数据(菱形、圆豆形、扁豆形、组合形） 2010年5月2日 18:51:39",
            "--花纹钢板单位重量为kg/平方米,在计算时将长度数据输入为<平方米计算>",
            "--此版本成型,准备发布,其它功能将于下一版本加入 2010年5月2日 19:12:52",
            nullptr,
        };
        std::vector<std::string> result;
        for (const char* note : notes)
            result.push_back(note ? rt::utf8ToGbk(note) + "\r\n\r\n" : separator);
        return result;
    }();
    return blocks;
}

void writeVersionNotes(rt::WindowOps& ops)
{
    ops.writeText(WindowId::Log, "开发日志", prop::kContent, "");
    for (const std::string& block : versionNoteBlocks())
        ops.appendText(WindowId::Log, "开发日志", block);
    ops.writeNumber(WindowId::Log, "开发日志", prop::kSelectionStart, 0);
}

void dragLogWindow(rt::WindowOps& ops)
{
    ops.sendMessage(WindowId::Log, rt::kNonClientLeftButtonDown, rt::kCaptionHit, 0);
}

void closeLogWindow(rt::WindowOps& ops)
{
    ops.destroyWindow(WindowId::Log);
    ops.writeText(WindowId::Main, "日志按钮", prop::kTag, "a");
}

void dragWindow(rt::WindowOps& ops)
{
    ops.sendMessage(WindowId::Main, rt::kNonClientLeftButtonDown, rt::kCaptionHit, 0);
}

void rollUp(rt::WindowOps& ops)
{
    const int height = ops.readNumber(WindowId::Main, "", prop::kHeight);
    ops.writeNumber(WindowId::Main, "", prop::kHeight,
                    height == kExpandedHeight ? kRolledUpHeight : kExpandedHeight);
    dockLogWindow(ops);
}

void setAlwaysOnTop(rt::WindowOps& ops)
{
    const bool checked = ops.readNumber(WindowId::Main, "是否在最前", prop::kChecked) == 1;
    ops.writeNumber(WindowId::Main, "", prop::kAlwaysOnTop, checked ? 1 : 0);
}

void minimise(rt::WindowOps& ops)
{
    ops.writeNumber(WindowId::Main, "", prop::kWindowState, 2);
}

void closeProgram(rt::WindowOps& ops)
{
    ops.endProgram();
}

void swapParameterFrame(rt::WindowOps& ops)
{
    const bool frameHidden = ops.readNumber(WindowId::Main, "参数框", prop::kVisible) == 0;
    ops.writeNumber(WindowId::Main, "参数框", prop::kVisible, frameHidden ? 1 : 0);
    ops.writeNumber(WindowId::Main, "随机显示标签", prop::kVisible, frameHidden ? 0 : 1);
}

void selectLengthText(rt::WindowOps& ops)
{
    ops.writeNumber(WindowId::Main, "参数2", prop::kSelectionLength, -1);
}

void copyResult(rt::WindowOps& ops, std::string_view field)
{
    ops.setClipboardText(ops.readText(WindowId::Main, field, prop::kContent));
}

}  // namespace ui
