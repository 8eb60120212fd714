// Listens to every event the windows raise, then passes it on to the behaviours.
#pragma once

#include "runtime/qt/qt_runtime.h"

#include <string>
#include <vector>

namespace test {

class EventLog {
public:
    explicit EventLog(rt::QtRuntime& runtime) : m_original(runtime.eventSink())
    {
        runtime.setEventSink([this](rt::WindowId window, std::string_view control, rt::Event event) {
            m_events.push_back({window, std::string(control), event});
            if (m_original)
                m_original(window, control, event);
        });
    }
    int count(const char* control, rt::Event event) const
    {
        int n = 0;
        for (const auto& e : m_events)
            n += (e.control == control && e.event == event) ? 1 : 0;
        return n;
    }
    void clear() { m_events.clear(); }

private:
    struct Entry {
        rt::WindowId window;
        std::string control;
        rt::Event event;
    };
    rt::EventSink m_original;
    std::vector<Entry> m_events;
};

}  // namespace test
