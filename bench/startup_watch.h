// One start-up of one program, watched from the X server, so that the program itself
// carries no hook: it is started as it is, with no argument, its output discarded.
//
// The clock starts just before the program is spawned. Mapped is when the server reports
// the map of its first top-level window of at least 50 x 50 pixels (the watch selects the
// root window's substructure events). From then on the watch reads the window's pixels
// back from the server about once a millisecond. Painted is the first read of a picture
// that is not one flat colour (a mapped but unpainted window shows the black root of an
// Xvfb started with -br) and that then stays unchanged for 300 ms: a first paint that is
// redrawn at once counts only when its last redraw lands, and a blinking caret (every
// 500 ms) does not keep the picture from settling. The resolution is one read-back, about a
// millisecond; reading back starts after the map, when the program's start-up round trips
// to the server are over. Then the program gets SIGTERM and the kernel's accounting gives
// its peak resident set. Compares nothing and keeps no statistics.
#pragma once

#include <xcb/xcb.h>

#include <sys/types.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

namespace bench {

struct StartupSample {
    double mappedMs = 0;
    double paintedMs = 0;
    double peakMegabytes = 0;
};

class StartupWatch {
public:
    StartupWatch() = default;
    ~StartupWatch();
    StartupWatch(const StartupWatch&) = delete;
    StartupWatch& operator=(const StartupWatch&) = delete;

    // The display in $DISPLAY; false when it cannot be opened.
    bool connect();

    // Nothing, with the reason in `error`, when the program does not start, shows no
    // window or never settles on a painted picture within 20 s.
    std::optional<StartupSample> measure(const std::string& program, std::string& error);

private:
    struct Window {
        xcb_window_t id;
        int width, height;
    };
    using Clock = std::chrono::steady_clock;
    using Event = std::unique_ptr<xcb_generic_event_t, decltype(&std::free)>;

    void sync();
    Event nextEvent(int timeoutMs);
    std::optional<Window> waitForMap(pid_t pid, Clock::time_point start, std::string& error);
    std::optional<double> waitForPaint(const Window& window, Clock::time_point start,
                                       std::string& error);
    std::optional<std::string> readPixels(const Window& window);
    void drainUntilDestroyed(xcb_window_t window);

    xcb_connection_t* m_connection = nullptr;
    xcb_window_t m_root = 0;
};

}  // namespace bench
