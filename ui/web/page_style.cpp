#include "ui/web/page_style.h"

#include <cstdio>

#include "ui/flow_rule.h"

namespace ui::web {

namespace {

// The frame page.css draws around a client area, in CSS pixels: an edge, the padding inside it,
// and the bars above the client area (title, and menu where there is one).
constexpr int kFrameEdge = 1;
constexpr int kFramePadding = 2;
constexpr int kBarHeight = 18;

// The screen resolutions the page's style names: each gets the window face's pixel in the flow
// that the core's rule gives it; between two of them the face is at least as large as it needs.
constexpr double kResolutions[] = {1.25, 1.5, 1.75, 2, 2.25, 2.5, 2.625, 2.75, 3, 3.5, 4, 5};

// The frame page.css draws, as the core's rule counts a frame.
constexpr WindowFrame kPageFrame{.edge = kFrameEdge + kFramePadding, .titleBar = kBarHeight, .menuBar = kBarHeight};

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

}  // namespace

std::string pageStyle()
{
    std::string out = ":root { --frame-edge: " + std::to_string(kFrameEdge) + "px; --frame-padding: "
                      + std::to_string(kFramePadding) + "px; --bar-height: " + std::to_string(kBarHeight)
                      + "px; --flow-face: " + std::to_string(flowFacePixels(1)) + "px; }\n";
    for (const double resolution : kResolutions) {
        out += "@media (min-resolution: " + number(resolution) + "dppx) { :root { --flow-face: calc("
               + std::to_string(flowFacePixels(resolution)) + "px / " + number(resolution) + "); } }\n";
    }
    return out;
}

std::string flowCondition(std::span<const WindowDef* const> windows)
{
    const Room needed = roomNeeded(windows, kPageFrame);
    // A hundredth of a pixel less: the query holds below the full size, never at it.
    return "(max-width:" + std::to_string(needed.width - 1) + ".99px),(max-height:" + std::to_string(needed.height - 1) + ".99px)";
}

}  // namespace ui::web
