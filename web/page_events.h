// The page's elements, and its events and timers handed to C++ functions.
#pragma once

#include <emscripten/val.h>

#include <functional>
#include <string>

namespace escartinol {

using EventHandler = std::function<void(const emscripten::val& event)>;

// The element of the page with this id.
emscripten::val PageElement(const std::string& id);

// A JavaScript function that calls handler with its argument, for as long as the page lives.
emscripten::val PageCallback(EventHandler handler);

// Calls handler for each event of this type at target, for as long as the page lives.
void Listen(const emscripten::val& target, const char* type, EventHandler handler);

// One call of a function after a delay, which can be called off until then.
class COneShotTimer {
public:
    explicit COneShotTimer(std::function<void()> timeout) : m_timeout(std::move(timeout)) {}
    COneShotTimer(const COneShotTimer&) = delete;
    COneShotTimer& operator=(const COneShotTimer&) = delete;
    ~COneShotTimer() { Stop(); }

    // Starts it again from now when it is already running.
    void Start(double milliseconds);
    void Stop();
    bool IsActive() const { return m_id != 0; }

private:
    static void Fire(void* timer);

    std::function<void()> m_timeout;
    long m_id = 0;
};

}  // namespace escartinol
