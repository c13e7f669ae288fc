#pragma once
// When the windows flow (ui/flow.h) instead of keeping their classic size, and how large the flow
// draws, in logical pixels. One rule for every peer: each gives the frame it puts round a window
// and the room its screen offers, and the windows flow where any of them would not fit.

#include <span>

#include "ui/definitions.h"

namespace ui {

// What a platform puts round a window's client area.
struct WindowFrame {
    int edge = 0;      // on every side
    int titleBar = 0;  // above, inside the edge
    int menuBar = 0;   // below the title bar, in a window with menus
};

struct Room {
    int width = 0;
    int height = 0;
};

// The room one window takes at its classic size: its client area, its menu bar and the frame.
Room classicRoom(const WindowDef& window, const WindowFrame& frame);

// The least room in which every one of the windows fits at its classic size, across and down.
Room roomNeeded(std::span<const WindowDef* const> windows, const WindowFrame& frame);

// Whether the windows flow where this much room is offered: a screen's area, or what the window
// system gave a window (with the frame it then draws left out).
bool flows(std::span<const WindowDef* const> windows, const WindowFrame& frame, Room offered);

// The flow's text is never smaller than this, and each thing to press or type into is at least
// this high and wide.
inline constexpr int kFlowTextAtLeast = 16;
inline constexpr int kFlowTargetAtLeast = 44;

// Device pixels for each pixel of the faces in the flow, on a screen with this many device pixels
// to a logical one: the least whole number that draws the window font (ui/window_face.h), the
// smallest design, at least kFlowTextAtLeast logical pixels high. Every face is enlarged by it, so
// each face pixel covers whole device pixels and stays crisp, and the faces keep their proportions.
int flowFacePixels(double devicePixelRatio);

}  // namespace ui
