// Every scenario of the behaviour table on the portable core, drawn by the backend that records:
// what a person would see is what the core told that backend, and the keyboard is played the way
// a toolkit plays it: Tab by the tab order, the other keys where the core routes them.

#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

#include "app/session.h"
#include "tests/core/recording_backend.h"
#include "tests/scenarios/names.h"
#include "tests/scenarios/play.h"
#include "tests/support/broken_window.h"
#include "ui/caption.h"
#include "ui/checks.h"
#include "ui/tab_order.h"

namespace {

using scenario::formName;
using scenario::personName;

// A control's or a menu item's name, by its click index.
std::string_view clickableName(const ui::WindowDef& window, std::size_t index)
{
    if (index < window.controls.size())
        return window.controls[index].name;
    index -= window.controls.size();
    for (const ui::MenuDef& menu : window.menus) {
        if (index < menu.items.size())
            return menu.items[index].name;
        index -= menu.items.size();
    }
    return {};
}

std::set<std::string> gPressed;  // "Form1.mExit": every button and menu item some scenario used

class CoreDriver final : public scenario::Driver {
public:
    void start(bool broken) override
    {
        backend_.onBox = [this](std::string_view title, std::string_view prompt) {
            box_ = scenario::Box{std::string(title), std::string(prompt)};
            if (whileBoxUp)
                whileBoxUp();
            box_.reset();
        };
        if (broken)
            test::openBroken(session_.registry(), session_.runtime());
        else
            session_.start();
    }
    void type(const std::string& window, int box, const std::string& text) override
    {
        backend_.type(formName(window), scenario::boxOf(box), text);
    }
    void click(const std::string& window, const std::string& caption) override
    {
        const ui::WindowDef& def = definition(window);
        const std::string_view control = scenario::controlShowing(def, caption);
        if (def.controls[ui::indexOfControl(def, control)].kind == ui::Kind::Button)
            on(window).focus = ui::indexOfControl(def, control);  // a click puts the focus on a button
        use(formName(window), control);
    }
    void choose(const std::string& window, const std::string& menu, const std::string& item) override
    {
        use(formName(window), scenario::menuItem(definition(window), menu, item));
    }
    void close(const std::string& window) override { backend_.close(formName(window)); }
    void focus(const std::string& window, const std::string& target) override
    {
        const ui::WindowDef& def = definition(window);
        const bool box = target.find_first_not_of("0123456789") == std::string::npos;
        on(window).focus = ui::indexOfControl(def, box ? scenario::boxOf(std::stoi(target)) : scenario::controlShowing(def, target));
    }
    void press(const std::string& window, const std::string& keys) override;
    void dismiss() override { box_.reset(); }

    std::vector<std::string> windows() override
    {
        std::vector<std::string> shown;
        for (const auto& window : backend_.windows) {
            if (window.alive && window.visible)
                shown.push_back(personName(window.definition->name));
        }
        return shown;
    }
    std::vector<std::string> answers(const std::string& window) override
    {
        std::vector<std::string> texts;
        for (int box = 1; box <= 6; ++box)
            texts.push_back(on(window).values[ui::indexOfControl(definition(window), scenario::boxOf(box))]);
        return texts;
    }
    scenario::Rows story(const std::string& window) override
    {
        const auto& state = on(window);
        std::vector<scenario::Piece> pieces;
        for (std::size_t i = 0; i < state.values.size(); ++i) {
            const ui::ControlDef& c = state.definition->controls[i];
            if (state.controlVisible[i])
                pieces.push_back({c.top, c.left, c.top + c.height, c.kind == ui::Kind::Label, ui::drawnCaption(c.kind, state.values[i]).text});
        }
        return scenario::readStory(pieces);
    }
    std::vector<std::string> labels(const std::string& window) override
    {
        const auto& state = on(window);
        std::vector<std::string> texts;
        for (std::size_t i = 0; i < state.values.size(); ++i) {
            if (state.controlVisible[i] && state.definition->controls[i].kind == ui::Kind::Label)
                texts.push_back(ui::drawnCaption(ui::Kind::Label, state.values[i]).text);
        }
        return texts;
    }
    std::vector<std::string> spoken() override { return backend_.spoken; }
    std::optional<scenario::Box> box() override { return box_; }
    std::optional<int> ended() override { return session_.runtime().exitStatus(); }
    std::string focused(const std::string& window) override
    {
        return scenario::spokenOf(definition(window), on(window).focus);
    }
    std::vector<std::string> changes() override
    {
        std::vector<std::string> seen;
        for (const std::string& change : backend_.changes)
            seen.push_back(change.substr(0, 5) + personName(change.substr(5)));
        return seen;
    }

private:
    test::RecordingBackend::Window& on(const std::string& window) { return backend_.newest(formName(window)); }
    void use(std::string_view window, std::string_view control)
    {
        gPressed.insert(std::string(window) + "." + std::string(control));
        backend_.click(window, control);
    }
    const ui::WindowDef& definition(const std::string& window) { return *on(window).definition; }

