#include "app/application.h"

#include "calc/recalculate.h"
#include "data/kind_list.h"
#include "data/load_profile.h"
#include "quotes/show_random_quote.h"
#include "runtime/files.h"
#include "runtime/gbk.h"
#include "ui/layout_builder.h"
#include "ui/main_window_layout.h"
#include "ui/window_behaviours.h"

#include <QApplication>

#include <cfenv>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace app {
namespace {

std::unique_ptr<quotes::QuoteTable> g_quoteTable;
int g_exitRoutineRuns = 0;

// Releases the quote table; runs at most once, whichever way the program ends.
void exitRoutine()
{
    if (g_exitRoutineRuns > 0)
        return;
    ++g_exitRoutineRuns;
    if (g_quoteTable)
        g_quoteTable->release();
    g_quoteTable.reset();
}

QRect layoutGeometry(const ui::WindowLayout& layout)
{
    return {layout.left, layout.top, layout.width, layout.height};
}

}  // namespace

quotes::QuoteTable& quoteTable()
{
    if (!g_quoteTable)
        g_quoteTable = std::make_unique<quotes::QuoteTable>();
    return *g_quoteTable;
}

int Application::exitRoutineRuns() { return g_exitRoutineRuns; }

Application::Application(std::string runDir) : m_runDir(std::move(runDir)) {}

Application::~Application() = default;

void Application::start()
{
    // Process-wide settings: floating-point exceptions masked (a division by zero gives an
    // infinity), the run directory as the current directory.
    std::fesetenv(FE_DFL_ENV);
    if (chdir(rt::nativePath(m_runDir).c_str()) != 0) {
        // Nothing depends on the current directory: every path starts at the run directory.
    }

    g_quoteTable = std::make_unique<quotes::QuoteTable>();
    static bool registered = false;
    if (!registered) {
        std::atexit(exitRoutine);
        registered = true;
    }
    m_runtime.setExitRoutine(exitRoutine);
    QApplication::setQuitOnLastWindowClosed(false);  // the runtime ends the loop itself
    rt::installFontSubstitutions();

    m_runtime.setEventSink([this](rt::WindowId window, std::string_view control, rt::Event event) {
        dispatch(window, control, event);
    });
    for (const ui::WindowLayout* layout : {&ui::kMainWindowLayout, &ui::kLogWindowLayout}) {
        m_runtime.registerWindow(
            layout->id,
            [layout](rt::QtRuntime& runtime) {
                // Through the runtime's current sink, so a test can listen in.
                return ui::buildWindow(*layout, [&runtime](rt::WindowId window,
                                                           std::string_view control,
                                                           rt::Event event) {
                    if (runtime.eventSink())
                        runtime.eventSink()(window, control, event);
                });
            },
            layoutGeometry(*layout), layout->alwaysOnTop);
    }
    m_runtime.loadWindow(rt::WindowId::Main);
}

void Application::dispatch(rt::WindowId window, std::string_view control, rt::Event event)
{
    for (const ui::BindingRow& row : ui::bindings()) {
        if (row.window == window && row.event == event && control == row.control)
            run(row.behaviour);
    }
}

void Application::mainWindowCreated()
{
    using rt::WindowId;
    namespace prop = rt::prop;
    rt::WindowOps& ops = m_runtime;
    ops.writeNumber(WindowId::Main, "", prop::kHeight, ui::kExpandedHeight);
    const int height = ops.readNumber(WindowId::Main, "", prop::kHeight);
    ops.writeNumber(WindowId::Main, "随机显示标签", prop::kTop, height - 33);
    ops.writeText(WindowId::Main, "", prop::kTitle,
                  ops.readText(WindowId::Main, "标题栏", prop::kCaption));
    quoteTable().fill();
    quotes::showRandomQuote(ops, quoteTable());
    data::loadKindList(ops, m_runDir);
    static const std::string kPrompt = rt::utf8ToGbk("请下拉选择种类");
    ops.writeText(WindowId::Main, "Verrant", prop::kContent, kPrompt);
}

void Application::run(ui::Behaviour behaviour)
{
    using ui::Behaviour;
    rt::WindowOps& ops = m_runtime;
    switch (behaviour) {
    case Behaviour::MainWindowCreated: mainWindowCreated(); break;
    case Behaviour::DockLogWindow: ui::dockLogWindow(ops); break;
    case Behaviour::LoadProfileData: data::loadProfileData(ops, m_runDir); break;
    case Behaviour::CopyChosenKind: data::copyChosenKind(ops); break;
    case Behaviour::Recalculate: calc::recalculate(ops); break;
    case Behaviour::SelectLengthText: ui::selectLengthText(ops); break;
    case Behaviour::CopyUnitWeight: ui::copyResult(ops, "单位重量"); break;
    case Behaviour::CopyTotalWeight: ui::copyResult(ops, "结果2"); break;
    case Behaviour::CopyLengthFromWeight: ui::copyResult(ops, "结果3"); break;
    case Behaviour::CopyBarCount: ui::copyResult(ops, "结果4"); break;
    case Behaviour::SwapParameterFrame: ui::swapParameterFrame(ops); break;
    case Behaviour::SetAlwaysOnTop: ui::setAlwaysOnTop(ops); break;
    case Behaviour::DragWindow: ui::dragWindow(ops); break;
    case Behaviour::RollUp: ui::rollUp(ops); break;
    case Behaviour::Minimise: ui::minimise(ops); break;
    case Behaviour::CloseProgram: ui::closeProgram(ops); break;
    case Behaviour::ToggleLogWindow: ui::toggleLogWindow(ops); break;
    case Behaviour::ShowRandomQuote: quotes::showRandomQuote(ops, quoteTable()); break;
    case Behaviour::LogWindowCreated: ui::logWindowCreated(ops); break;
    case Behaviour::DragLogWindow: ui::dragLogWindow(ops); break;
    case Behaviour::CloseLogWindow: ui::closeLogWindow(ops); break;
    }
}

}  // namespace app
