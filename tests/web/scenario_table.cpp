// The behaviour table for the browsers' drivers (lib/play.js, lib/random_run.js), built for node:
// every scenario as the one reader (tests/scenarios/table.h) reads it, the model, and what the
// model expects after each step of a random run (tests/scenarios/expected.h). The drivers keep
// only what plays a step in a browser; what the table's lines mean is decided here, once.
//
//   const table = require('build-web/scenario_table.js');
//   table.scenarios(), table.model(), new table.Expected(), table.oneLine(['had won $', '42'])

#include <emscripten/bind.h>

#include "tests/scenarios/expected.h"
#include "tests/scenarios/model.h"
#include "tests/scenarios/table.h"

namespace {

using emscripten::val;

val js(const std::string& text)
{
    return val(text);
}

template <typename T>
val js(const std::vector<T>& list)
{
    val out = val::array();
    for (const T& each : list)
        out.call<void>("push", js(each));
    return out;
}

val object(std::initializer_list<std::pair<const char*, val>> fields)
{
    val out = val::object();
    for (const auto& [name, value] : fields)
        out.set(name, value);
    return out;
}

// Each scenario with its lines, and for every backend why it is skipped there ("" where it runs).
val scenarios()
{
    val out = val::array();
    for (const scenario::Scenario& read : scenario::readAll(scenario::folder())) {
        val skipped = val::object(), lines = val::array();
        for (const std::string_view backend : scenario::backends())
            skipped.set(std::string(backend), read.skippedOn(backend));
        for (const scenario::Line& l : read.lines) {
            lines.call<void>("push", object({{"number", val(l.number)}, {"expect", val(l.expect)}, {"verb", js(l.verb)}, {"window", js(l.window)},
                                             {"words", js(l.words)}, {"rows", js(l.rows)}, {"lines", js(l.lines)}}));
        }
        out.call<void>("push", object({{"file", js(read.file)}, {"name", js(read.name)}, {"number", val(read.number)}, {"broken", val(read.broken)},
                                       {"error", js(read.error)}, {"skipped", skipped}, {"lines", lines}}));
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
        val keys = val::object();
        for (const auto& each : window.does)
            controls.push_back(each.first);
        for (const auto& [pressed, control] : window.keys)
            keys.set(pressed, control);
        windows.set(name, object({{"story", val(window.hasStory)}, {"controls", js(controls)}, {"keys", keys}, {"tab", js(window.tab)}}));
    }
    return object({{"start", js(theModel().start)}, {"windows", windows}});
}

scenario::Expected* expected()
{
    return new scenario::Expected(theModel());
}

// What a person should see now: the windows on screen, the run's end, and for each window on
// screen its focus (null where the model does not know it), answers and story, also as lines.
val seen(const scenario::Expected& expected)
{
    val windows = val::object();
    for (const std::string& name : expected.onScreen()) {
        const scenario::WindowState& state = *expected.window(name);
        const scenario::Rows story = expected.story(name);
        std::vector<std::string> lines;
        for (const auto& row : story)
            lines.push_back(scenario::oneLine(row));
        windows.set(name, object({{"focus", state.focusKnown ? js(state.focus) : val::null()}, {"answers", js(state.answers)},
                                  {"story", js(story)}, {"lines", js(lines)}}));
    }
    return object({{"onScreen", js(expected.onScreen())}, {"ended", expected.ended() ? val(*expected.ended()) : val::null()}, {"windows", windows}});
}

std::string oneLine(const val& pieces)
{
    return scenario::oneLine(emscripten::vecFromJSArray<std::string>(pieces));
}

}  // namespace

EMSCRIPTEN_BINDINGS(scenario_table)
{
    emscripten::function("scenarios", &scenarios);
    emscripten::function("model", &model);
    emscripten::function("oneLine", &oneLine);
    // Each step returns the text of the message box it should bring up, or "".
    emscripten::class_<scenario::Expected>("Expected")
        .constructor(&expected, emscripten::allow_raw_pointers())
        .function("press", &scenario::Expected::press)
        .function("key", &scenario::Expected::key)
        .function("type", &scenario::Expected::type)
        .function("focus", &scenario::Expected::focus)
        .function("seen", &seen);
}
