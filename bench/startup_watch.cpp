#include "bench/startup_watch.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <thread>

extern char** environ;

namespace bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr double kSettleMs = 300;
constexpr double kTimeoutMs = 20000;
constexpr int kMinimumSide = 50;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

bool flat(const std::string& pixels)
{
    // 32 bits a pixel at depth 24: a picture of one colour repeats its first four bytes.
    for (std::size_t at = 4; at + 4 <= pixels.size(); at += 4)
        if (std::memcmp(pixels.data(), pixels.data() + at, 4) != 0)
            return false;
    return true;
}

// Started with no argument and its output discarded, like a program started from a desktop.
pid_t spawn(const std::string& program)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

// Ends the program and returns its peak resident set in megabytes.
double stop(pid_t pid)
{
    ::kill(pid, SIGTERM);
    rusage usage{};
    int status = 0;
    for (int waited = 0; ::wait4(pid, &status, WNOHANG, &usage) == 0; ++waited) {
        if (waited == 200)
            ::kill(pid, SIGKILL);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

}  // namespace

StartupWatch::~StartupWatch()
{
    if (m_connection)
        xcb_disconnect(m_connection);
}

bool StartupWatch::connect()
{
    m_connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(m_connection))
        return false;
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
    sync();
    return true;
}

void StartupWatch::sync()
{
    std::free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
}

StartupWatch::Event StartupWatch::nextEvent(int timeoutMs)
{
    if (xcb_generic_event_t* event = xcb_poll_for_event(m_connection))
        return {event, &std::free};
    pollfd fd{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    ::poll(&fd, 1, timeoutMs);
    return {xcb_poll_for_event(m_connection), &std::free};
}

std::optional<StartupWatch::Window> StartupWatch::waitForMap(pid_t pid, Clock::time_point start,
                                                             std::string& error)
{
    while (msSince(start) < kTimeoutMs) {
        Event event = nextEvent(5);
        if (!event) {
            if (::waitpid(pid, nullptr, WNOHANG) == pid) {
                error = "the program ended before it showed a window";
                return std::nullopt;
            }
            continue;
        }
        if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
            continue;
        const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
        xcb_get_geometry_reply_t* geometry = xcb_get_geometry_reply(
            m_connection, xcb_get_geometry(m_connection, map->window), nullptr);
        if (!geometry)
            continue;
        const Window window{map->window, geometry->width, geometry->height};
        std::free(geometry);
        if (window.width >= kMinimumSide && window.height >= kMinimumSide)
            return window;
    }
    error = "no window was mapped";
    return std::nullopt;
}

std::optional<std::string> StartupWatch::readPixels(const Window& window)
{
    xcb_get_image_reply_t* reply = xcb_get_image_reply(
        m_connection,
        xcb_get_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window.id, 0, 0,
                      static_cast<std::uint16_t>(window.width),
                      static_cast<std::uint16_t>(window.height), ~0u),
        nullptr);
    if (!reply)
        return std::nullopt;
    std::string pixels(reinterpret_cast<const char*>(xcb_get_image_data(reply)),
                       static_cast<std::size_t>(xcb_get_image_data_length(reply)));
    std::free(reply);
    return pixels;
}

std::optional<double> StartupWatch::waitForPaint(const Window& window, Clock::time_point start,
                                                 std::string& error)
{
    // The painted picture the window has shown since `sinceMs`.
    std::optional<std::string> candidate;
    double sinceMs = 0;
    while (msSince(start) < kTimeoutMs) {
        std::optional<std::string> pixels = readPixels(window);
        const double now = msSince(start);
        if (!pixels) {
            error = "the window went away before it settled";
            return std::nullopt;
        }
        if (candidate && *pixels == *candidate) {
            if (now - sinceMs >= kSettleMs)
                return sinceMs;
        } else if (flat(*pixels)) {
            candidate.reset();
        } else {
            candidate = std::move(pixels);
            sinceMs = now;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    error = "the window never settled on a painted picture";
    return std::nullopt;
}

void StartupWatch::drainUntilDestroyed(xcb_window_t window)
{
    const Clock::time_point start = Clock::now();
    while (msSince(start) < 5000) {
        Event event = nextEvent(50);
        if (event && (event->response_type & 0x7f) == XCB_DESTROY_NOTIFY &&
            reinterpret_cast<xcb_destroy_notify_event_t*>(event.get())->window == window)
            break;
    }
    while (nextEvent(0)) {
    }
}

std::optional<StartupSample> StartupWatch::measure(const std::string& program, std::string& error)
{
    const Clock::time_point start = Clock::now();
    const pid_t pid = spawn(program);
    if (pid < 0) {
        error = "cannot start " + program;
        return std::nullopt;
    }
    StartupSample sample;
    const std::optional<Window> window = waitForMap(pid, start, error);
    std::optional<double> painted;
    if (window) {
        sample.mappedMs = msSince(start);
        painted = waitForPaint(*window, start, error);
    }
    sample.peakMegabytes = stop(pid);
    if (window)
        drainUntilDestroyed(window->id);
    if (!painted)
        return std::nullopt;
    sample.paintedMs = *painted;
    return sample;
}

}  // namespace bench
