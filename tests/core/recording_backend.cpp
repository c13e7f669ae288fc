#include "tests/core/recording_backend.h"

#include <stdexcept>

#include "ui/checks.h"

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
        backend_.windows[window_].alive = false;
        record("destroy");
    }

    void setText(std::size_t box, std::string_view text) override { record("text " + name(box) + " " + std::string(text)); }
    void setCaption(std::size_t control, std::string_view caption) override
    {
        record("caption " + name(control) + " " + std::string(caption));
    }
    void setControlVisible(std::size_t control, bool visible) override
    {
        record((visible ? "reveal " : "conceal ") + name(control));
    }
    void show(bool first) override { record(first ? "show first" : "show"); }
    void hide() override { record("hide"); }
    void announce(std::string_view text) override { record("announce " + std::string(text)); }

    std::string_view windowName() const { return backend_.windows[window_].definition->name; }

private:
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
    windows.push_back({&definition, &events});
    log.push_back(std::string(definition.name) + " create");
    return std::make_unique<RecordingPeer>(*this, windows.size() - 1);
}

void RecordingBackend::messageBox(ui::BoxKind kind, std::string_view title, std::string_view prompt, ui::WindowPeer* owner)
{
    const std::string ownerName = owner != nullptr ? std::string(static_cast<RecordingPeer*>(owner)->windowName()) : "-";
    log.push_back(ownerName + (kind == ui::BoxKind::RunTimeError ? " error box " : " box ") + std::string(title) + ": "
                  + std::string(prompt));
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
    newest(window).events->clicked(control);
}

void RecordingBackend::type(std::string_view window, std::string_view textBox, std::string text)
{
    Window& target = newest(window);
    target.events->edited(ui::indexOfControl(*target.definition, textBox), std::move(text));
}

void RecordingBackend::close(std::string_view window)
{
    newest(window).events->closeRequested();
}

}  // namespace test
