// Recalculate through the real fields of the running program (offscreen), with a row of
// the largest shipped table selected:
//  - the count field's content-changed event, as any edit raises it: the binding runs
//    Recalculate, which reads the selected row and six fields and writes the four result
//    fields. Baseline: Compute results alone on the same texts, the arithmetic and the
//    formatting without any field.
//  - one keystroke into the count field, end to end (a digit typed, then taken back with
//    Backspace, alternately). Baseline: the same keystrokes into a bare line edit of the
//    same size and font with nothing bound to it, what Qt itself spends on a keystroke.
#include "bench/figure_line.h"
#include "bench/median_reporter.h"
#include "bench/offscreen_app.h"
#include "calc/compute_results.h"
#include "runtime/qt/controls.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <cstdio>
#include <string>

namespace {

using rt::WindowId;

constexpr double kGoalMicroseconds = 20;

bench::OffscreenApp* g_app = nullptr;

QLineEdit* field(const char* name)
{
    return dynamic_cast<QLineEdit*>(g_app->runtime().control(WindowId::Main, name));
}

void press(QWidget* widget, Qt::Key key, const QString& text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(widget, &up);
}

void typeInto(benchmark::State& state, QLineEdit* count)
{
    count->end(false);
    bool typed = false;
    for (auto _ : state) {
        if (typed)
            press(count, Qt::Key_Backspace, {});
        else
            press(count, Qt::Key_5, QStringLiteral("5"));
        typed = !typed;
    }
    g_app->settle();
}

void keystroke(benchmark::State& state) { typeInto(state, field("参数1")); }

void bareKeystroke(benchmark::State& state)
{
    // A window of its own, so the program's window keeps exactly its layout's controls.
    QWidget window;
    QLineEdit bare(&window);
    QLineEdit* count = field("参数1");
    bare.setFont(count->font());
    bare.setGeometry(count->geometry());
    bare.setText(count->text());
    window.resize(count->window()->size());
    window.show();
    g_app->settle();
    typeInto(state, &bare);
}

void contentChanged(benchmark::State& state)
{
    QWidget* count = field("参数1");
    for (auto _ : state)
        rt::raiseControlEvent(count, rt::Event::ContentChanged);
    g_app->settle();
}

void computeOnly(benchmark::State& state)
{
    rt::WindowOps& ops = g_app->runtime();
    const auto text = [&ops](const char* name) {
        return ops.readText(WindowId::Main, name, rt::prop::kContent);
    };
    const int row = ops.readNumber(WindowId::Main, "显示数据", rt::prop::kCurrentRow);
    const calc::Inputs in{ops.getItemText(WindowId::Main, "显示数据", row, 2),
                          text("密度"), text("小数位数"), text("参数1"), text("参数2"),
                          text("参数3"), text("参数4")};
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::computeResults(in));
}

// A keystroke must really run the calculation: the total weight follows the count.
bool keystrokeRecalculates()
{
    QLineEdit* total = field("结果2");
    const QString before = total->text();
    field("参数1")->end(false);
    press(field("参数1"), Qt::Key_5, QStringLiteral("5"));
    const QString after = total->text();
    press(field("参数1"), Qt::Key_Backspace, {});
    return after != before && total->text() == before;
}

}  // namespace

int main(int argc, char** argv)
{
    bench::OffscreenApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    g_app = &app;
    app.start();
    app.loadKind(app.largestShippedKind());
    app.runtime().writeNumber(WindowId::Main, "显示数据", rt::prop::kCurrentRow, 0);
    app.runtime().writeText(WindowId::Main, "参数1", rt::prop::kContent, "1");
    if (!keystrokeRecalculates()) {
        std::fprintf(stderr, "recalculate_bench: a keystroke does not change the results\n");
        return 1;
    }

    for (const auto& [name, function] : {std::pair{"content_changed", &contentChanged},
                                         std::pair{"compute_only", &computeOnly},
                                         std::pair{"keystroke", &keystroke},
                                         std::pair{"bare_keystroke", &bareKeystroke}})
        benchmark::RegisterBenchmark(name, function)
            ->Repetitions(21)->MinTime(0.02)->Unit(benchmark::kMicrosecond);
    bench::MedianReporter medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    for (const std::string& error : medians.errors())
        std::fprintf(stderr, "recalculate_bench: %s\n", error.c_str());

    const double recalculate = medians.seconds("content_changed") * 1e6;
    const double compute = medians.seconds("compute_only") * 1e6;
    bench::printFigure({.name = "recalculate through the fields", .value = recalculate,
                        .unit = "us", .baselineName = "compute results alone",
                        .baseline = compute, .ratio = recalculate / compute, .goal = "< 20 us",
                        .met = recalculate < kGoalMicroseconds});
    const double typed = medians.seconds("keystroke") * 1e6;
    const double bare = medians.seconds("bare_keystroke") * 1e6;
    bench::printFigure({.name = "keystroke into the count field", .value = typed, .unit = "us",
                        .baselineName = "keystroke, bare line edit", .baseline = bare,
                        .ratio = typed / bare});
    return medians.errors().empty() ? 0 : 1;
}
