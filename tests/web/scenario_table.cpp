// The behaviour table for the browsers' drivers (lib/play.js, lib/random_run.js), built for node:
// every scenario as the one reader (tests/scenarios/table.h) reads it, the model, and what the
// model expects after each step of a random run (tests/scenarios/expected.h). The drivers keep
// only what plays a step in a browser; what the table's lines mean is decided here, once.
//
//   const table = require('build-web/scenario_table.js');
//   table.scenarios(), table.model(), new table.Expected()

#include <emscripten/bind.h>

#include "tests/scenarios/expected.h"
#include "tests/scenarios/model.h"
#include "tests/scenarios/table.h"

namespace {

using emscripten::val;

val strings(const std::vector<std::string>& list)
{
    val out = val::array();
    for (const std::string& text : list)
        out.call<void>("push", text);
    return out;
}

val rows(const scenario::Rows& story)
{
    val out = val::array();
    for (const auto& row : story)
        out.call<void>("push", strings(row));
    return out;
}

val line(const scenario::Line& read)
{
    val out = val::object();
    out.set("number", read.number);
    out.set("expect", read.expect);
    out.set("verb", read.verb);
    out.set("window", read.window);
    out.set("words", strings(read.words));
    out.set("rows", rows(read.rows));
    out.set("lines", strings(read.lines));
    return out;
}

// Each scenario with, for every backend, why it is skipped there ("" where it runs).
val scenarios()
{
    val out = val::array();
    for (const scenario::Scenario& read : scenario::readAll(scenario::folder())) {
        val one = val::object();
        one.set("file", read.file);
        one.set("name", read.name);
        one.set("number", read.number);
        one.set("broken", read.broken);
        one.set("error", read.error);
        val skipped = val::object();
        for (const std::string_view backend : scenario::backends())
            skipped.set(std::string(backend), read.skippedOn(backend));
        one.set("skipped", skipped);
        val lines = val::array();
        for (const scenario::Line& each : read.lines)
            lines.call<void>("push", line(each));
        one.set("lines", lines);
        out.call<void>("push", one);
    }
    return out;
}

const scenario::Model& theModel()
{
    static const scenario::Model model = scenario::readModel();
    return model;
}

// What a random run picks its steps from: each window's story or not, controls, keys and tab order.
val model()
{
    val windows = val::object();
    for (const auto& [name, window] : theModel().windows) {
        std::vector<std::string> controls;
        for (const auto& each : window.does)
            controls.push_back(each.first);
        val keys = val::object();
        for (const auto& [pressed, control] : window.keys)
            keys.set(pressed, control);
        val one = val::object();
        one.set("story", window.hasStory);
        one.set("controls", strings(controls));
        one.set("keys", keys);
        one.set("tab", strings(window.tab));
        windows.set(name, one);
    }
    val out = val::object();
    out.set("start", theModel().start);
    out.set("windows", windows);
    return out;
}

scenario::Expected* expected()
{
    return new scenario::Expected(theModel());
}

// What a person should see now: the windows on screen, the run's end, and for each window on
// screen its focus (if known), answers and story, the story also line by line as in the flow.
val seen(const scenario::Expected& expected)
{
    val windows = val::object();
    for (const std::string& name : expected.onScreen()) {
        const scenario::WindowState& state = *expected.window(name);
        val one = val::object();
        one.set("focus", state.focusKnown ? val(state.focus) : val::null());
        one.set("answers", strings(state.answers));
        const scenario::Rows story = expected.story(name);
        std::vector<std::string> lines;
        for (const auto& row : story)
            lines.push_back(scenario::oneLine(row));
        one.set("story", rows(story));
        one.set("lines", strings(lines));
        windows.set(name, one);
    }
    val out = val::object();
    out.set("onScreen", strings(expected.onScreen()));
    out.set("ended", expected.ended() ? val(*expected.ended()) : val::null());
    out.set("windows", windows);
    return out;
}

}  // namespace

EMSCRIPTEN_BINDINGS(scenario_table)
{
    emscripten::function("scenarios", &scenarios);
    emscripten::function("model", &model);
    // Each step returns the text of the message box it should bring up, or "".
    emscripten::class_<scenario::Expected>("Expected")
        .constructor(&expected, emscripten::allow_raw_pointers())
        .function("press", &scenario::Expected::press)
        .function("key", &scenario::Expected::key)
        .function("type", &scenario::Expected::type)
        .function("focus", &scenario::Expected::focus)
        .function("seen", &seen);
}
