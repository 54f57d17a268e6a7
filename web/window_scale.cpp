// The largest scale at which the whole window fits under the language switch, centred across.
#include "web/window_scale.h"

#include <emscripten/val.h>

#include <algorithm>
#include <string>

#include "web/page_events.h"

namespace escartinol {

using emscripten::val;

namespace {

// A number as the style sheet reads it, written as the page writes its numbers.
std::string CssNumber(double n) { return val::global("String")(n).as<std::string>(); }

void FitWindow() {
    const val page = val::global("window");
    const double width = page["innerWidth"].as<double>();
    // From the style sheet's own value: the switch's offsetHeight would lay the page out before the
    // game has placed its tiles, and once more after.
    const val root = val::global("getComputedStyle")(val::global("document")["documentElement"]);
    const double languagesHeight =
        val::global("parseFloat")(root.call<val>("getPropertyValue", std::string("--languages-height"))).as<double>();
    const double height = page["innerHeight"].as<double>() - languagesHeight;
    const double scale = std::min(width / kWindowWidth, height / kWindowHeight);
    val style = PageElement("window")["style"];
    style.set("transform", "scale(" + CssNumber(scale) + ")");
    style.set("left", CssNumber(std::max(0.0, (width - kWindowWidth * scale) / 2)) + "px");
    // The boxes shrink with the window on a small screen, and keep their own size on a large one.
    val::global("document")["documentElement"]["style"].call<void>("setProperty", std::string("--box-scale"),
                                                                   CssNumber(std::min(1.0, scale)));
}

}  // namespace

void KeepWindowScaled() {
    FitWindow();
    Listen(val::global("window"), "resize", [](const val&) { FitWindow(); });
}

}  // namespace escartinol
