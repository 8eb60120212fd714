// The program's shell: start-up (run directory as current directory, the empty quote
// table, the exit routine), the two windows registered with the runtime, and the event
// sink that runs the behaviour bound to each event. The message loop is the caller's.
#pragma once

#include "quotes/quote_table.h"
#include "runtime/qt/qt_runtime.h"
#include "ui/behaviour.h"

#include <string>

namespace app {

class Application {
public:
    // runDir: the folder whose 配置文件 holds the data (GBK); the executable's folder by
    // default, another one in tests.
    explicit Application(std::string runDir);
    ~Application();

    // Start-up up to the message loop: after it the main window is open and set up.
    void start();

    rt::QtRuntime& runtime() { return m_runtime; }
    const std::string& runDirectory() const { return m_runDir; }

    // How often the exit routine has run in this process (0 or 1).
    static int exitRoutineRuns();

private:
    void dispatch(rt::WindowId window, std::string_view control, rt::Event event);
    void run(ui::Behaviour behaviour);
    void mainWindowCreated();

    std::string m_runDir;
    rt::QtRuntime m_runtime;
};

// The process-wide quote table: 150 empty slots from start-up until the exit routine.
quotes::QuoteTable& quoteTable();

}  // namespace app