    test::RecordingBackend backend_;
    app::Session session_{app::kProject, backend_};
    std::optional<scenario::Box> box_;
};

// Enter and Space press the button with the focus and Tab moves it, as a toolkit does; every
// other key goes where the core routes it, and leaves the focus as the route says.
void CoreDriver::press(const std::string& window, const std::string& keys)
{
    auto& state = on(window);
    const ui::WindowDef& def = *state.definition;
    const std::vector<std::size_t> order = ui::tabOrder(def.controls);
    if (keys == "Tab" || keys == "Shift+Tab") {
        auto at = std::find(order.begin(), order.end(), state.focus);
        const std::size_t i = at == order.end() ? 0 : std::size_t(at - order.begin());
        state.focus = order[(i + (keys == "Tab" ? 1 : order.size() - 1)) % order.size()];
        return;
    }
    if (keys == "Enter" || keys == "Space") {
        if (state.focus < def.controls.size() && def.controls[state.focus].kind == ui::Kind::Button)
            use(def.name, def.controls[state.focus].name);
        return;
    }
    ui::KeyPress key{.key = keys};
    for (bool more = true; more;) {
        more = false;
        for (const auto& [prefix, held] : {std::pair{"Ctrl+", &key.ctrl}, {"Alt+", &key.alt}, {"Shift+", &key.shift}}) {
            if (key.key.starts_with(prefix)) {
                *held = more = true;
                key.key.remove_prefix(std::string_view(prefix).size());
            }
        }
    }
    const ui::KeyRoute route = state.events->routeKey(key);
    if (route.to == ui::KeyRoute::To::Button || route.to == ui::KeyRoute::To::MenuItem) {
        if (route.takesFocus)
            state.focus = route.index;
        use(def.name, clickableName(def, route.index));
    }
}

}  // namespace

int main()
{
    int failed = 0, skipped = 0;
    const std::vector<scenario::Scenario> all = scenario::readAll(scenario::folder());
    for (const scenario::Scenario& one : all) {
        if (const std::string why = one.skippedOn("core"); !why.empty()) {
            std::printf("SKIP %s (%s)\n", one.name.c_str(), why.c_str());
            ++skipped;
            continue;
        }
        CoreDriver driver;
        const std::vector<std::string> failures = scenario::play(one, driver);
        for (const std::string& failure : failures)
            std::printf("FAIL %s\n  %s\n", one.name.c_str(), failure.c_str());
        failed += failures.empty() ? 0 : 1;
    }
    // A button or menu item no scenario uses would be a behaviour the table does not hold.
    for (const ui::WindowDef* window : app::kProject.windows) {
        std::vector<std::string> controls;
        for (const ui::ControlDef& control : window->controls) {
            if (control.kind == ui::Kind::Button)
                controls.emplace_back(control.name);
        }
        for (const ui::MenuDef& menu : window->menus) {
            for (const ui::MenuItemDef& item : menu.items)
                controls.emplace_back(item.name);
        }
        for (const std::string& control : controls) {
            if (!gPressed.contains(std::string(window->name) + "." + control)) {
                std::printf("FAIL no scenario uses %s of %s\n", control.c_str(), personName(window->name).c_str());
                ++failed;
            }
        }
    }
    std::printf("%zu scenarios: %zu passed, %d failed, %d skipped\n", all.size(), all.size() - std::size_t(failed + skipped), failed,
                skipped);
    return failed == 0 ? 0 : 1;
}
