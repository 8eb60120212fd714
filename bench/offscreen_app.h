// The real program for the in-process benchmarks: app::Application started on the
// offscreen platform, on a temporary run directory that holds a copy of the shipped data
// folder plus any synthetic tables a benchmark adds. Behaviours are driven the way the
// program drives them, through the runtime's window operations. Times nothing itself.
#pragma once

#include "app/application.h"

#include <QApplication>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace bench {

class OffscreenApp {
public:
    // Before any benchmark is registered; argc/argv go to QApplication.
    OffscreenApp(int& argc, char** argv);
    ~OffscreenApp();

    // Seals `gbkPlaintext` as the kind `utf8Kind`'s data file; call before start().
    void addTable(const std::string& utf8Kind, const std::string& gbkPlaintext);
    void start();

    rt::QtRuntime& runtime() { return m_app->runtime(); }
    std::string runDirectory() const;  // GBK
    // Writes the kind into the hidden kind field, which loads it, as a pick would.
    void loadKind(const std::string& gbkKind);
    // Runs what the load or edit left for the event loop: layout and the repaint.
    void settle();

    // The shipped kind with the largest data file, which is the one with the most rows:
    // every row is a line of about the same length. GBK.
    std::string largestShippedKind() const;

private:
    std::unique_ptr<QApplication> m_qt;
    QTemporaryDir m_dir;
    std::unique_ptr<app::Application> m_app;
};

}  // namespace bench
