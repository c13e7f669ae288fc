#pragma once
// Whether each window is drawn classic or in flow, by the core's rule (ui/flow_rule.h): from the
// screen it is on, the frame the window system puts round windows, and the room the window system
// gives it. It decides before a window's first showing, and again whenever a screen changes under
// the windows (another resolution, monitor or scale, a phone turned) or the window system
// resizes, moves or maximises one. Deciding reads a few numbers; the flow itself is built only for
// a window that needs it. Private to the Qt backend.

#include <QMargins>
#include <QObject>
#include <QRect>

#include <span>
#include <vector>

#include "ui/definitions.h"
#include "ui/flow_rule.h"

class QScreen;

namespace ui::qt {

class FormWindow;

class ScreenFit final : public QObject {
public:
    // windows: all the program may show, which the rule weighs together; empty for those made so far.
    explicit ScreenFit(std::span<const WindowDef* const> windows);

    void add(FormWindow& window);
    void remove(FormWindow& window);

    // Draws a window about to show for the first time as its screen asks, and places it there.
    void placeFirst(FormWindow& window);
    // The window now shows: its moves between screens are heard from here on.
    void shown(FormWindow& window);
    // Something changed that may change the decision: it is taken again once events settle.
    void changed();

private:
    void watch(QScreen* screen);
    void refit();
    bool flowsOn(const QScreen& screen) const;
    QMargins frame() const;
    QMargins frameOf(const FormWindow& window) const;

    struct Placed {
        FormWindow* window;
        QRect area;  // of the screen it was last placed on; null until it first shows
        QMargins frame;  // taken to be round it then
    };

    std::span<const WindowDef* const> windows_;
    std::vector<const WindowDef*> made_;  // the windows made so far, where none were given
    std::vector<Placed> live_;
    QMargins knownFrame_;
    bool frameKnown_ = false;
    bool pending_ = false;
};

}  // namespace ui::qt
