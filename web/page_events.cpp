// The page calls one bound function for every event; the event's listener number picks its handler.
#include "web/page_events.h"

#include <emscripten/bind.h>
#include <emscripten/eventloop.h>

#include <string>
#include <vector>

namespace escartinol {

using emscripten::val;

namespace {

std::vector<EventHandler>& Handlers() {
    static std::vector<EventHandler> handlers;
    return handlers;
}

void DispatchPageEvent(int listener, const val& event) { Handlers()[listener](event); }

}  // namespace

val PageElement(const std::string& id) { return val::global("document").call<val>("getElementById", id); }

val PageCallback(EventHandler handler) {
    Handlers().push_back(std::move(handler));
    // The bound function with the listener's number in front of the event the page passes it.
    return val::module_property("dispatchPageEvent")
        .call<val>("bind", val::null(), static_cast<int>(Handlers().size() - 1));
}

void Listen(const val& target, const char* type, EventHandler handler) {
    target.call<void>("addEventListener", std::string(type), PageCallback(std::move(handler)));
}

void COneShotTimer::Start(double milliseconds) {
    Stop();
    m_id = emscripten_set_timeout(&COneShotTimer::Fire, milliseconds, this);
}

void COneShotTimer::Stop() {
    if (m_id != 0) emscripten_clear_timeout(m_id);
    m_id = 0;
}

void COneShotTimer::Fire(void* timer) {
    auto& self = *static_cast<COneShotTimer*>(timer);
    self.m_id = 0;
    self.m_timeout();
}

EMSCRIPTEN_BINDINGS(page_events) { emscripten::function("dispatchPageEvent", &DispatchPageEvent); }

}  // namespace escartinol
