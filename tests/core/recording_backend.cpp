#include "tests/core/recording_backend.h"

#include <stdexcept>

#include "ui/checks.h"
#include "ui/tab_order.h"

namespace test {

namespace {

class RecordingPeer final : public ui::WindowPeer {
public:
    RecordingPeer(RecordingBackend& backend, std::size_t window)
        : backend_(backend)
        , window_(window)
    {
    }
    ~RecordingPeer() override
    {
        setVisible(false);
        state().alive = false;
        record("destroy");
    }

    void setText(std::size_t box, std::string_view text) override
    {
        state().values[box] = text;
        record("text " + name(box) + " " + std::string(text));
    }
    void setCaption(std::size_t control, std::string_view caption) override
    {
        state().values[control] = caption;
        record("caption " + name(control) + " " + std::string(caption));
    }
    void setControlVisible(std::size_t control, bool visible) override
    {
        state().controlVisible[control] = visible;
        record((visible ? "reveal " : "conceal ") + name(control));
    }
    void show(bool first) override
    {
        if (first && !ui::tabOrder(state().definition->controls).empty())
            state().focus = ui::tabOrder(state().definition->controls).front();
        setVisible(true);
        record(first ? "show first" : "show");
    }
    void hide() override
    {
        setVisible(false);
        record("hide");
    }
    void announce(std::string_view text) override
    {
        if (!text.empty())
            backend_.spoken.emplace_back(text);
        record("announce " + std::string(text));
    }

    std::string_view windowName() const { return backend_.windows[window_].definition->name; }

private:
    RecordingBackend::Window& state() const { return backend_.windows[window_]; }
    void setVisible(bool visible)
    {
        if (state().visible != visible && state().alive)
            backend_.changes.push_back((visible ? "show " : "hide ") + std::string(windowName()));
        state().visible = visible;
    }
    std::string name(std::size_t control) const
    {
        return std::string(backend_.windows[window_].definition->controls[control].name);
    }
    void record(const std::string& what) { backend_.log.push_back(std::string(windowName()) + " " + what); }

    RecordingBackend& backend_;
    std::size_t window_;
};

}  // namespace

std::unique_ptr<ui::WindowPeer> RecordingBackend::createWindow(const ui::WindowDef& definition, ui::WindowEvents& events)
{
    Window window{&definition, &events, true, false, {}, {}};
    for (const ui::ControlDef& control : definition.controls) {
        window.values.emplace_back(control.caption);
        window.controlVisible.push_back(control.visible);
    }
    windows.push_back(std::move(window));
    log.push_back(std::string(definition.name) + " create");
    return std::make_unique<RecordingPeer>(*this, windows.size() - 1);
}

void RecordingBackend::messageBox(ui::BoxKind kind, std::string_view title, std::string_view prompt, ui::WindowPeer* owner)
{
    const std::string ownerName = owner != nullptr ? std::string(static_cast<RecordingPeer*>(owner)->windowName()) : "-";
    log.push_back(ownerName + (kind == ui::BoxKind::RunTimeError ? " error box " : " box ") + std::string(title) + ": "
                  + std::string(prompt));
    if (onBox)
        onBox(title, prompt);
}

RecordingBackend::Window& RecordingBackend::newest(std::string_view window)
{
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (it->alive && it->definition->name == window)
            return *it;
    }
    throw std::logic_error("no such window on screen: " + std::string(window));
}

void RecordingBackend::click(std::string_view window, std::string_view control)
{
    Window& target = newest(window);
    const std::size_t index = ui::indexOfClickable(*target.definition, control);
    if (index == ui::kNotFound)
        throw std::logic_error("nothing to click named " + std::string(control) + " in " + std::string(window));
    target.events->clicked(index);
}

void RecordingBackend::type(std::string_view window, std::string_view textBox, std::string text)
{
    Window& target = newest(window);
    target.values[ui::indexOfControl(*target.definition, textBox)] = text;
    target.focus = ui::indexOfControl(*target.definition, textBox);
    target.events->edited(ui::indexOfControl(*target.definition, textBox), std::move(text));
}

void RecordingBackend::close(std::string_view window)
{
    newest(window).events->closeRequested();
}

}  // namespace test
