#pragma once
// A repeating timer of a form. Ticks are delivered by the event loop (and by waits that process
// events), never while the timer's own handler is still running.

#include <functional>
#include <string>

namespace scorlet {

class Timer {
public:
    explicit Timer(std::string name) : m_name(std::move(name)) {}
    virtual ~Timer() = default;
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return m_name; }

    // Milliseconds between ticks; 0 stops the timer like disabling it. Setting it restarts the count.
    int interval() const { return m_interval; }
    void setInterval(int ms) { if (ms < 0) ms = 0; if (ms != m_interval) { m_interval = ms; changed(); } }

    bool enabled() const { return m_enabled; }
    void setEnabled(bool on) { if (on != m_enabled) { m_enabled = on; changed(); } }

    bool running() const { return m_enabled && m_interval > 0; }

    std::function<void()> onTimer;

    // Runs onTimer unless it is already running (a tick that comes while the handler waits with
    // events is dropped, as the message loop would never dispatch it). Platforms call this.
    void tick()
    {
        if (m_inHandler || !onTimer)
            return;
        m_inHandler = true;
        onTimer();
        m_inHandler = false;
    }
    bool inHandler() const { return m_inHandler; }

protected:
    virtual void changed() {}

private:
    std::string m_name;
    int m_interval { 0 };
    bool m_enabled { false };
    bool m_inHandler { false };
};

} // namespace scorlet
