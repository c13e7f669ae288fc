#pragma once
// A live window built from its WindowDef. Handlers reach its controls by their declared names
// through the checked property operations below; any failure throws ui::RunTimeError.
//
// The runtime owns every Form. An unloaded Form stays valid (but unusable) until the event that
// unloaded it has been fully delivered, so a handler's Form& never dangles mid-handler.

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "ui/definitions.h"

class QWidget;

namespace ui {

class Runtime;
class FormWindow;

class Form {
public:
    Form(Runtime& runtime, const WindowDef& definition);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const WindowDef& definition() const { return definition_; }
    std::string_view name() const { return definition_.name; }
    Runtime& runtime() const { return runtime_; }

    // Control properties.
    QString text(std::string_view textBox) const;
    void setText(std::string_view textBox, const QString& value);
    void setCaption(std::string_view control, const QString& value);
    void setVisible(std::string_view control, bool visible);

    // Has a screen reader speak text at once, without moving the focus or changing what is drawn;
    // an empty text withdraws the last one unspoken.
    void announce(const QString& text);

    // The window's own Visible, and its end.
    void show();
    void hide();
    bool isVisible() const;
    void unload();

    // Adds a Click handler to a control or menu item beyond those the definition brings.
    void bindClick(std::string_view control, std::function<void(Form&)> handler);
    // Told once, when the window is unloaded by code or closed from its title bar.
    void setUnloadListener(std::function<void(Form&)> listener);

    // The Qt window, for tests and screenshots; nullptr once unloaded.
    QWidget* widget() const;

private:
    QWidget* control(std::string_view operation, std::string_view name) const;
    [[noreturn]] void fail(std::string_view operation, std::string_view object, std::string_view reason) const;
    void requireLoaded(std::string_view operation) const;
    void deliverClick(std::size_t binding);
    void closeRequested();

    Runtime& runtime_;
    const WindowDef& definition_;
    std::unique_ptr<FormWindow> window_;
    // The context of every click connection: they end with this Form, not with its window, which
    // an unload leaves to Qt to delete later.
    QObject connections_;
    std::vector<std::function<void(Form&)>> clickHandlers_;
    std::function<void(Form&)> unloadListener_;
    bool shownBefore_ = false;

    friend class FormWindow;
};

}  // namespace ui
